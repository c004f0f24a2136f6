#pragma once

#include <cstdint>
#include <string>

#include "table_tool/table_bytes.h"

// What an update of a table from its edited word list did with the old table's words.
struct TUpdateCount {
    uint32_t kept = 0;             // records of the new table that took an old record's statistics
    uint32_t added = 0;            // records of the new table without one
    uint32_t leftOut = 0;          // live records of the old table that no row of the list matched
    uint32_t practisedLeftOut = 0; // of those, the ones with a LASTCHANGE or COUNT
};

// Gives each record of `made` (a table just made from the list, in `codePage`) the LASTCHANGE
// and COUNT of the old table's (in `oldCodePage`) live record with the same word, compared byte
// for byte in `codePage`; several records of one word pair up in their order. The old table's
// statistics replace what the list's own LASTCHANGE and COUNT columns say: the drill wrote them
// later. No other byte changes.
TUpdateCount KeepStatistics(TTableBytes& made, uint32_t codePage, const TTableBytes& old,
                            uint32_t oldCodePage);

// "N words kept with their statistics, M new, K left out".
std::string UpdateReport(const TUpdateCount& count);
