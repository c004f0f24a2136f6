#pragma once

#include <string>

#include "table_tool/table_bytes.h"

class TOptions;
struct TProgress;

// What `check` prints about a table that loads: its shape, then the words a drill would ask
// today and those resting, a text bar for each COUNT level, the learnt words and the next dates
// on which resting words come due.
std::string TableReport(const std::string& name, const TTableBytes& table,
                        const TProgress& progress, const TOptions& options,
                        const std::string& settingsName);
