#include "tests/support/table_builder.h"

#include <algorithm>

namespace {

void PutLittle(std::string& bytes, size_t offset, uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

TableBuilder& TableBuilder::Field(const std::string& name, uint32_t width, char type) {
    fields_.push_back({name, width, type});
    return *this;
}

TableBuilder& TableBuilder::Record(const std::vector<std::string>& values, char flag) {
    std::string record(1, flag);
    for (size_t i = 0; i < fields_.size(); ++i) {
        std::string value = i < values.size() ? values[i] : "";
        value.resize(fields_[i].width, ' ');
        record += value;
    }
    records_.push_back(record);
    return *this;
}

TableBuilder& TableBuilder::HeaderLength(uint32_t length) {
    headerLength_ = length;
    return *this;
}
TableBuilder& TableBuilder::RecordLength(uint32_t length) {
    recordLength_ = length;
    return *this;
}
TableBuilder& TableBuilder::RecordCount(uint32_t count) {
    recordCount_ = count;
    return *this;
}
TableBuilder& TableBuilder::EndOfFileMarker(bool present) {
    endOfFile_ = present;
    return *this;
}
TableBuilder& TableBuilder::LanguageDriver(uint8_t driver) {
    languageDriver_ = driver;
    return *this;
}
TableBuilder& TableBuilder::Truncate(size_t bytes) {
    truncate_ = bytes;
    return *this;
}

uint32_t TableBuilder::HeaderBytes() const {
    return headerLength_.value_or(32 + 32 * static_cast<uint32_t>(fields_.size()) + 1);
}

uint32_t TableBuilder::RecordBytes() const {
    uint32_t length = 1;
    for (const FieldSpec& field : fields_)
        length += field.width;
    return recordLength_.value_or(length);
}

std::string TableBuilder::Bytes() const {
    const size_t descriptorsEnd = 32 + 32 * fields_.size();
    std::string bytes(std::max<size_t>(HeaderBytes(), descriptorsEnd + 1), '\0');
    bytes[0] = 0x03; // dBASE III without memo
    bytes[29] = static_cast<char>(languageDriver_);
    bytes[1] = 124; // last update: 2024-01-01
    bytes[2] = 1;
    bytes[3] = 1;
    PutLittle(bytes, 4, recordCount_.value_or(static_cast<uint32_t>(records_.size())), 4);
    PutLittle(bytes, 8, HeaderBytes(), 2);
    PutLittle(bytes, 10, RecordBytes(), 2);
    for (size_t i = 0; i < fields_.size(); ++i) {
        const size_t at = 32 + 32 * i;
        const std::string& name = fields_[i].name;
        std::copy_n(name.begin(), std::min<size_t>(name.size(), 11), bytes.begin() + at);
        bytes[at + 11] = fields_[i].type;
        PutLittle(bytes, at + 16, fields_[i].width, 2);
    }
    bytes[descriptorsEnd] = 0x0D;
    // Records start at the header length; a short one makes them overlap the descriptors, as
    // in a damaged file. The 32 bytes of the file header itself always stay.
    bytes.resize(std::max<size_t>(HeaderBytes(), 32), '\0');
    for (const std::string& record : records_)
        bytes += record;
    if (endOfFile_)
        bytes += '\x1A';
    bytes.resize(bytes.size() - std::min(truncate_, bytes.size()));
    return bytes;
}

TableBuilder VocabularyFields(uint32_t translations, uint32_t width,
                              const std::vector<std::string>& optional) {
    TableBuilder table;
    table.Field("WORD", 20);
    for (const std::string& name : optional)
        table.Field(name, 10);
    for (uint32_t i = 0; i < translations; ++i)
        table.Field("TRANS" + std::to_string(i + 1), width);
    table.Field("LASTCHANGE", 8, 'D');
    table.Field("COUNT", 2, 'N');
    return table;
}
