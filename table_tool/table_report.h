#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "table_tool/table_bytes.h"

class TOptions;

// Where the words of a table stand under a set of settings, today.
struct TTableStatistics {
    uint32_t records = 0;
    uint32_t deleted = 0;
    // Live words below "Maximum Count", by COUNT.
    std::vector<uint32_t> byCount;
    // Live words whose COUNT has reached "Maximum Count": never asked again.
    uint32_t retired = 0;
    // Words resting under an age range, by the day number on which they come due.
    std::map<int32_t, uint32_t> due;
};

// Counts the table's words with the settings' "Maximum Count" and age ranges; `today` is a
// day number.
TTableStatistics CountWords(const TTableBytes& table, const TOptions& options, int32_t today);

// What `check` prints about a table that loads: its shape, then the words eligible now (as the
// reader counted them), a text bar for each COUNT level, the retired words and the next dates
// on which resting words come due.
std::string TableReport(const std::string& name, const TTableBytes& table,
                        const TTableStatistics& statistics, const TOptions& options,
                        const std::string& settingsName, uint32_t eligible, int32_t today);
