#pragma once

#include <cstdint>
#include <string>

#include "database/code_pages.h"
#include "table_tool/table_bytes.h"

struct TExportedList {
    std::string csv; // UTF-8, CRLF line ends, no byte-order mark
    uint32_t words = 0;
    uint32_t deleted = 0; // deleted records, left out
};

// The code page a table says its texts are in, by its header or its mark; `unnamed` when it
// does not say.
uint32_t TableCodePage(const TTableBytes& table, uint32_t unnamed = DefaultCodePage);
// Whether the table names its code page.
bool NamesCodePage(const TTableBytes& table);

// The live records as comma-separated text with a header row of the field names: the word,
// the optional fields, the translations, then LASTCHANGE and COUNT unless every record has
// them blank (a table nobody has drilled yet gives back the plain word list it was made from).
// Texts are read as the drill reads them and converted from `codePage`; throws TToolError
// naming the record and field of a text that is not valid in it.
TExportedList ExportTable(const TTableBytes& table, uint32_t codePage, const std::string& source);
