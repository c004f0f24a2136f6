#pragma once

#include <cstdint>

#include "table_tool/table_bytes.h"

// Blanks LASTCHANGE and COUNT of every record, deleted ones too, so that every word is new
// again; no other byte changes. Returns the number of records.
uint32_t ResetStatistics(TTableBytes& table);
