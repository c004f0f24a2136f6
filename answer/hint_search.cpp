#include "answer/hint_search.h"

#include "platform/code_page.h"
#include "platform/text_codec.h"

THintSearch::THintSearch(THintMode mode, std::string_view typed, const TWordSeparators& separators)
    : key(HintKeyOf(mode)), separators(separators) {
    Prepare(typed);
}

THintSearch::THintSearch(THintMode mode, std::string_view typed, const TCodePageText& page)
    : key(HintKeyOf(mode)) {
    if (page.CodePage() != Utf8CodePage) {
        separators = TWordSeparators(page);
        Prepare(typed);
        return;
    }
    characters.emplace(typed);
    separators = characters->Separators();
    Prepare(characters->Typed());
    if (mode == THintMode::StartingChars || mode == THintMode::StartingWord)
        wordCharacters = static_cast<std::size_t>(argument) + 1;
}

void THintSearch::Prepare(std::string_view typedText) {
    typed = typedText;
    argument = key.argument == TypedLength ? static_cast<int32_t>(typed.size()) : key.argument;
    // The interlaced comparison prepares the typed text once for all the words.
    if (key.match == MatchInterlaced)
        interlaced.emplace(typed, argument, false);
}

bool THintSearch::Accepts(std::string_view word) {
    if (characters) {
        if (!characters->Fits())
            return false;
        word = characters->Recode(word, wordCharacters);
    }
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
