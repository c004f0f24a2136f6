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

void FormatStatistics(char (&bytes)[10], uint32_t year, uint32_t month, uint32_t day,
                      uint32_t count) {
    // snprintf needs room for its NUL; the bounds keep every part at its width.
    char text[11];
    std::snprintf(text, sizeof text, "%4u%02u%02u%2u", std::min<uint32_t>(year, 9999),
                  std::min<uint32_t>(month, 99), std::min<uint32_t>(day, 99),
                  std::min<uint32_t>(count, 99));
    std::memcpy(bytes, text, sizeof bytes);
}
