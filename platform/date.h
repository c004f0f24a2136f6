#pragma once

#include <cstdint>

// A calendar date with day numbers. Day numbers count days on the proleptic Gregorian
// calendar (1 January of year 1 is day 1); a date that is not a real calendar date has day
// number 0, so that its age from today is today's whole day number: very old.
class TDate {
public:
    // Today's local date (through the replaceable clock of platform/clock.h).
    TDate();
    TDate(uint32_t day, uint32_t month, uint32_t year);
    // The date of a day number from 1 (1 January of year 1) to that of 31 December 9999;
    // others give the invalid date 0.0.0.
    static TDate FromDayNumber(int32_t dayNumber);

    uint32_t Day() const { return day_; }
    uint32_t Month() const { return month_; }
    uint32_t Year() const { return year_; }
    int32_t DayNumber() const;
    bool IsValid() const;

private:
    uint32_t day_;
    uint32_t month_;
    uint32_t year_;
};
