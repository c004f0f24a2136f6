#include "database/field_text.h"

#include <algorithm>
#include <bit>
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

namespace {

constexpr uint64_t Blanks = 0x2020202020202020u;
constexpr uint64_t Ones = 0x0101010101010101u;
constexpr uint64_t Highs = 0x8080808080808080u;

uint64_t Chunk(const char* bytes) {
    uint64_t chunk;
    std::memcpy(&chunk, bytes, sizeof chunk);
    return chunk;
}

constexpr bool LittleEndian = std::endian::native == std::endian::little;

// Fields are mostly padding: skipped eight bytes at a time.
size_t WithoutTrailingBlanks(const char* text, size_t length) {
    while (length >= sizeof(uint64_t)) {
        const uint64_t different = Chunk(text + length - sizeof(uint64_t)) ^ Blanks;
        if (different == 0) {
            length -= sizeof(uint64_t);
            continue;
        }
        // The chunk's last byte is its most significant one.
        if constexpr (LittleEndian)
            return length - static_cast<size_t>(std::countl_zero(different)) / 8;
        break;
    }
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

// Where the first NUL stands, or `length` without one; eight bytes are tested at once.
size_t FirstNul(const char* text, size_t length) {
    size_t i = 0;
    for (; i + sizeof(uint64_t) <= length; i += sizeof(uint64_t)) {
        const uint64_t chunk = Chunk(text + i);
        // The lowest marked byte is the first NUL; marks above it may be false.
        const uint64_t nuls = (chunk - Ones) & ~chunk & Highs;
        if (nuls == 0)
            continue;
        if constexpr (LittleEndian)
            return i + static_cast<size_t>(std::countr_zero(nuls)) / 8;
        break;
    }
    while (i < length && text[i] != '\0')
        ++i;
    return i;
}

} // namespace

size_t TrimmedLength(const char* field, size_t width) {
    // Padding holds no NUL, so the first NUL of the field, if any, lies before it.
    const size_t kept = WithoutTrailingBlanks(field, width);
    const size_t nul = FirstNul(field, kept);
    return nul < kept ? WithoutTrailingBlanks(field, nul) : kept;
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
