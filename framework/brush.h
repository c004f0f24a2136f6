#pragma once

#include <windows.h>

#include <utility>

// The colours the program names.
namespace TColor {
constexpr COLORREF LtGray = RGB(192, 192, 192);
} // namespace TColor

// An owned solid brush. Move-only.
class TBrush {
public:
    explicit TBrush(COLORREF color) : handle_(CreateSolidBrush(color)) {}
    ~TBrush() {
        if (handle_ != nullptr)
            DeleteObject(handle_);
    }
    TBrush(TBrush&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TBrush& operator=(TBrush&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    HBRUSH GetHandle() const { return handle_; }
    operator HBRUSH() const { return handle_; }

private:
    HBRUSH handle_;
};
