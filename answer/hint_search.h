#pragma once

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
#include "answer/utf8_word_filter.h"

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
    static constexpr uint32_t NoIndex = 0xFFFFFFFF;
    bool AcceptsCharacters(std::string_view word, uint32_t index);
    bool AcceptsInterlacedNumbers(std::string_view word, uint32_t index);
    // The word at this index recoded from its characters' numbers, its first `most` at most.
    std::string_view FromNumbers(uint32_t index, std::size_t most);
    void Prepare(std::string_view typedText);
    bool Matches(std::string_view recoded);

    const THintKey& key;
    // On a UTF-8 table: the typed text's characters with their bytes, and what a word's bytes
    // tell before it is recoded.
    std::optional<TCharacterAlphabet> characters;
    std::optional<TUtf8WordFilter> bytes;
    // A starting key reads no more of a word than the typed text and one character after it.
    std::size_t wordCharacters = std::string_view::npos;
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
