#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "answer/deadline.h"

// The common-subsequence test of the interlaced comparison, bit-parallel (Allison-Dix, Hyyrö):
// one pass over the other text with a bit vector as long as this one, so the cost is
// |other| x ceil(|text| / 64) word operations, however the texts look. The match masks (bit q of
// the mask of byte c is set when the text holds c at position q) are built once, so a hint
// search builds them for the typed text once per key press.
class TSubsequenceMasks {
public:
    explicit TSubsequenceMasks(std::string_view text);

    std::size_t Size() const { return text.size(); }

    // Whether `other` and the piece [offset, offset + length) of the text have a common
    // subsequence of at least `needed` bytes. False once the deadline has passed.
    bool HaveCommon(std::string_view other, std::size_t offset, std::size_t length,
                    std::size_t needed, TDeadline& limit);

    // The same test against the whole text when it fits in one word, reading every byte of
    // `other` (no early exit) and OR-ing kindOf[byte] into `kinds` on the way: one pass for a
    // caller that needs to classify `other` too. False when the text does not fit.
    bool HaveCommonClassifying(std::string_view other, std::size_t needed, TDeadline& limit,
                               const uint8_t* kindOf, uint8_t& kinds) const;
    bool FitsOneWord() const { return words == 1; }

private:
    bool HaveCommonShort(std::string_view other, std::size_t offset, std::size_t length,
                         std::size_t needed, TDeadline& limit) const;
    bool HaveCommonLong(std::string_view other, const uint64_t* masksOfPiece, std::size_t words,
                        std::size_t length, std::size_t needed, TDeadline& limit);

    std::string text;
    std::size_t words;
    std::vector<uint64_t> masks;      // 256 x words
    std::vector<uint64_t> pieceMasks; // for pieces longer than one word
    std::vector<uint64_t> row;
};
