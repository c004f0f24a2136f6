#include "database/db_file.h"

#include <cstring>

#include "database/field_text.h"
#include "settings/options.h"

namespace {

// Copies one text field into its buffer (width + 1 bytes) and cuts its trailing blanks.
const unsigned char* ReadText(const unsigned char* field, std::vector<char>& text) {
    const size_t width = text.size() - 1;
    std::memcpy(text.data(), field, width);
    text[width] = '\0';
    TrimRight(text.data());
    return field + width;
}

} // namespace

uint32_t TDBFile::ReadRecord() {
    const uint32_t length = layout_.RecordLength;
    if (!file_ || file_->ReadAt(position_, record_.data(), length) != length) {
        // Bytes that cannot be read leave the buffers as they were; the record must not be
        // asked, or its statistics would be written where it does not exist.
        deletionFlag_ = '\0';
        return 0;
    }
    position_ += length;
    return DecodeRecord(record_.data());
}

uint32_t TDBFile::DecodeRecord(const unsigned char* record) {
    deletionFlag_ = static_cast<char>(record[0]);
    const unsigned char* field = ReadText(record + 1, word_);
    // The layout, not the flags in the settings, says which fields the file has: the flags
    // are public and the buffers of absent fields do not exist.
    if (layout_.HasPart)
        field = ReadText(field, part_);
    if (layout_.HasTranscript)
        field = ReadText(field, transcript_);
    if (layout_.HasThirdLang)
        field = ReadText(field, thirdLang_);
    for (std::vector<char>& translation : translations_)
        field = ReadText(field, translation);

    const char* statistics = reinterpret_cast<const char*>(field);
    const int32_t year = FieldNumber(statistics, 4);
    const int32_t month = FieldNumber(statistics + 4, 2);
    const int32_t day = FieldNumber(statistics + 6, 2);
    count_ = static_cast<uint32_t>(FieldNumber(statistics + 8, 2));
    const TDate changed(static_cast<uint32_t>(day), static_cast<uint32_t>(month),
                        static_cast<uint32_t>(year));
    // A date after today gives a negative difference: as an unsigned age, very old.
    return static_cast<uint32_t>(today_ - changed.DayNumber());
}

bool TDBFile::IsEligible(uint32_t age) const {
    if (deletionFlag_ != ' ' || count_ >= options_.MaxCount)
        return false;
    for (const TAge& rest : options_.AgeList) {
        if (count_ >= rest.Count && age < rest.Days)
            return false;
    }
    return true;
}
