#pragma once

#include "settings/character.h"
#include "settings/ini_file.h"
#include "settings/text_form.h"

// One setting value bound to one key of the initialization file. Instantiated for
// int, unsigned int, TPoint, character, TAge and TKeys (settings/entry.cpp).
template <class T> class TEntry {
public:
    // Binds `value` to `key` of `section` (a constant string, not copied; the key is copied).
    // With readNow set the key is read at once: the profile text (at most 128 characters; the
    // default text when the key is absent), in UTF-8, is parsed with T's reader into the value,
    // so an unreadable text leaves the value as it was.
    TEntry(T& value, TIniFile& ini, const char* section, const char* key, bool readNow,
           const char* defaultText);
    TEntry(const TEntry&) = delete;
    TEntry& operator=(const TEntry&) = delete;

    // Writes the bound value to the key, formatted by T's writer and cut to what can be read
    // back: at most 128 characters, and never past a line break.
    void Write();

    const char* Section; // not owned
    character Key;       // owned copy of the key name
    TIniFile& Ini;
    T* Value; // the bound value, not owned

    // Largest number of value characters read or written; a character of a UTF-8 text may take
    // several bytes.
    static constexpr uint32_t TextLimit = 128;
};

extern template class TEntry<int>;
extern template class TEntry<unsigned int>;
extern template class TEntry<TPoint>;
extern template class TEntry<character>;
extern template class TEntry<TAge>;
extern template class TEntry<TKeys>;
