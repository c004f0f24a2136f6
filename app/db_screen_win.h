#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/drill_fonts.h"
#include "database/db_screen.h"
#include "framework/dc.h"

// The table reader's screen on Windows: widths measured in the bold font on a screen device
// context held from BeginWait to EndWait, the "Database Problem" box, the hourglass and the
// options dialog (in the normal font).
class TCodePageText;

class TWinDBScreen : public TDBScreen {
public:
    // The fonts must outlive the screen.
    explicit TWinDBScreen(const TDrillFonts& fonts) : fonts_(&fonts), dialogFont_(&fonts.Normal) {}
    TWinDBScreen(const TWinDBScreen&) = delete;
    TWinDBScreen& operator=(const TWinDBScreen&) = delete;

    int32_t TextWidth(const char* text, size_t length, uint32_t codePage) override;
    void ShowProblem(const char* text) override;
    TReadOnlyChoice AskReadOnly(const std::string& text) override;
    void BeginWait() override;
    void EndWait() override;
    bool IsShiftDown() override;
    TDialogOutcome RunOptionsDialog(TOptions& options) override;

    // Fonts for a new DPI or zoom: the widths are measured in `fonts`, the options dialog shows
    // `dialogFont`. Both must outlive the screen.
    void SetFonts(const TDrillFonts& fonts, const TFont& dialogFont) {
        fonts_ = &fonts;
        dialogFont_ = &dialogFont;
    }

    // The window the "Database Problem" box is modal to; none while the table is opened.
    HWND Owner = nullptr;

private:
    struct TMeasuring {
        explicit TMeasuring(const TFont& bold);
        TScreenDC dc;
        TSelection font;
    };
    const TDrillFonts* fonts_;
    const TFont* dialogFont_;
    std::optional<TMeasuring> measuring_;
    // The code page of the texts measured last, and its converter.
    uint32_t measuredPage_ = 0;
    const TCodePageText* measuredText_ = nullptr;
    std::wstring measured_;
    HCURSOR previousCursor_ = nullptr;
};
