#include "answer/hint_search.h"

#include "answer/match.h"

namespace {

int32_t ArgumentFor(THintMode mode, std::string_view typed) {
    const THintKey& key = HintKeyOf(mode);
    return key.typedLength ? static_cast<int32_t>(typed.size()) : key.argument;
}

} // namespace

THintSearch::THintSearch(THintMode mode, std::string_view typed)
    : mode(mode), typed(typed), argument(ArgumentFor(mode, typed)) {
    if (mode == THintMode::InterlacingChars || mode == THintMode::InterlacingPhrases)
        interlaced.emplace(typed, argument, false);
}

bool THintSearch::Accepts(std::string_view word) {
    switch (mode) {
    case THintMode::StartingWord:
        return MatchStartingWord(word, typed, argument);
    case THintMode::ContiguousWord:
        return MatchContiguousWord(word, typed, argument);
    case THintMode::StartingChars:
        return MatchStartingChars(word, typed, argument);
    case THintMode::ContiguousChars:
        return MatchContiguousChars(word, typed, argument);
    case THintMode::WildcardMatches:
        return MatchWildcard(word, typed, argument);
    case THintMode::InterlacingChars:
    case THintMode::InterlacingPhrases:
        return interlaced->Match(word);
    }
    return false;
}
