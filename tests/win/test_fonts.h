#pragma once

#include "app/drill_fonts.h"

// The fonts the tests give their windows and dialogs, made once as the program makes its own.
inline const TDrillFonts& TestFonts() {
    static const TDrillFonts fonts;
    return fonts;
}
