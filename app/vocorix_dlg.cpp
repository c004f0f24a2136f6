#include "app/vocorix_dlg.h"

#include <shellapi.h>

#include <algorithm>

#include "app/vocorix_combo_box.h"
#include "database/table_layout.h"
#include "framework/brush.h"
#include "framework/window_placement.h"
#include "platform/xmsg.h"
#include "resources/ids.h"

namespace {
constexpr DWORD DrillWindowStyle =
    WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
// Client width beside the widest translation: margins, the drop-down arrow, the "?" button
// and the drill buttons.
constexpr int32_t BesideTheTranslation = 181;
} // namespace

const TResponse TVocorixDlg::ResponseRows[] = {
    OnCommandRange<&TVocorixDlg::CmDrill>(CM_READY, CM_CONTINUE),
    OnCommandRange<&TVocorixDlg::CmDrill>(IDOK, IDOK),
    // The check key and every "?" button.
    OnCommandRange<&TVocorixDlg::CmDrill>(CM_CHECK_FIELD,
                                          IDC_FIELD_BUTTON + MaxTranslationCount - 1),
    OnCommand<&TVocorixDlg::CmCancel>(IDCANCEL),
    OnMessage<&TVocorixDlg::EvSysCommand>(WM_SYSCOMMAND),
    OnMessage<&TVocorixDlg::EvNCHitTest>(WM_NCHITTEST),
    OnMessage<&TVocorixDlg::EvDropFiles>(WM_DROPFILES),
};

const TResponseTable TVocorixDlg::ResponseTable{&TDecoratedFrame::ResponseTable, ResponseRows};

TVocorixDlg::TVocorixDlg(TWindow* parent, TIniFile& ini, const TDrillFonts& fonts,
                         TTableOpener opener, const std::string& startTable)
    : TDecoratedFrame(parent, "Vocorix"), fonts_(fonts), Screen(fonts), Options(ini),
      Opener(std::move(opener)), Database(OpenTable(startTable)),
      ReadyButton(this, CM_READY, "&Ready", 0, 0, 0, 0),
      RefuseButton(this, CM_REFUSE, "R&efuse", 0, 0, 0, 0),
      ContinueButton(this, CM_CONTINUE, "&Continue", 0, 0, 0, 0, true),
      WordDisplay(this, IDC_WORD_DISPLAY, 0, &Options, fonts),
      StatusBar(this, TStatusBar::CapsLock, fonts.Normal), RightGadget(IDG_RIGHT, 5),
      TotalGadget(IDG_TOTAL, 5), RateGadget(IDG_RATE, 5), CountGadget(IDG_COUNT, 5),
      AnswerGadget(IDG_ANSWER, 5), OrderGadget(IDG_ORDER, 4) {
    EnableKBHandler();
    Attr.AccelTable = IDA_DRILL;
    Attr.Style = DrillWindowStyle;
    CreateFieldControls();
}

TVocorixDlg::~TVocorixDlg() {
    DeleteFieldControls();
}

void TVocorixDlg::CreateFieldControls() {
    if (Database == nullptr || !Database->IsLoaded())
        throw xmsg("");
    const uint32_t fieldCount = Database->TranslationCount();
    Drill = TDrill(fieldCount, Options.KeyList);

    WordDisplay.FitHeight();
    SetChildLayoutMetrics(WordDisplay, WordDisplay.Layout());
    HintOrder = std::make_unique<THintOrder>(Database->Words());
    const TAnswerBoxSource source{Drill,         Database->Words(),
                                  *HintOrder,    Database->TranslationSize(),
                                  fonts_.Normal, fonts_.Bold};
    for (uint32_t i = 0; i < fieldCount; ++i) {
        const TEdgeConstraint top = i == 0 ? SiblingEdge(WordDisplay, TEdge::Bottom, 5)
                                           : SiblingEdge(*AnswerBoxes.back(), TEdge::Top, 30);
        AnswerBoxes.push_back(std::make_unique<TVocorixComboBox>(this, i, top, source));
        TVocorixComboBox& box = *AnswerBoxes.back();
        SetChildLayoutMetrics(box, box.Layout());

        FieldButtons.push_back(std::make_unique<TButton>(
            this, IDC_FIELD_BUTTON + static_cast<int32_t>(i), "?", 0, 0, 0, 0));
        TButton& button = *FieldButtons.back();
        button.Attr.Style &= ~WS_TABSTOP;
        SetChildLayoutMetrics(button,
                              {SiblingEdge(box, TEdge::Right, 6), SiblingEdge(box, TEdge::Top, 0),
                               Absolute(18), Absolute(20)});
    }
    // The drill buttons stand 20 pixels right of the "?" buttons, which stand at a fixed
    // offset from the right edge: placed on that edge, they hold no constraint on a field
    // control, which is deleted with its table.
    const auto buttonColumn = [](TEdgeConstraint y) {
        return TLayoutMetrics{ParentEdge(TEdge::Right, -86), y, ParentEdge(TEdge::Right, -20),
                              Absolute(22)};
    };
    SetChildLayoutMetrics(ReadyButton, buttonColumn(SiblingEdge(WordDisplay, TEdge::Bottom, 4)));
    SetChildLayoutMetrics(RefuseButton, buttonColumn(SiblingEdge(ReadyButton, TEdge::Top, 30)));
    SetChildLayoutMetrics(ContinueButton, buttonColumn(SiblingEdge(RefuseButton, TEdge::Top, 30)));
}

