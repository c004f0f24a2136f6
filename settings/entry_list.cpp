#include "settings/entry_list.h"

#include <algorithm>

template <class T>
TEntryList<T>::TEntryList(std::vector<T>& values, TIniFile& ini, const char* section,
                          const char* keyPrefix)
    : Values(values), CountValue(0), CountEntry(CountValue, ini, section, section, true, ""),
      Ini(ini), Section(section), KeyBuffer(keyPrefix),
      DigitsAt(static_cast<uint32_t>(KeyBuffer.size())) {
    // Only the numbered keys 0 to n-1 are read; an absent, empty or non-numeric count is 0.
    const uint32_t n = std::min(CountValue, MaxElements);
    CountValue = 0;
    Values.clear();
    for (uint32_t i = 0; i < n; ++i) {
        // The new element holds T's default (TKeys' default, TAge 0:0), which an absent or
        // unreadable key leaves as it is.
        Append(T());
        Entries.push_back(
            std::make_unique<TEntry<T>>(Values[i], Ini, Section, KeyFor(i), true, ""));
    }
    Rebind();
    CountValue = Count();
}

template <class T> bool TEntryList<T>::Add(const T& value) {
    if (Count() >= MaxElements)
        return false;
    const uint32_t i = Count();
    Append(value);
    Entries.push_back(std::make_unique<TEntry<T>>(Values[i], Ini, Section, KeyFor(i), false, ""));
    Rebind();
    Entries.back()->Write();
    CountValue = Count();
    return true;
}

template <class T> void TEntryList<T>::Preset(std::span<const T> values) {
    const std::vector<T> copy(values.begin(), values.end());
    Entries.clear();
    Values.clear();
    for (uint32_t i = 0; i < copy.size() && i < MaxElements; ++i) {
        Append(copy[i]);
        Entries.push_back(
            std::make_unique<TEntry<T>>(Values[i], Ini, Section, KeyFor(i), false, ""));
    }
    Rebind();
    CountValue = Count();
}

template <class T> void TEntryList<T>::Detach(uint32_t index) {
    if (index >= Count())
        return;
    if (index < Values.size())
        Values.erase(Values.begin() + index);
    Entries.erase(Entries.begin() + index);
    // The later entries move down one place and take the numbered keys of their new places,
    // so that entry i always means key i (nothing is written here).
    for (uint32_t i = index; i < Count(); ++i)
        Entries[i]->Key = character(KeyFor(i));
    Rebind();
    CountValue = Count();
}

template <class T> void TEntryList<T>::Store(std::span<const T> values) {
    Rebind();
    const uint32_t oldCount = Count();
    const uint32_t newCount = static_cast<uint32_t>(values.size());
    const uint32_t common = std::min(oldCount, newCount);
    for (uint32_t i = 0; i < common; ++i) {
        Values[i] = values[i];
        Entries[i]->Write();
    }
    if (oldCount < newCount) {
        for (uint32_t i = common; i < newCount; ++i)
            if (!Add(values[i]))
                break;
    } else {
        for (uint32_t j = oldCount; j > common; --j)
            Detach(j - 1);
    }
    CountValue = Count();
    CountEntry.Write();
}

template <class T> const char* TEntryList<T>::KeyFor(uint32_t index) {
    KeyBuffer.resize(DigitsAt);
    KeyBuffer += std::to_string(index);
    return KeyBuffer.c_str();
}

template <class T> void TEntryList<T>::Append(const T& value) {
    const T copy = value; // the value may be one of Values' own elements
    if (Values.size() == Values.capacity())
        Values.reserve(Values.capacity() + 10);
    Values.push_back(copy);
}

template <class T> void TEntryList<T>::Rebind() {
    // Values belongs to the settings object and is changed only through this list; should the
    // two ever differ in length, Values is brought back to one element per entry.
    if (Values.size() != Entries.size())
        Values.resize(Entries.size());
    for (uint32_t i = 0; i < Count(); ++i)
        Entries[i]->Value = &Values[i];
}

template class TEntryList<TAge>;
template class TEntryList<TKeys>;
