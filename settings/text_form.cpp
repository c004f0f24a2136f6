#include "settings/text_form.h"

#include <istream>
#include <ostream>

namespace {

using traits = std::istream::traits_type;

bool IsDigit(traits::int_type c) {
    return !traits::eq_int_type(c, traits::eof()) && traits::to_char_type(c) >= '0' &&
           traits::to_char_type(c) <= '9';
}

// After white space: an optional sign ("-" only when allowed) and the digits. Returns false
// when there is no digit or the magnitude exceeds its limit; the digits are consumed either way,
// and the stream's state tells the caller how it went (failbit on failure, eofbit at the end).
bool ReadDecimal(std::istream& in, bool allowMinus, uint64_t limitPositive, uint64_t limitNegative,
                 bool& negative, uint64_t& magnitude) {
    negative = false;
    magnitude = 0;
    std::istream::sentry ok(in); // skips white space
    if (!ok)
        return false;
    std::streambuf* buffer = in.rdbuf();
    traits::int_type c = buffer->sgetc();
    if (!traits::eq_int_type(c, traits::eof()) &&
        ((allowMinus && traits::to_char_type(c) == '-') || traits::to_char_type(c) == '+')) {
        negative = traits::to_char_type(c) == '-';
        c = buffer->snextc();
    }
    bool any = false;
    bool overflow = false;
    while (IsDigit(c)) {
        any = true;
        if (!overflow) {
            magnitude = magnitude * 10 + static_cast<uint64_t>(traits::to_char_type(c) - '0');
            if (magnitude > (negative ? limitNegative : limitPositive))
                overflow = true;
        }
        c = buffer->snextc();
    }
    std::ios::iostate state = std::ios::goodbit;
    if (traits::eq_int_type(c, traits::eof()))
        state |= std::ios::eofbit;
    if (!any || overflow)
        state |= std::ios::failbit;
    in.setstate(state);
    return any && !overflow;
}

} // namespace

std::istream& ReadNumber(std::istream& in, int32_t& value) {
    bool negative;
    uint64_t magnitude;
    if (ReadDecimal(in, true, 2147483647u, 2147483648u, negative, magnitude))
        value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                         : static_cast<int32_t>(magnitude);
    return in;
}

std::istream& ReadNumber(std::istream& in, uint32_t& value) {
    bool negative;
    uint64_t magnitude;
    if (ReadDecimal(in, false, 4294967295u, 0, negative, magnitude))
        value = static_cast<uint32_t>(magnitude);
    return in;
}

std::istream& ReadSeparator(std::istream& in) {
    char separator;
    return in >> separator; // skips white space; fails at the end of the text
}

std::istream& operator>>(std::istream& in, TPoint& value) {
    ReadSeparator(in);
    if (in)
        ReadNumber(in, value.x);
    if (in)
        ReadSeparator(in);
    if (in)
        ReadNumber(in, value.y);
    if (in)
        ReadSeparator(in);
    return in;
}

std::ostream& operator<<(std::ostream& out, const TPoint& value) {
    return out << '(' << value.x << ',' << value.y << ')';
}

std::istream& ReadValue(std::istream& in, int& value) {
    return ReadNumber(in, value);
}
std::istream& ReadValue(std::istream& in, unsigned int& value) {
    return ReadNumber(in, value);
}
std::istream& ReadValue(std::istream& in, TPoint& value) {
    return in >> value;
}
std::istream& ReadValue(std::istream& in, character& value) {
    return in >> value;
}
std::istream& ReadValue(std::istream& in, TAge& value) {
    return in >> value;
}
std::istream& ReadValue(std::istream& in, TKeys& value) {
    return in >> value;
}

std::ostream& WriteValue(std::ostream& out, int value) {
    return out << value;
}
std::ostream& WriteValue(std::ostream& out, unsigned int value) {
    return out << value;
}
std::ostream& WriteValue(std::ostream& out, const TPoint& value) {
    return out << value;
}
std::ostream& WriteValue(std::ostream& out, const character& value) {
    return out << value;
}
std::ostream& WriteValue(std::ostream& out, const TAge& value) {
    return out << value;
}
std::ostream& WriteValue(std::ostream& out, const TKeys& value) {
    return out << value;
}
