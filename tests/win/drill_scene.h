#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "app/vocorix_dlg.h"
#include "app/vocorix_static.h"
#include "framework/application.h"
#include "settings/ini_file.h"
#include "tests/support/table_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/win/test_fonts.h"

// Closes every message box this thread shows with its default button, or with the answer the
// test queued for it, and records it.
class MessageBoxWatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
        HWND owner;
        // The icon shown, and the ids of the buttons offered.
        HICON icon = nullptr;
        std::vector<int> buttons;
    };

    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Box> boxes;
    // Buttons to press, first first, in the next boxes that offer them (IDYES, IDNO, ...).
    std::deque<int> answers;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
    MessageBoxWatcher* previous_;
    static MessageBoxWatcher* current_;
};

// Modifier keys held while a key is sent.
enum Modifiers : unsigned { NoKeys = 0, Ctrl = 1, Alt = 2, Shift = 4 };

// Holds the modifiers in this thread's key state for one scope, as the keyboard would.
class HeldKeys {
public:
    explicit HeldKeys(unsigned modifiers);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

// The drill window on a table and a settings file made by the test, with an application to
// run the message loop.
class DrillScene {
public:
    DrillScene();
    ~DrillScene();

    // Writes the table and a settings file naming it, with `moreSettings` (lines of the
    // settings file) after the "Database" section.
    void Put(const TableBuilder& table, const std::string& moreSettings = "");
    // The same with a table file's bytes.
    void PutBytes(const std::string& table, const std::string& moreSettings = "");
    // Makes and shows the drill window; its first question is then asked.
    TVocorixDlg& Open();
    // Destroys the window (its CleanupWindow runs) and deletes it.
    void Close();

    // Handles what is queued, the way the program's loop does.
    void Pump();
    // A key press sent to the focus window through the message loop: key down, the character
    // it types (if any), key up.
    void Key(UINT key, unsigned modifiers = NoKeys);
    // A typed character (WM_CHAR; with Alt, WM_SYSCHAR) sent to the focus window: a byte of
    // the system's code page, which the system converts, or a character of any script.
    void Char(unsigned char character, unsigned modifiers = NoKeys);
    void WideChar(wchar_t character, unsigned modifiers = NoKeys);
    void Type(const std::string& text);
    void Type(const std::wstring& text);

    TempDir dir;
    std::string tablePath;
    std::unique_ptr<TIniFile> ini;
    // How the window's reader opens the table.
    TTableOpener opener = OpenTableFile;
    // A table the window drills instead of the settings' one (the program's command line).
    std::string startTable;
    TApplication app;
    MessageBoxWatcher messages;
    std::unique_ptr<TVocorixDlg> window;
};

// The drill window's controls, found by their ids (or class) among its children.
TWindow& Control(const TVocorixDlg& window, int id);
TVocorixComboBox& AnswerBox(const TVocorixDlg& window, uint32_t field);
TVocorixStatic& WordDisplayOf(const TVocorixDlg& window);
TStatusBar& StatusBarOf(const TVocorixDlg& window);
// Whether the system menu offers to unlock the drill, and the Lock command from that menu.
bool IsLocked(const TVocorixDlg& window);
void ToggleLock(TVocorixDlg& window);
// How many answer boxes, and "?" buttons, the window has.
uint32_t AnswerBoxCount(const TVocorixDlg& window);
uint32_t FieldButtonCount(const TVocorixDlg& window);

// The text the status bar control shows in the gadget with this id (IDG_RIGHT ... IDG_ORDER), in
// UTF-8.
std::string StatusText(const TVocorixDlg& window, int id);

// A table of one translation field holding these words, one record each (word "w<n>").
TableBuilder WordTable(const std::vector<std::string>& translations);