void TVocorixDlg::DeleteFieldControls() {
    // Each layout constraint points at a control made before its own: the latest go first.
    FieldButtons.clear();
    while (!AnswerBoxes.empty())
        AnswerBoxes.pop_back();
    Drill = TDrill();
    HintOrder.reset();
    Database.reset();
}

void TVocorixDlg::SetupWindow() {
    InsertBottom(StatusBar);
    for (TTextGadget* gadget :
         {&RightGadget, &TotalGadget, &RateGadget, &CountGadget, &AnswerGadget, &OrderGadget})
        StatusBar.Insert(*gadget);
    TDecoratedFrame::SetupWindow();
    // Problems with the table are the drill window's from now on: modal to it.
    Screen.Owner = GetHandle();
    EditSystemMenu();
    DragAcceptFiles(GetHandle(), TRUE);
    for (TButton* button : {&ReadyButton, &RefuseButton, &ContinueButton})
        button->SetWindowFont(fonts_.Normal, false);
    FitWindow();
}

void TVocorixDlg::FitWindow() {
    for (const auto& button : FieldButtons)
        button->SetWindowFont(fonts_.Normal, false);
    const RECT outer = GetWindowRect();
    const RECT client = GetClientRect();
    const int32_t overheadX = (outer.right - outer.left) - (client.right - client.left);
    const int32_t overheadY = (outer.bottom - outer.top) - (client.bottom - client.top);
    const int32_t width = Database->WidestTranslation() + BesideTheTranslation;
    const int32_t height = 30 * static_cast<int32_t>(std::max<uint32_t>(FieldCount(), 3)) +
                           WordDisplay.Attr.H + 35 + StatusBar.DesiredHeight();
    SetWindowPos(GetHandle(), nullptr, Options.TopLeft.x, Options.TopLeft.y, width + overheadX,
                 height + overheadY, SWP_NOZORDER | SWP_NOACTIVATE);
    SetBkgndColor(TColor::LtGray);
    CmContinue();
}

void TVocorixDlg::CleanupWindow() {
    StoreTopLeft();
    Screen.Owner = nullptr;
    TDecoratedFrame::CleanupWindow();
}

void TVocorixDlg::StoreTopLeft() {
    const POINT topLeft = RestoredTopLeft(GetHandle());
    Options.TopLeft = {topLeft.x, topLeft.y};
    Options.TopLeftEntry.Write();
}

bool TVocorixDlg::IdleAction(int32_t idleCount) {
    if (Database == nullptr)
        return false;
    // The hint lists' order first: it is ready for a hint key long before removal would begin.
    if (HintOrder != nullptr && HintOrder->Step())
        return true;
    if (Database->Words().IsFreeOfDuplicates())
        return false;
    if (idleCount > 5000)
        return !Database->RemoveNextDuplicate();
    return true;
}

void TVocorixDlg::CmDrill(uint32_t id) {
    if (Locked)
        return;
    switch (id) {
    case CM_READY:
        CmReady();
        break;
    case CM_REFUSE:
        CmRefuse();
        break;
    case CM_CONTINUE:
    case IDOK:
        CmContinue();
        break;
    default:
        CmCheckField(id);
        break;
    }
}
