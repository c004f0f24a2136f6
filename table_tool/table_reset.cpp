#include "table_tool/table_reset.h"

uint32_t ResetStatistics(TTableBytes& table) {
    for (uint32_t r = 0; r < table.layout.RecordCount; ++r)
        table.bytes.replace(table.layout.StatisticsOffset(r), 10, 10, ' ');
    return table.layout.RecordCount;
}
