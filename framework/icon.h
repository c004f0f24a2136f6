#pragma once

#include <windows.h>

#include <utility>

// An owned icon handle (one not loaded as shared). Move-only.
class TIcon {
public:
    TIcon() = default;
    explicit TIcon(HICON handle) : handle_(handle) {}
    ~TIcon() {
        if (handle_ != nullptr)
            DestroyIcon(handle_);
    }
    TIcon(TIcon&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TIcon& operator=(TIcon&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON GetHandle() const { return handle_; }

private:
    HICON handle_ = nullptr;
};
