#include "app/vocorix_dlg.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "app/vocorix_combo_box.h"
#include "app_rules/accessible_texts.h"
#include "database/table_layout.h"
#include "dialogs/drill_claim.h"
#include "framework/brush.h"
#include "framework/dpi.h"
#include "framework/theme.h"
#include "framework/window_placement.h"
#include "platform/text_codec.h"
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
    OnMessage<&TVocorixDlg::EvCopyData>(WM_COPYDATA),
    OnMessage<&TVocorixDlg::EvHandedOver>(HandedOverMessage),
    OnMessage<&TVocorixDlg::EvDpiChanged>(WM_DPICHANGED),
    OnMessage<&TVocorixDlg::EvColorsChanged>(WM_SYSCOLORCHANGE),
    OnMessage<&TVocorixDlg::EvColorsChanged>(WM_SETTINGCHANGE),
    OnCommandRange<&TVocorixDlg::CmZoom>(CM_ZOOM_IN, CM_ZOOM_RESET),
};

const TResponseTable TVocorixDlg::ResponseTable{&TDecoratedFrame::ResponseTable, ResponseRows};

TVocorixDlg::TVocorixDlg(TWindow* parent, TIniFile& ini, const TDrillFonts& fonts,
                         TTableOpener opener, const std::string& startTable)
    : TDecoratedFrame(parent, "Vocorix"), fonts_(fonts), Screen(fonts), SaveReport(ini),
      Options(ini), Opener(std::move(opener)), ReadyButton(this, CM_READY, "&Ready", 0, 0, 0, 0),
      RefuseButton(this, CM_REFUSE, "R&efuse", 0, 0, 0, 0),
      ContinueButton(this, CM_CONTINUE, "&Continue", 0, 0, 0, 0, true),
      WordDisplay(this, IDC_WORD_DISPLAY, 0, &Options, fonts),
      StatusBar(this, TStatusBar::CapsLock, fonts.Normal), RightGadget(IDG_RIGHT, 5),
      TotalGadget(IDG_TOTAL, 5), RateGadget(IDG_RATE, 5), CountGadget(IDG_COUNT, 5),
      AnswerGadget(IDG_ANSWER, 5), OrderGadget(IDG_ORDER, 4) {
    EnableKBHandler();
    Attr.AccelTable = IDA_DRILL;
    Attr.Style = DrillWindowStyle;
    // The screen's DPI until the window knows its monitor's: the table's widths are measured
    // in the fonts of that scale.
    SetScale(TDrillScale(ScreenDpi(), zoom::ValidZoom(Options.Zoom)));
    Database = OpenTable(startTable);
    CreateFieldControls();
    ClaimTable();
}

TVocorixDlg::~TVocorixDlg() {
    DeleteFieldControls();
}

