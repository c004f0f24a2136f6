#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/table_format.h"

class TTableFile;

// The drill window numbers the controls of translation field i 200 + i and 300 + i, and its
// check key 299: a wider table would make them collide.
constexpr uint32_t MaxTranslationCount = 99;

// Where everything stands in a vocabulary table, as its header and field descriptors say.
struct TTableLayout {
    uint32_t RecordCount = 0;
    uint32_t HeaderLength = 0;
    uint32_t RecordLength = 0;

    uint32_t WordWidth = 0;
    uint32_t PartWidth = 0;
    uint32_t TranscriptWidth = 0;
    uint32_t ThirdLangWidth = 0;
    uint32_t TranslationWidth = 0;
    uint32_t TranslationCount = 0;
    // Names the code page of the texts; 0 names none.
    uint8_t LanguageDriver = 0;

    bool HasPart = false;
    bool HasTranscript = false;
    bool HasThirdLang = false;
    // The three Has... flags have been decided (the descriptors after the word were read).
    bool OptionalFieldsKnown = false;

    // Where the first translation stands within a record.
    uint32_t TranslationsOffset() const {
        return 1 + WordWidth + PartWidth + TranscriptWidth + ThirdLangWidth;
    }
    uint64_t RecordOffset(uint32_t index) const {
        return HeaderLength + uint64_t{index} * RecordLength;
    }
    // LASTCHANGE and COUNT close the record.
    uint64_t StatisticsOffset(uint32_t index) const {
        return RecordOffset(index) + RecordLength - table_format::StatisticsWidth;
    }
};

// The names of the translation fields, in order, as their descriptors hold them (up to the
// first NUL). Needs a layout that ReadTableLayout accepted; a descriptor that cannot be read
// gives an empty name.
std::vector<std::string> ReadTranslationNames(TTableFile& file, const TTableLayout& layout);

// Reads and checks the header and field descriptors. Returns null when the table can be
// loaded, else the text of the "Database Problem" box. Reads nothing beyond the descriptors.
const char* ReadTableLayout(TTableFile& file, TTableLayout& layout);
