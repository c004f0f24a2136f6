#include "app/vocorix_dlg.h"

#include <algorithm>

#include "answer/vocorix_combo_box.h"
#include "app/fonts.h"
#include "framework/brush.h"
#include "platform/xmsg.h"
#include "resources/ids.h"

TVocorixDlg* DrillWindow = nullptr;

namespace {
constexpr DWORD DrillWindowStyle = 0x10CE0000; // visible, caption, system menu, sizing border,
                                               // minimize box; no maximize box
} // namespace

const TResponse TVocorixDlg::ResponseRows[] = {
    OnCommand<&TVocorixDlg::CmReady>(CM_READY),
    OnCommand<&TVocorixDlg::CmRefuse>(CM_REFUSE),
    OnCommand<&TVocorixDlg::CmContinue>(CM_CONTINUE),
    OnCommand<&TVocorixDlg::CmContinue>(IDOK),
    OnCommand<&TVocorixDlg::CmCancel>(IDCANCEL),
    OnMessage<&TVocorixDlg::EvSysCommand>(WM_SYSCOMMAND),
    OnMessage<&TVocorixDlg::EvNCHitTest>(WM_NCHITTEST),
};

const TResponseTable TVocorixDlg::ResponseTable{&TDecoratedFrame::ResponseTable, ResponseRows};

TVocorixDlg::TVocorixDlg(TWindow* parent, TIniFile& ini)
    : TDecoratedFrame(parent, "Vocorix"), Options(ini),
      Database(std::make_unique<TDBFile>(Options, Screen)),
      ReadyButton(this, CM_READY, "&Ready", 0, 0, 0, 0),
      RefuseButton(this, CM_REFUSE, "R&efuse", 0, 0, 0, 0),
      ContinueButton(this, CM_CONTINUE, "&Continue", 0, 0, 0, 0, true),
      WordDisplay(this, IDC_WORD_DISPLAY, 0, &Options),
      StatusBar(this, TStatusBar::CapsLock, NormalFont), RightGadget(IDG_RIGHT, 5),
      TotalGadget(IDG_TOTAL, 5), RateGadget(IDG_RATE, 5), CountGadget(IDG_COUNT, 5),
      AnswerGadget(IDG_ANSWER, 5), OrderGadget(IDG_ORDER, 4) {
    EnableKBHandler();
    Attr.AccelTable = IDA_DRILL;
    Attr.Style = DrillWindowStyle;
    DrillWindow = this;
    try {
        CreateFieldControls();
    } catch (...) {
        DrillWindow = nullptr;
        throw;
    }
}

TVocorixDlg::~TVocorixDlg() {
    if (Database != nullptr && Database->IsLoaded())
        DeleteFieldControls();
    if (DrillWindow == this)
        DrillWindow = nullptr;
}

void TVocorixDlg::CreateFieldControls() {
    if (Database == nullptr || !Database->IsLoaded())
        throw xmsg("");
    Right = 0;
    Total = 0;
    FieldCount = Database->TranslationCount();
    TVocorixComboBox::ResetCounter();
    Matched.assign(FieldCount, 0);

    WordDisplay.FitHeight();
    SetChildLayoutMetrics(WordDisplay, WordDisplay.Constraints);
    for (uint32_t i = 0; i < FieldCount; ++i) {
        AnswerBoxes.push_back(std::make_unique<TVocorixComboBox>(this, i));
        TVocorixComboBox& box = *AnswerBoxes.back();
        SetChildLayoutMetrics(box, box.Constraints);

        FieldButtons.push_back(std::make_unique<TButton>(
            this, IDC_FIELD_BUTTON + static_cast<int32_t>(i), "?", 0, 0, 0, 0));
        TButton& button = *FieldButtons.back();
        button.Attr.Style &= ~WS_TABSTOP;
        SetChildLayoutMetrics(button,
                              {SiblingEdge(box, TEdge::Right, 6), SiblingEdge(box, TEdge::Top, 0),
                               Absolute(18), Absolute(20)});
    }
    const TButton& firstField = *FieldButtons.front();
    SetChildLayoutMetrics(ReadyButton, {SiblingEdge(firstField, TEdge::Right, 20),
                                        SiblingEdge(WordDisplay, TEdge::Bottom, 4),
                                        ParentEdge(TEdge::Right, -20), Absolute(22)});
    SetChildLayoutMetrics(RefuseButton, {SiblingEdge(firstField, TEdge::Right, 20),
                                         SiblingEdge(ReadyButton, TEdge::Top, 30),
                                         ParentEdge(TEdge::Right, -20), Absolute(22)});
    SetChildLayoutMetrics(ContinueButton, {SiblingEdge(firstField, TEdge::Right, 20),
                                           SiblingEdge(RefuseButton, TEdge::Top, 30),
                                           ParentEdge(TEdge::Right, -20), Absolute(22)});
}

