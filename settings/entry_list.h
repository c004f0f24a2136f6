#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "settings/entry.h"

// A list of values bound to one section of the initialization file: a count key
// named like the section, and one numbered key per element (prefix + index from 0 in decimal:
// Age0, Age1, ...). Instantiated for TAge ("Ages", "Age") and TKeys ("Keys", "Key").
template <class T> class TEntryList {
public:
    // Numbered keys have three digits: indices 0 to 999.
    static constexpr uint32_t MaxElements = 1000;

    // Binds `values` (owned by the settings object) and loads the list: the count key (absent,
    // empty or non-numeric gives 0; more than MaxElements gives MaxElements), then for each
    // index one new element (T's default value: TKeys' default, TAge 0:0) overwritten by what
    // its numbered key supplies.
    TEntryList(std::vector<T>& values, TIniFile& ini, const char* section, const char* keyPrefix);
    TEntryList(const TEntryList&) = delete;
    TEntryList& operator=(const TEntryList&) = delete;
    // Destroys the entries; writes nothing.
    ~TEntryList() = default;

    // Number of entries (equal to the number of elements of Values).
    uint32_t Count() const { return static_cast<uint32_t>(Entries.size()); }
    // Appends the value and its entry and writes that numbered key at once (not the count).
    // Refuses (returns false, changes nothing) when the list already has MaxElements.
    bool Add(const T& value);
    // Makes the list hold `values`, with their entries, writing nothing: defaults that are
    // written only when the list is stored.
    void Preset(std::span<const T> values);
    // Removes the value and the entry at `index` (later ones move down); writes nothing.
    // An index out of range does nothing.
    void Detach(uint32_t index);
    // Makes the stored list equal to `values`, in memory and in the file: overwrites and
    // writes the common elements, adds (and writes) the extra ones or detaches the surplus
    // from the end, then writes the count key. Keys of removed elements stay in the file.
    void Store(std::span<const T> values);

    std::vector<std::unique_ptr<TEntry<T>>> Entries; // entry i is bound to Values[i]
    std::vector<T>& Values;                          // not owned

private:
    uint32_t CountValue = 0; // the number CountEntry reads and writes

public:
    TEntry<unsigned int> CountEntry; // section and key both the section name
    TIniFile& Ini;
    const char* Section;   // not owned
    std::string KeyBuffer; // the key prefix, then room for the index digits
    uint32_t DigitsAt;     // where the index is written in KeyBuffer

private:
    const char* KeyFor(uint32_t index);
    void Append(const T& value); // grows Values' room by 10 when it is full
    void Rebind();               // entry i to Values[i], after Values moved its storage
};

extern template class TEntryList<TAge>;
extern template class TEntryList<TKeys>;