void TVocorixDlg::CreateFieldControls() {
    if (Database == nullptr || !Database->IsLoaded())
        throw xmsg("");
    const uint32_t fieldCount = Database->TranslationCount();
    Drill = TDrill(fieldCount, Options.KeyList, Database->CodePage());
    // A read-only table drilled without recording says so for as long as it is drilled.
    SetText(Database->IsRecording() ? "Vocorix" : "Vocorix \xE2\x80\x93 not recording");
    // Measured by the reader in the fonts of the present scale.
    widest_ = Database->WidestTranslation();
    widestScale_ = Scale;

    design_.clear();
    WordDisplay.FitHeight();
    Place(WordDisplay, WordDisplay.Layout());
    const TCodePageText& codePage = CodePageText(Database->CodePage());
    HintOrder = std::make_unique<THintOrder>(Database->Words(), codePage);
    HintCharacters = std::make_unique<THintCharacters>(Database->Words(), codePage);
    const TAnswerBoxSource source{Drill,           Database->Words(), *HintOrder,
                                  *HintCharacters, codePage,          Database->TranslationSize(),
                                  Fonts().Normal,  Fonts().Bold};
    for (uint32_t i = 0; i < fieldCount; ++i) {
        const TEdgeConstraint top = i == 0 ? SiblingEdge(WordDisplay, TEdge::Bottom, 5)
                                           : SiblingEdge(*AnswerBoxes.back(), TEdge::Top, 30);
        // Made just before its box, so that it precedes the box among the children, where the
        // accessibility layer looks for a box's label.
        BoxLabels.push_back(std::make_unique<TStatic>(
            this, -1, AnswerBoxName(Database->TranslationName(i), i, fieldCount), 0, 0, 0, 0));
        BoxLabels.back()->Attr.Style &= ~WS_VISIBLE;
        AnswerBoxes.push_back(std::make_unique<TVocorixComboBox>(this, i, top, source));
        TVocorixComboBox& box = *AnswerBoxes.back();
        Place(box, box.Layout());

        FieldButtons.push_back(std::make_unique<TButton>(
            this, IDC_FIELD_BUTTON + static_cast<int32_t>(i), "?", 0, 0, 0, 0));
        TButton& button = *FieldButtons.back();
        button.Attr.Style &= ~WS_TABSTOP;
        Place(button, {SiblingEdge(box, TEdge::Right, 6), SiblingEdge(box, TEdge::Top, 0),
                       Absolute(18), Absolute(20)});
    }
    // The drill buttons stand 20 pixels right of the "?" buttons, which stand at a fixed
    // offset from the right edge: placed on that edge, they hold no constraint on a field
    // control, which is deleted with its table.
    const auto buttonColumn = [](TEdgeConstraint y) {
        return TLayoutMetrics{ParentEdge(TEdge::Right, -86), y, ParentEdge(TEdge::Right, -20),
                              Absolute(22)};
    };
    Place(ReadyButton, buttonColumn(SiblingEdge(WordDisplay, TEdge::Bottom, 4)));
    Place(RefuseButton, buttonColumn(SiblingEdge(ReadyButton, TEdge::Top, 30)));
    Place(ContinueButton, buttonColumn(SiblingEdge(RefuseButton, TEdge::Top, 30)));
}

namespace {
TEdgeConstraint Scaled(TEdgeConstraint edge, const TDrillScale& scale) {
    if (edge.Kind != TEdgeConstraint::Unset)
        edge.Value = scale(edge.Value);
    return edge;
}
} // namespace

void TVocorixDlg::Place(TWindow& child, const TLayoutMetrics& metrics) {
    design_.emplace_back(&child, metrics);
    SetChildLayoutMetrics(child, {Scaled(metrics.X, Scale), Scaled(metrics.Y, Scale),
                                  Scaled(metrics.Width, Scale), Scaled(metrics.Height, Scale)});
}

std::pair<std::unique_ptr<TDrillFonts>, std::unique_ptr<TFont>>
TVocorixDlg::SetScale(const TDrillScale& scale) {
    auto previous = std::make_pair(std::move(scaledFonts_), std::move(dialogFont_));
    Scale = scale;
    const LOGFONTW given = fonts_.Normal.GetLogFont();
    if (!Scale.IsIdentity())
        scaledFonts_ = std::make_unique<TDrillFonts>(Scale(given.lfHeight));
    if (Scale.Dpi() != TDrillScale::BaseDpi) {
        LOGFONTW dialog = given;
        dialog.lfHeight = TDrillScale(Scale.Dpi(), 100)(given.lfHeight);
        dialogFont_ = std::make_unique<TFont>(dialog);
    }

    Screen.SetFonts(Fonts(), DialogFont());
    WordDisplay.SetFonts(Fonts(), Scale(TVocorixStatic::LineStep));
    StatusBar.SetFont(Fonts().Normal, Scale(TStatusBar::FieldMargin));
    if (GetHandle() != nullptr) {
        for (TButton* button : {&ReadyButton, &RefuseButton, &ContinueButton})
            button->SetWindowFont(Fonts().Normal, true);
        for (const auto& button : FieldButtons)
            button->SetWindowFont(Fonts().Normal, true);
    }
    for (const auto& box : AnswerBoxes)
        box->SetFonts(Fonts().Normal, Fonts().Bold);
    const auto design = std::move(design_);
    design_.clear();
    for (const auto& [child, metrics] : design)
        Place(*child, metrics);
    return previous;
}

