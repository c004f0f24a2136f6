#pragma once

#include <cstdint>

// TDate's day numbers for the LASTCHANGE dates of a table, without TDate's walk over the
// months for every record: a date's month is looked up once and its days counted from there.
// Invalid dates give 0, as with TDate.
class TDayNumbers {
public:
    int32_t Of(int32_t day, int32_t month, int32_t year);

private:
    struct Month {
        int32_t year = -1;
        // Day number of the day before the 1st; days in the month, 0 when the month is invalid.
        int32_t before = 0;
        int32_t days = 0;
    };
    // The month last looked up for each month number.
    Month months_[13];
};

// Year, month and day of the 8 LASTCHANGE bytes, each converted like atol.
struct TChangeDate {
    int32_t year;
    int32_t month;
    int32_t day;
};
TChangeDate ReadChangeDate(const char* bytes);
// COUNT's 2 bytes, converted like atol.
int32_t ReadCount(const char* bytes);
