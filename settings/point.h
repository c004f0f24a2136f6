#pragma once

#include <cstdint>
#include <iosfwd>

// A screen point of the portable core (the window position setting); the Windows side
// converts it to and from its own point type.
struct TPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Text form: written "(x,y)"; read as one non-blank character, a signed number x,
// one non-blank character, a signed number y, one non-blank character. The three single
// characters are consumed whatever they are; a part that cannot be read stops the reading and
// leaves the fields not yet read unchanged.
std::istream& operator>>(std::istream& in, TPoint& value);
std::ostream& operator<<(std::ostream& out, const TPoint& value);
