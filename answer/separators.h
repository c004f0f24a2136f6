#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Word separators end a word for the word matchers; the end of a text counts as one as well.
bool IsWordSeparator(unsigned char byte);

// The phrase separators, strongest first: a phrase is split at the first of them that occurs
// outside parentheses.
inline constexpr unsigned char PhraseSeparators[] = {'|', ';', ',', ' ', 0x87};

// The first `sep` at or after `from` that stands outside parentheses, or npos. Groups do not
// nest: a "(" hides everything up to the first ")" after it, and everything to the end when no
// ")" follows.
std::size_t FindOutsideParentheses(std::string_view text, unsigned char sep, std::size_t from = 0);

// The strongest phrase separator that stands outside parentheses in `first` or in `second`, or
// NoPhraseSeparator.
inline constexpr int NoPhraseSeparator = -1;
int FirstPhraseSeparator(std::string_view first, std::string_view second);

uint32_t CountOutsideParentheses(std::string_view text, unsigned char sep);

// The pieces between the separators outside parentheses, in text order, untrimmed: one more
// piece than there are separators. The pieces point into `text`.
std::vector<std::string_view> SplitOutsideParentheses(std::string_view text, unsigned char sep);
