#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/handle.h"

inline void DestroyAcceleratorHandle(HACCEL table) {
    DestroyAcceleratorTable(table);
}

// An owned accelerator table loaded from a resource. Character keys in the resource are bytes
// of Windows-1251 (its Cyrillic letters lie on the keys of the Latin ones), whatever the
// system's code page; a Unicode window is typed UTF-16, so each key becomes its character
// there, and Alt with "к" matches on every system.
class TAccelerators : public THandle<HACCEL, &DestroyAcceleratorHandle> {
public:
    TAccelerators() = default;
    TAccelerators(HINSTANCE module, uint32_t resourceId);
};
