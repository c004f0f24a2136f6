#pragma once

#include <windows.h>

#include <optional>

#include "database/db_screen.h"
#include "framework/dc.h"

// The table reader's screen on Windows: widths measured in BoldFont on a screen device context
// held from BeginWait to EndWait, the "Database Problem" box, the hourglass and the options
// dialog.
class TWinDBScreen : public TDBScreen {
public:
    TWinDBScreen() = default;
    TWinDBScreen(const TWinDBScreen&) = delete;
    TWinDBScreen& operator=(const TWinDBScreen&) = delete;

    int32_t TextWidth(const char* text, size_t length) override;
    void ShowProblem(const char* text) override;
    void BeginWait() override;
    void EndWait() override;
    bool IsShiftDown() override;
    TDialogOutcome RunOptionsDialog(TOptions& options) override;

    // The window the "Database Problem" box is modal to; none while the table is opened.
    HWND Owner = nullptr;

private:
    struct TMeasuring {
        TMeasuring();
        TScreenDC dc;
        TSelection font;
    };
    std::optional<TMeasuring> measuring_;
    HCURSOR previousCursor_ = nullptr;
};
