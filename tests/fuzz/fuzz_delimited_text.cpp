// Word lists as a learner's spreadsheet or flash-card program may write them: decoding and
// reading never fail unsafely, a list in UTF-16 reads as the same list in UTF-8, what is read
// is written back with its separator and read again unchanged (and that separator is the one
// detected), and a table made from it is either refused with a message or passes the table
// reader's checks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "database/table_layout.h"
#include "platform/utf8.h"
#include "table_tool/delimited_text.h"
#include "table_tool/list_text.h"
#include "table_tool/table_bytes.h"
#include "table_tool/table_maker.h"
#include "table_tool/tool_error.h"
#include "tests/support/utf16_bytes.h"

namespace {

constexpr char Separators[] = {',', ';', '\t'};
constexpr uint32_t CodePages[] = {1252, 1251, 932};

bool IsSeparator(char c) {
    return c == ',' || c == ';' || c == '\t';
}

void CheckUtf16(const std::string& utf8) {
    for (bool bigEndian : {false, true}) {
        const TListText back = DecodeList(Utf16Bytes(utf8, bigEndian), 1252, "fuzz.txt");
        if (back.utf8 != utf8 || back.codePage)
            std::abort();
    }
}

// The list's text as the program reads it; none when it is refused.
bool Decode(const std::string& input, uint32_t codePage, std::string& text) {
    const bool valid = FirstInvalidUtf8(input) == input.size();
    if (valid)
        CheckUtf16(input);
    try {
        TListText list = DecodeList(input, codePage, "fuzz.csv");
        const bool utf16 = input.starts_with("\xFF\xFE") || input.starts_with("\xFE\xFF");
        const bool marked = utf16 || input.starts_with("\xEF\xBB\xBF");
        // Decoded text is UTF-8 throughout: a lone surrogate would not be.
        if ((list.codePage || utf16) && FirstInvalidUtf8(list.utf8) != list.utf8.size())
            std::abort();
        if (list.codePage && valid)
            std::abort();
        if (!marked && !list.codePage && list.utf8 != input)
            std::abort();
        text = std::move(list.utf8);
        return true;
    } catch (const TToolError&) {
        return false;
    }
}

void CheckRewrite(const TDelimitedText& text, char separator) {
    std::string written;
    for (const TDelimitedRow& row : text.rows)
        written += DelimitedRow(row.cells, separator);
    const TDelimitedText again = ReadDelimitedText(written, separator);
    if (!again.error.empty() || again.rows.size() != text.rows.size())
        std::abort();
    for (size_t r = 0; r < text.rows.size(); ++r) {
        if (again.rows[r].cells != text.rows[r].cells)
            std::abort();
    }
    // A header row of two or more names, none holding a separator, tells its own.
    if (text.rows.empty() || text.rows[0].cells.size() < 2)
        return;
    for (const std::string& name : text.rows[0].cells) {
        for (char c : Separators) {
            if (name.find(c) != std::string::npos)
                return;
        }
    }
    for (char preferred : Separators) {
        if (DetectSeparator(written, preferred) != separator)
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
    // The first byte picks the separator, whether it is detected or given, and the code page
    // of a list that is not UTF-8.
    const uint8_t choice = data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string decoded;
    if (!Decode(input, CodePages[(choice >> 2) % std::size(CodePages)], decoded))
        return 0;
    const char preferred = Separators[choice % std::size(Separators)];
    const char separator = choice & 0x80 ? DetectSeparator(decoded, preferred) : preferred;
    if (!IsSeparator(separator))
        std::abort();
    const TDelimitedText text = ReadDelimitedText(decoded, separator);
    if (!text.error.empty()) {
        if (!text.rows.empty() || text.errorLine == 0)
            std::abort();
        return 0;
    }
    CheckRewrite(text, separator);
    CheckTable(text);
    return 0;
}
