#pragma once

#include <cstdint>

#include "dialog_rules/option.h"
#include "framework/edit.h"

// An edit control of a dialog resource showing a TOption's working copy; after OK its text is
// read back into the copy. Instantiated for character and unsigned int.
template <class T> class TEditOption : public TEdit {
public:
    TEditOption(TWindow* parent, int32_t resourceId, TOption<T>& option);

protected:
    void SetupWindow() override;
    void CleanupWindow() override;

private:
    TOption<T>* Option; // not owned: a sibling member of the dialog
};

extern template class TEditOption<character>;
extern template class TEditOption<unsigned int>;
