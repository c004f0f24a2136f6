#include "database/field_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

void TrimRight(char* text) {
    TrimRight(text, std::strlen(text));
}

size_t TrimRight(char* text, size_t length) {
    const size_t kept = TrimmedLength(text, length);
    std::memset(text + kept, '\0', length - kept);
    return kept;
}

int32_t FieldNumber(const char* text, size_t width) {
    size_t i = 0;
    while (i < width && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < width && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    // Fields are at most a few bytes wide; 64 bits keep any width from overflowing.
    int64_t value = 0;
    for (; i < width && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), INT32_MAX);
    return static_cast<int32_t>(negative ? -value : value);
}

namespace {

// The largest number written with this many digits.
constexpr uint32_t Largest(uint32_t digits) {
    return digits == 0 ? 0 : 10 * Largest(digits - 1) + 9;
}

} // namespace

void FormatStatistics(char (&bytes)[table_format::StatisticsWidth], uint32_t year, uint32_t month,
                      uint32_t day, uint32_t count) {
    using namespace table_format;
    static_assert(Largest(CountWidth) == CountLimit);
    const auto width = [](uint32_t digits) { return static_cast<int>(digits); };
    // snprintf needs room for its NUL; the bounds keep every part at its width.
    char text[StatisticsWidth + 1];
    std::snprintf(
        text, sizeof text, "%*u%0*u%0*u%*u", width(YearDigits), std::min(year, Largest(YearDigits)),
        width(MonthDigits), std::min(month, Largest(MonthDigits)), width(DayDigits),
        std::min(day, Largest(DayDigits)), width(CountWidth), std::min(count, CountLimit));
    std::memcpy(bytes, text, sizeof bytes);
}
