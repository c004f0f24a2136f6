#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/db_screen_win.h"
#include "app/vocorix_static.h"
#include "database/db_file.h"
#include "framework/button.h"
#include "framework/decorated_frame.h"
#include "framework/status_bar.h"
#include "settings/options.h"

class TVocorixComboBox;

// The drill window: the word display, one answer box and "?" button per translation field,
// the Ready, Refuse and Continue buttons, and the status bar with the score. It owns the
// settings and the table reader. Its state is public: the answer boxes reach it through
// DrillWindow.
class TVocorixDlg : public TDecoratedFrame {
public:
    // Reads the settings from `ini` and opens the table they name. Throws xmsg("") when no
    // table could be opened (its reader has told the user why).
    explicit TVocorixDlg(TWindow* parent, TIniFile& ini = IniFile);
    ~TVocorixDlg() override;

    bool IdleAction(int32_t idleCount) override;

    // The controls that depend on the table: made for the open table, deleted with it.
    void CreateFieldControls();
    void DeleteFieldControls();
    // Sizes the window for the table at the stored position and asks the first question.
    void FitWindow();

    // The drill.
    void CmReady();
    void CmRefuse();
    void CmContinue();
    void CmCheckField(uint32_t id);
    void SetAnswering(int open);
    void UpdateStatus(int closed);
    // 0, or 1 + the number of the translation the text equals (its own one first).
    uint32_t FindAnswer(const char* text, uint32_t own);
    // 0, or 1 + the number of the first open translation the text nearly equals.
    uint32_t FindInterlaced(const char* text);
    void ForEachAnswerBox(void (TVocorixComboBox::*operation)());

    int Answering = 0;
    int Locked = 0;
    int DuplicatesRemoved = 0;
    TWinDBScreen Screen;
    TOptions Options;
    std::unique_ptr<TDBFile> Database;
    std::vector<std::unique_ptr<TButton>> FieldButtons;
    TButton ReadyButton;
    TButton RefuseButton;
    TButton ContinueButton;
    TVocorixStatic WordDisplay;
    std::vector<std::unique_ptr<TVocorixComboBox>> AnswerBoxes;
    uint32_t FieldCount = 0;
    uint32_t Total = 0;
    uint32_t Right = 0;
    int AnswerOk = 0;
    int OrderOk = 0;
    std::vector<int> Matched;
    int InterlaceHit = 0;
    TStatusBar StatusBar;
    TTextGadget RightGadget;
    TTextGadget TotalGadget;
    TTextGadget RateGadget;
    TTextGadget CountGadget;
    TTextGadget AnswerGadget;
    TTextGadget OrderGadget;

protected:
    void SetupWindow() override;
    void CleanupWindow() override;
    LRESULT EvCommand(uint32_t id, HWND control, uint32_t notifyCode) override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

    // The system-menu commands About, Lock and Help (the menu's own commands go on as usual),
    // and the sizing border taken as caption: the window's size is the table's.
    LRESULT EvSysCommand(WPARAM command, LPARAM);
    LRESULT EvNCHitTest(WPARAM, LPARAM);

private:
    void CmCancel() {}
    void EditSystemMenu();
    // The switches of the current record's COUNT level.
    TKeys CurrentKeys() const;
};

// The one drill window, set before it makes its answer boxes.
extern TVocorixDlg* DrillWindow;
