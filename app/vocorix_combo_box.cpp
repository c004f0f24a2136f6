#include "app/vocorix_combo_box.h"

#include <algorithm>
#include <string>

#include "answer/drill.h"
#include "app/hint_order.h"
#include "app_rules/hint_characters.h"
#include "database/word_list.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

static_assert(CM_WILDCARD_MATCHES - CM_STARTING_WORD + 1 == HintModeCount,
              "one hint command per hint mode, in THintMode order");

const TResponse TVocorixComboBox::ResponseRows[] = {
    OnCommandRange<&TVocorixComboBox::CmHint>(CM_STARTING_WORD, CM_WILDCARD_MATCHES),
    OnCommand<&TVocorixComboBox::CmToggleHints>(CM_TOGGLE_HINTS),
    OnCommand<&TVocorixComboBox::CmNextHint>(CM_NEXT_HINT),
    OnCommand<&TVocorixComboBox::CmClearHints>(CM_CLEAR_HINTS),
    OnNotify<&TVocorixComboBox::EvEditChange>(CBN_EDITCHANGE),
};

const TResponseTable TVocorixComboBox::ResponseTable{&TComboBox::ResponseTable, ResponseRows};

TVocorixComboBox::TVocorixComboBox(TWindow* parent, uint32_t index, const TEdgeConstraint& top,
                                   const TAnswerBoxSource& source)
    : TComboBox(parent, IDC_ANSWER_BOX + static_cast<int32_t>(index), 30, 30, 30, 30,
                CBS_DROPDOWN | CBS_SORT, source.textLimit),
      Index(index), source_(source) {
    Attr.AccelTable = IDA_ANSWER_BOX;
    Constraints.X = ParentEdge(TEdge::Left, 20);
    Constraints.Y = top;
    Constraints.Width = ParentEdge(TEdge::Right, -130);
    Constraints.Height = Absolute(100);
}

TVocorixComboBox::~TVocorixComboBox() {
    // While this class still stands, so that its own CleanupWindow runs.
    Destroy();
}

void TVocorixComboBox::SetupWindow() {
    Edit = std::make_unique<TEdit>(this, GetEditHandle(), source_.textLimit);
    TComboBox::SetupWindow();
    // Before the frame lays the box out: the height it then gives is the edit part's in this
    // font plus the list's.
    SetWindowFont(source_.normalFont, false);
    TakeFrameRect();
    HintList = false;
}

void TVocorixComboBox::SetFonts(HFONT normal, HFONT bold) {
    const bool showsBold = GetHandle() != nullptr && GetWindowFont() == source_.boldFont;
    source_.normalFont = normal;
    source_.boldFont = bold;
    if (GetHandle() != nullptr)
        SetWindowFont(showsBold ? bold : normal, true);
}

void TVocorixComboBox::CleanupWindow() {
    Edit.reset();
    TComboBox::CleanupWindow();
}

void TVocorixComboBox::TakeFrameRect() {
    if (Edit == nullptr)
        return;
    FrameRect = Edit->GetWindowRect();
    MapWindowPoints(nullptr, GetParent(GetHandle()), reinterpret_cast<POINT*>(&FrameRect), 2);
    InflateRect(&FrameRect, 2, 2);
}

std::string TVocorixComboBox::ReadText() const {
    std::string text = source_.codePage.FromUtf16(GetWideText());
    // A page of two bytes a character may take more bytes than the box takes characters.
    if (source_.textLimit > 0 && text.size() >= source_.textLimit)
        text.resize(source_.textLimit - 1);
    return text;
}

bool TVocorixComboBox::Granted(THintMode mode) const {
    return IsGranted(source_.drill.Keys(), mode);
}

void TVocorixComboBox::Reset(bool active) {
    if (!active) {
        // Where the box stands now: it may have moved since it was set up.
        TakeFrameRect();
        Show(SW_HIDE);
        InvalidateRect(GetParent(GetHandle()), &FrameRect, TRUE);
        return;
    }
    Show(SW_SHOW);
    ShowList(false);
    SetText("");
    ClearList();
    SetWindowFont(source_.normalFont, true);
    HintList = false;
}

void TVocorixComboBox::ShowResult(bool right, const char* translation) {
    ShowList(false);
    ClearList();
    HintList = false;
    SetWindowFont(right ? source_.normalFont : source_.boldFont, true);
    SetText(source_.codePage.ToUtf16(translation));
    SetEditSel(0, 0);
}

void TVocorixComboBox::Reveal(const char* translation) {
    ShowList(false);
    SetText(source_.codePage.ToUtf16(translation));
    SetEditSel(0, 0);
    SetWindowFont(source_.boldFont, true);
}

void TVocorixComboBox::SelectForCorrection() {
    SetFocus();
    SetEditSel(0, static_cast<uint32_t>(-1));
}

void TVocorixComboBox::Describe(std::string_view description) {
    SetAccessibleDescription(description);
    if (Edit)
        Edit->SetAccessibleDescription(description);
}

void TVocorixComboBox::CloseHints() {
    ShowList(false);
    if (HintList)
        EmptyList();
}

void TVocorixComboBox::EmptyList() {
    const std::wstring text = GetWideText();
    uint32_t start = 0;
    uint32_t end = 0;
    Edit->GetSelection(start, end);
    HintList = false;
    // The list reset of a drop-down box empties its edit part too: the text goes back after.
    ClearList();
    ShowList(false);
    SetText(text);
    Edit->SetSelection(start, end);
}

void TVocorixComboBox::FillHints(THintMode mode, bool show) {
    CloseHints();
    const std::string typed = ReadText();
    THintSearch search(mode, typed, source_.codePage, source_.characters.Current());

    // Until the word list is free of duplicates, a short list is kept free of them here; the
    // keys are equal where the control's exact search finds words equal.
    const bool guard = !source_.words.IsFreeOfDuplicates();
    std::vector<std::string> listedKeys;
    std::vector<uint32_t> hints;
    for (uint32_t i = 0; i < source_.words.Count(); ++i) {
        if (!search.Accepts(source_.words.Item(i), i))
            continue;
        if (guard && hints.size() <= 100) {
            std::string key = source_.order.EqualityKey(i);
            auto at = std::lower_bound(listedKeys.begin(), listedKeys.end(), key);
            if (at != listedKeys.end() && *at == key)
                continue;
            listedKeys.insert(at, std::move(key));
        }
        hints.push_back(i);
    }
    AppendItems(source_.order.Sort(hints), source_.codePage);

    HintList = GetCount() > 0;
    // The first hint is selected before the list opens, so that the list is painted once, with
    // it selected, and the opening finds the text at the top instead of searching every item.
    if (HintList)
        SetSelIndex(0);
    if (show)
        ShowList(true);
    if (!HintList && GetDroppedState())
        SetEditSel(0, static_cast<uint32_t>(-1));
}

void TVocorixComboBox::FillFirstHints() {
    if (const auto first = FirstHintFor(source_.drill.Keys()))
        FillHints(first->mode, first->show);
}

void TVocorixComboBox::CmHint(uint32_t id) {
    const auto mode = HintModeOfCommand(id);
    if (mode && Granted(*mode))
        FillHints(*mode, true);
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
    EmptyList();
}

void TVocorixComboBox::EvEditChange() {
    CloseHints();
}
