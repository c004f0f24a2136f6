#pragma once

#include <windows.h>

#include "framework/handle.h"

inline void DestroyIconHandle(HICON icon) {
    DestroyIcon(icon);
}

// An owned icon handle (one not loaded as shared).
using TIcon = THandle<HICON, &DestroyIconHandle>;
