#pragma once

#include <array>
#include <memory>

#include "dialogs/check_member.h"
#include "dialogs/combo_option.h"
#include "dialogs/option_dialog.h"

// The "Count:" list of the function keys dialog: one item per keys element, named by its COUNT
// level, with the nine switches of the selected element in check boxes beside it.
class TKeysComboBox : public TComboOption<TKeys> {
public:
    TKeysComboBox(TWindow* parent, TOptionList<TKeys>& list);

private:
    std::array<std::unique_ptr<TCheckMember<TKeys>>, 9> switches_;
};

// The function keys dialog: edits the working keys list of the options dialog, which stores it
// only if it ends with OK itself. OK here keeps the edits in that list; Cancel reloads the list
// from the stored settings.
class TKeysDialog : public TOptionDialog {
public:
    TKeysDialog(TWindow* parent, const TFont& font, TOptionList<TKeys>& keys);

protected:
    void CmHelp();
    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    TKeysComboBox Counts;
};