void TVocorixDlg::DeleteFieldControls() {
    AnswerBoxes.clear();
    FieldButtons.clear();
    Matched.clear();
    Database.reset();
}

void TVocorixDlg::SetupWindow() {
    InsertBottom(StatusBar);
    for (TTextGadget* gadget :
         {&RightGadget, &TotalGadget, &RateGadget, &CountGadget, &AnswerGadget, &OrderGadget})
        StatusBar.Insert(*gadget);
    TDecoratedFrame::SetupWindow();
    EditSystemMenu();
    for (TButton* button : {&ReadyButton, &RefuseButton, &ContinueButton})
        button->SetWindowFont(NormalFont, false);
    FitWindow();
}

void TVocorixDlg::FitWindow() {
    for (const auto& button : FieldButtons)
        button->SetWindowFont(NormalFont, false);
    const RECT outer = GetWindowRect();
    const RECT client = GetClientRect();
    const int32_t overheadX = (outer.right - outer.left) - (client.right - client.left);
    const int32_t overheadY = (outer.bottom - outer.top) - (client.bottom - client.top);
    const int32_t width = Database->WidestTranslation() + 181;
    const int32_t height = 30 * static_cast<int32_t>(std::max<uint32_t>(FieldCount, 3)) +
                           WordDisplay.Attr.H + 35 + StatusBar.DesiredHeight();
    SetWindowPos(GetHandle(), nullptr, Options.TopLeft.x, Options.TopLeft.y, width + overheadX,
                 height + overheadY, SWP_NOZORDER | SWP_NOACTIVATE);
    SetBkgndColor(TColor::LtGray);
    CmContinue();
}

void TVocorixDlg::CleanupWindow() {
    RECT outer = GetWindowRect();
    if (IsIconic(GetHandle())) {
        // Minimized, the window stands far off the screen: keep where it was restored.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(GetHandle(), &placement);
        outer = placement.rcNormalPosition;
    }
    Options.TopLeft = {outer.left, outer.top};
    Options.TopLeftEntry.Write();
    TDecoratedFrame::CleanupWindow();
}

bool TVocorixDlg::IdleAction(int32_t idleCount) {
    if (DuplicatesRemoved || Database == nullptr)
        return false;
    if (idleCount > 5000)
        DuplicatesRemoved = Database->RemoveNextDuplicate();
    return !DuplicatesRemoved;
}

LRESULT TVocorixDlg::EvCommand(uint32_t id, HWND control, uint32_t notifyCode) {
    if (Locked)
        return 0;
    const LRESULT result = TDecoratedFrame::EvCommand(id, control, notifyCode);
    if (id >= CM_CHECK_FIELD && id < IDC_FIELD_BUTTON + FieldCount)
        CmCheckField(id);
    return result;
}

TKeys TVocorixDlg::CurrentKeys() const {
    return Options.KeysFor(Database->Count());
}
