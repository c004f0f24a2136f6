#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory_resource>
#include <span>
#include <string_view>
#include <vector>

class TCodePageText;

// Word separators end a word for the word matchers; the end of a text counts as one as well.
// These are the bytes of code page 1252.
bool IsWordSeparator(unsigned char byte);
// The same characters as Unicode code points, wherever they stand in a text.
bool IsWordSeparatorCharacter(uint32_t codePoint);
// Those of them beyond ASCII.
std::span<const char16_t> WordSeparatorCharactersBeyondAscii();

// The word separators of one code page: the same characters, wherever the page keeps them. So
// "ё" of code page 1251 and "ą" of 1250, whose bytes are "¸" and "¹" in 1252, stay letters, and
// a page's own "«" or "–" still ends a word. A byte the page leaves undefined keeps the verdict
// of the 1252 bytes.
class TWordSeparators {
public:
    TWordSeparators(); // those of code page 1252
    explicit TWordSeparators(const TCodePageText& page);
    // Bytes chosen one by one, for texts recoded to bytes of their own (character_alphabet.h).
    explicit TWordSeparators(const std::array<bool, 256>& separates) : separates_(separates) {}

    bool operator()(unsigned char byte) const { return separates_[byte]; }

private:
    std::array<bool, 256> separates_{};
};

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
