#include "answer/hint_search.h"

THintSearch::THintSearch(THintMode mode, std::string_view typed, const TWordSeparators& separators)
    : key(HintKeyOf(mode)), typed(typed),
      argument(key.argument == TypedLength ? static_cast<int32_t>(typed.size()) : key.argument),
      separators(separators) {
    // The interlaced comparison prepares the typed text once for all the words.
    if (key.match == MatchInterlaced)
        interlaced.emplace(typed, argument, false);
}

bool THintSearch::Accepts(std::string_view word) {
    if (interlaced)
        return interlaced->Match(word);
    switch (key.mode) {
    case THintMode::StartingWord:
        return MatchStartingWord(word, typed, argument, separators);
    case THintMode::ContiguousWord:
        return MatchContiguousWord(word, typed, argument, separators);
    default:
        return key.match(word, typed, argument);
    }
}
