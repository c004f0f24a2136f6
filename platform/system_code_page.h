#pragma once

#include <cstdint>

// The system's own ANSI code page, behind SystemCodePage (text_codec.h): system_code_page_win.cpp
// or system_code_page_posix.cpp.
uint32_t PlatformCodePage();
