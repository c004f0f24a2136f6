// The drill: asking a word, checking the boxes, giving up, and the score in the status bar.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "answer/match.h"
#include "answer/vocorix_combo_box.h"
#include "app/vocorix_dlg.h"
#include "resources/ids.h"

namespace {
// Result marks of "Vocorix Font".
constexpr unsigned char ClosedMark = 157;
constexpr unsigned char OpenMark = 158;
constexpr unsigned char ClearedMark = 159;

template <typename... Args> void Write(TTextGadget& gadget, const char* format, Args... args) {
    char text[32];
    std::snprintf(text, sizeof text, format, args...);
    gadget.SetText(text);
}
} // namespace

void TVocorixDlg::ForEachAnswerBox(void (TVocorixComboBox::*operation)()) {
    for (const auto& box : AnswerBoxes)
        ((*box).*operation)();
}

void TVocorixDlg::SetAnswering(int open) {
    // The first box shown: a hidden box (no translation in that field) would take what is
    // typed out of sight.
    const auto shown = std::find_if(AnswerBoxes.begin(), AnswerBoxes.end(),
                                    [](const auto& box) { return box->Active != 0; });
    TVocorixComboBox& first = shown != AnswerBoxes.end() ? **shown : *AnswerBoxes.front();
    first.SetFocus();
    first.SetEditSel(0, 0);
    ReadyButton.SetStyle(BS_PUSHBUTTON, false);
    RefuseButton.SetStyle(BS_PUSHBUTTON, false);
    ContinueButton.SetStyle(BS_DEFPUSHBUTTON, false);
    ReadyButton.Enable(open != 0);
    RefuseButton.Enable(open != 0);
    ContinueButton.Enable(open == 0);
    Answering = open;
}

void TVocorixDlg::UpdateStatus(int closed) {
    const uint32_t rate =
        Total == 0
            ? 0
            : static_cast<uint32_t>(MulDiv(static_cast<int>(Right), 100, static_cast<int>(Total)));
    Write(RightGadget, "Right:%u", Right);
    Write(TotalGadget, "Total:%u", Total);
    Write(RateGadget, "Rate:%u%%", rate);
    Write(CountGadget, "Count:%u", Database->Count());
    const unsigned char mark = closed ? ClosedMark : OpenMark;
    Write(AnswerGadget, "Answer:%c", AnswerOk ? mark : ClearedMark);
    Write(OrderGadget, "Order:%c", OrderOk ? mark : ClearedMark);
}

uint32_t TVocorixDlg::FindAnswer(const char* text, uint32_t own) {
    if (*text == '\0')
        return 0;
    if (Matched[own] == 0 && lstrcmpA(text, Database->Translation(own)) == 0) {
        Matched[own] = 1;
        return own + 1;
    }
    for (uint32_t t = 0; t < FieldCount; ++t)
        if (Matched[t] == 0 && lstrcmpA(text, Database->Translation(t)) == 0) {
            OrderOk = 0;
            Matched[t] = 1;
            return t + 1;
        }
    return 0;
}

uint32_t TVocorixDlg::FindInterlaced(const char* text) {
    if (*text == '\0')
        return 0;
    for (uint32_t t = 0; t < FieldCount; ++t)
        if (Matched[t] == 0 && !AnswerBoxes[t]->Judged &&
            MatchInterlaced(text, Database->Translation(t), 0)) {
            InterlaceHit = 1;
            Matched[t] = 1;
            return t + 1;
        }
    return 0;
}

