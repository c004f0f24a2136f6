#pragma once

#include <cstdint>

#include "answer/result_marks.h"
#include "framework/font.h"

// The drill window's two fonts of face "Vocorix Font" (the platform substitutes a font when
// that face is not installed). Normal: the lead-in, the transcription, typed text, right
// answers, the buttons, the status bar and the dialogs. Bold: the word, the third-language
// form, wrong and given-up answers, and the widths the table reader measures.
struct TDrillFonts {
    static constexpr const char* Face = "Vocorix Font";
    // The cell height of both fonts, in pixels, on a screen of 96 dots per inch.
    static constexpr int32_t DefaultHeight = 8;

    explicit TDrillFonts(int32_t height = DefaultHeight);

    TFont Normal;
    TFont Bold;
};

// How the system has the drill fonts' face installed, which decides how the result marks are
// drawn.
TMarkFont InstalledMarkFont();
