#include "framework/window_placement.h"

POINT RestoredTopLeft(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    if (!IsIconic(window))
        return {outer.left, outer.top};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    const RECT& normal = placement.rcNormalPosition;
    // Tool windows keep screen coordinates in their placement.
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        return {normal.left, normal.top};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    // For a minimized window, its monitor is the one it was restored on.
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return WorkspaceToScreen({normal.left, normal.top}, monitor.rcMonitor, monitor.rcWork);
}

POINT WorkspaceToScreen(POINT point, const RECT& monitor, const RECT& work) {
    return {point.x + work.left - monitor.left, point.y + work.top - monitor.top};
}
