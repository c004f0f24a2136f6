#include "platform/date.h"

#include "platform/clock.h"

namespace {

bool IsLeapYear(uint32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

uint32_t DaysInMonth(uint32_t month, uint32_t year) {
    static const uint32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

TDate::TDate() {
    const LocalDate today = LocalToday();
    day_ = today.day;
    month_ = today.month;
    year_ = today.year;
}

TDate::TDate(uint32_t day, uint32_t month, uint32_t year) : day_(day), month_(month), year_(year) {}

bool TDate::IsValid() const {
    // Years beyond 9999 do not fit the four digits a table stores.
    return year_ >= 1 && year_ <= 9999 && month_ >= 1 && month_ <= 12 && day_ >= 1 &&
           day_ <= DaysInMonth(month_, year_);
}

int32_t TDate::DayNumber() const {
    if (!IsValid())
        return 0;
    // Days before this year, then before this month, then this month's day.
    const int32_t y = static_cast<int32_t>(year_) - 1;
    int32_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (uint32_t m = 1; m < month_; ++m)
        days += static_cast<int32_t>(DaysInMonth(m, year_));
    return days + static_cast<int32_t>(day_);
}

TDate TDate::FromDayNumber(int32_t dayNumber) {
    if (dayNumber < 1 || dayNumber > TDate(31, 12, 9999).DayNumber())
        return TDate(0, 0, 0);
    // 146097 days make 400 years: the estimate is at most a year off either way.
    uint32_t year = static_cast<uint32_t>(int64_t{dayNumber} * 400 / 146097) + 1;
    while (year > 1 && TDate(1, 1, year).DayNumber() > dayNumber)
        --year;
    while (year < 9999 && TDate(1, 1, year + 1).DayNumber() <= dayNumber)
        ++year;
    uint32_t month = 1;
    while (month < 12 && TDate(1, month + 1, year).DayNumber() <= dayNumber)
        ++month;
    const int32_t day = dayNumber - TDate(1, month, year).DayNumber() + 1;
    return TDate(static_cast<uint32_t>(day), month, year);
}