int32_t TVocorixDlg::WidestTranslation() {
    if (!(widestScale_ == Scale)) {
        // Measured again as the reader measures, in the screen's fonts of this scale.
        const TWordList& words = Database->Words();
        int32_t widest = 0;
        Screen.BeginWait();
        for (uint32_t i = 0; i < words.Count(); ++i) {
            const std::string_view word = words.Item(i);
            widest =
                std::max(widest, Screen.TextWidth(word.data(), word.size(), Database->CodePage()));
        }
        Screen.EndWait();
        widest_ = widest;
        widestScale_ = Scale;
    }
    return widest_;
}

void TVocorixDlg::DeleteFieldControls() {
    // Each layout constraint points at a control made before its own: the latest go first.
    FieldButtons.clear();
    while (!AnswerBoxes.empty())
        AnswerBoxes.pop_back();
    BoxLabels.clear();
    Drill = TDrill();
    HintOrder.reset();
    HintCharacters.reset();
    design_.clear();
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
    SaveReport.Owner = GetHandle();
    EditSystemMenu();
    DragAcceptFiles(GetHandle(), TRUE);
    if (Claim != nullptr)
        Claim->Mark(GetHandle());
    // The monitor the window opened on may have another DPI than the screen's.
    if (const TDrillScale here(WindowDpi(GetHandle()), Scale.Zoom()); !(here == Scale))
        SetScale(here);
    for (TButton* button : {&ReadyButton, &RefuseButton, &ContinueButton})
        button->SetWindowFont(Fonts().Normal, false);
    FitWindow();
}

void TVocorixDlg::FitWindow() {
    for (const auto& button : FieldButtons)
        button->SetWindowFont(Fonts().Normal, false);
    SizeWindow(Options.TopLeft.x, Options.TopLeft.y);
    SetBkgndColor(FaceColor());
    ShowZoomLimits();
    CmContinue();
}

void TVocorixDlg::SizeWindow(int32_t left, int32_t top) {
    const RECT outer = GetWindowRect();
    const RECT client = GetClientRect();
    const int32_t overheadX = (outer.right - outer.left) - (client.right - client.left);
    const int32_t overheadY = (outer.bottom - outer.top) - (client.bottom - client.top);
    // Wide enough for the table's translations and for every field of the status bar.
    const int32_t width =
        std::max(WidestTranslation() + Scale(BesideTheTranslation), StatusBar.DesiredWidth());
    const int32_t height = Scale(30) * static_cast<int32_t>(std::max<uint32_t>(FieldCount(), 3)) +
                           Scale(WordDisplay.Attr.H) + Scale(35) + StatusBar.DesiredHeight();
    SetWindowPos(GetHandle(), nullptr, left, top, width + overheadX, height + overheadY,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TVocorixDlg::Rescale(const TDrillScale& scale, const RECT* suggested) {
    // Without a table (another is being opened) there is nothing to fit: the new table's
    // controls are made at the window's DPI then.
    if ((scale == Scale && suggested == nullptr) || Database == nullptr)
        return;
    // The controls let go of the old fonts before they are freed, at the end.
    const auto previous = SetScale(scale);
    RECT place = GetWindowRect();
    if (suggested != nullptr) {
        place = *suggested;
        // The frame's own parts take the new DPI's sizes here.
        SetWindowPos(GetHandle(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SizeWindow(place.left, place.top);
    Layout();
    Invalidate(true);
}

LRESULT TVocorixDlg::EvColorsChanged(WPARAM, LPARAM) {
    SetBkgndColor(FaceColor());
    WordDisplay.Invalidate(true);
    return 0;
}

LRESULT TVocorixDlg::EvDpiChanged(WPARAM dpi, LPARAM suggested) {
    Rescale(TDrillScale(HIWORD(dpi), Scale.Zoom()), reinterpret_cast<const RECT*>(suggested));
    return 0;
}

void TVocorixDlg::CleanupWindow() {
    StoreTopLeft();
    // Another start may drill the table from now on.
    Claim.reset();
    Screen.Owner = nullptr;
    SaveReport.Owner = nullptr;
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
    // The hint lists' order, and the characters a UTF-8 table's hint search reads, first: they are
    // ready for a hint key long before removal would begin. Each removal changes the list, so
    // the characters wait until removal is done; a key pressed meanwhile works them out itself.
    if (HintOrder != nullptr && HintOrder->Step())
        return true;
    const bool removing = idleCount > 5000 && !Database->Words().IsFreeOfDuplicates();
    if (!removing && HintCharacters != nullptr && HintCharacters->Step())
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
