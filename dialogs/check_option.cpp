#include "dialogs/check_option.h"

TCheckOption::TCheckOption(TWindow* parent, int32_t resourceId, TOption<int>& option)
    : TCheckBox(parent, resourceId), Option(&option) {}

void TCheckOption::SetupWindow() {
    TCheckBox::SetupWindow();
    // Any value but 0 is on.
    SetCheck(Option->Value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void TCheckOption::CleanupWindow() {
    if (Option->IsAccepted())
        Option->Value = GetCheck() == BST_CHECKED ? 1 : 0;
    TCheckBox::CleanupWindow();
}
