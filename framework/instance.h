#pragma once

#include <windows.h>

// The module whose resources the program uses: the running program, or the test program that
// links the same resources.
HINSTANCE ModuleInstance();
