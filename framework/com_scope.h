#pragma once

#include <objbase.h>

// COM initialized on this thread while the scope lasts (once more, when it already is).
class TComScope {
public:
    TComScope()
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~TComScope() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    TComScope(const TComScope&) = delete;
    TComScope& operator=(const TComScope&) = delete;

private:
    HRESULT result_;
};
