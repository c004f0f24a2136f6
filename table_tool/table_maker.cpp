#include "table_tool/table_maker.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "database/code_pages.h"
#include "database/field_text.h"
#include "database/table_format.h"
#include "database/table_writer.h"
#include "platform/code_page.h"
#include "platform/date.h"
#include "platform/utf8.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

using table_format::MaxTextWidth;

namespace {

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
                Fail(row, field, cell, TooLongProblem(text));
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
            return {};
        const bool digits =
            text.size() == table_format::LastChangeWidth &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        using table_format::DayDigits, table_format::MonthDigits, table_format::YearDigits;
        const auto number = [&text](size_t at, size_t digits) {
            return static_cast<uint32_t>(std::stoul(text.substr(at, digits)));
        };
        if (!digits || !TDate(number(YearDigits + MonthDigits, DayDigits),
                              number(YearDigits, MonthDigits), number(0, YearDigits))
                            .IsValid())
            Fail(row, field, text, "a date of the last answer is written YYYYMMDD, or left empty");
        return text;
    }

    std::string Count(const TDelimitedRow& row, const TPlannedField& field,
                      const std::string& text) {
        if (text.empty())
            return {};
        const bool digits =
            text.size() <= table_format::CountWidth &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            Fail(row, field, text,
                 "a count of right answers is a number from 0 to " +
                     std::to_string(table_format::CountLimit) + ", or empty");
        char bytes[table_format::StatisticsWidth];
        FormatStatistics(bytes, 0, 0, 0, static_cast<uint32_t>(std::stoul(text)));
        return std::string(bytes + table_format::LastChangeWidth, table_format::CountWidth);
    }

    // Field widths are bytes; a UTF-8 text is named in the characters the learner sees too.
    std::string TooLongProblem(const std::string& text) const {
        const std::string limit = "the " + std::to_string(MaxTextWidth);
        if (codePage_ != Utf8CodePage)
            return "it is " + std::to_string(text.size()) + " bytes long, more than " + limit +
                   " a table's field holds";
        return "it is " + std::to_string(Utf8Length(text)) + " characters long (" +
               std::to_string(text.size()) + " bytes in UTF-8), more than " + limit +
               " bytes a table's field holds";
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

std::vector<TTableField> Fields(const TColumnPlan& plan, const std::vector<size_t>& widths) {
    // Every translation gets the width of the longest, as the reader demands.
    size_t translationWidth = 1;
    for (size_t f = 0; f < plan.fields.size(); ++f) {
        if (plan.fields[f].role == TColumnRole::Translation)
            translationWidth = std::max(translationWidth, widths[f]);
    }
    std::vector<TTableField> fields;
    for (size_t f = 0; f < plan.fields.size(); ++f) {
        const TPlannedField& planned = plan.fields[f];
        if (IsStatistics(planned.role))
            continue;
        const size_t width =
            planned.role == TColumnRole::Translation ? translationWidth : widths[f];
        fields.push_back({planned.fieldName, table_format::TextType, static_cast<uint32_t>(width)});
    }
    fields.push_back(LastChangeField());
    fields.push_back(CountField());
    return fields;
}

} // namespace

TMadeTable MakeTable(const std::vector<TDelimitedRow>& rows, uint32_t codePage,
                     const std::string& source) {
    const std::optional<uint8_t> languageDriver = LanguageDriverOf(codePage);
    if (!languageDriver)
        throw TToolError("code page " + CodePageName(codePage) +
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

    const std::vector<TTableField> fields = Fields(made.plan, cells.Widths());
    const uint64_t recordLength = RecordLengthOf(fields);
    const uint64_t headerLength = HeaderLengthOf(fields.size());
    if (recordLength > table_format::MaxLength || headerLength > table_format::MaxLength)
        throw TToolError(source + ": a record would be " + std::to_string(recordLength) +
                         " bytes long in " + std::to_string(fields.size()) +
                         " fields; a table holds at most " +
                         std::to_string(table_format::MaxLength) + " bytes in a record and " +
                         std::to_string(MaxFieldCount()) + " fields");

    made.records = static_cast<uint32_t>(cells.Records().size());
    made.bytes = TableHeader(fields, made.records, *languageDriver, TDate());
    // All of it at once, counted in 64 bits: a 32-bit program without room for the table fails
    // here, before it has filled half its memory.
    const uint64_t size = made.bytes.size() + uint64_t{made.records} * recordLength + 1;
    made.bytes.reserve(static_cast<size_t>(std::min<uint64_t>(size, SIZE_MAX)));
    std::vector<std::string> record;
    for (const std::vector<std::string>& texts : cells.Records()) {
        // The texts in field order: the statistics, where the list has them, go last.
        record.clear();
        std::string lastChange, count;
        for (size_t t = 0; t < texts.size(); ++t) {
            const TColumnRole role = made.plan.fields[t].role;
            if (role == TColumnRole::LastChange)
                lastChange = texts[t];
            else if (role == TColumnRole::Count)
                count = texts[t];
            else
                record.push_back(texts[t]);
        }
        record.push_back(lastChange);
        record.push_back(count);
        AppendRecord(made.bytes, fields, record);
    }
    AppendEndOfFile(made.bytes);
    return made;
}
