#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

// The function-key settings of one COUNT level: nine switches, 0 off, else on.
struct TKeys {
    int32_t TestInterlace = 1;
    int32_t TestAnswersOrder = 0;
    // The switches of the hint keys; which key each one allows, answer/hint_keys.h says.
    int32_t StartingWord = 1;
    int32_t ContiguousWord = 1;
    int32_t StartingChars = 1;
    int32_t ContiguousChars = 1;
    int32_t InterlacingChars = 1;
    int32_t InterlacingPhrases = 1;
    int32_t WildcardMatches = 1;

    friend bool operator==(const TKeys&, const TKeys&) = default;
};

// Text form: written as the nine fields in order, signed decimals separated by single commas
// (the default is 1,0,1,1,1,1,1,1,1). Read as eight times a signed number followed by one
// character whatever it is, then a ninth number; white space skipped before each number and
// separator. Reading stops at the first text that does not fit; the other fields keep their
// values.
std::istream& operator>>(std::istream& in, TKeys& value);
std::ostream& operator<<(std::ostream& out, const TKeys& value);

// The settings for a word whose COUNT is `count`: element `count` of the keys list, or the
// default value when the list is shorter.
TKeys KeysFor(const std::vector<TKeys>& list, uint32_t count);
