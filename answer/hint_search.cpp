#include "answer/hint_search.h"

#include <algorithm>
#include <bit>

#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"

THintSearch::THintSearch(THintMode mode, std::string_view typed, const TWordSeparators& separators)
    : key(HintKeyOf(mode)), separators(separators) {
    Prepare(typed);
}

THintSearch::THintSearch(THintMode mode, std::string_view typed, const TCodePageText& page,
                         const TCharacterWords* words)
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
    bytes.emplace(mode, typed, *characters, interlaced && interlaced->ComparesWhole());
    if (words == nullptr || !words->Fits() || !characters->Fits())
        return;
    listCharacters = words;
    byteOfNumber.resize(words->DifferentCharacters());
    for (uint32_t number = 0; number < byteOfNumber.size(); ++number)
        byteOfNumber[number] =
            characters->ByteOf(words->CodePointOf(static_cast<uint16_t>(number)));
    for (std::size_t at = 0; at < typed.size();) {
        const TUtf8Char next = NextCharacter(typed.substr(at));
        at += next.length;
        typedHolds |= HoldsBit(next.codePoint);
        if (mode != THintMode::WildcardMatches || (next.codePoint != '*' && next.codePoint != '?'))
            literalHolds |= HoldsBit(next.codePoint);
    }
}

void THintSearch::Prepare(std::string_view typedText) {
    typed = typedText;
    argument = key.argument == TypedLength ? static_cast<int32_t>(typed.size()) : key.argument;
    // The interlaced comparison prepares the typed text once for all the words.
    if (key.match == MatchInterlaced)
        interlaced.emplace(typed, argument, false);
}

bool THintSearch::AcceptsCharacters(std::string_view word, uint32_t index) {
    if (!characters->Fits() || bytes->RulesOutByKeyByte(word))
        return false;
    const bool listed = listCharacters != nullptr && index != NoIndex;
    if (interlaced && listed)
        return AcceptsInterlacedNumbers(word, index);
    // Every typed character but a wildcard stands in the word.
    if (!interlaced && listed && (literalHolds & ~listCharacters->Holds(index)) != 0)
        return false;
    switch (bytes->Verdict(word)) {
    case TByteVerdict::No:
        return false;
    case TByteVerdict::Yes:
        return true;
    case TByteVerdict::Recode:
        break;
    }
    return Matches(listed ? FromNumbers(index, wordCharacters)
                          : characters->Recode(word, wordCharacters));
}

bool THintSearch::AcceptsInterlacedNumbers(std::string_view word, uint32_t index) {
    const std::span<const uint16_t> numbers = listCharacters->Characters(index);
    const uint64_t holds = listCharacters->Holds(index);
    // Too long to be compared whole, unless a comment makes it shorter.
    if (numbers.size() > bytes->LongestWhole() &&
        ((holds & HoldsBit('[')) == 0 || word.find('[') == std::string_view::npos))
        return false;
    // The typed characters a word may hold, by the bits of those it holds, as many times as
    // they are typed: no more of them can be common to both.
    std::size_t typedHeld = 0;
    for (uint64_t bits = typedHolds & holds; bits != 0; bits &= bits - 1)
        typedHeld += bytes->TypedAtBit(static_cast<unsigned>(std::countr_zero(bits)));
    if (typedHeld < bytes->LeastCommon())
        return false;
    recoded.resize(numbers.size());
    // Locals, which stores through a char pointer cannot change.
    char* const out = recoded.data();
    const uint8_t* const byteOf = byteOfNumber.data();
    const uint8_t otherLetter = characters->OtherLetter();
    const uint8_t otherSeparator = characters->OtherSeparator();
    // Characters the typed text lacks are not counted; bytes that stand for themselves (blanks,
    // punctuation) are, whether typed or not: a count of those that may be typed ones.
    std::size_t common = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const uint8_t byte = byteOf[numbers[i]];
        out[i] = static_cast<char>(byte);
        common += (byte != otherLetter) & (byte != otherSeparator);
    }
    return common >= bytes->LeastCommon() && Matches(recoded);
}

std::string_view THintSearch::FromNumbers(uint32_t index, std::size_t most) {
    const std::span<const uint16_t> numbers = listCharacters->Characters(index);
    const std::size_t size = std::min(numbers.size(), most);
    recoded.resize(size);
    // Locals, which stores through a char pointer cannot change.
    char* const out = recoded.data();
    const uint8_t* const byteOf = byteOfNumber.data();
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>(byteOf[numbers[i]]);
    return recoded;
}

bool THintSearch::Matches(std::string_view word) {
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
