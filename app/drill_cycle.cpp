// The drill window's side of the drill: asking a word, feeding the typed texts to the drill,
// showing its verdicts, recording closed questions, and the score in the status bar.
#include <windows.h>

#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "app/vocorix_dlg.h"
#include "app_rules/accessible_texts.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

namespace {
// Holds a flag set for one scope.
class TScopedFlag {
public:
    explicit TScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~TScopedFlag() { flag_ = false; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& flag_;
};
} // namespace

void TVocorixDlg::SetAnswering(bool open) {
    // The first box shown: a hidden box (no translation in that field) would take what is
    // typed out of sight.
    uint32_t shown = 0;
    while (shown + 1 < FieldCount() && !Drill.IsActive(shown))
        ++shown;
    TVocorixComboBox& first = *AnswerBoxes[shown];
    first.SetFocus();
    first.SetEditSel(0, 0);
    ReadyButton.SetStyle(BS_PUSHBUTTON, false);
    RefuseButton.SetStyle(BS_PUSHBUTTON, false);
    ContinueButton.SetStyle(BS_DEFPUSHBUTTON, false);
    ReadyButton.Enable(open);
    RefuseButton.Enable(open);
    ContinueButton.Enable(!open);
}

void TVocorixDlg::UpdateStatus(bool closed) {
    const auto texts = Drill.StatusTexts(closed, Marks);
    TTextGadget* gadgets[] = {&RightGadget, &TotalGadget,  &RateGadget,
                              &CountGadget, &AnswerGadget, &OrderGadget};
    for (size_t i = 0; i < texts.size(); ++i)
        gadgets[i]->SetText(texts[i]);
}

void TVocorixDlg::CmContinue() {
    if (Drill.Answering())
        return;
    if (Recording) {
        // Asked while a write problem is shown: the closed question's result is shown first.
        ContinueDeferred = true;
        return;
    }
    if (!Database->Pick()) {
        // A reader that closed its table has shown why; otherwise nothing is left to ask.
        if (Database->IsLoaded())
            MessageBoxW(GetHandle(), L"You won!\r\nCongratulations!", L"Finish",
                        MB_OK | MB_ICONEXCLAMATION);
        CloseWindow(0);
        return;
    }
    std::vector<std::string> translations;
    for (uint32_t i = 0; i < FieldCount(); ++i)
        translations.emplace_back(Database->Translation(i));
    Drill.Ask(std::move(translations), Database->Count());
    for (uint32_t i = 0; i < FieldCount(); ++i) {
        const bool active = Drill.IsActive(i);
        FieldButtons[i]->Enable(true);
        FieldButtons[i]->Show(active ? SW_SHOW : SW_HIDE);
        AnswerBoxes[i]->Reset(active);
        AnswerBoxes[i]->Describe({});
    }
    std::vector<char> question(Database->QuestionSize(), '\0');
    int leadIn = 0;
    int wordLength = 0;
    int transcriptionLength = 0;
    Database->MakeQuestion(question.data(), leadIn, wordLength, transcriptionLength);
    WordDisplay.SetText(question.data(), leadIn, wordLength, transcriptionLength,
                        CodePageText(Database->CodePage()));
    CountGadget.SetText(Drill.CountText());
    SetAnswering(true);
}

void TVocorixDlg::CmReady() {
    if (!Drill.Answering())
        return;
    std::vector<std::string> typed;
    for (const auto& box : AnswerBoxes)
        typed.push_back(box->ReadText());
    ShowOutcome(Drill.Ready(typed));
}

void TVocorixDlg::CmRefuse() {
    ShowOutcome(Drill.Refuse());
}

void TVocorixDlg::CmCheckField(uint32_t id) {
    if (!Drill.Answering())
        return;
    uint32_t i;
    if (id == CM_CHECK_FIELD) {
        // The focus stands in the edit part of an answer box.
        HWND focus = GetFocus();
        HWND box = focus != nullptr ? GetParent(focus) : nullptr;
        if (box == nullptr || GetParent(box) != GetHandle())
            return;
        i = static_cast<uint32_t>(GetDlgCtrlID(box) - IDC_ANSWER_BOX);
    } else {
        i = id - IDC_FIELD_BUTTON;
    }
    if (i >= FieldCount())
        return;
    ShowOutcome(Drill.CheckField(i, AnswerBoxes[i]->ReadText()));
}

void TVocorixDlg::ShowOutcome(const TDrillOutcome& outcome) {
    if (outcome.correct != TDrillOutcome::NoBox) {
        AnswerBoxes[outcome.correct]->SelectForCorrection();
        return;
    }
    if (outcome.keptOpen != TDrillOutcome::NoBox)
        AnswerBoxes[outcome.keptOpen]->EmptyList();
    for (const TShownBox& shown : outcome.shown) {
        TVocorixComboBox& box = *AnswerBoxes[shown.box];
        const char* translation = Drill.Translation(shown.box).c_str();
        const bool empty = box.ReadText().empty();
        if (shown.shown == TShown::Revealed)
            box.Reveal(translation);
        else
            box.ShowResult(shown.shown == TShown::Right, translation);
        const TBoxResult result = shown.shown == TShown::Right      ? TBoxResult::Right
                                  : shown.shown == TShown::Revealed ? TBoxResult::GivenUp
                                  : empty                           ? TBoxResult::Empty
                                                                    : TBoxResult::Wrong;
        box.Describe(ResultDescription(
            result, Utf16ToUtf8(CodePageText(Database->CodePage()).ToUtf16(translation))));
        if (Drill.IsJudged(shown.box))
            FieldButtons[shown.box]->Enable(false);
    }
    if (!outcome.closed) {
        if (outcome.next != TDrillOutcome::NoBox) {
            AnswerBoxes[outcome.next]->SetFocus();
            UpdateStatus(false);
        }
        return;
    }
    for (const auto& button : FieldButtons)
        button->Enable(false);
    SetAnswering(false);
    // Last: a write problem shows its message while the question is already closed.
    ContinueDeferred = false;
    {
        const TScopedFlag recording(Recording);
        Database->Update(outcome.right);
    }
    Drill.Recorded(Database->Count());
    UpdateStatus(true);
    if (ContinueDeferred) {
        ContinueDeferred = false;
        CmContinue();
    }
}
