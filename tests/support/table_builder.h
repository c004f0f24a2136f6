#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Builds dBASE table files for the tests: fields, records, deletion flags, and the header
// quirks that damaged or foreign tables have.
class TableBuilder {
public:
    TableBuilder& Field(const std::string& name, uint32_t width, char type = 'C');
    // Values in field order; each is padded with blanks on the right, or cut, to its width.
    // Missing values are blank.
    TableBuilder& Record(const std::vector<std::string>& values, char flag = ' ');

    // Header quirks: values written into the header instead of the true ones.
    TableBuilder& HeaderLength(uint32_t length);
    TableBuilder& RecordLength(uint32_t length);
    TableBuilder& RecordCount(uint32_t count);
    // The 0x1A byte after the last record (written unless switched off).
    TableBuilder& EndOfFileMarker(bool present);
    // Drops this many bytes from the end of the file.
    TableBuilder& Truncate(size_t bytes);
    // The header's language-driver byte, which names the texts' code page (0: none).
    TableBuilder& LanguageDriver(uint8_t driver);

    std::string Bytes() const;
    // The true header length: descriptors and terminator, unless overridden.
    uint32_t HeaderBytes() const;
    uint32_t RecordBytes() const;
    uint64_t RecordOffset(uint32_t index) const {
        return HeaderBytes() + uint64_t{index} * RecordBytes();
    }

private:
    struct FieldSpec {
        std::string name;
        uint32_t width;
        char type;
    };
    std::vector<FieldSpec> fields_;
    std::vector<std::string> records_;
    std::optional<uint32_t> headerLength_;
    std::optional<uint32_t> recordLength_;
    std::optional<uint32_t> recordCount_;
    bool endOfFile_ = true;
    size_t truncate_ = 0;
    uint8_t languageDriver_ = 0;
};

// A vocabulary table's fields: the word (20 wide), the named optional fields (10 wide each,
// in the order given), `translations` fields of `width`, LASTCHANGE and COUNT.
TableBuilder VocabularyFields(uint32_t translations, uint32_t width = 20,
                              const std::vector<std::string>& optional = {});
