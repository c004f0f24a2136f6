#include "answer/separators.h"

#include <algorithm>
#include <array>
#include <bit>

#include "platform/text_codec.h"

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

// The characters of the separating bytes of 1252's upper half that the page defines.
constexpr char16_t UpperHalfSeparators[] = {
    u'\u201A', u'\u201E', u'\u2026', u'\u2020', u'\u2021', u'\u02C6', u'\u2030', u'\u2039',
    u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014', u'\u2122',
    u'\u203A', u'\u00A1', u'\u00A6', u'\u00A7', u'\u00A9', u'\u00AB', u'\u00AE', u'\u00B8',
    u'\u00B9', u'\u00BA', u'\u00BB', u'\u00BF', u'\u00F7'};

bool IsUpperHalfSeparator(char16_t character) {
    return std::find(std::begin(UpperHalfSeparators), std::end(UpperHalfSeparators), character) !=
           std::end(UpperHalfSeparators);
}

// What a page gives for a byte it has no character for: the replacement character, or (as
// Windows does for 1252's gaps) the C1 control of the byte's own number.
bool IsUndefined(char16_t character) {
    return character == u'\uFFFD' || (character >= 0x80 && character <= 0x9F);
}

constexpr unsigned PackedBits = 12;
constexpr uint64_t PackedMax = (uint64_t{1} << PackedBits) - 1;

constexpr std::array<uint64_t, 256> MakePackedIncrements() {
    std::array<uint64_t, 256> increments{};
    for (std::size_t s = 0; s < std::size(PhraseSeparators); ++s)
        increments[PhraseSeparators[s]] = uint64_t{1} << (PackedBits * s);
    return increments;
}

constexpr std::array<uint64_t, 256> packedIncrement = MakePackedIncrements();

} // namespace

bool IsWordSeparator(unsigned char byte) {
    return wordSeparators[byte];
}

std::span<const char16_t> WordSeparatorCharactersBeyondAscii() {
    return UpperHalfSeparators;
}

bool IsWordSeparatorCharacter(uint32_t codePoint) {
    if (codePoint < 0x80)
        return wordSeparators[codePoint];
    return codePoint <= 0xFFFF && IsUpperHalfSeparator(static_cast<char16_t>(codePoint));
}

TWordSeparators::TWordSeparators() : separates_(wordSeparators) {}

TWordSeparators::TWordSeparators(const TCodePageText& page) : separates_(wordSeparators) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const char bytes[] = {static_cast<char>(byte)};
        const TUtf16 character = page.ToUtf16(std::string_view(bytes, 1));
        if (character.size() != 1 || IsUndefined(static_cast<char16_t>(character[0])))
            continue;
        separates_[byte] = IsUpperHalfSeparator(static_cast<char16_t>(character[0]));
    }
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

TPhraseSeparatorCounts CountPhraseSeparators(std::string_view text) {
    // The walk of FindOutsideParentheses, which skips the same groups whichever separator it
    // seeks. Counting adds one table entry per byte: the five counters sit side by side in one
    // 64-bit number, 12 bits each, taken out after every stretch of at most PackedMax bytes.
    TPhraseSeparatorCounts result;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min<std::size_t>(text.size(), i + std::size_t{PackedMax});
        uint64_t packed = 0;
        for (; i < end; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte == '(')
                break;
            packed += packedIncrement[byte];
        }
        for (std::size_t s = 0; s < result.counts.size(); ++s)
            result.counts[s] += static_cast<uint32_t>((packed >> (PackedBits * s)) & PackedMax);
        if (i < end) {
            i = text.find(')', i + 1);
            if (i == std::string_view::npos)
                break;
            ++i;
        }
    }
    for (std::size_t s = 0; s < result.counts.size(); ++s)
        if (result.counts[s] != 0)
            result.present |= 1u << s;
    return result;
}

uint32_t CountOutsideParentheses(std::string_view text, unsigned char sep) {
    // The walk of FindOutsideParentheses, carried on after each separator.
    uint32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == sep) {
            ++count;
        } else if (byte == '(') {
            i = text.find(')', i + 1);
            if (i == std::string_view::npos)
                break;
        }
    }
    return count;
}

int StrongestPhraseSeparator(uint32_t present) {
    return present == 0 ? NoPhraseSeparator : std::countr_zero(present);
}

std::pmr::vector<std::string_view> SplitOutsideParentheses(std::string_view text, unsigned char sep,
                                                           std::pmr::memory_resource* memory) {
    std::pmr::vector<std::string_view> parts(memory);
    parts.reserve(4);
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == sep) {
            parts.push_back(text.substr(begin, i - begin));
            begin = i + 1;
        } else if (byte == '(') {
            i = text.find(')', i + 1);
            if (i == std::string_view::npos)
                break;
        }
    }
    parts.push_back(text.substr(begin));
    return parts;
}
