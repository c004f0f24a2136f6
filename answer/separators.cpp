#include "answer/separators.h"

#include <array>
#include <bit>

namespace {

constexpr std::array<bool, 256> MakeWordSeparatorTable() {
    std::array<bool, 256> table{};
    for (int c = 0x20; c <= 0x2F; ++c)
        table[c] = true;
    for (int c = 0x3A; c <= 0x40; ++c)
        table[c] = true;
    table[0x5B] = true;
    for (int c = 0x5D; c <= 0x60; ++c)
        table[c] = true;
    for (int c = 0x7B; c <= 0x7E; ++c)
        table[c] = true;
    // Punctuation of the Windows-1252 upper half: quotes, dashes, daggers, guillemets and the like.
    for (int c : {0x81, 0x82, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8B, 0x90, 0x91,
                  0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x99, 0x9B, 0xA1, 0xA6, 0xA7,
                  0xA9, 0xAB, 0xAE, 0xB8, 0xB9, 0xBA, 0xBB, 0xBF, 0xF7})
        table[c] = true;
    return table;
}

constexpr std::array<bool, 256> wordSeparators = MakeWordSeparatorTable();

constexpr std::array<uint8_t, 256> MakePhraseSeparatorBits() {
    std::array<uint8_t, 256> bits{};
    for (std::size_t s = 0; s < std::size(PhraseSeparators); ++s)
        bits[PhraseSeparators[s]] = static_cast<uint8_t>(1u << s);
    return bits;
}

constexpr std::array<uint8_t, 256> phraseSeparatorBit = MakePhraseSeparatorBits();

} // namespace

bool IsWordSeparator(unsigned char byte) {
    return wordSeparators[byte];
}

std::size_t FindOutsideParentheses(std::string_view text, unsigned char sep, std::size_t from) {
    // One forward walk; equivalent to searching the separator and the first "(" separately and
    // skipping past the group whenever the "(" comes first.
    for (std::size_t i = from; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == sep)
            return i;
        if (byte == '(') {
            i = text.find(')', i + 1);
            if (i == std::string_view::npos)
                return std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

uint32_t PhraseSeparatorsOutsideParentheses(std::string_view text) {
    // The walk of FindOutsideParentheses, which skips the same groups whichever separator it
    // seeks: every byte up to each "(", then on after the first ")" that follows it.
    uint32_t present = 0;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t open = text.find('(', from);
        const std::size_t end = open == std::string_view::npos ? text.size() : open;
        uint8_t bits = 0;
        for (std::size_t i = from; i < end; ++i)
            bits |= phraseSeparatorBit[static_cast<unsigned char>(text[i])];
        present |= bits;
        if (open == std::string_view::npos)
            break;
        const std::size_t close = text.find(')', open + 1);
        if (close == std::string_view::npos)
            break;
        from = close + 1;
    }
    return present;
}

uint32_t CountOutsideParentheses(std::string_view text, unsigned char sep) {
    uint32_t count = 0;
    for (std::size_t at = FindOutsideParentheses(text, sep); at != std::string_view::npos;
         at = FindOutsideParentheses(text, sep, at + 1))
        ++count;
    return count;
}

int StrongestPhraseSeparator(uint32_t present) {
    return present == 0 ? NoPhraseSeparator : std::countr_zero(present);
}

std::pmr::vector<std::string_view> SplitOutsideParentheses(std::string_view text, unsigned char sep,
                                                           std::pmr::memory_resource* memory) {
    std::pmr::vector<std::string_view> parts(memory);
    std::size_t begin = 0;
    for (std::size_t at = FindOutsideParentheses(text, sep); at != std::string_view::npos;
         at = FindOutsideParentheses(text, sep, at + 1)) {
        parts.push_back(text.substr(begin, at - begin));
        begin = at + 1;
    }
    parts.push_back(text.substr(begin));
    return parts;
}
