#include "app/drill_fonts.h"

TDrillFonts::TDrillFonts(int32_t height)
    : Normal("Vocorix Font", height, 0, 0, 0, FW_NORMAL),
      Bold("Vocorix Font", height, 0, 0, 0, FW_BOLD) {}
