#include "dialogs/keys_dialog.h"

#include "answer/hint_keys.h"
#include "framework/help.h"
#include "resources/ids.h"

namespace {
struct TSwitchBox {
    int32_t Id;
    int32_t TKeys::*Field;
};

// The boxes of the two answer tests; a hint key's box follows from its row (hint_keys.h). In
// the order the boxes join the list: these, then the hint keys' in the rows' order.
constexpr TSwitchBox TestBoxes[] = {
    {IDC_KEYS_TEST_INTERLACE, &TKeys::TestInterlace},
    {IDC_KEYS_TEST_ANSWERS_ORDER, &TKeys::TestAnswersOrder},
};
} // namespace

TKeysComboBox::TKeysComboBox(TWindow* parent, TOptionList<TKeys>& list)
    : TComboOption<TKeys>(parent, IDC_KEYS_COUNT, list, false) {
    static_assert(std::size(TestBoxes) + HintModeCount == std::tuple_size_v<decltype(switches_)>);
    size_t i = 0;
    for (const TSwitchBox& box : TestBoxes)
        switches_[i++] = std::make_unique<TCheckMember<TKeys>>(parent, box.Id, *this, box.Field);
    for (const THintKey& key : HintKeys)
        switches_[i++] = std::make_unique<TCheckMember<TKeys>>(
            parent, static_cast<int32_t>(key.command), *this, key.grant);
}

const TResponse TKeysDialog::ResponseRows[] = {
    OnCommand<&TKeysDialog::CmHelp>(CM_HELP),
};

const TResponseTable TKeysDialog::ResponseTable{&TOptionDialog::ResponseTable, ResponseRows};

TKeysDialog::TKeysDialog(TWindow* parent, const TFont& font, TOptionList<TKeys>& keys)
    : TOptionDialog(parent, IDD_KEYS, font), Counts(this, keys) {
    Add(keys);
}

void TKeysDialog::CmHelp() {
    ShowHelp(GetHandle(), THelpTopic::FunctionKeys);
}
