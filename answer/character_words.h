#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

// The characters of a UTF-8 word list, worked out once for the list, so that a key press's
// search reads them instead of decoding every word again: each word's characters as numbers of
// the list's own, one per different character (a byte that starts none counts as the
// replacement character, as everywhere), and a set of the characters it holds.
class TCharacterWords {
public:
    TCharacterWords();
    // `wordAt(i)` gives the word at index i, for i below `count`.
    TCharacterWords(uint32_t count, const std::function<std::string_view(uint32_t)>& wordAt);

    // The next word of the list.
    void Add(std::string_view word);

    // Whether the numbers tell every character of the list apart; a list of more than 65,536
    // different characters has none, and Add does nothing more.
    bool Fits() const { return fits_; }
    uint32_t Count() const { return static_cast<uint32_t>(starts_.size() - 1); }

    std::span<const uint16_t> Characters(uint32_t word) const {
        return {numbers_.data() + starts_[word], numbers_.data() + starts_[word + 1]};
    }
    // One bit for each character, shared by others (HoldsBit): the characters of a word that
    // another lacks cannot all be among its own.
    uint64_t Holds(uint32_t word) const { return holds_[word]; }
    uint32_t DifferentCharacters() const { return static_cast<uint32_t>(codePoints_.size()); }
    uint32_t CodePointOf(uint16_t number) const { return codePoints_[number]; }

private:
    bool fits_ = true;
    std::vector<uint32_t> starts_; // of each word's numbers, and the end
    std::vector<uint16_t> numbers_;
    std::vector<uint64_t> holds_;
    std::vector<uint32_t> codePoints_;
    // The number of each character met so far: a table for the first plane, a map beyond.
    std::vector<int32_t> firstPlane_;
    std::unordered_map<uint32_t, uint16_t> beyond_;
};

// The bit of a character in TCharacterWords::Holds, and its place.
inline unsigned HoldsBitIndex(uint32_t codePoint) {
    return (codePoint * 0x9E3779B1u) >> 26;
}
inline uint64_t HoldsBit(uint32_t codePoint) {
    return uint64_t{1} << HoldsBitIndex(codePoint);
}
