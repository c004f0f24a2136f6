#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text with RFC 4180 quotes, and tab-separated text (quoted the same way where
// a cell holds a tab, a quote or a line break, as flash-card programs export their notes).

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

// One row of comma-separated text ending in CRLF, each cell quoted where it must be.
std::string CsvRow(const std::vector<std::string>& cells);