void TVocorixDlg::CmContinue() {
    if (Answering)
        return;
    if (Database->EligibleCount() == 0) {
        MessageBoxA(GetHandle(), "You won!\r\nCongratulations!", "Finish",
                    MB_OK | MB_ICONEXCLAMATION);
        CloseWindow(0);
        return;
    }
    Database->Pick();
    for (const auto& button : FieldButtons)
        button->Enable(true);
    ForEachAnswerBox(&TVocorixComboBox::Reset);
    std::fill(Matched.begin(), Matched.end(), 0);
    std::vector<char> question(Database->QuestionSize(), '\0');
    int leadIn = 0;
    int wordLength = 0;
    int transcriptionLength = 0;
    Database->MakeQuestion(question.data(), leadIn, wordLength, transcriptionLength);
    WordDisplay.SetText(question.data(), leadIn, wordLength, transcriptionLength);
    Write(CountGadget, "Count:%u", Database->Count());
    SetAnswering(1);
    AnswerOk = 1;
    OrderOk = 1;
}

void TVocorixDlg::CmReady() {
    if (!Answering)
        return;
    const TKeys keys = CurrentKeys();
    InterlaceHit = 0;
    ForEachAnswerBox(&TVocorixComboBox::CheckAnswer);
    if (keys.TestInterlace)
        ForEachAnswerBox(&TVocorixComboBox::CheckInterlaced);
    if (InterlaceHit) {
        // A near miss is not judged: the question stays open with that box selected.
        OrderOk = 1;
        for (uint32_t i = 0; i < FieldCount; ++i)
            if (!AnswerBoxes[i]->Judged)
                Matched[i] = 0;
        return;
    }
    if (!OrderOk && keys.TestAnswersOrder)
        AnswerOk = 0;
    ForEachAnswerBox(&TVocorixComboBox::ShowResult);
    Database->Update(AnswerOk != 0);
    for (const auto& button : FieldButtons)
        button->Enable(false);
    SetAnswering(0);
    UpdateStatus(1);
}

void TVocorixDlg::CmRefuse() {
    if (!Answering)
        return;
    ForEachAnswerBox(&TVocorixComboBox::Reveal);
    OrderOk = 0;
    Database->Update(false);
    for (const auto& button : FieldButtons)
        button->Enable(false);
    SetAnswering(0);
    UpdateStatus(1);
}

void TVocorixDlg::CmCheckField(uint32_t id) {
    if (!Answering)
        return;
    uint32_t i;
    if (id == CM_CHECK_FIELD) {
        // The focus stands in the edit part of an answer box.
        HWND focus = GetFocus();
        HWND box = focus != nullptr ? GetParent(focus) : nullptr;
        i = static_cast<uint32_t>(GetDlgCtrlID(box) - IDC_ANSWER_BOX);
        if (box == nullptr || GetParent(box) != GetHandle() || i >= FieldCount)
            return;
    } else {
        i = id - IDC_FIELD_BUTTON;
    }
    if (AnswerBoxes[i]->Judged)
        return;
    const TKeys keys = CurrentKeys();
    InterlaceHit = 0;
    AnswerBoxes[i]->CheckAnswer();
    if (keys.TestInterlace)
        AnswerBoxes[i]->CheckInterlaced();
    if (InterlaceHit) {
        Matched[AnswerBoxes[i]->RightResult - 1] = 0;
        return;
    }
    const uint32_t m = AnswerBoxes[i]->RightResult;
    if (m != 0 && m - 1 != i) {
        // The text is another box's translation: that box is judged, this one stays open.
        AnswerBoxes[i]->EmptyList();
        i = m - 1;
    }
    if (!OrderOk && keys.TestAnswersOrder)
        AnswerOk = 0;
    AnswerBoxes[i]->ShowResult();
    AnswerBoxes[i]->Judged = 1;
    FieldButtons[i]->Enable(false);

    for (uint32_t step = 1; step <= FieldCount; ++step) {
        const uint32_t next = (i + step) % FieldCount;
        if (AnswerBoxes[next]->Active && !AnswerBoxes[next]->Judged) {
            AnswerBoxes[next]->SetFocus();
            UpdateStatus(0);
            return;
        }
    }
    Database->Update(AnswerOk != 0);
    SetAnswering(0);
    UpdateStatus(1);
}
