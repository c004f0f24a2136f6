#include "table_tool/table_reset.h"

uint32_t ResetStatistics(TTableBytes& table) {
    for (uint32_t r = 0; r < table.layout.RecordCount; ++r)
        table.bytes.replace(table.layout.StatisticsOffset(r), table_format::StatisticsWidth,
                            table_format::StatisticsWidth, ' ');
    return table.layout.RecordCount;
}
