#pragma once

#include <windows.h>

#include "framework/handle.h"

// The colours the program names.
namespace TColor {
constexpr COLORREF LtGray = RGB(192, 192, 192);
} // namespace TColor

inline void DeleteBrushHandle(HBRUSH brush) {
    DeleteObject(brush);
}

// An owned solid brush.
class TBrush : public THandle<HBRUSH, &DeleteBrushHandle> {
public:
    explicit TBrush(COLORREF color) : THandle(CreateSolidBrush(color)) {}
};
