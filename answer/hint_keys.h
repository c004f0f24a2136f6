#pragma once

#include <cstdint>
#include <optional>

#include "answer/match.h"
#include "settings/keys.h"

// The hint keys of the answer box, one row each: its command, the switch that allows it, its
// matcher and the matcher's argument. The hint search, the answer box and the function keys
// dialog read these rows. The command is also the id of the key's check box in the function
// keys dialog; the resource ids header spells the same numbers for the resource compiler, and
// resources/ids_check.cpp holds the two together. The keys themselves stand only in the answer
// box's keyboard table (resources/vocorix.rc).
enum class THintMode {
    StartingWord,
    ContiguousWord,
    StartingChars,
    ContiguousChars,
    InterlacingChars,
    InterlacingPhrases,
    WildcardMatches,
};

constexpr uint32_t HintModeCount = 7;

// A row's argument that stands for the length of the typed text.
constexpr int32_t TypedLength = -1;

struct THintKey {
    THintMode mode;
    uint32_t command;
    int32_t TKeys::*grant; // the switch that allows the key for a COUNT level
    bool (*match)(std::string_view W, std::string_view P, int32_t argument);
    int32_t argument; // TypedLength, or this number
};

constexpr THintKey HintKeys[HintModeCount] = {
    // F2
    {THintMode::StartingWord, 502, &TKeys::StartingWord, MatchStartingWord, TypedLength},
    // F3
    {THintMode::ContiguousWord, 503, &TKeys::ContiguousWord, MatchContiguousWord, TypedLength},
    // F5
    {THintMode::StartingChars, 504, &TKeys::StartingChars, MatchStartingChars, TypedLength},
    // F6, its matcher ignores the argument
    {THintMode::ContiguousChars, 505, &TKeys::ContiguousChars, MatchContiguousChars, 0},
    // F7, characters mode
    {THintMode::InterlacingChars, 506, &TKeys::InterlacingChars, MatchInterlaced, 1},
    // F8, phrases mode
    {THintMode::InterlacingPhrases, 507, &TKeys::InterlacingPhrases, MatchInterlaced, 0},
    // F9, its matcher ignores the argument
    {THintMode::WildcardMatches, 508, &TKeys::WildcardMatches, MatchWildcard, TypedLength},
};

static_assert(
    [] {
        for (uint32_t i = 0; i < HintModeCount; ++i)
            if (HintKeys[i].mode != static_cast<THintMode>(i))
                return false;
        return true;
    }(),
    "the rows stand in THintMode order");

constexpr const THintKey& HintKeyOf(THintMode mode) {
    return HintKeys[static_cast<uint32_t>(mode)];
}

// The hint key whose command this is, if any.
constexpr std::optional<THintMode> HintModeOfCommand(uint32_t command) {
    for (const THintKey& key : HintKeys)
        if (key.command == command)
            return key.mode;
    return std::nullopt;
}

inline bool IsGranted(const TKeys& keys, THintMode mode) {
    return keys.*HintKeyOf(mode).grant != 0;
}

// What F4 and Down fill the list with when it holds no hints: the first of these whose key the
// settings grant, shown in the opened list or not.
struct TFirstHint {
    THintMode mode;
    bool show;
};

constexpr TFirstHint FirstHints[] = {
    {THintMode::StartingChars, false},
    {THintMode::StartingWord, true},
};

inline std::optional<TFirstHint> FirstHintFor(const TKeys& keys) {
    for (const TFirstHint& first : FirstHints)
        if (IsGranted(keys, first.mode))
            return first;
    return std::nullopt;
}
