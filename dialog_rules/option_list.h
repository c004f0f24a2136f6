#pragma once

#include <cstdint>
#include <vector>

#include "dialog_rules/option_base.h"
#include "settings/entry_list.h"

// The working copy of a list setting (ages, keys) while a dialog is open. Instantiated for TAge
// and TKeys.
template <class T> class TOptionList : public TOptionBase {
public:
    // Copies the stored values and is bound to the dialog.
    TOptionList(TOptionBindings& dialog, const std::vector<T>& values, TEntryList<T>& entryList);
    // After OK the list replaces the stored one, in memory and in the file.
    ~TOptionList() override;
    TOptionList(const TOptionList&) = delete;
    TOptionList& operator=(const TOptionList&) = delete;

    // The list becomes a copy of the stored values; a selection held on it is void from now on.
    void Reload() override;

    uint32_t Count() const { return static_cast<uint32_t>(Items.size()); }
    // Puts the value at `index`, moving later elements up; an index beyond the end first fills
    // the gap with default values.
    void InsertAt(uint32_t index, const T& value);
    // Removes the element at `index`, moving later elements down; an index beyond the end does
    // nothing.
    void RemoveAt(uint32_t index);
    // Counts the reloads, so that whoever remembers a place in the list can tell that it no
    // longer stands for the same element.
    uint32_t Reloads() const { return reloads_; }

    std::vector<T> Items; // the working copy

private:
    TEntryList<T>* EntryList; // not owned: it belongs to the settings object
    uint32_t reloads_ = 0;
};

extern template class TOptionList<TAge>;
extern template class TOptionList<TKeys>;
