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

// What the program knows of a hint key besides its key and command, which the keyboard table
// and the ids header give in THintMode order.
struct THintKey {
    int32_t TKeys::*grant; // the switch that allows the key for a COUNT level
    bool typedLength;      // the matcher's argument is the typed length ...
    int32_t argument;      // ... or this
};

constexpr THintKey HintKeys[HintModeCount] = {
    {&TKeys::StartingWord, true, 0},      {&TKeys::ContiguousWord, true, 0},
    {&TKeys::StartingChars, true, 0},     {&TKeys::ContiguousChars, false, 0},
    {&TKeys::InterlacingChars, false, 1}, {&TKeys::InterlacingPhrases, false, 0},
    {&TKeys::WildcardMatches, true, 0}};

constexpr const THintKey& HintKeyOf(THintMode mode) {
    return HintKeys[static_cast<uint32_t>(mode)];
}

inline bool IsGranted(const TKeys& keys, THintMode mode) {
    return keys.*HintKeyOf(mode).grant != 0;
}

// One key press's search over the word list: made once from the typed text, then asked once
// per word. Each verdict is the matcher's for (word, typed text, the key's argument). Whatever
// depends only on the typed text is prepared here once. Each interlaced comparison keeps its own
// time limit, measured from its first clock reading (see TDeadline), so time the caller spends
// between words does not count.
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
