#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "database/table_format.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Text conversions of the table's fields.

// Replaces trailing spaces by NULs, from the end of the NUL-terminated text back to the first
// non-space; an all-space text becomes empty.
void TrimRight(char* text);
// The same for a text whose length is known; returns the new length.
size_t TrimRight(char* text, size_t length);

// The parts of TrimmedLength.
namespace field_text {

constexpr uint64_t Blanks = 0x2020202020202020u;
constexpr uint64_t Ones = 0x0101010101010101u;
constexpr uint64_t Highs = 0x8080808080808080u;

inline uint64_t Chunk(const char* bytes) {
    uint64_t chunk;
    std::memcpy(&chunk, bytes, sizeof chunk);
    return chunk;
}

constexpr bool LittleEndian = std::endian::native == std::endian::little;

// Fields are mostly padding: skipped sixteen or eight bytes at a time.
inline size_t WithoutTrailingBlanks(const char* text, size_t length) {
#if defined(__SSE2__)
    // Sixteen bytes at a time where the processor compares them at once.
    const __m128i blanks = _mm_set1_epi8(' ');
    while (length >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + length - 16));
        const uint32_t other =
            ~static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, blanks))) & 0xFFFFu;
        if (other != 0)
            return length - 16 + static_cast<size_t>(32 - std::countl_zero(other));
        length -= 16;
    }
#endif
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
inline size_t FirstNul(const char* text, size_t length) {
    if constexpr (LittleEndian) {
        if (length >= sizeof(uint64_t)) {
            // The last chunk ends at `length` and may overlap the one before it, whose bytes
            // were found to hold no NUL.
            const size_t last = length - sizeof(uint64_t);
            for (size_t i = 0;; i += sizeof(uint64_t)) {
                const size_t at = i < last ? i : last;
                const uint64_t chunk = Chunk(text + at);
                // The lowest marked byte is the first NUL; marks above it may be false.
                const uint64_t nuls = (chunk - Ones) & ~chunk & Highs;
                if (nuls != 0)
                    return at + static_cast<size_t>(std::countr_zero(nuls)) / 8;
                if (at == last)
                    return length;
            }
        }
    }
    size_t i = 0;
    while (i < length && text[i] != '\0')
        ++i;
    return i;
}

} // namespace field_text

// The length TrimRight leaves of a field of `width` bytes that need not be NUL-terminated:
// up to its first NUL, without trailing spaces. Inline: the loading pass calls it for every
// translation of every record.
inline size_t TrimmedLength(const char* field, size_t width) {
    using namespace field_text;
    // Padding holds no NUL, so the first NUL of the field, if any, lies before it.
    const size_t kept = WithoutTrailingBlanks(field, width);
    const size_t nul = FirstNul(field, kept);
    return nul < kept ? WithoutTrailingBlanks(field, nul) : kept;
}

// Converts at most `width` bytes like atol: leading white space skipped, an optional sign, then
// digits up to the first non-digit or NUL. No digits give 0.
int32_t FieldNumber(const char* text, size_t width);

// The statistics bytes of a record: LASTCHANGE as "%4u%02u%02u", COUNT as "%2u". A COUNT
// above table_format::CountLimit would need a third byte and is written as that limit.
void FormatStatistics(char (&bytes)[table_format::StatisticsWidth], uint32_t year, uint32_t month,
                      uint32_t day, uint32_t count);
