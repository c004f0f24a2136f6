#include "app/db_screen_win.h"

#include "dialogs/given_file.h"
#include "dialogs/vocorix_options.h"

TWinDBScreen::TMeasuring::TMeasuring(const TFont& bold) : font(dc, bold) {}

int32_t TWinDBScreen::TextWidth(const char* text, size_t length) {
    if (!measuring_) {
        TMeasuring once(fonts_->Bold);
        SIZE size{};
        GetTextExtentPoint32A(once.dc, text, static_cast<int>(length), &size);
        return size.cx;
    }
    SIZE size{};
    GetTextExtentPoint32A(measuring_->dc, text, static_cast<int>(length), &size);
    return size.cx;
}

void TWinDBScreen::ShowProblem(const char* text) {
    MessageBoxA(Owner, text, "Database Problem", MB_OK | MB_ICONSTOP);
}

void TWinDBScreen::BeginWait() {
    previousCursor_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
    measuring_.emplace(fonts_->Bold);
}

void TWinDBScreen::EndWait() {
    measuring_.reset();
    SetCursor(previousCursor_);
}

bool TWinDBScreen::IsShiftDown() {
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

TDialogOutcome TWinDBScreen::RunOptionsDialog(TOptions& options) {
    int result;
    std::optional<TTableImport> chosenList;
    {
        // Destroyed before the reader looks at the settings again: that stores them.
        TVocorixOptions dialog(nullptr, options, *dialogFont_);
        result = dialog.Execute();
        chosenList = dialog.ChosenList();
    }
    if (result == IDOK && chosenList && CommitGivenFile(nullptr, *chosenList))
        ShowImportReport(nullptr, *chosenList);
    return result == IDOK ? TDialogOutcome::Ok : TDialogOutcome::Cancelled;
}
