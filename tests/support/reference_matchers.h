#pragma once

#include <cstdint>
#include <string>

#include "answer/hint_search.h"

// The hint matchers written as their rules read, recursion and all: slow (the interlaced
// comparison and the wildcard match are exponential in the worst case), but plainly right. The
// differential tests, the fuzz target and the benchmark compare the fast matchers with them.
// Texts must not hold a zero byte; lengths must not exceed the length of P.
namespace reference {

bool MatchStartingWord(const std::string& W, const std::string& P, int32_t length);
bool MatchContiguousWord(const std::string& W, const std::string& P, int32_t length);
bool MatchStartingChars(const std::string& W, const std::string& P, int32_t length);
bool MatchContiguousChars(const std::string& W, const std::string& P, int32_t ignored);
bool MatchWildcard(const std::string& W, const std::string& P, int32_t ignored);
// Gives up with false when the millisecond clock passes 5000 ms from the call's start, checked
// at every step of the recursion.
bool MatchInterlaced(const std::string& W, const std::string& P, int32_t mode);

// The rule behind one hint key, with the arguments that key passes for the typed text P.
bool MatchForKey(THintMode mode, const std::string& W, const std::string& P);

// The same rule on the characters of two UTF-8 texts, as a table in UTF-8 holds them: each
// character of either text is given a byte of its own, ASCII its own, a separator its byte in
// code page 1252 and any other character, or a byte that starts none (shown as U+FFFD), a letter
// byte of 1252's upper half. For texts of at most 97 different such letters.
bool MatchForKeyOnCharacters(THintMode mode, const std::string& W, const std::string& P);

// The search for a separator outside parentheses, from `from`: the position found, or -1.
int32_t FindSeparator(const std::string& text, char sep, int32_t from);

} // namespace reference
