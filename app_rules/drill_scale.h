#pragma once

#include <cstdint>

// Scales the drill window's sizes, which are given in pixels of a 96-DPI screen at 100 % zoom,
// to the window's DPI and the learner's zoom, rounded as the system's MulDiv rounds. At 96 DPI
// and 100 % every size stays as given.
class TDrillScale {
public:
    static constexpr uint32_t BaseDpi = 96;

    TDrillScale() = default;
    // A DPI of 0 (unknown) is taken as 96; the zoom is taken as it comes (see ValidZoom).
    TDrillScale(uint32_t dpi, uint32_t zoomPercent);

    int32_t operator()(int32_t pixels) const;
    uint32_t Dpi() const { return dpi_; }
    uint32_t Zoom() const { return zoom_; }
    bool IsIdentity() const { return dpi_ == BaseDpi && zoom_ == 100; }
    bool operator==(const TDrillScale&) const = default;

private:
    uint32_t dpi_ = BaseDpi;
    uint32_t zoom_ = 100;
};

// number * numerator / denominator rounded half away from zero, computed in 64 bits; -1 for a
// zero denominator or a result outside 32 bits, as MulDiv answers.
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator);

// The zoom of the drill window in percent: 100 to 300 in steps of 25.
namespace zoom {
constexpr uint32_t Smallest = 100;
constexpr uint32_t Largest = 300;
constexpr uint32_t Step = 25;

// The stored zoom as the window uses it: outside 100-300 it is 100; between two steps it is
// the lower one.
uint32_t ValidZoom(uint32_t percent);
// One step larger or smaller, held to the range.
uint32_t Larger(uint32_t percent);
uint32_t Smaller(uint32_t percent);
} // namespace zoom
