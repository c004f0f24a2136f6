#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "answer/character_alphabet.h"
#include "answer/character_words.h"
#include "answer/hint_keys.h"
#include "answer/interlaced.h"
#include "answer/separators.h"

class TCodePageText;

// One key press's search over the word list: made once from the typed text, then asked once
// per word. Each verdict is the key's matcher's for (word, typed text, the key's argument).
// Whatever depends only on the typed text is prepared here once. Each interlaced comparison keeps
// its own time limit, measured from its first clock reading (see TDeadline), so time the caller
// spends between words does not count. The word keys end words at the separators of the
// words' code page. On a UTF-8 table every rule counts and compares characters: the texts go
// through a TCharacterAlphabet to the same matchers.
class THintSearch {
public:
    THintSearch(THintMode mode, std::string_view typed,
                const TWordSeparators& separators = TWordSeparators());
    // The typed text and the words in a table's code page. On a UTF-8 table, `words` may give
    // the characters of the word list, worked out once for it: Accepts with a word's index
    // then reads them instead of decoding the word.
    THintSearch(THintMode mode, std::string_view typed, const TCodePageText& page,
                const TCharacterWords* words = nullptr);
    // Its matcher points into its own copy of the typed text.
    THintSearch(const THintSearch&) = delete;
    THintSearch& operator=(const THintSearch&) = delete;

    bool Accepts(std::string_view word) {
        return characters ? AcceptsCharacters(word, NoIndex) : Matches(word);
    }
    // The word at this index of the word list whose characters the search was given.
    bool Accepts(std::string_view word, uint32_t index) {
        return characters ? AcceptsCharacters(word, index) : Matches(word);
    }

private:
    // What a word's UTF-8 bytes alone tell, before it is recoded.
    enum class TByteVerdict { No, Yes, Recode };

    static constexpr uint32_t NoIndex = 0xFFFFFFFF;
    bool AcceptsCharacters(std::string_view word, uint32_t index);
    // The word at this index recoded from its characters' numbers, its first `most` at most.
    std::string_view FromNumbers(uint32_t index, std::size_t most);
    void Prepare(std::string_view typedText);
    void PrepareBytes(std::string_view typedUtf8);
    TByteVerdict ByteVerdict(std::string_view word) const;
    void PrepareInterlacedBytes();
    TByteVerdict InterlacedByteVerdict(std::string_view word) const;
    bool Matches(std::string_view recoded);

    const THintKey& key;
    std::optional<TCharacterAlphabet> characters;
    // A starting key reads no more of a word than the typed text and one character after it.
    std::size_t wordCharacters = std::string_view::npos;
    // Where the typed text is valid UTF-8 without a replacement character, its bytes stand in a
    // word exactly where its characters do: the raw bytes decide, or rule most words out.
    bool bytesDecide = false;
    std::string typedUtf8;
    std::string_view head; // of a pattern, before its first wildcard
    std::string_view tail; // after its last
    bool oneStar = false;
    std::size_t firstKey = 0; // the last byte of the first typed character
    // A word of a starting key or of a pattern with a head has the typed text's byte at keyAt:
    // the last byte of the first character, which tells the letters of a script apart.
    static constexpr std::size_t NoKeyByte = static_cast<std::size_t>(-1);
    std::size_t keyAt = NoKeyByte;
    char keyByte = 0;
    // For the interlaced comparison: the last bytes of the typed characters, which each word
    // character equal to a typed one ends with, and how many such characters a word needs.
    std::array<uint8_t, 256> typedLastBytes{};
    std::size_t leastCommon = 0;
    std::array<uint32_t, 64> typedAtBit{};             // typed characters by their HoldsBitIndex
    std::size_t longestWhole = std::string_view::npos; // characters, for a word without comments
    // The word list's characters, and the byte each of their numbers stands for.
    const TCharacterWords* listCharacters = nullptr;
    std::vector<uint8_t> byteOfNumber;
    uint64_t typedHolds = 0;   // HoldsBit of each typed character
    uint64_t literalHolds = 0; // of each but a wildcard
    std::string recoded;
    std::string typed;
    int32_t argument = 0;
    TWordSeparators separators;
    std::optional<TInterlacedMatcher> interlaced;
};
