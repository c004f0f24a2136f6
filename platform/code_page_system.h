#pragma once

#include <cstdint>
#include <string_view>

#include "platform/code_page.h"

// The platform's own converter (the Windows conversion functions, or iconv), for the pages that
// are not UTF-8. Only platform/code_page.cpp calls these.

// UTF-8, known to be valid, to the code page, every character exactly.
TConversion SystemUtf8ToCodePage(std::string_view utf8, uint32_t codePage, std::string& converted);
TConversion SystemCodePageToUtf8(std::string_view bytes, uint32_t codePage, std::string& converted);
