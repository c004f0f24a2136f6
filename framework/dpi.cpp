#include "framework/dpi.h"

#include "framework/dc.h"

namespace {
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up, not linked: the program also runs where the function is missing.
GetDpiForWindowFunction GetDpiForWindowIfAny() {
    static const GetDpiForWindowFunction function = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 == nullptr
                   ? nullptr
                   : reinterpret_cast<GetDpiForWindowFunction>(
                         reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
    }();
    return function;
}
} // namespace

uint32_t ScreenDpi() {
    TScreenDC dc;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : 96u;
}

uint32_t WindowDpi(HWND window) {
    if (const GetDpiForWindowFunction function = GetDpiForWindowIfAny();
        function != nullptr && window != nullptr)
        if (const UINT dpi = function(window); dpi != 0)
            return dpi;
    return ScreenDpi();
}
