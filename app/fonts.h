#pragma once

#include "framework/font.h"

// The program's two fonts, made during static initialization (NormalFont first) and destroyed
// at exit (BoldFont first). Face "Vocorix Font", cell height 8; the platform substitutes a
// font when that face is not installed.
extern TFont NormalFont;
extern TFont BoldFont;
