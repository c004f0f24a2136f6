#include "database/progress.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "database/table_format.h"
#include "platform/date.h"
#include "settings/age.h"

uint32_t TProgress::ToDrill() const {
    return std::accumulate(byCount.begin(), byCount.end(), uint32_t{0}) - resting;
}

std::vector<uint32_t> TProgress::Forecast(uint32_t days) const {
    std::vector<uint32_t> words(days, 0);
    for (auto due = comeDue.upper_bound(today);
         due != comeDue.end() && int64_t{due->first} - today <= days; ++due)
        words[static_cast<size_t>(due->first - today - 1)] = due->second;
    return words;
}

uint32_t TProgress::DueAfter(uint32_t days) const {
    uint32_t words = 0;
    for (auto due = comeDue.upper_bound(
             static_cast<int32_t>(std::min<int64_t>(int64_t{today} + days, INT32_MAX)));
         due != comeDue.end(); ++due)
        words += due->second;
    return words;
}

TProgressCount::TProgressCount(uint32_t maxCount, const std::vector<TAge>& ages, int32_t today)
    : rest_(maxCount, 0) {
    progress_.today = today;
    progress_.byCount.assign(maxCount, 0);
    // A word rests while its age is below the days of any range its COUNT has reached: the
    // longest of them decides when it comes due.
    for (uint32_t count = 0; count < maxCount; ++count)
        for (const TAge& age : ages)
            if (count >= age.Count)
                rest_[count] = std::max(rest_[count], age.Days);
}

void TProgressCount::Add(const unsigned char* record, uint32_t recordLength) {
    ++progress_.records;
    if (record[0] != table_format::LiveRecord) {
        ++progress_.deleted;
        return;
    }
    const char* lastChange =
        reinterpret_cast<const char*>(record) + recordLength - table_format::StatisticsWidth;
    // As the reader takes it: a COUNT that reads negative is a very large one.
    const auto count = static_cast<uint32_t>(ReadCount(lastChange + table_format::LastChangeWidth));
    if (count >= progress_.byCount.size()) {
        ++progress_.learnt;
        return;
    }
    ++progress_.byCount[count];
    const TChangeDate changed = ReadChangeDate(lastChange);
    const int32_t changedDay = dayNumbers_.Of(changed.day, changed.month, changed.year);
    if (count == 0 && changedDay == 0)
        ++progress_.neverAsked;
    // Unsigned, as the reader ages a record: a date after today is very old, never resting.
    const auto age = static_cast<uint32_t>(progress_.today - changedDay);
    if (age >= rest_[count])
        return;
    ++progress_.resting;
    ++progress_.comeDue[static_cast<int32_t>(
        std::min<int64_t>(int64_t{progress_.today} + (rest_[count] - age), INT32_MAX))];
}

std::string DayText(int32_t dayNumber) {
    const TDate date = TDate::FromDayNumber(dayNumber);
    if (!date.IsValid())
        return "after 9999-12-31";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", date.Year(), date.Month(), date.Day());
    return text;
}
