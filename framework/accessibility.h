#pragma once

#include <windows.h>

#include <string>

// What screen readers learn of a window beyond its text, through the system's accessibility
// layer (MSAA, which UI Automation reads as well).

// The answer to WM_GETOBJECT for the window's client object: the system's own accessible
// object of the window, which gives `description` as its description.
LRESULT DescribedObject(HWND window, WPARAM flags, const std::wstring& description);

// Tells screen readers that the window's name (its text) changed, so that they speak it.
void NotifyNameChange(HWND window);
