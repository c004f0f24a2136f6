#pragma once

#include <windows.h>

#include <cstdint>

// The dots per inch a window is shown at: its monitor's where the system tells it (Windows 10
// 1607 and later), else the screen's.
uint32_t WindowDpi(HWND window);
// The screen's dots per inch (the primary monitor's, for a program aware of each monitor's).
uint32_t ScreenDpi();
