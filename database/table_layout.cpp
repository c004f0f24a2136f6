#include "database/table_layout.h"

#include <cstring>

#include "database/db_messages.h"
#include "database/table_file.h"

using namespace table_format;

namespace {

uint32_t Little16(const unsigned char* bytes) {
    return bytes[0] | uint32_t{bytes[1]} << 8;
}

uint32_t Little32(const unsigned char* bytes) {
    return Little16(bytes) | Little16(bytes + 2) << 16;
}

struct Descriptor {
    unsigned char bytes[DescriptorSize];

    // Only the first 10 name bytes count, so "TRANSCRIPT" and "LASTCHANGE" fill them all.
    bool Is(const char* keyword) const {
        char name[FieldNameLength] = {};
        std::memcpy(name, keyword, std::strlen(keyword));
        return std::memcmp(bytes, name, sizeof name) == 0;
    }
    uint32_t Width() const { return Little16(bytes + FieldWidthAt); }
};

// Hands out the descriptors in order, never more than the header length makes room for.
class DescriptorReader {
public:
    DescriptorReader(TTableFile& file, int64_t count) : file_(file), count_(count) {}

    // Whether the header announced no more descriptors.
    bool Exhausted() const { return read_ >= count_; }

    bool Next(Descriptor& descriptor) {
        if (read_ >= count_)
            return false;
        const uint64_t offset = HeaderSize + DescriptorSize * static_cast<uint64_t>(read_);
        if (file_.ReadAt(offset, descriptor.bytes, DescriptorSize) != DescriptorSize)
            return false;
        ++read_;
        return true;
    }

private:
    TTableFile& file_;
    int64_t count_;
    int64_t read_ = 0;
};

} // namespace

const char* ReadTableLayout(TTableFile& file, TTableLayout& layout) {
    unsigned char header[HeaderSize];
    if (file.ReadAt(0, header, sizeof header) != sizeof header)
        return SizeOrHeaderText;
    layout.RecordCount = Little32(header + RecordCountAt);
    layout.HeaderLength = Little16(header + HeaderLengthAt);
    layout.RecordLength = Little16(header + RecordLengthAt);
    layout.LanguageDriver = header[LanguageDriverAt];
    if (layout.RecordCount == 0)
        return NoRecordsText;

    // The terminator (and any pad byte) after the last descriptor is below one descriptor's size,
    // so it never counts as a descriptor.
    static_assert(HeaderSize == DescriptorSize);
    const int64_t descriptorCount = int64_t{layout.HeaderLength} / DescriptorSize - 1;
    int64_t translations = descriptorCount - 3;
    if (translations < 0)
        return SizeOrHeaderText;

    DescriptorReader descriptors(file, descriptorCount);
    Descriptor field;
    if (!descriptors.Next(field))
        return SizeOrHeaderText;
    layout.WordWidth = field.Width();
    if (!descriptors.Next(field))
        return SizeOrHeaderText;

    struct Optional {
        const char* keyword;
        bool& present;
        uint32_t& width;
    };
    const Optional optionals[] = {{PartName, layout.HasPart, layout.PartWidth},
                                  {TranscriptName, layout.HasTranscript, layout.TranscriptWidth},
                                  {ThirdLangName, layout.HasThirdLang, layout.ThirdLangWidth}};
    for (const Optional& optional : optionals) {
        optional.present = field.Is(optional.keyword);
        optional.width = 0;
        if (!optional.present)
            continue;
        optional.width = field.Width();
        // More optional fields than the header has descriptors for: reading on would run into
        // the records.
        if (--translations < 0)
            return SizeOrHeaderText;
        if (!descriptors.Next(field))
            return SizeOrHeaderText;
    }
    layout.OptionalFieldsKnown = true;

    layout.TranslationWidth = field.Width();
    layout.TranslationCount = static_cast<uint32_t>(translations);
    for (int64_t i = 1; i < translations; ++i) {
        if (!descriptors.Next(field))
            return SizeOrHeaderText;
        if (field.Width() != layout.TranslationWidth)
            return TranslationWidthsText;
    }
    if (!descriptors.Next(field))
        return SizeOrHeaderText;

    if (!field.Is(LastChangeName))
        return NoLastChangeText;
    const uint32_t lastChangeWidth = field.Width();
    // LASTCHANGE as the last field: what is missing is COUNT.
    if (!descriptors.Next(field))
        return descriptors.Exhausted() ? NoCountText : SizeOrHeaderText;
    if (!field.Is(CountName))
        return NoCountText;
    const uint32_t countWidth = field.Width();

    // The reader and the statistics writes rely on this exact record layout; a table that
    // breaks it would load and then be misread and overwritten in the wrong bytes.
    if (lastChangeWidth != LastChangeWidth || countWidth != CountWidth)
        return SizeOrHeaderText;
    const uint64_t fieldsWidth = uint64_t{layout.WordWidth} + layout.PartWidth +
                                 layout.TranscriptWidth + layout.ThirdLangWidth +
                                 uint64_t{layout.TranslationCount} * layout.TranslationWidth +
                                 StatisticsWidth;
    if (layout.RecordLength != 1 + fieldsWidth)
        return SizeOrHeaderText;
    if (layout.RecordOffset(layout.RecordCount) > file.Length())
        return SizeOrHeaderText;
    if (layout.TranslationCount > MaxTranslationCount)
        return TooManyTranslationsText;
    return nullptr;
}

std::vector<std::string> ReadTranslationNames(TTableFile& file, const TTableLayout& layout) {
    const uint32_t first = 1 + (layout.HasPart ? 1 : 0) + (layout.HasTranscript ? 1 : 0) +
                           (layout.HasThirdLang ? 1 : 0);
    std::vector<std::string> names;
    for (uint32_t i = 0; i < layout.TranslationCount; ++i) {
        Descriptor field{};
        const uint64_t offset = HeaderSize + DescriptorSize * uint64_t{first + i};
        if (file.ReadAt(offset, field.bytes, DescriptorSize) != DescriptorSize) {
            names.emplace_back();
            continue;
        }
        const char* name = reinterpret_cast<const char*>(field.bytes);
        names.emplace_back(name, strnlen(name, FieldNameLength));
    }
    return names;
}
