#include "answer/vocorix_combo_box.h"

#include <algorithm>
#include <string>

#include "app/fonts.h"
#include "app/vocorix_dlg.h"
#include "database/db_file.h"
#include "framework/list_order.h"
#include "resources/ids.h"

uint32_t TVocorixComboBox::Created = 0;

const TResponse TVocorixComboBox::ResponseRows[] = {
    OnCommand<&TVocorixComboBox::CmStartingWord>(CM_STARTING_WORD),
    OnCommand<&TVocorixComboBox::CmContiguousWord>(CM_CONTIGUOUS_WORD),
    OnCommand<&TVocorixComboBox::CmStartingChars>(CM_STARTING_CHARS),
    OnCommand<&TVocorixComboBox::CmContiguousChars>(CM_CONTIGUOUS_CHARS),
    OnCommand<&TVocorixComboBox::CmInterlacingChars>(CM_INTERLACING_CHARS),
    OnCommand<&TVocorixComboBox::CmInterlacingPhrases>(CM_INTERLACING_PHRASES),
    OnCommand<&TVocorixComboBox::CmWildcardMatches>(CM_WILDCARD_MATCHES),
    OnCommand<&TVocorixComboBox::CmToggleHints>(CM_TOGGLE_HINTS),
    OnCommand<&TVocorixComboBox::CmNextHint>(CM_NEXT_HINT),
    OnCommand<&TVocorixComboBox::CmClearHints>(CM_CLEAR_HINTS),
    OnNotify<&TVocorixComboBox::EvEditChange>(CBN_EDITCHANGE),
};

const TResponseTable TVocorixComboBox::ResponseTable{&TComboBox::ResponseTable, ResponseRows};

TVocorixComboBox::TVocorixComboBox(TWindow* parent, uint32_t index)
    : TComboBox(parent, IDC_ANSWER_BOX + static_cast<int32_t>(index), 30, 30, 30, 30,
                CBS_DROPDOWN | CBS_SORT, TranslationSize),
      Index(index), TextBuffer(TranslationSize, '\0') {
    Attr.AccelTable = IDA_ANSWER_BOX;
    Constraints.X = ParentEdge(TEdge::Left, 20);
    if (Created == 0)
        Constraints.Y = SiblingEdge(DrillWindow->WordDisplay, TEdge::Bottom, 5);
    else
        Constraints.Y = SiblingEdge(*DrillWindow->AnswerBoxes[Created - 1], TEdge::Top, 30);
    Constraints.Width = ParentEdge(TEdge::Right, -130);
    Constraints.Height = Absolute(100);
    ++Created;
}

TVocorixComboBox::~TVocorixComboBox() {
    // While this class still stands, so that its own CleanupWindow runs.
    Destroy();
}

void TVocorixComboBox::SetupWindow() {
    Edit = std::make_unique<TEdit>(this, GetEditHandle(), TranslationSize);
    TComboBox::SetupWindow();
    // Before the frame lays the box out: the height it then gives is the edit part's in this
    // font plus the list's.
    SetWindowFont(NormalFont, false);
    TakeFrameRect();
    HintList = 0;
}

void TVocorixComboBox::CleanupWindow() {
    Edit.reset();
    TComboBox::CleanupWindow();
}

void TVocorixComboBox::TakeFrameRect() {
    if (Edit == nullptr)
        return;
    FrameRect = Edit->GetWindowRect();
    MapWindowPoints(nullptr, DrillWindow->GetHandle(), reinterpret_cast<POINT*>(&FrameRect), 2);
    InflateRect(&FrameRect, 2, 2);
}

const char* TVocorixComboBox::ReadText() {
    GetWindowTextA(GetHandle(), TextBuffer.data(), static_cast<int>(TextBuffer.size()));
    return TextBuffer.data();
}

bool TVocorixComboBox::Granted(int32_t TKeys::*key) const {
    const TKeys keys = DrillWindow->Options.KeysFor(DrillWindow->Database->Count());
    return keys.*key != 0;
}

void TVocorixComboBox::Reset() {
    Active = *DrillWindow->Database->Translation(Index) != '\0';
    const int show = Active ? SW_SHOW : SW_HIDE;
    if (!Active) {
        // Where the box stands now: it may have moved since it was set up.
        TakeFrameRect();
    }
    Show(show);
    DrillWindow->FieldButtons[Index]->Show(show);
    if (!Active) {
        InvalidateRect(DrillWindow->GetHandle(), &FrameRect, TRUE);
        return;
    }
    ShowList(false);
    SetText("");
    ClearList();
    SetWindowFont(NormalFont, true);
    Judged = 0;
    HintList = 0;
}

void TVocorixComboBox::CloseHints() {
    ShowList(false);
    if (HintList)
        EmptyList();
}

void TVocorixComboBox::EmptyList() {
    ReadText();
    uint32_t start = 0;
    uint32_t end = 0;
    Edit->GetSelection(start, end);
    HintList = 0;
    ClearList();
    ShowList(false);
    SetText(TextBuffer.data());
    Edit->SetSelection(start, end);
}

