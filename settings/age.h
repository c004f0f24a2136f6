#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

// An age range: a word whose COUNT has reached Count rests while fewer than Days
// days have passed since its LASTCHANGE. A new value is 0:0 (never rests a word), which is
// what a list element whose numbered key is absent or unreadable keeps.
struct TAge {
    uint32_t Count = 0; // counter threshold
    uint32_t Days = 0;  // rest period in days

    friend bool operator==(const TAge&, const TAge&) = default;
};

// Text form: written Count ":" Days in unsigned decimal; read as an unsigned number, one
// character whatever it is, an unsigned number (white space skipped before each). A part that
// cannot be read leaves its field unchanged.
std::istream& operator>>(std::istream& in, TAge& value);
std::ostream& operator<<(std::ostream& out, const TAge& value);

// For a typed range: the position of the first digit of the days part when the text is one or
// more digits, one colon, one or more digits and nothing else, each number within 32 bits;
// otherwise 0. A valid result is at least 2 and is the length of the prefix (threshold digits
// and colon). A text it passes reads as exactly one TAge: leading zeros do not change a number,
// so two ranges share a threshold when their Counts are equal, not when their prefixes are.
unsigned CheckAgeText(const char* text);

// The ranges a first start comes with (no settings file yet): each right answer in a row doubles
// the rest, from one day after the first to 256 days after the ninth.
std::vector<TAge> FirstStartAges();
