#pragma once

#include <windows.h>

// Where a top-level window stands when it is not minimized, in screen coordinates: a
// minimized window stands far off the screen, and the placement the platform keeps for it
// is in workspace coordinates (relative to the work area of its monitor).
POINT RestoredTopLeft(HWND window);

// A point of workspace coordinates in screen coordinates, for a monitor and its work area.
POINT WorkspaceToScreen(POINT point, const RECT& monitor, const RECT& work);
