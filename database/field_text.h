#pragma once

#include <cstddef>
#include <cstdint>

// Text conversions of the table's fields.

// Replaces trailing spaces by NULs, from the end of the NUL-terminated text back to the first
// non-space; an all-space text becomes empty.
void TrimRight(char* text);
// The same for a text whose length is known; returns the new length.
size_t TrimRight(char* text, size_t length);
// The length TrimRight leaves of a field of `width` bytes that need not be NUL-terminated:
// up to its first NUL, without trailing spaces.
size_t TrimmedLength(const char* field, size_t width);

// Converts at most `width` bytes like atol: leading white space skipped, an optional sign, then
// digits up to the first non-digit or NUL. No digits give 0.
int32_t FieldNumber(const char* text, size_t width);

// The 10 statistics bytes of a record: LASTCHANGE as "%4u%02u%02u", COUNT as "%2u". A COUNT
// above 99 would need a third byte and is written as 99.
void FormatStatistics(char (&bytes)[10], uint32_t year, uint32_t month, uint32_t day,
                      uint32_t count);
