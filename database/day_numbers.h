#pragma once

#include <cstdint>
#include <cstring>

#include "database/table_format.h"

// Conversions of the statistics of a record, inline for the loading pass, which needs them
// for every record: the common forms take a short way, everything else the general one.

// TDate's day numbers for the LASTCHANGE dates of a table, without TDate's walk over the
// months for every record: a date's month is looked up once and its days counted from there.
// Invalid dates give 0, as with TDate.
class TDayNumbers {
public:
    int32_t Of(int32_t day, int32_t month, int32_t year) {
        if (month < 1 || month > 12)
            return 0;
        Month& known = months_[month];
        if (known.year != year)
            Learn(known, month, year);
        return day >= 1 && day <= known.days ? known.before + day : 0;
    }

private:
    struct Month {
        int32_t year = -1;
        // Day number of the day before the 1st; days in the month, 0 when the month is invalid.
        int32_t before = 0;
        int32_t days = 0;
    };
    static void Learn(Month& known, int32_t month, int32_t year);

    // The month last looked up for each month number.
    Month months_[13];
};

// Year, month and day of the LASTCHANGE bytes, each converted like atol.
struct TChangeDate {
    int32_t year;
    int32_t month;
    int32_t day;
};

namespace statistics_text {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline int32_t Digits(const char* bytes, uint32_t count) {
    int32_t value = 0;
    for (uint32_t i = 0; i < count; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value;
}

TChangeDate ReadChangeDateSlowly(const char* bytes);
int32_t ReadCountSlowly(const char* bytes);

} // namespace statistics_text

inline TChangeDate ReadChangeDate(const char* bytes) {
    using namespace statistics_text;
    uint64_t chunk;
    std::memcpy(&chunk, bytes, sizeof chunk);
    // Written dates are eight digits: every high nibble 3, and no low nibble above 9.
    constexpr uint64_t HighNibbles = 0xF0F0F0F0F0F0F0F0u;
    constexpr uint64_t Threes = 0x3030303030303030u;
    constexpr uint64_t Sixes = 0x0606060606060606u;
    using namespace table_format;
    static_assert(LastChangeWidth == sizeof chunk);
    if ((chunk & HighNibbles) == Threes && ((chunk + Sixes) & HighNibbles) == Threes)
        return {Digits(bytes, YearDigits), Digits(bytes + YearDigits, MonthDigits),
                Digits(bytes + YearDigits + MonthDigits, DayDigits)};
    return ReadChangeDateSlowly(bytes);
}

// COUNT's bytes, converted like atol.
inline int32_t ReadCount(const char* bytes) {
    using namespace statistics_text;
    static_assert(table_format::CountWidth == 2);
    if (IsDigit(bytes[1]) && (bytes[0] == ' ' || IsDigit(bytes[0])))
        return (bytes[0] == ' ' ? 0 : 10 * (bytes[0] - '0')) + (bytes[1] - '0');
    return ReadCountSlowly(bytes);
}
