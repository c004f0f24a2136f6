#include "database/day_numbers.h"

#include <cstring>

#include "database/field_text.h"
#include "platform/date.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int32_t Digits(const char* bytes, int count) {
    int32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value;
}

} // namespace

int32_t TDayNumbers::Of(int32_t day, int32_t month, int32_t year) {
    if (month < 1 || month > 12)
        return 0;
    Month& known = months_[month];
    if (known.year != year) {
        // TDate takes its numbers unsigned; a negative one is never valid.
        const auto date = [month, year](int32_t d) {
            return TDate(static_cast<uint32_t>(d), static_cast<uint32_t>(month),
                         static_cast<uint32_t>(year));
        };
        known.year = year;
        known.before = date(1).DayNumber() - 1;
        known.days = 0;
        while (known.days < 31 && date(known.days + 1).IsValid())
            ++known.days;
    }
    return day >= 1 && day <= known.days ? known.before + day : 0;
}

TChangeDate ReadChangeDate(const char* bytes) {
    uint64_t chunk;
    std::memcpy(&chunk, bytes, sizeof chunk);
    // Written dates are eight digits: every high nibble 3, and no low nibble above 9.
    constexpr uint64_t HighNibbles = 0xF0F0F0F0F0F0F0F0u;
    constexpr uint64_t Threes = 0x3030303030303030u;
    constexpr uint64_t Sixes = 0x0606060606060606u;
    if ((chunk & HighNibbles) == Threes && ((chunk + Sixes) & HighNibbles) == Threes)
        return {Digits(bytes, 4), Digits(bytes + 4, 2), Digits(bytes + 6, 2)};
    return {FieldNumber(bytes, 4), FieldNumber(bytes + 4, 2), FieldNumber(bytes + 6, 2)};
}

int32_t ReadCount(const char* bytes) {
    if (IsDigit(bytes[1]) && (bytes[0] == ' ' || IsDigit(bytes[0])))
        return Digits(bytes + 1, 1) + (bytes[0] == ' ' ? 0 : 10 * Digits(bytes, 1));
    return FieldNumber(bytes, 2);
}
