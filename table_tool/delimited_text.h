#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text with RFC 4180 quotes, and text separated by semicolons (the "CSV" of a
// spreadsheet set to a language whose decimal mark is the comma) or tabs (as flash-card
// programs export their notes), quoted the same way where a cell holds its separator, a quote
// or a line break.

struct TDelimitedRow {
    uint32_t line; // where the row starts, counting from 1
    std::vector<std::string> cells;
};

struct TDelimitedText {
    // Rows in order; empty lines are not rows.
    std::vector<TDelimitedRow> rows;
    // Set when the text could not be read: the line and the reason.
    uint32_t errorLine = 0;
    std::string error;
};

// Reads the whole text. A UTF-8 byte-order mark is dropped. Lines end in CRLF, LF or CR.
// Lines before the first row that look like "#name:value" are the file headers of a
// flash-card export; "#columns:" names the columns, so it becomes the first row.
TDelimitedText ReadDelimitedText(std::string_view text, char separator);

// Which of ',', ';' and a tab separates the text's cells: the one its header row (the first
// row, or the "#columns:" header) holds most often outside quotes; `preferred` where that row
// holds as many of it as of any other, or none of them.
char DetectSeparator(std::string_view text, char preferred);

// One row ending in CRLF, each cell quoted where it must be.
std::string DelimitedRow(const std::vector<std::string>& cells, char separator);
std::string CsvRow(const std::vector<std::string>& cells);
