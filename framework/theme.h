#pragma once

#include <windows.h>

// The colours the drill window, the word display and the settings dialogs paint with: the
// program's light grey with black text, or under a Windows contrast theme the system's own, so
// that the theme's text colour never lands on light grey.

bool HighContrastOn();
// The background of the window, the word display and the dialogs.
COLORREF FaceColor();
// The text drawn on it.
COLORREF FaceTextColor();

// Another contrast setting while the scope lasts, for tests.
class TScopedHighContrast {
public:
    explicit TScopedHighContrast(bool on);
    ~TScopedHighContrast();
    TScopedHighContrast(const TScopedHighContrast&) = delete;
    TScopedHighContrast& operator=(const TScopedHighContrast&) = delete;

private:
    int previous_;
};
