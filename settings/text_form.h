#pragma once

#include <cstdint>
#include <iosfwd>

#include "settings/age.h"
#include "settings/character.h"
#include "settings/keys.h"
#include "settings/point.h"

// The text forms of the setting value types, as the entries use them. Every reader
// skips white space before a number and before a single separator character; a value that
// cannot be read is left unchanged (and the stream's failbit is set); trailing text is left in
// the stream. Unlike the standard extractors, a failed number never stores 0 or a limit.

// Signed decimal: an optional "+" or "-", then digits; stops at the first non-digit. A number
// outside the 32-bit range is unreadable.
std::istream& ReadNumber(std::istream& in, int32_t& value);
// Unsigned decimal: an optional "+", then digits; stops at the first non-digit. A "-" makes
// the text unreadable (no wrap-around), and so does a number beyond 32 bits.
std::istream& ReadNumber(std::istream& in, uint32_t& value);
// One character after white space, whatever it is.
std::istream& ReadSeparator(std::istream& in);

// The overloads the entries call, one per value type.
std::istream& ReadValue(std::istream& in, int& value);
std::istream& ReadValue(std::istream& in, unsigned int& value);
std::istream& ReadValue(std::istream& in, TPoint& value);
std::istream& ReadValue(std::istream& in, character& value);
std::istream& ReadValue(std::istream& in, TAge& value);
std::istream& ReadValue(std::istream& in, TKeys& value);

std::ostream& WriteValue(std::ostream& out, int value);
std::ostream& WriteValue(std::ostream& out, unsigned int value);
std::ostream& WriteValue(std::ostream& out, const TPoint& value);
std::ostream& WriteValue(std::ostream& out, const character& value);
std::ostream& WriteValue(std::ostream& out, const TAge& value);
std::ostream& WriteValue(std::ostream& out, const TKeys& value);
