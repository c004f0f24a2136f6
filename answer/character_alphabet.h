#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "answer/separators.h"
#include "platform/utf8.h"

// The characters of a UTF-8 text, given a byte each, so that the byte matchers count and compare
// characters. A hint search on a UTF-8 table recodes the typed text once and then each word, one
// byte per character; a byte is equal to a typed one exactly where the characters are equal.
//
// The bytes keep what the matchers see in them: ASCII punctuation and the blank stay themselves
// (the phrase separators, "(", "[", "*", "?"), "‡" is the phrase separator 0x87, and a
// character that ends words (IsWordSeparatorCharacter) gets a byte that does. A character of a
// word that the typed text lacks can equal nothing typed, so such letters share one byte and such
// separators another. A byte that is no part of a valid UTF-8 character counts as a character of
// its own, distinct from every valid one.
class TCharacterAlphabet {
public:
    explicit TCharacterAlphabet(std::string_view typed);

    // Whether every character of the typed text has a byte of its own. There are 221 bytes for
    // the typed text's different characters beyond ASCII punctuation, more than a table's field
    // can hold (254 bytes hold at most 175), so only an overlong typed text misses them.
    bool Fits() const { return fits_; }

    // The typed text recoded.
    const std::string& Typed() const { return typed_; }
    // The word separators among the bytes.
    const TWordSeparators& Separators() const { return separators_; }

    // A text recoded, its first `characters` characters at most; kept until the next call.
    std::string_view Recode(std::string_view utf8, std::size_t characters = std::string_view::npos);

    // The byte of a character.
    uint8_t ByteOf(uint32_t character) const;
    // The two bytes shared by the characters the typed text lacks.
    uint8_t OtherLetter() const { return otherLetter_; }
    uint8_t OtherSeparator() const { return otherSeparator_; }

private:
    bool HasFree();
    uint8_t TakeFree();
    bool Assigned(uint32_t character) const;

    std::vector<uint8_t> firstPlane_;                  // the byte of each character up to U+FFFF
    std::vector<std::pair<uint32_t, uint8_t>> beyond_; // the typed ones beyond, by character
    std::array<bool, 256> taken_{};
    std::size_t nextFree_ = 0;
    uint8_t otherLetter_ = 0;
    uint8_t otherSeparator_ = 0;
    bool fits_ = true;
    std::array<bool, 256> separates_{};
    TWordSeparators separators_;
    std::string typed_;
    std::string recoded_;
};

// The character at the start of a non-empty text and its length in bytes, as the matchers take
// it: a byte that starts no valid character is one character, the replacement character, as
// the screen shows it.
TUtf8Char NextCharacter(std::string_view text);

// The tolerant comparison (interlaced.h) on the characters of two UTF-8 texts.
bool MatchInterlacedUtf8(std::string_view W, std::string_view P, int32_t mode);
