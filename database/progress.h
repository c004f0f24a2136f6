#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "database/day_numbers.h"

struct TAge;

// Where the words of a table stand today under "Maximum Count" and the age ranges: what the
// progress window shows and `vocorix-table check` prints, counted by the drill's own rule.
struct TProgress {
    // The day number the ages count from.
    int32_t today = 0;
    uint32_t records = 0;
    uint32_t deleted = 0;
    // Live words whose COUNT is below "Maximum Count", by COUNT.
    std::vector<uint32_t> byCount;
    // Of the words at COUNT 0: those never asked (no date in LASTCHANGE); the others were last
    // answered wrong.
    uint32_t neverAsked = 0;
    // Live words whose COUNT has reached "Maximum Count": never asked again.
    uint32_t learnt = 0;
    // Words below "Maximum Count" that an age range lets rest today.
    uint32_t resting = 0;
    // The resting words by the day number on which their rest ends.
    std::map<int32_t, uint32_t> comeDue;

    // The table's words: deleted records left out.
    uint32_t Words() const { return records - deleted; }
    // The words a drill would ask today.
    uint32_t ToDrill() const;
    uint32_t AnsweredWrong() const { return byCount.empty() ? 0 : byCount[0] - neverAsked; }
    // The resting words whose rest ends on each of the `days` days after today.
    std::vector<uint32_t> Forecast(uint32_t days) const;
    // The resting words whose rest ends later than `days` days after today.
    uint32_t DueAfter(uint32_t days) const;

    bool operator==(const TProgress&) const = default;
};

// Counts records one at a time into a TProgress.
class TProgressCount {
public:
    TProgressCount(uint32_t maxCount, const std::vector<TAge>& ages, int32_t today);

    // One record's bytes: the deletion flag first, LASTCHANGE and COUNT last.
    void Add(const unsigned char* record, uint32_t recordLength);
    const TProgress& Figures() const { return progress_; }

private:
    TProgress progress_;
    // The longest rest of the ranges each COUNT level has reached.
    std::vector<uint32_t> rest_;
    TDayNumbers dayNumbers_;
};

// A day number as the reports write dates: 2024-03-11; "after 9999-12-31" beyond the calendar.
std::string DayText(int32_t dayNumber);
