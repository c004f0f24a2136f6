#pragma once

#include <cstdint>
#include <vector>

#include "platform/count_limit.h"
#include "settings/age.h"
#include "settings/character.h"
#include "settings/entry.h"
#include "settings/entry_list.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/point.h"

// The settings object: every persistent setting as a public plain value, with the
// entries that bind each one to its key. Building it reads the whole initialization file, in
// member order; destroying it writes nothing. Not copyable: the entries point at its members.
class TOptions {
public:
    // COUNT has two digits on disk: a larger "Maximum Count" read from the file is
    // taken as this, and a typed value should be held to it as well.
    static constexpr uint32_t MaxCountLimit = CountLimit;

    // The settings from the given initialization file: the program's, or a test's.
    explicit TOptions(TIniFile& ini);
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    // Each single setting holds its default before its key is read, so that an absent key and
    // an unreadable text both give the default.
    int Transcription = 1;      // "Database" / "Transcription", "1"
    int PartOfSpeech = 1;       // "Database" / "Part of Speech", "1"
    int ThirdLanguage = 1;      // "Database" / "Third Language", "1"
    unsigned int MaxCount = 10; // "Database" / "Maximum Count", "10", at most MaxCountLimit
    TPoint TopLeft{100, 100};   // "Database" / "TopLeft Point", "(100,100)"
    character FileName{129};    // "Database" / "File Name", "" (129 bytes before reading)
    unsigned int Zoom = 100;    // "Database" / "Zoom", "100": the drill window's, in percent

    TEntry<int> TranscriptionEntry;
    TEntry<int> PartOfSpeechEntry;
    TEntry<int> ThirdLanguageEntry;
    TEntry<unsigned int> MaxCountEntry;
    TEntry<TPoint> TopLeftEntry;
    TEntry<character> FileNameEntry;
    TEntry<unsigned int> ZoomEntry;

    std::vector<TAge> AgeList;   // room for 10, grows by 10
    TEntryList<TAge> AgeEntries; // section "Ages", keys "Ages", Age0, Age1, ...

    std::vector<TKeys> KeyList;   // room for MaxCount, grows by 10
    TEntryList<TKeys> KeyEntries; // section "Keys", keys "Keys", Key0, Key1, ...

    // The function-key settings for a word whose COUNT is `count`: element `count`
    // of KeyList, or the TKeys default when the list is shorter.
    TKeys KeysFor(uint32_t count) const { return ::KeysFor(KeyList, count); }

    // Set when there was no settings file to read: AgeList then holds the first-start ranges,
    // which StoreFirstStartAges writes along with the first setting the program stores.
    bool FirstStart = false;
    void StoreFirstStartAges();

    // The initialization file these settings are bound to.
    TIniFile& Ini() const { return FileNameEntry.Ini; }
};
