#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "answer/hint_keys.h"
#include "answer/interlaced.h"
#include "answer/separators.h"

// One key press's search over the word list: made once from the typed text, then asked once
// per word. Each verdict is the key's matcher's for (word, typed text, the key's argument).
// Whatever depends only on the typed text is prepared here once. Each interlaced comparison keeps
// its own time limit, measured from its first clock reading (see TDeadline), so time the caller
// spends between words does not count. The word keys end words at the separators of the
// words' code page.
class THintSearch {
public:
    THintSearch(THintMode mode, std::string_view typed,
                const TWordSeparators& separators = TWordSeparators());
    // Its matcher points into its own copy of the typed text.
    THintSearch(const THintSearch&) = delete;
    THintSearch& operator=(const THintSearch&) = delete;

    bool Accepts(std::string_view word);

private:
    const THintKey& key;
    std::string typed;
    int32_t argument;
    TWordSeparators separators;
    std::optional<TInterlacedMatcher> interlaced;
};
