#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table_tool/column_plan.h"
#include "table_tool/delimited_text.h"

// A vocabulary table made from a word list.
struct TMadeTable {
    std::string bytes; // the whole file
    uint32_t records = 0;
    TColumnPlan plan;
};

// Makes the table from the rows of a word list, the first of which names the columns. Texts
// go into `codePage`, whose language-driver byte the header gets. Throws TToolError naming the
// line, the column and the text of the first cell that cannot be stored; `source` names the
// list in messages. Field widths are bytes: a UTF-8 text takes up to four for a character.
TMadeTable MakeTable(const std::vector<TDelimitedRow>& rows, uint32_t codePage,
                     const std::string& source);
