#include "table_tool/table_report.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "database/day_numbers.h"
#include "database/table_format.h"
#include "platform/date.h"
#include "settings/options.h"
#include "table_tool/table_export.h"

namespace {

constexpr uint32_t BarWidth = 40;
constexpr size_t DueDatesShown = 10;

std::string DateText(int32_t dayNumber) {
    const TDate date = TDate::FromDayNumber(dayNumber);
    if (!date.IsValid())
        return "after 9999-12-31";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", date.Year(), date.Month(), date.Day());
    return text;
}

std::string Words(uint32_t count) {
    return std::to_string(count) + (count == 1 ? " word" : " words");
}

std::string Bar(uint32_t count, uint32_t largest) {
    if (count == 0)
        return {};
    const uint64_t length = std::max<uint64_t>(1, uint64_t{count} * BarWidth / largest);
    return std::string(static_cast<size_t>(length), '#');
}

std::string Ranges(const TOptions& options) {
    if (options.AgeList.empty())
        return "no age ranges";
    std::ostringstream text;
    text << "age ranges";
    for (const TAge& age : options.AgeList)
        text << ' ' << age;
    return text.str();
}

} // namespace

TTableStatistics CountWords(const TTableBytes& table, const TOptions& options, int32_t today) {
    const TTableLayout& layout = table.layout;
    TTableStatistics statistics;
    statistics.records = layout.RecordCount;
    statistics.byCount.assign(options.MaxCount, 0);
    for (uint32_t r = 0; r < layout.RecordCount; ++r) {
        const char* record = table.bytes.data() + layout.RecordOffset(r);
        if (record[0] != table_format::LiveRecord) {
            ++statistics.deleted;
            continue;
        }
        const char* lastChange = table.bytes.data() + layout.StatisticsOffset(r);
        const uint32_t count =
            static_cast<uint32_t>(ReadCount(lastChange + table_format::LastChangeWidth));
        if (count >= options.MaxCount) {
            ++statistics.retired;
            continue;
        }
        ++statistics.byCount[count];
        // The reader's rule: the word rests while its age is below the days of any range
        // its COUNT has reached, so it comes due once the longest of them has passed.
        uint32_t rest = 0;
        for (const TAge& age : options.AgeList) {
            if (count >= age.Count)
                rest = std::max(rest, age.Days);
        }
        const TChangeDate changed = ReadChangeDate(lastChange);
        const int32_t changedDay =
            TDate(static_cast<uint32_t>(changed.day), static_cast<uint32_t>(changed.month),
                  static_cast<uint32_t>(changed.year))
                .DayNumber();
        const uint32_t age = static_cast<uint32_t>(today - changedDay);
        if (age < rest)
            ++statistics.due[static_cast<int32_t>(
                std::min<int64_t>(int64_t{today} + (rest - age), INT32_MAX))];
    }
    return statistics;
}

std::string TableReport(const std::string& name, const TTableBytes& table,
                        const TTableStatistics& statistics, const TOptions& options,
                        const std::string& settingsName, uint32_t eligible, int32_t today) {
    const TTableLayout& layout = table.layout;
    std::ostringstream out;
    out << name << ": Vocorix can drill this table\n";
    out << "  " << statistics.records << " records, " << statistics.deleted << " deleted\n";
    out << "  " << layout.TranslationCount << " translation field"
        << (layout.TranslationCount == 1 ? "" : "s") << ", " << layout.TranslationWidth
        << " bytes wide\n";
    std::string optional;
    for (const auto& [present, field] :
         {std::pair{layout.HasPart, table_format::PartName},
          std::pair{layout.HasTranscript, table_format::TranscriptName},
          std::pair{layout.HasThirdLang, table_format::ThirdLangName}}) {
        if (present)
            optional += std::string(optional.empty() ? "" : ", ") + field;
    }
    out << "  optional fields: " << (optional.empty() ? "none" : optional) << "\n";
    out << "  code page " << TableCodePage(table)
        << (NamesCodePage(table) ? "" : " (taken: the header does not name one)") << "\n";
    out << "Settings: " << settingsName << " (Maximum Count " << options.MaxCount << ", "
        << Ranges(options) << ")\n";
    out << "Today, " << DateText(today) << ": " << Words(eligible) << " to drill\n";

    if (!statistics.byCount.empty()) {
        out << "By COUNT (right answers in a row):\n";
        const uint32_t largest =
            *std::max_element(statistics.byCount.begin(), statistics.byCount.end());
        for (size_t count = 0; count < statistics.byCount.size(); ++count) {
            char line[32];
            std::snprintf(line, sizeof line, "  %2zu %6u", count,
                          static_cast<unsigned>(statistics.byCount[count]));
            const std::string bar = Bar(statistics.byCount[count], largest);
            out << line << (bar.empty() ? "" : " ") << bar << "\n";
        }
    }
    out << "Retired (COUNT " << options.MaxCount << " or more): " << Words(statistics.retired)
        << "\n";

    if (statistics.due.empty()) {
        out << "Resting: none\n";
        return out.str();
    }
    out << "Resting words come due:\n";
    size_t shown = 0;
    uint32_t later = 0;
    for (const auto& [day, words] : statistics.due) {
        if (shown++ < DueDatesShown)
            out << "  " << DateText(day) << "  " << Words(words) << "\n";
        else
            later += words;
    }
    if (later > 0)
        out << "  later: " << Words(later) << "\n";
    return out.str();
}
