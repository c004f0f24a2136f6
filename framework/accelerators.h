#pragma once

#include <windows.h>

#include <cstdint>

// An owned accelerator table loaded from a resource. Character keys in the resource are bytes
// of the ANSI code page (Cyrillic letters are Windows-1251 bytes), so they are converted the
// way CreateAcceleratorTableA converts them; typed characters reach TranslateAcceleratorA
// through the same code page and match.
class TAccelerators {
public:
    TAccelerators() = default;
    TAccelerators(HINSTANCE module, uint32_t resourceId);
    ~TAccelerators();
    TAccelerators(TAccelerators&& other) noexcept;
    TAccelerators& operator=(TAccelerators&& other) noexcept;
    TAccelerators(const TAccelerators&) = delete;
    TAccelerators& operator=(const TAccelerators&) = delete;

    HACCEL GetHandle() const { return handle_; }

private:
    HACCEL handle_ = nullptr;
};
