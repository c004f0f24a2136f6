#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/table_format.h"
#include "database/table_writer.h"

// The fields of the benchmarks' tables: WORD, TRANS1 to TRANSn, then the statistics.
inline std::vector<TTableField> BenchTableFields(uint32_t wordWidth, uint32_t translations,
                                                 uint32_t translationWidth) {
    std::vector<TTableField> fields = {{"WORD", table_format::TextType, wordWidth}};
    for (uint32_t t = 0; t < translations; ++t)
        fields.push_back(
            {"TRANS" + std::to_string(t + 1), table_format::TextType, translationWidth});
    fields.push_back(LastChangeField());
    fields.push_back(CountField());
    return fields;
}
