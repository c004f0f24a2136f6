#include "app/db_screen_win.h"

#include "database/db_messages.h"
#include "dialogs/given_file.h"
#include "dialogs/vocorix_options.h"
#include "platform/text_codec.h"

TWinDBScreen::TMeasuring::TMeasuring(const TFont& bold) : font(dc, bold) {}

int32_t TWinDBScreen::TextWidth(const char* text, size_t length, uint32_t codePage) {
    if (measuredText_ == nullptr || measuredPage_ != codePage) {
        measuredText_ = &CodePageText(codePage);
        measuredPage_ = codePage;
    }
    measured_.clear();
    measuredText_->AppendUtf16(std::string_view(text, length), measured_);
    SIZE size{};
    if (!measuring_) {
        TMeasuring once(fonts_->Bold);
        GetTextExtentPoint32W(once.dc, measured_.data(), static_cast<int>(measured_.size()), &size);
        return size.cx;
    }
    GetTextExtentPoint32W(measuring_->dc, measured_.data(), static_cast<int>(measured_.size()),
                          &size);
    return size.cx;
}

void TWinDBScreen::ShowProblem(const char* text) {
    MessageBoxW(Owner, Utf8ToUtf16(text).c_str(), Utf8ToUtf16(DatabaseProblemCaption).c_str(),
                MB_OK | MB_ICONSTOP);
}

TReadOnlyChoice TWinDBScreen::AskReadOnly(const std::string& text) {
    // No, the options, is the default: a learner who only presses Enter loses no answers.
    const int answer =
        MessageBoxW(Owner, Utf8ToUtf16(text).c_str(), Utf8ToUtf16(ReadOnlyTableCaption).c_str(),
                    MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION);
    return answer == IDYES ? TReadOnlyChoice::WithoutRecording : TReadOnlyChoice::Options;
}

void TWinDBScreen::BeginWait() {
    previousCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
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
