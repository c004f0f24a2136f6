// Word lists as a learner's spreadsheet or flash-card program may write them: reading never
// fails unsafely, what is read is written back and read again unchanged, and a table made from
// it is either refused with a message or passes the table reader's checks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "database/table_layout.h"
#include "table_tool/delimited_text.h"
#include "table_tool/table_bytes.h"
#include "table_tool/table_maker.h"
#include "table_tool/tool_error.h"

namespace {

void CheckRewrite(const TDelimitedText& text) {
    std::string written;
    for (const TDelimitedRow& row : text.rows)
        written += CsvRow(row.cells);
    const TDelimitedText again = ReadDelimitedText(written, ',');
    if (!again.error.empty() || again.rows.size() != text.rows.size())
        std::abort();
    for (size_t r = 0; r < text.rows.size(); ++r) {
        if (again.rows[r].cells != text.rows[r].cells)
            std::abort();
    }
}

void CheckTable(const TDelimitedText& text) {
    try {
        const TMadeTable made = MakeTable(text.rows, 1252, "fuzz.csv");
        TTableLayout layout;
        if (CheckTableBytes(made.bytes, layout) != nullptr || layout.RecordCount != made.records)
            std::abort();
    } catch (const TToolError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the separator.
    const char separator = data[0] & 1 ? '\t' : ',';
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const TDelimitedText text = ReadDelimitedText(input, separator);
    if (!text.error.empty()) {
        if (!text.rows.empty() || text.errorLine == 0)
            std::abort();
        return 0;
    }
    CheckRewrite(text);
    CheckTable(text);
    return 0;
}
