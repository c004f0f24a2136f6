#pragma once

#include <string>

#include "database/db_screen.h"

// The table reader's screen in a console program: it keeps the problem for the caller to
// print, measures a text as its length, and has no cursor, Shift key or options dialog.
class TConsoleScreen : public TDBScreen {
public:
    int32_t TextWidth(const char*, size_t length, uint32_t) override {
        return static_cast<int32_t>(length);
    }
    void ShowProblem(const char* text) override { problem = text; }
    void BeginWait() override {}
    void EndWait() override {}
    bool IsShiftDown() override { return false; }
    TDialogOutcome RunOptionsDialog(TOptions&) override { return TDialogOutcome::Unavailable; }
    // A table is only read here: one that may not be written is read all the same.
    TReadOnlyChoice AskReadOnly(const std::string&) override {
        return TReadOnlyChoice::WithoutRecording;
    }

    // The last problem the reader showed; empty when none.
    std::string problem;
};
