#include "table_tool/table_export.h"

#include <cstring>
#include <vector>

#include "database/code_pages.h"
#include "database/field_text.h"
#include "database/table_format.h"
#include "platform/code_page.h"
#include "table_tool/delimited_text.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

using namespace table_format;

namespace {

struct Field {
    std::string name;
    uint64_t offset; // within a record
    uint32_t width;
};

// The text fields in record order, with their names as the descriptors give them.
std::vector<Field> TextFields(const TTableBytes& table) {
    const TTableLayout& layout = table.layout;
    std::vector<uint32_t> widths = {layout.WordWidth};
    if (layout.HasPart)
        widths.push_back(layout.PartWidth);
    if (layout.HasTranscript)
        widths.push_back(layout.TranscriptWidth);
    if (layout.HasThirdLang)
        widths.push_back(layout.ThirdLangWidth);
    widths.insert(widths.end(), layout.TranslationCount, layout.TranslationWidth);
    std::vector<Field> fields;
    uint64_t offset = 1;
    for (size_t f = 0; f < widths.size(); ++f) {
        const char* name = table.bytes.data() + HeaderSize + DescriptorSize * f;
        fields.push_back({std::string(name, strnlen(name, NameSize)), offset, widths[f]});
        offset += widths[f];
    }
    return fields;
}

std::string Utf8(std::string_view bytes, uint32_t codePage, const std::string& where) {
    std::string text;
    switch (CodePageToUtf8(bytes, codePage, text)) {
    case TConversion::Ok:
        return text;
    case TConversion::Unsupported:
        throw TToolError("this system cannot convert from code page " + std::to_string(codePage));
    default:
        // A UTF-8 table's bad bytes are named rather than exported as replacement characters,
        // which would lose them.
        if (codePage == Utf8CodePage)
            throw TToolError(where + ": " + Quoted(bytes) + ": " + Utf8Problem(bytes));
        throw TToolError(where + ": the text is not valid in code page " +
                         std::to_string(codePage) +
                         "; give the table's code page with --code-page");
    }
}

} // namespace

uint32_t TableCodePage(const TTableBytes& table, uint32_t unnamed) {
    return table.codePage.value_or(unnamed);
}

bool NamesCodePage(const TTableBytes& table) {
    return table.codePage.has_value();
}

TExportedList ExportTable(const TTableBytes& table, uint32_t codePage, const std::string& source) {
    const std::vector<Field> fields = TextFields(table);
    const TTableLayout& layout = table.layout;
    TExportedList list;

    std::vector<std::vector<std::string>> rows;
    bool anyStatistics = false;
    for (uint32_t r = 0; r < layout.RecordCount; ++r) {
        const char* record = table.bytes.data() + layout.RecordOffset(r);
        if (record[0] != LiveRecord) {
            ++list.deleted;
            continue;
        }
        std::vector<std::string> row;
        for (const Field& field : fields) {
            const char* text = record + field.offset;
            row.push_back(
                Utf8(std::string_view(text, TrimmedLength(text, field.width)), codePage,
                     source + ", record " + std::to_string(r + 1) + ", field " + field.name));
        }
        const char* statistics = table.bytes.data() + layout.StatisticsOffset(r);
        // The statistics as the drill wrote them, without their padding.
        row.push_back(TrimBlanks(std::string_view(statistics, LastChangeWidth)));
        row.push_back(TrimBlanks(std::string_view(statistics + LastChangeWidth, CountWidth)));
        anyStatistics =
            anyStatistics || !row[row.size() - 1].empty() || !row[row.size() - 2].empty();
        rows.push_back(std::move(row));
    }

    std::vector<std::string> header;
    for (const Field& field : fields)
        header.push_back(Utf8(field.name, codePage, source + ", field names"));
    if (anyStatistics) {
        header.push_back(LastChangeName);
        header.push_back(CountName);
    }
    list.csv = CsvRow(header);
    for (std::vector<std::string>& row : rows) {
        if (!anyStatistics)
            row.resize(row.size() - 2);
        list.csv += CsvRow(row);
    }
    list.words = static_cast<uint32_t>(rows.size());
    return list;
}
