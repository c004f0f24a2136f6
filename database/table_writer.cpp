#include "database/table_writer.h"

#include "database/table_format.h"

using namespace table_format;

namespace {

void PutLittle16(std::string& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void PutLittle32(std::string& bytes, size_t at, uint32_t value) {
    PutLittle16(bytes, at, value & 0xFFFF);
    PutLittle16(bytes, at + 2, value >> 16);
}

} // namespace

TTableField LastChangeField() {
    return {LastChangeName, DateType, LastChangeWidth};
}

TTableField CountField() {
    return {CountName, NumberType, CountWidth};
}

uint64_t HeaderLengthOf(size_t fieldCount) {
    // The terminator after the descriptors.
    return HeaderSize + DescriptorSize * uint64_t{fieldCount} + 1;
}

uint64_t RecordLengthOf(const std::vector<TTableField>& fields) {
    uint64_t length = 1; // the deletion flag
    for (const TTableField& field : fields)
        length += field.width;
    return length;
}

uint32_t MaxFieldCount() {
    return static_cast<uint32_t>((MaxLength - HeaderSize - 1) / DescriptorSize);
}

std::string TableHeader(const std::vector<TTableField>& fields, uint32_t records,
                        uint8_t languageDriver, const TDate& lastUpdate) {
    const uint32_t headerLength = static_cast<uint32_t>(HeaderLengthOf(fields.size()));
    std::string header(headerLength, '\0');
    header[VersionAt] = static_cast<char>(DBase3);
    header[LastUpdateAt] = static_cast<char>(lastUpdate.Year() - LastUpdateBaseYear);
    header[LastUpdateAt + 1] = static_cast<char>(lastUpdate.Month());
    header[LastUpdateAt + 2] = static_cast<char>(lastUpdate.Day());
    PutLittle32(header, RecordCountAt, records);
    PutLittle16(header, HeaderLengthAt, headerLength);
    PutLittle16(header, RecordLengthAt, static_cast<uint32_t>(RecordLengthOf(fields)));
    header[LanguageDriverAt] = static_cast<char>(languageDriver);
    for (size_t f = 0; f < fields.size(); ++f) {
        const size_t at = HeaderSize + DescriptorSize * f;
        header.replace(at, fields[f].name.size(), fields[f].name);
        header[at + FieldTypeAt] = fields[f].type;
        // One byte: the next is the decimal count, 0 for every field written here.
        header[at + FieldWidthAt] = static_cast<char>(fields[f].width);
    }
    header[headerLength - 1] = Terminator;
    return header;
}

void AppendRecord(std::string& table, const std::vector<TTableField>& fields,
                  const std::vector<std::string>& texts) {
    table += LiveRecord;
    for (size_t f = 0; f < fields.size(); ++f) {
        table += texts[f];
        table.append(fields[f].width - texts[f].size(), ' ');
    }
}

void AppendEndOfFile(std::string& table) {
    table += EndOfFile;
}
