#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "answer/character_alphabet.h"
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
    // The typed text and the words in a table's code page.
    THintSearch(THintMode mode, std::string_view typed, const TCodePageText& page);
    // Its matcher points into its own copy of the typed text.
    THintSearch(const THintSearch&) = delete;
    THintSearch& operator=(const THintSearch&) = delete;

    bool Accepts(std::string_view word);

private:
    // What a word's UTF-8 bytes alone tell, before it is recoded.
    enum class TByteVerdict { No, Yes, Recode };

    void Prepare(std::string_view typedText);
    void PrepareBytes(std::string_view typedUtf8);
    TByteVerdict ByteVerdict(std::string_view word) const;
    void PrepareInterlacedBytes();
    TByteVerdict InterlacedByteVerdict(std::string_view word) const;

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
    // For the interlaced comparison: the last bytes of the typed characters, which each word
    // character equal to a typed one ends with, and how many such characters a word needs.
    std::array<uint8_t, 256> typedLastBytes{};
    std::size_t leastCommon = 0;
    std::size_t longestWhole = std::string_view::npos; // characters, for a word without comments
    std::string typed;
    int32_t argument = 0;
    TWordSeparators separators;
    std::optional<TInterlacedMatcher> interlaced;
};
