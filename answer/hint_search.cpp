#include "answer/hint_search.h"

THintSearch::THintSearch(THintMode mode, std::string_view typed)
    : key(HintKeyOf(mode)), typed(typed),
      argument(key.argument == TypedLength ? static_cast<int32_t>(typed.size()) : key.argument) {
    // The interlaced comparison prepares the typed text once for all the words.
    if (key.match == MatchInterlaced)
        interlaced.emplace(typed, argument, false);
}

bool THintSearch::Accepts(std::string_view word) {
    return interlaced ? interlaced->Match(word) : key.match(word, typed, argument);
}
