#include "table_tool/table_update.h"

#include <deque>
#include <map>

#include "database/field_text.h"
#include "platform/code_page.h"
#include "table_tool/table_export.h"

using namespace table_format;

namespace {

// The word as the drill reads it: up to its first NUL, without its padding.
std::string_view WordOf(const TTableBytes& table, uint32_t record) {
    const char* word = table.bytes.data() + table.layout.RecordOffset(record) + 1;
    return {word, TrimmedLength(word, table.layout.WordWidth)};
}

bool IsLive(const TTableBytes& table, uint32_t record) {
    return table.bytes[table.layout.RecordOffset(record)] == LiveRecord;
}

// A blank LASTCHANGE and COUNT mean never asked; anything else is what the drill learnt.
bool IsPractised(const TTableBytes& table, uint32_t record) {
    const std::string_view statistics(table.bytes.data() + table.layout.StatisticsOffset(record),
                                      StatisticsWidth);
    return statistics.find_first_not_of(std::string_view(" \0", 2)) != std::string_view::npos;
}

// The old word in the new table's code page; none when it has no place there.
bool InCodePage(std::string_view word, uint32_t from, uint32_t to, std::string& converted) {
    if (from == to) {
        converted.assign(word);
        return true;
    }
    std::string utf8;
    return CodePageToUtf8(word, from, utf8) == TConversion::Ok &&
           Utf8ToCodePage(utf8, to, converted) == TConversion::Ok;
}

} // namespace

TUpdateCount KeepStatistics(TTableBytes& made, uint32_t codePage, const TTableBytes& old,
                            uint32_t oldCodePage) {
    TUpdateCount count;
    auto leaveOut = [&](uint32_t record) {
        ++count.leftOut;
        count.practisedLeftOut += IsPractised(old, record) ? 1 : 0;
    };
    // Each word's old records, first first.
    std::map<std::string, std::deque<uint32_t>, std::less<>> waiting;
    for (uint32_t r = 0; r < old.layout.RecordCount; ++r) {
        if (!IsLive(old, r))
            continue;
        std::string word;
        if (InCodePage(WordOf(old, r), oldCodePage, codePage, word))
            waiting[word].push_back(r);
        else
            leaveOut(r);
    }
    for (uint32_t r = 0; r < made.layout.RecordCount; ++r) {
        const auto found = waiting.find(WordOf(made, r));
        if (found == waiting.end() || found->second.empty()) {
            ++count.added;
            continue;
        }
        made.bytes.replace(made.layout.StatisticsOffset(r), StatisticsWidth, old.bytes,
                           old.layout.StatisticsOffset(found->second.front()), StatisticsWidth);
        found->second.pop_front();
        ++count.kept;
    }
    for (const auto& [word, records] : waiting)
        for (const uint32_t record : records)
            leaveOut(record);
    return count;
}

std::string UpdateReport(const TUpdateCount& count) {
    return std::to_string(count.kept) + " words kept with their statistics, " +
           std::to_string(count.added) + " new, " + std::to_string(count.leftOut) + " left out";
}
