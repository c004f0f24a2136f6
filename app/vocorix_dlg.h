#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "answer/drill.h"
#include "app/db_screen_win.h"
#include "app/drill_fonts.h"
#include "app/hint_order.h"
#include "app/save_report_win.h"
#include "app/vocorix_static.h"
#include "app_rules/drill_scale.h"
#include "app_rules/hint_characters.h"
#include "database/db_file.h"
#include "framework/button.h"
#include "framework/decorated_frame.h"
#include "framework/static.h"
#include "framework/status_bar.h"
#include "settings/options.h"

class TDrillClaim;
class TVocorixComboBox;

// The drill window: the word display, one answer box and "?" button per translation field,
// the Ready, Refuse and Continue buttons, and the status bar with the score. It owns the
// settings, the table reader and the drill, whose rules it shows.
class TVocorixDlg : public TDecoratedFrame {
public:
    // Reads the settings from `ini` and opens the table they name. Throws xmsg("") when no
    // table could be opened (its reader has told the user why). The settings file and the
    // fonts must outlive the window. `startTable`, when given, is drilled instead of the one the
    // settings name, and becomes theirs once it has loaded.
    TVocorixDlg(TWindow* parent, TIniFile& ini, const TDrillFonts& fonts,
                TTableOpener opener = OpenTableFile, const std::string& startTable = {});
    ~TVocorixDlg() override;

    bool IdleAction(int32_t idleCount) override;

    // The controls that depend on the table, with their layout: made for the open table,
    // deleted together before another one is opened.
    void CreateFieldControls();
    void DeleteFieldControls();
    // Sizes the window for the table at the stored position and asks the first question.
    void FitWindow();
    // Lays the window out anew at this DPI and zoom, keeping the question and the answers. With
    // `suggested` (from the system, for a move to another monitor) the window takes that place.
    void Rescale(const TDrillScale& scale, const RECT* suggested = nullptr);
    // The options dialog; after OK the drill starts again on the table the settings now name.
    // Throws xmsg("") when that table cannot be opened and the learner gives up.
    void ChangeOptions();
    // Whether this window holds the claim on its table (one drill per table): false when another
    // program's drill claimed it first, and then drills it.
    bool HoldsItsTable() const;
    // The table the window drills, as the settings name it.
    std::string DrilledTable() const { return Options.FileName.Text; }
    // A table or word list dropped on the window: drilled as after the options dialog named it.
    // A list that cannot be made into a table, or a table that the learner gives up on, leaves
    // the drill on the table it had.
    void OpenGivenFile(const std::string& file);
    // The progress window over the table being drilled; the drill is as it was when it closes.
    void ShowProgress();

    // The drill.
    void CmReady();
    void CmRefuse();
    void CmContinue();
    // The check key (CM_CHECK_FIELD) or a "?" button (IDC_FIELD_BUTTON + i).
    void CmCheckField(uint32_t id);
    void SetAnswering(bool open);
    void UpdateStatus(bool closed);

    // The model the window shows: the drill's rules and the open table.
    const TDrill& GetDrill() const { return Drill; }
    const TDBFile& GetDatabase() const { return *Database; }
    // The hint lists' order at once, rather than step by step in idle time.
    void CompleteHintOrder() {
        if (HintOrder != nullptr)
            HintOrder->Complete();
    }
    // The DPI and zoom the window is laid out for, and its fonts at them.
    const TDrillScale& GetScale() const { return Scale; }
    const TDrillFonts& Fonts() const { return scaledFonts_ ? *scaledFonts_ : fonts_; }

protected:
    void SetupWindow() override;
    void CleanupWindow() override;
    bool PreProcessMsg(MSG& message) override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

