#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/handle.h"

inline void DestroyAcceleratorHandle(HACCEL table) {
    DestroyAcceleratorTable(table);
}

// An owned accelerator table loaded from a resource. Character keys in the resource are bytes
// of the ANSI code page (Cyrillic letters are Windows-1251 bytes), so they are converted the
// way CreateAcceleratorTableA converts them; typed characters reach TranslateAcceleratorA
// through the same code page and match.
class TAccelerators : public THandle<HACCEL, &DestroyAcceleratorHandle> {
public:
    TAccelerators() = default;
    TAccelerators(HINSTANCE module, uint32_t resourceId);
};
