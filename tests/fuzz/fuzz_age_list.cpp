// Any sequence of a learner's actions on the age box (typing, "+", "-", "=", choosing an item),
// sorted or not: item i always shows element i, no two items share a threshold (compared as
// numbers), the selection stays in range; and after a reload (Cancel) no further action touches
// freed or foreign memory.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dialog_rules/combo_selection.h"
#include "settings/options.h"
#include "tests/support/fake_list_control.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckConsistent(const FakeListControl<TAge>& box, const TOptionList<TAge>& ages) {
    Check(box.items.size() == ages.Count());
    for (uint32_t i = 0; i < ages.Count(); ++i) {
        TAge shown{};
        Check(ElementFromText(box.items[i], shown) && shown == ages.Items[i]);
        Check(CheckAgeText(box.items[i].c_str()) > 0);
        // Thresholds as numbers: 7:3 and 07:5 share one.
        for (uint32_t j = 0; j < i; ++j)
            Check(ages.Items[j].Count != ages.Items[i].Count);
    }
    Check(box.CurrentIndex() >= -1 && box.CurrentIndex() < static_cast<int32_t>(ages.Count()));
    Check(box.CurrentIndex() == box.selected);
    Check((box.CurrentItem() == nullptr) == (box.CurrentIndex() < 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // No settings file: the lists start empty.
    static TIniFile ini("/nonexistent-vocorix-folder/vocorix.INI");
    static TOptions options(ini);
    TOptionBindings dialog;
    TOptionList<TAge> ages(dialog, options.AgeList, options.AgeEntries);
    FakeListControl<TAge> box(ages, data[0] & 1);
    bool reloaded = false;
    static const char alphabet[] = "0123456789:0123456789: -+a";
    for (size_t at = 1; at < size; ++at) {
        const uint8_t action = data[at];
        switch (action % 7) {
        case 0: { // type a text of the next few bytes
            std::string text;
            const size_t length = (action / 7) % 8;
            for (size_t k = 0; k < length && at + 1 < size; ++k)
                text += alphabet[data[++at] % (sizeof alphabet - 1)];
            box.Type(text);
            break;
        }
        case 1:
            box.AddItem();
            break;
        case 2:
            box.DeleteItem();
            break;
        case 3:
            box.SyncSelection();
            break;
        case 4:
            if (!box.items.empty())
                box.Choose(static_cast<int32_t>((action / 7) % box.items.size()));
            break;
        case 5:
            box.Type(box.typed + alphabet[(action / 7) % (sizeof alphabet - 1)]);
            break;
        default:
            dialog.RejectAll();
            reloaded = true;
            break;
        }
        // After a reload the control no longer shows the list: only memory safety counts then.
        if (!reloaded)
            CheckConsistent(box, ages);
        else
            Check(box.CurrentItem() == nullptr ||
                  box.CurrentIndex() < static_cast<int32_t>(ages.Count()));
    }
    return 0;
}