    // The system-menu commands About, Lock and Help (the menu's own commands go on as usual),
    // and the sizing border taken as caption: the window's size is the table's.
    LRESULT EvSysCommand(WPARAM command, LPARAM);
    LRESULT EvNCHitTest(WPARAM, LPARAM);
    LRESULT EvDropFiles(WPARAM drop, LPARAM);
    // Another start of the program on this window's table: the window comes to the front, and
    // the file the start was given is taken as if dropped on it (its own table only comes to the
    // front: the drill goes on as it was).
    LRESULT EvCopyData(WPARAM, LPARAM data);
    LRESULT EvHandedOver(WPARAM, LPARAM);
    static constexpr UINT HandedOverMessage = WM_APP + 1;
    // A move to a monitor of another DPI.
    LRESULT EvDpiChanged(WPARAM dpi, LPARAM suggested);
    // A contrast theme switched on or off: the window's colours follow.
    LRESULT EvColorsChanged(WPARAM, LPARAM);

private:
    void CmCancel() {}
    // Larger Text, Smaller Text, and back to 100 %: stored at once.
    void CmZoom(uint32_t command);
    void ShowZoomLimits();
    // Registers a child's constraints as given for 96 DPI at 100 %, scaled to the window's.
    void Place(TWindow& child, const TLayoutMetrics& metrics);
    // Makes the fonts for `scale` and gives them to every control, constraints scaled; returns
    // the fonts they had, to be freed once the window is laid out with the new ones.
    std::pair<std::unique_ptr<TDrillFonts>, std::unique_ptr<TFont>>
    SetScale(const TDrillScale& scale);
    // Outer size for the table and the scale, with the top-left corner here.
    void SizeWindow(int32_t left, int32_t top);
    // The widest translation in the bold font at the present scale.
    int32_t WidestTranslation();
    const TFont& DialogFont() const { return dialogFont_ ? *dialogFont_ : fonts_.Normal; }
    // The drill's commands pass here, and not while the window is locked.
    void CmDrill(uint32_t id);
    void EditSystemMenu();
    // The window's top-left corner into "TopLeft Point", written at once.
    void StoreTopLeft();
    // Claims the table now loaded, letting go of the one before.
    void ClaimTable();
    // A drop's first file of `count`, or a file handed over by another start.
    void OpenDroppedFile(const std::string& file, UINT count);
    // A reader on `table`, or on the settings' table when it is empty; a table that loads is
    // stored as "File Name".
    std::unique_ptr<TDBFile> OpenTable(const std::string& table);
    // Starts the drill again on the reader `open` makes: the position stored, the old reader
    // closed first, new controls and a new question.
    void Reopen(const std::function<std::unique_ptr<TDBFile>()>& open);
    // Shows what a drill command decided, and records a closed question.
    void ShowOutcome(const TDrillOutcome& outcome);
    uint32_t FieldCount() const { return Drill.FieldCount(); }

    const TDrillFonts& fonts_; // at 96 DPI and 100 %
    TDrillScale Scale;
    std::unique_ptr<TDrillFonts> scaledFonts_; // when the scale is not 96 DPI at 100 %
    std::unique_ptr<TFont> dialogFont_;        // for the dialogs, at the DPI only
    // Every child's constraints as given for 96 DPI at 100 %.
    std::vector<std::pair<TWindow*, TLayoutMetrics>> design_;
    int32_t widest_ = 0;
    TDrillScale widestScale_; // The drill commands are ignored (the system menu's Lock).
    bool Locked = false;
    TWinDBScreen Screen;
    // Tells of the first settings write that fails.
    TWinSaveReport SaveReport;
    TOptions Options;
    TTableOpener Opener; // how every reader of this window opens its table
    std::unique_ptr<TDBFile> Database;
    std::unique_ptr<TDrillClaim> Claim;
    // Files handed over by other starts, taken once the start that gave one has gone on.
    std::deque<std::string> HandedOver;
    // The order of the reader's word list in the hint lists, worked out in idle time.
    std::unique_ptr<THintOrder> HintOrder;
    std::unique_ptr<THintCharacters> HintCharacters;
    TDrill Drill;
    std::vector<std::unique_ptr<TButton>> FieldButtons;
    TButton ReadyButton;
    TButton RefuseButton;
    TButton ContinueButton;
    TVocorixStatic WordDisplay;
    // Each answer box's name for screen readers: an invisible label just before the box.
    std::vector<std::unique_ptr<TStatic>> BoxLabels;
    std::vector<std::unique_ptr<TVocorixComboBox>> AnswerBoxes;
    TStatusBar StatusBar;
    TTextGadget RightGadget;
    TTextGadget TotalGadget;
    TTextGadget RateGadget;
    TTextGadget CountGadget;
    TTextGadget AnswerGadget;
    TTextGadget OrderGadget;
    // How the result marks are drawn: with the named font's glyphs where it is installed.
    const TResultMarks Marks{InstalledMarkFont()};

    // A closed question's record is being written (a problem box may be showing meanwhile).
    bool Recording = false;
    // Continue came in meanwhile: the next word is asked once the result is shown.
    bool ContinueDeferred = false;
};
