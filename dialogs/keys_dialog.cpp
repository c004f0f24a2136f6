#include "dialogs/keys_dialog.h"

#include "resources/ids.h"

namespace {
struct TSwitchBox {
    int32_t Id;
    int32_t TKeys::*Field;
};

// In the order the boxes join the list.
constexpr TSwitchBox SwitchBoxes[] = {
    {IDC_KEYS_TEST_INTERLACE, &TKeys::TestInterlace},
    {IDC_KEYS_TEST_ANSWERS_ORDER, &TKeys::TestAnswersOrder},
    {CM_STARTING_WORD, &TKeys::StartingWord},
    {CM_CONTIGUOUS_WORD, &TKeys::ContiguousWord},
    {CM_STARTING_CHARS, &TKeys::StartingChars},
    {CM_CONTIGUOUS_CHARS, &TKeys::ContiguousChars},
    {CM_INTERLACING_CHARS, &TKeys::InterlacingChars},
    {CM_INTERLACING_PHRASES, &TKeys::InterlacingPhrases},
    {CM_WILDCARD_MATCHES, &TKeys::WildcardMatches},
};
} // namespace

TKeysComboBox::TKeysComboBox(TWindow* parent, TOptionList<TKeys>& list)
    : TComboOption<TKeys>(parent, IDC_KEYS_COUNT, list, false) {
    static_assert(std::size(SwitchBoxes) == std::tuple_size_v<decltype(switches_)>);
    for (size_t i = 0; i < switches_.size(); ++i)
        switches_[i] = std::make_unique<TCheckMember<TKeys>>(parent, SwitchBoxes[i].Id, *this,
                                                             SwitchBoxes[i].Field);
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
    WinHelpA(GetHandle(), "VOCORIX.HLP", HELP_CONTENTS, 0);
}
