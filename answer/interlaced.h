#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
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
    // mode 0 compares phrases; any other value characters. `readAtStart` false lets each
    // comparison take its first clock reading within as its start (TDeadline), for a search
    // that asks many words in a row.
    TInterlacedMatcher(std::string_view P, int32_t mode, bool readAtStart = true);
    // Its pieces point into its own copy of P.
    TInterlacedMatcher(const TInterlacedMatcher&) = delete;
    TInterlacedMatcher& operator=(const TInterlacedMatcher&) = delete;

    bool Match(std::string_view W);

    // Whether every word meets the typed text whole: it holds no separator outside parentheses
    // and no trailing group, so no rule splits it.
    bool ComparesWhole() const { return typedIsPlain; }

private:
    // A piece of P with what the comparison learns about it, kept for the following words: a
    // hint search meets the same pieces of P with every word. Pieces are made when first
    // needed and live as long as the matcher.
    struct TPiece {
        std::string_view text;
        TPhraseSeparatorCounts separators;
        bool endsWithGroup = false;
        TPiece* contents = nullptr; // of the trailing group
        TPiece* head = nullptr;     // before the trailing group
        std::array<std::vector<TPiece*>, std::size(PhraseSeparators)> parts;
    };

    bool WholeMatch(std::string_view w);
    bool Phrase(std::string_view w, TPiece& p);
    bool Parts(std::string_view w, TPiece& p, int sep, bool sameCount);
    bool Subsequence(std::string_view w, std::string_view p);
    std::size_t Needed(std::size_t wSize, std::size_t pSize) const;

    TPiece& NewPiece(std::string_view text);
    TPiece& ContentsOf(TPiece& p);
    TPiece& HeadOf(TPiece& p);
    const std::vector<TPiece*>& PartsOf(TPiece& p, int sep);

    bool charactersMode;
    bool readAtStart;
    std::string typed; // P without comments; every piece is a piece of it
    TSubsequenceMasks typedMasks;
    std::vector<std::unique_ptr<TPiece>> pieces;
    TPiece& whole;
    bool typedIsPlain; // no separator outside parentheses, no trailing group
    std::string word;  // W without comments, when it has any
    TDeadline limit;
};
