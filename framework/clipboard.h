#pragma once

#include <windows.h>

#include <string_view>

// Puts the text on the clipboard as Unicode text, in place of what it held; false when the
// clipboard could not be had.
bool CopyToClipboard(HWND owner, std::wstring_view text);
