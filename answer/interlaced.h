#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "answer/deadline.h"
#include "answer/separators.h"
#include "answer/subsequence.h"

// The tolerant comparison of a word W with a typed text P. Comments in square brackets are
// dropped; phrases split at their strongest separator outside parentheses ("|", ";", ",",
// blank, 0x87) compare part by part, in any order except for blank-separated parts, which keep
// theirs; trailing parenthesised groups compare on their own; everything else compares by
// common subsequence: three quarters of the longer text (characters mode: of P) must appear in
// both in the same order. Each comparison gives up with false once 5000 ms have passed since
// its start.
//
// Made once for P, so that a hint search prepares P only once per key press; then Match once
// per word. Not for use from several threads at once.
class TInterlacedMatcher {
public:
    // mode 0 compares phrases; any other value characters.
    TInterlacedMatcher(std::string_view P, int32_t mode);

    bool Match(std::string_view W);

private:
    // What the comparison learns about a piece of P, kept for the following words: a hint
    // search meets the same pieces with every word.
    struct TTypedPiece {
        uint32_t separators = 0; // outside parentheses, bit i for PhraseSeparators[i]
        std::array<int32_t, std::size(PhraseSeparators)> counts{-1, -1, -1, -1, -1};
        std::array<std::vector<std::string_view>, std::size(PhraseSeparators)> parts;
    };

    bool WholeMatch(std::string_view w);
    bool Phrase(std::string_view w, std::string_view p);
    bool Parts(std::string_view w, std::string_view p, int sep, bool sameCount);
    bool Subsequence(std::string_view w, std::string_view p);
    std::size_t Needed(std::size_t wSize, std::size_t pSize) const;
    bool SameCount(std::string_view w, std::string_view p, int sep);

    TTypedPiece& PieceOf(std::string_view p);
    uint32_t CountIn(std::string_view p, int sep);
    const std::vector<std::string_view>& PartsOf(std::string_view p, int sep);
    uint32_t Offset(std::string_view p) const;

    bool charactersMode;
    std::string typed; // P without comments; every p above is a piece of it
    bool typedIsPlain; // no separator outside parentheses, no trailing group
    TSubsequenceMasks typedMasks;
    // An open-addressing table from offset and length to the piece in `pieces`.
    std::vector<uint64_t> pieceKeys;
    std::vector<uint32_t> pieceSlots;
    std::deque<TTypedPiece> pieces;
    std::string word; // W without comments, when it has any
    TDeadline limit;
};
