#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory_resource>
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

// How often each phrase separator stands outside parentheses in a text, by its index in
// PhraseSeparators; bit i of `present` is set when separator i occurs.
struct TPhraseSeparatorCounts {
    std::array<uint32_t, std::size(PhraseSeparators)> counts{};
    uint32_t present = 0;
};
TPhraseSeparatorCounts CountPhraseSeparators(std::string_view text);

uint32_t CountOutsideParentheses(std::string_view text, unsigned char sep);

// The index of the strongest separator of a `present` set, or NoPhraseSeparator for none.
inline constexpr int NoPhraseSeparator = -1;
int StrongestPhraseSeparator(uint32_t present);

// The pieces between the separators outside parentheses, in text order, untrimmed: one more
// piece than there are separators. The pieces point into `text`.
std::pmr::vector<std::string_view>
SplitOutsideParentheses(std::string_view text, unsigned char sep,
                        std::pmr::memory_resource* memory = std::pmr::get_default_resource());
