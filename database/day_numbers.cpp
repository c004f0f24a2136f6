#include "database/day_numbers.h"

#include "database/field_text.h"
#include "platform/date.h"

void TDayNumbers::Learn(Month& known, int32_t month, int32_t year) {
    // TDate takes its numbers unsigned; a negative one is never valid.
    const auto date = [month, year](int32_t day) {
        return TDate(static_cast<uint32_t>(day), static_cast<uint32_t>(month),
                     static_cast<uint32_t>(year));
    };
    known.year = year;
    known.before = date(1).DayNumber() - 1;
    known.days = 0;
    while (known.days < 31 && date(known.days + 1).IsValid())
        ++known.days;
}

namespace statistics_text {

TChangeDate ReadChangeDateSlowly(const char* bytes) {
    using namespace table_format;
    return {FieldNumber(bytes, YearDigits), FieldNumber(bytes + YearDigits, MonthDigits),
            FieldNumber(bytes + YearDigits + MonthDigits, DayDigits)};
}

int32_t ReadCountSlowly(const char* bytes) {
    return FieldNumber(bytes, table_format::CountWidth);
}

} // namespace statistics_text
