#include "table_tool/table_maker.h"

#include <algorithm>
#include <optional>

#include "database/field_text.h"
#include "platform/date.h"
#include "table_tool/code_pages.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

namespace {

constexpr uint32_t DescriptorSize = 32;
// The widest text field dBASE III writes; its width byte could hold 255, but 254 is the limit
// that other dBASE readers keep to.
constexpr size_t MaxTextWidth = 254;
constexpr uint32_t MaxRecordLength = 0xFFFF;

void PutLittle16(std::string& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void PutLittle32(std::string& bytes, size_t at, uint32_t value) {
    PutLittle16(bytes, at, value & 0xFFFF);
    PutLittle16(bytes, at + 2, value >> 16);
}

bool IsStatistics(TColumnRole role) {
    return role == TColumnRole::LastChange || role == TColumnRole::Count;
}

// Cells of the word list in the table's code page, row by row in field order.
class Cells {
public:
    Cells(const std::string& source, uint32_t codePage, const TColumnPlan& plan)
        : source_(source), codePage_(codePage), plan_(plan), widths_(plan.fields.size(), 1) {}

    void Add(const TDelimitedRow& row, size_t columns) {
        if (row.cells.size() != columns)
            throw TToolError(source_ + ", line " + std::to_string(row.line) + ": " +
                             std::to_string(row.cells.size()) + " columns where the header row " +
                             "has " + std::to_string(columns));
        std::vector<std::string> texts;
        for (size_t f = 0; f < plan_.fields.size(); ++f) {
            const TPlannedField& field = plan_.fields[f];
            const std::string& cell = row.cells[field.column];
            std::string text = Convert(row, field, cell);
            if (field.role == TColumnRole::Word && text.empty())
                Fail(row, field, cell, "the word is empty");
            if (text.size() > MaxTextWidth)
                Fail(row, field, cell,
                     "it is " + std::to_string(text.size()) + " bytes long, more than the " +
                         std::to_string(MaxTextWidth) + " a table's field holds");
            widths_[f] = std::max(widths_[f], text.size());
            texts.push_back(std::move(text));
        }
        records_.push_back(std::move(texts));
    }

    const std::vector<std::vector<std::string>>& Records() const { return records_; }
    const std::vector<size_t>& Widths() const { return widths_; }

private:
    std::string Convert(const TDelimitedRow& row, const TPlannedField& field,
                        const std::string& cell) {
        // Trailing blanks are the table's padding: they cannot be stored.
        const std::string trimmed = cell.substr(0, cell.find_last_not_of(' ') + 1);
        if (field.role == TColumnRole::LastChange)
            return LastChange(row, field, trimmed);
        if (field.role == TColumnRole::Count)
            return Count(row, field, trimmed);
        TTableText text = ToTableText(trimmed, codePage_);
        if (!text.problem.empty())
            Fail(row, field, cell, text.problem);
        return std::move(text.bytes);
    }

    std::string LastChange(const TDelimitedRow& row, const TPlannedField& field,
                           const std::string& text) {
        if (text.empty())
            return std::string(8, ' ');
        const bool digits = text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        if (!digits || !TDate(static_cast<uint32_t>(std::stoul(text.substr(6, 2))),
                              static_cast<uint32_t>(std::stoul(text.substr(4, 2))),
                              static_cast<uint32_t>(std::stoul(text.substr(0, 4))))
                            .IsValid())
            Fail(row, field, text, "a date of the last answer is written YYYYMMDD, or left empty");
        return text;
    }

    std::string Count(const TDelimitedRow& row, const TPlannedField& field,
                      const std::string& text) {
        if (text.empty())
            return "  ";
        const bool digits = text.size() <= 2 && std::all_of(text.begin(), text.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        if (!digits)
            Fail(row, field, text, "a count of right answers is a number from 0 to 99, or empty");
        char bytes[10];
        FormatStatistics(bytes, 0, 0, 0, static_cast<uint32_t>(std::stoul(text)));
        return std::string(bytes + 8, 2);
    }

    [[noreturn]] void Fail(const TDelimitedRow& row, const TPlannedField& field,
                           const std::string& cell, const std::string& problem) {
        throw TToolError(source_ + ", line " + std::to_string(row.line) + ", column " +
                         std::to_string(field.column + 1) + " (" + field.header +
                         "): " + Quoted(cell) + ": " + problem);
    }

    const std::string& source_;
    uint32_t codePage_;
    const TColumnPlan& plan_;
    std::vector<size_t> widths_;
    std::vector<std::vector<std::string>> records_;
};

struct Field {
    std::string name;
    char type;
    uint32_t width;
};

std::vector<Field> Fields(const TColumnPlan& plan, const std::vector<size_t>& widths) {
    // Every translation gets the width of the longest, as the reader demands.
    size_t translationWidth = 1;
    for (size_t f = 0; f < plan.fields.size(); ++f) {
        if (plan.fields[f].role == TColumnRole::Translation)
            translationWidth = std::max(translationWidth, widths[f]);
    }
    std::vector<Field> fields;
    for (size_t f = 0; f < plan.fields.size(); ++f) {
        const TPlannedField& planned = plan.fields[f];
        if (IsStatistics(planned.role))
            continue;
        const size_t width =
            planned.role == TColumnRole::Translation ? translationWidth : widths[f];
        fields.push_back({planned.fieldName, 'C', static_cast<uint32_t>(width)});
    }
    // A date field that other dBASE readers show as a date, and a two-digit number.
    fields.push_back({"LASTCHANGE", 'D', 8});
    fields.push_back({"COUNT", 'N', 2});
    return fields;
}

std::string Header(const std::vector<Field>& fields, uint32_t records, uint32_t recordLength,
                   uint8_t languageDriver) {
    const uint32_t headerLength = DescriptorSize * (1 + static_cast<uint32_t>(fields.size())) + 1;
    std::string header(headerLength, '\0');
    const TDate today;
    header[0] = 0x03; // dBASE III without memo fields
    header[1] = static_cast<char>(today.Year() - 1900);
    header[2] = static_cast<char>(today.Month());
    header[3] = static_cast<char>(today.Day());
    PutLittle32(header, 4, records);
    PutLittle16(header, 8, headerLength);
    PutLittle16(header, 10, recordLength);
    header[29] = static_cast<char>(languageDriver);
    for (size_t f = 0; f < fields.size(); ++f) {
        const size_t at = DescriptorSize * (1 + f);
        header.replace(at, fields[f].name.size(), fields[f].name);
        header[at + 11] = fields[f].type;
        header[at + 16] = static_cast<char>(fields[f].width);
    }
    header[headerLength - 1] = 0x0D; // the end of the descriptors
    return header;
}

} // namespace

TMadeTable MakeTable(const std::vector<TDelimitedRow>& rows, uint32_t codePage,
                     const std::string& source) {
    const std::optional<uint8_t> languageDriver = LanguageDriverOf(codePage);
    if (!languageDriver)
        throw TToolError("code page " + std::to_string(codePage) +
                         " is not one a table can have; these are: " + SupportedCodePages());
    if (rows.empty())
        throw TToolError(source + " is empty: its first row must name the columns");
    if (rows.size() == 1)
        throw TToolError(source + " has no words below its header row");

    TMadeTable made;
    made.plan = PlanColumns(rows[0].cells);
    Cells cells(source, codePage, made.plan);
    for (size_t r = 1; r < rows.size(); ++r)
        cells.Add(rows[r], rows[0].cells.size());

    const std::vector<Field> fields = Fields(made.plan, cells.Widths());
    uint64_t recordLength = 1;
    for (const Field& field : fields)
        recordLength += field.width;
    const uint64_t headerLength = DescriptorSize * (1 + uint64_t{fields.size()}) + 1;
    if (recordLength > MaxRecordLength || headerLength > MaxRecordLength)
        throw TToolError(source + ": a record would be " + std::to_string(recordLength) +
                         " bytes long in " + std::to_string(fields.size()) +
                         " fields; a table holds at most " + std::to_string(MaxRecordLength) +
                         " bytes in a record and " +
                         std::to_string((MaxRecordLength - 1) / DescriptorSize - 1) + " fields");

    made.records = static_cast<uint32_t>(cells.Records().size());
    made.bytes = Header(fields, made.records, static_cast<uint32_t>(recordLength), *languageDriver);
    made.bytes.reserve(made.bytes.size() + made.records * recordLength + 1);
    for (const std::vector<std::string>& texts : cells.Records()) {
        made.bytes += ' ';
        std::string lastChange(8, ' '), count(2, ' ');
        size_t f = 0;
        for (size_t t = 0; t < texts.size(); ++t) {
            const TColumnRole role = made.plan.fields[t].role;
            if (role == TColumnRole::LastChange) {
                lastChange = texts[t];
                continue;
            }
            if (role == TColumnRole::Count) {
                count = texts[t];
                continue;
            }
            made.bytes += texts[t];
            made.bytes.append(fields[f++].width - texts[t].size(), ' ');
        }
        made.bytes += lastChange + count;
    }
    made.bytes += '\x1A';
    return made;
}
