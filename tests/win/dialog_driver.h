#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"

// One step of a dialog script, given the dialog window.
using DialogStep = std::function<void(HWND dialog)>;

// Runs the dialog modally and plays the steps inside its modal loop, one per timer tick, so that
// the keys and clicks a step posts are handled before the next step runs. The last step should
// close the dialog; one still open after it is cancelled and the test fails. Returns what
// Execute returns.
int RunDialog(TDialog& dialog, std::vector<DialogStep> steps);

// Plays steps on the dialogs captioned `caption` that the code under test shows by itself (the
// table reader's options dialog), one step per timer tick while such a dialog is shown; a step
// may close it, and the next one then waits until it is shown again. Steps left unplayed when
// the watch ends fail the test. One watch at a time. A window of the program's own class is
// watched the same way when `className` names it.
class DialogWatch {
public:
    DialogWatch(std::string caption, std::vector<DialogStep> steps,
                std::string className = "#32770");
    ~DialogWatch();
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    size_t Played() const { return next_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::string caption_;
    std::vector<DialogStep> steps_;
    std::string className_;
    size_t next_ = 0;
    UINT_PTR timer_;
};

// One control of a dialog template: its rectangle in dialog units, its style beyond child and
// visible.
struct TemplateControl {
    int id;
    const char* className;
    const char* caption;
    DWORD style;
    RECT units;
};
// Checks the dialog's caption, its style (a popup with a caption and no system menu) and its
// children, in tab order, against the template's controls, and that each shows `font`.
void ExpectDialogTemplate(HWND dialog, const char* caption,
                          const std::vector<TemplateControl>& expected, HFONT font);

// Input as the learner gives it, posted to the dialog's loop.
void ClickButton(HWND dialog, int id);               // a mouse click (BM_CLICK: sent at once)
void ClickListItem(HWND list, int index);            // a click on an item of a list box
void PressKey(HWND window, UINT key);                // key down and up
void TypeText(HWND window, const std::string& text); // one WM_CHAR per character
// The list box of a combo box (a simple combo box shows it always).
HWND ComboList(HWND combo);
bool IsChecked(HWND dialog, int id);
std::string ItemTexts(HWND listBox); // the items, separated by blanks
