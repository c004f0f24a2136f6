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
