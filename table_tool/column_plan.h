#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What each column of a word list becomes in a vocabulary table.
enum class TColumnRole { Word, Part, Transcript, ThirdLang, Translation, LastChange, Count };

struct TPlannedField {
    TColumnRole role;
    size_t column;         // the column of the word list, from 0
    std::string header;    // as the header row names it
    std::string fieldName; // the table's field name: at most 10 letters, digits or '_'
};

struct TColumnPlan {
    // In the table's field order: word, the optional fields present, the translations,
    // then LASTCHANGE and COUNT when the list has them.
    std::vector<TPlannedField> fields;
    // Columns whose header name had to change beyond letter case to become a field name.
    std::vector<TPlannedField> renamed;
};

// Plans the table from the header row. Throws TToolError when a column name is given twice or
// no translation column is left.
TColumnPlan PlanColumns(const std::vector<std::string>& header);
