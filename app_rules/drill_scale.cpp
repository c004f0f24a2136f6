#include "app_rules/drill_scale.h"

#include <cstdint>
#include <limits>

TDrillScale::TDrillScale(uint32_t dpi, uint32_t zoomPercent)
    : dpi_(dpi == 0 ? BaseDpi : dpi), zoom_(zoomPercent) {}

int32_t TDrillScale::operator()(int32_t pixels) const {
    if (IsIdentity())
        return pixels;
    // One rounding for both factors, so that 100 % gives exactly the DPI's own sizes.
    return MulDivRounded(pixels, static_cast<int32_t>(dpi_ * zoom_),
                         static_cast<int32_t>(BaseDpi * 100));
}

int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0)
        return -1;
    int64_t product = int64_t{number} * numerator;
    int64_t divisor = denominator;
    if (divisor < 0) {
        divisor = -divisor;
        product = -product;
    }
    const int64_t half = divisor / 2;
    const int64_t result =
        product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    if (result > std::numeric_limits<int32_t>::max() ||
        result < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(result);
}

namespace zoom {
uint32_t ValidZoom(uint32_t percent) {
    if (percent < Smallest || percent > Largest)
        return Smallest;
    return percent - (percent - Smallest) % Step;
}

uint32_t Larger(uint32_t percent) {
    const uint32_t valid = ValidZoom(percent);
    return valid + Step <= Largest ? valid + Step : Largest;
}

uint32_t Smaller(uint32_t percent) {
    const uint32_t valid = ValidZoom(percent);
    return valid - Step >= Smallest ? valid - Step : Smallest;
}
} // namespace zoom
