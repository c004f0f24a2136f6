#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "table_tool/delimited_text.h"

// Which code page a word list's table gets.
struct TCodePageRule {
    std::optional<uint32_t> given; // named by the learner: taken as it is
    uint32_t preferred;            // the system's page, or the page of the table being updated
};

// `given`, else `preferred` when it holds every text of the list's rows below the header, else
// the first single-byte page of a table that does: Central European, Cyrillic, Greek, Turkish,
// Hebrew, Arabic, Baltic, Thai; else UTF-8, which holds them all. A preferred UTF-8 (the page
// of a UTF-8 table being updated) is kept.
uint32_t ChooseCodePage(const std::vector<TDelimitedRow>& rows, const TCodePageRule& rule);
