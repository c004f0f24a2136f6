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

// Input as the learner gives it, posted to the dialog's loop.
void ClickButton(HWND dialog, int id);               // a mouse click (BM_CLICK: sent at once)
void ClickListItem(HWND list, int index);            // a click on an item of a list box
void PressKey(HWND window, UINT key);                // key down and up
void TypeText(HWND window, const std::string& text); // one WM_CHAR per character
// The list box of a combo box (a simple combo box shows it always).
HWND ComboList(HWND combo);
bool IsChecked(HWND dialog, int id);
std::string ItemTexts(HWND listBox); // the items, separated by blanks
