#include "framework/theme.h"

#include "framework/brush.h"

namespace {
// -1: as the system says; 0 or 1: as a test says.
int forced = -1;
} // namespace

bool HighContrastOn() {
    if (forced >= 0)
        return forced == 1;
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF FaceColor() {
    return HighContrastOn() ? GetSysColor(COLOR_BTNFACE) : TColor::LtGray;
}

COLORREF FaceTextColor() {
    return HighContrastOn() ? GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0);
}

TScopedHighContrast::TScopedHighContrast(bool on) : previous_(forced) {
    forced = on ? 1 : 0;
}

TScopedHighContrast::~TScopedHighContrast() {
    forced = previous_;
}
