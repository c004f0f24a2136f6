#include "database/db_file.h"

#include <cstring>

#include "database/field_text.h"

namespace {

// Copies one text field into its buffer (width + 1 bytes), NUL-terminated and cut by
// TrimRight.
void ReadText(const unsigned char* field, std::vector<char>& text) {
    const size_t width = text.size() - 1;
    std::memcpy(text.data(), field, width);
    text[width] = '\0';
    TrimRight(text.data(), width);
}

} // namespace

bool TDBFile::ReadRecord(uint32_t& age) {
    const uint32_t length = layout_.RecordLength;
    if (!file_ || file_->ReadAt(position_, record_.data(), length) != length) {
        // The record must not be asked, or its statistics would be written where it does not
        // exist.
        deletionFlag_ = '\0';
        age = 0;
        return false;
    }
    position_ += length;
    age = DecodeRecord(record_.data());
    return true;
}

uint32_t TDBFile::DecodeRecord(const unsigned char* record) {
    DecodeTexts(record);
    return DecodeStatistics(record);
}

void TDBFile::DecodeTexts(const unsigned char* record) {
    const unsigned char* field = record + 1;
    const auto read = [&field](std::vector<char>& text) {
        ReadText(field, text);
        field += text.size() - 1;
    };
    read(word_);
    // The layout, not the flags in the settings, says which fields the file has: the flags
    // are public and the buffers of absent fields do not exist.
    if (layout_.HasPart)
        read(part_);
    if (layout_.HasTranscript)
        read(transcript_);
    if (layout_.HasThirdLang)
        read(thirdLang_);
    DecodeTranslations(record);
}

void TDBFile::DecodeTranslations(const unsigned char* record) {
    const unsigned char* field = record + layout_.TranslationsOffset();
    for (std::vector<char>& translation : translations_) {
        ReadText(field, translation);
        field += layout_.TranslationWidth;
    }
}

uint32_t TDBFile::DecodeStatistics(const unsigned char* record) {
    deletionFlag_ = static_cast<char>(record[0]);
    const char* statistics = reinterpret_cast<const char*>(record) + layout_.RecordLength -
                             table_format::StatisticsWidth;
    count_ = static_cast<uint32_t>(ReadCount(statistics + table_format::LastChangeWidth));
    return AgeOf(statistics);
}