void TVocorixComboBox::FillHints(THintMode mode, bool show) {
    CloseHints();
    THintSearch search(mode, ReadText());
    const TWordList& words = DrillWindow->Database->Words();

    // Until the word list is free of duplicates, a short list is kept free of them here; the
    // keys are those the control's exact search compares.
    const bool guard = !DrillWindow->DuplicatesRemoved;
    std::vector<std::string> listedKeys;
    std::vector<const char*> hints;
    // Room for every word at once: a growing list would be copied over and over.
    hints.reserve(words.Count());
    for (uint32_t i = 0; i < words.Count(); ++i) {
        // A word's bytes are followed by a NUL: data() serves as a C string.
        const std::string_view word = words.Item(i);
        if (!search.Accepts(word))
            continue;
        if (guard && hints.size() <= 100) {
            std::string key = ListSortKey(word.data());
            auto at = std::lower_bound(listedKeys.begin(), listedKeys.end(), key);
            if (at != listedKeys.end() && *at == key)
                continue;
            listedKeys.insert(at, std::move(key));
        }
        hints.push_back(word.data());
    }
    SortForList(hints);
    AppendItems(hints);

    HintList = GetCount() > 0;
    if (show)
        ShowList(true);
    if (GetCount() > 0)
        SetSelIndex(0);
    else if (GetDroppedState())
        SetEditSel(0, static_cast<uint32_t>(-1));
}

void TVocorixComboBox::FillFirstHints() {
    if (Granted(&TKeys::StartingChars))
        FillHints(THintMode::StartingChars, false);
    else if (Granted(&TKeys::StartingWord))
        FillHints(THintMode::StartingWord, true);
}

void TVocorixComboBox::CmStartingWord() {
    if (Granted(&TKeys::StartingWord))
        FillHints(THintMode::StartingWord, true);
}

void TVocorixComboBox::CmContiguousWord() {
    if (Granted(&TKeys::ContiguousWord))
        FillHints(THintMode::ContiguousWord, true);
}

void TVocorixComboBox::CmStartingChars() {
    if (Granted(&TKeys::StartingChars))
        FillHints(THintMode::StartingChars, true);
}

void TVocorixComboBox::CmContiguousChars() {
    if (Granted(&TKeys::ContiguousChars))
        FillHints(THintMode::ContiguousChars, true);
}

void TVocorixComboBox::CmInterlacingChars() {
    if (Granted(&TKeys::InterlacingChars))
        FillHints(THintMode::InterlacingChars, true);
}

void TVocorixComboBox::CmInterlacingPhrases() {
    if (Granted(&TKeys::InterlacingPhrases))
        FillHints(THintMode::InterlacingPhrases, true);
}

void TVocorixComboBox::CmWildcardMatches() {
    if (Granted(&TKeys::WildcardMatches))
        FillHints(THintMode::WildcardMatches, true);
}

void TVocorixComboBox::CmToggleHints() {
    const bool dropped = GetDroppedState();
    if (!HintList && !dropped)
        FillFirstHints();
    ShowList(!dropped);
}

void TVocorixComboBox::CmNextHint() {
    if (HintList) {
        const int32_t selected = GetSelIndex();
        if (selected < GetCount() - 1)
            SetSelIndex(selected + 1);
        return;
    }
    FillFirstHints();
}

void TVocorixComboBox::CmClearHints() {
    ClearList();
    ShowList(false);
}

void TVocorixComboBox::EvEditChange() {
    CloseHints();
}

void TVocorixComboBox::CheckAnswer() {
    if (!Active || Judged)
        return;
    RightResult = DrillWindow->FindAnswer(ReadText(), Index);
}

void TVocorixComboBox::CheckInterlaced() {
    if (!Active || Judged || RightResult != 0)
        return;
    const int hitBefore = DrillWindow->InterlaceHit;
    RightResult = DrillWindow->FindInterlaced(ReadText());
    if (RightResult != 0 && hitBefore == 0) {
        SetFocus();
        SetEditSel(0, static_cast<uint32_t>(-1));
    }
}

void TVocorixComboBox::ShowResult() {
    if (!Active || Judged)
        return;
    ++DrillWindow->Total;
    ShowList(false);
    ClearList();
    if (DrillWindow->Matched[Index] == 1) {
        SetWindowFont(NormalFont, true);
        ++DrillWindow->Right;
    } else {
        SetWindowFont(BoldFont, true);
        DrillWindow->AnswerOk = 0;
        DrillWindow->OrderOk = 0;
    }
    SetText(DrillWindow->Database->Translation(Index));
    SetEditSel(0, 0);
}

void TVocorixComboBox::Reveal() {
    if (!Active || Judged)
        return;
    ShowList(false);
    SetText(DrillWindow->Database->Translation(Index));
    SetEditSel(0, 0);
    SetWindowFont(BoldFont, true);
    ++DrillWindow->Total;
}
