#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "answer/interlaced.h"
#include "settings/keys.h"

// The hint keys of the answer box, each with its matcher, in the order of their commands.
enum class THintMode {
    StartingWord,       // F2
    ContiguousWord,     // F3
    StartingChars,      // F5
    ContiguousChars,    // F6
    InterlacingChars,   // F7
    InterlacingPhrases, // F8
    WildcardMatches,    // F9
};

constexpr uint32_t HintModeCount = 7;

// The switch of TKeys that grants each hint key, by THintMode.
constexpr int32_t TKeys::*HintSwitches[HintModeCount] = {
    &TKeys::StartingWord,    &TKeys::ContiguousWord,   &TKeys::StartingChars,
    &TKeys::ContiguousChars, &TKeys::InterlacingChars, &TKeys::InterlacingPhrases,
    &TKeys::WildcardMatches};

inline bool IsGranted(const TKeys& keys, THintMode mode) {
    return keys.*HintSwitches[static_cast<uint32_t>(mode)] != 0;
}

// One key press's search over the word list: made once from the typed text, then asked once
// per word. Each verdict is the matcher's for (word, typed text, argument), with the argument
// the answer box passes for that key: the typed length for F2, F3, F5 and F9, 0 for F6, the
// mode for F7 (1) and F8 (0). Whatever depends only on the typed text is prepared here once.
// Each interlaced comparison keeps its own time limit, measured from its first clock reading
// (see TDeadline), so time the caller spends between words does not count.
class THintSearch {
public:
    THintSearch(THintMode mode, std::string_view typed);
    // Its matcher points into its own copy of the typed text.
    THintSearch(const THintSearch&) = delete;
    THintSearch& operator=(const THintSearch&) = delete;

    bool Accepts(std::string_view word);

private:
    THintMode mode;
    std::string typed;
    int32_t argument;
    std::optional<TInterlacedMatcher> interlaced;
};
