#pragma once

#include <cstdint>

#include "dialog_rules/option.h"
#include "framework/button.h"

// A check box of a dialog resource showing a TOption<int>; after OK its state is read back,
// whether the box is enabled or not.
class TCheckOption : public TCheckBox {
public:
    TCheckOption(TWindow* parent, int32_t resourceId, TOption<int>& option);

protected:
    void SetupWindow() override;
    void CleanupWindow() override;

private:
    TOption<int>* Option; // not owned: a sibling member of the dialog
};
