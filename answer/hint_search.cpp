#include "answer/hint_search.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "answer/comments.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"

namespace {

constexpr uint32_t Replacement = 0xFFFD;
constexpr uint32_t DoubleDagger = 0x2021;

bool HoldsOnlyValidCharacters(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const TUtf8Char next = NextUtf8Char(utf8.substr(at));
        if (next.length == 0 || next.codePoint == Replacement)
            return false;
        at += next.length;
    }
    return true;
}

// Whether `text` starts with `part`, valid UTF-8: the last byte of the first character first,
// since the first bytes of the letters of a script are mostly alike.
bool StartsWith(std::string_view text, std::string_view part, std::size_t key) {
    return text.size() >= part.size() && (part.empty() || text[key] == part[key]) &&
           std::memcmp(text.data(), part.data(), part.size()) == 0;
}

// Whether `part`, valid UTF-8, stands in `text`: a search for the last byte of its first
// character, which tells the letters of most scripts apart where their first bytes are alike,
// then a comparison of the whole.
bool Contains(std::string_view text, std::string_view part) {
    if (part.empty())
        return true;
    if (text.size() < part.size())
        return false;
    const std::size_t key = NextCharacter(part).length - 1;
    const char keyByte = part[key];
    const char* from = text.data() + key;
    const char* const last = text.data() + text.size() - (part.size() - key);
    while (from <= last) {
        const auto* found = static_cast<const char*>(std::memchr(from, keyByte, last - from + 1));
        if (found == nullptr)
            return false;
        if (std::memcmp(found - key, part.data(), part.size()) == 0)
            return true;
        from = found + 1;
    }
    return false;
}

} // namespace

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
    PrepareBytes(typed);
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

void THintSearch::PrepareBytes(std::string_view typedText) {
    typedUtf8 = typedText;
    bytesDecide = HoldsOnlyValidCharacters(typedUtf8);
    const std::size_t first = typedUtf8.find_first_of("*?");
    head = std::string_view(typedUtf8).substr(0, first);
    if (first != std::string::npos)
        tail = std::string_view(typedUtf8).substr(typedUtf8.find_last_of("*?") + 1);
    oneStar = typedUtf8.find('?') == std::string::npos &&
              std::count(typedUtf8.begin(), typedUtf8.end(), '*') == 1;
    firstKey = typedUtf8.empty() ? 0 : NextCharacter(typedUtf8).length - 1;
    const bool starting = key.mode == THintMode::StartingChars ||
                          key.mode == THintMode::StartingWord ||
                          (key.mode == THintMode::WildcardMatches && !head.empty());
    if (bytesDecide && starting && !head.empty()) {
        keyAt = firstKey;
        keyByte = typedUtf8[firstKey];
    }
    if (interlaced)
        PrepareInterlacedBytes();
}

// Every rule of the interlaced comparison ends in common subsequences of pieces of the typed text
// (without comments) with pieces of the word, apart from one another, each of three quarters of
// its piece at least; the pieces hold all characters but the separators and parentheses. So a
// word needs at least three quarters of that many characters equal to typed ones, and each of
// them ends with the last byte of a typed character. Compared whole, the rule is the exact one.
void THintSearch::PrepareInterlacedBytes() {
    const std::string compared = RemoveComments(typedUtf8);
    std::size_t characters = 0;
    std::size_t splitting = 0;
    for (std::size_t at = 0; at < compared.size(); ++characters) {
        const TUtf8Char next = NextCharacter(std::string_view(compared).substr(at));
        at += next.length;
        typedLastBytes[static_cast<unsigned char>(compared[at - 1])] = 1;
        ++typedAtBit[HoldsBitIndex(next.codePoint)];
        const bool splits = next.codePoint == DoubleDagger ||
                            (next.codePoint < 0x80 &&
                             std::string_view("|;, ()").find(static_cast<char>(next.codePoint)) !=
                                 std::string_view::npos);
        splitting += splits;
    }
    if (interlaced->ComparesWhole()) {
        leastCommon = 3 * (characters + 1) / 4;
        // Compared as phrases, three quarters of the longer text: a longer word cannot have them.
        if (key.mode == THintMode::InterlacingPhrases)
            for (longestWhole = characters; 3 * (longestWhole + 2) / 4 <= characters;)
                ++longestWhole;
    } else {
        leastCommon = 3 * (characters - splitting) / 4;
    }
}

THintSearch::TByteVerdict THintSearch::ByteVerdict(std::string_view word) const {
    if (!bytesDecide)
        return TByteVerdict::Recode;
    const auto decided = [](bool yes) { return yes ? TByteVerdict::Yes : TByteVerdict::No; };
    switch (key.mode) {
    case THintMode::StartingChars:
        return decided(StartsWith(word, typedUtf8, firstKey));
    case THintMode::StartingWord: {
        if (!StartsWith(word, typedUtf8, firstKey))
            return TByteVerdict::No;
        const std::string_view rest = word.substr(typedUtf8.size());
        return decided(rest.empty() ||
                       separators(characters->ByteOf(NextCharacter(rest).codePoint)));
    }
    case THintMode::ContiguousChars:
        return decided(Contains(word, typedUtf8));
    case THintMode::ContiguousWord:
        return Contains(word, typedUtf8) ? TByteVerdict::Recode : TByteVerdict::No;
    case THintMode::WildcardMatches:
        if (head.size() == typedUtf8.size())
            return decided(word == typedUtf8);
        if (word.size() < head.size() + tail.size() || !StartsWith(word, head, firstKey) ||
            !word.ends_with(tail))
            return TByteVerdict::No;
        // One star and no question mark: the two ends are all there is to compare.
        return oneStar ? TByteVerdict::Yes : TByteVerdict::Recode;
    default:
        return InterlacedByteVerdict(word);
    }
}

THintSearch::TByteVerdict THintSearch::InterlacedByteVerdict(std::string_view word) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(word.data());
    const std::size_t size = word.size();
    if (longestWhole == std::string_view::npos) {
        // Any length may do: enough characters equal to typed ones are all it takes.
        std::size_t common = 0;
        for (std::size_t i = 0; i < size && common < leastCommon; ++i)
            common += typedLastBytes[bytes[i]];
        return common < leastCommon ? TByteVerdict::No : TByteVerdict::Recode;
    }
    const bool comment = word.find('[') != std::string_view::npos;
    // A character takes four bytes at most.
    if (!comment && size > 4 * longestWhole + 3)
        return TByteVerdict::No;
    std::size_t common = 0;
    std::size_t starts = 0;
    for (std::size_t i = 0; i < size; ++i) {
        common += typedLastBytes[bytes[i]];
        starts += (bytes[i] & 0xC0) != 0x80;
    }
    // Each character starts with one byte that continues none, a broken one too.
    if (common < leastCommon || (!comment && starts > longestWhole))
        return TByteVerdict::No;
    return TByteVerdict::Recode;
}

bool THintSearch::AcceptsCharacters(std::string_view word, uint32_t index) {
    if (!characters->Fits())
        return false;
    if (keyAt != NoKeyByte && (word.size() <= keyAt || word[keyAt] != keyByte))
        return false;
    const bool listed = listCharacters != nullptr && index != NoIndex;
    if (!interlaced) {
        // Every typed character but a wildcard stands in the word.
        if (listed && (literalHolds & ~listCharacters->Holds(index)) != 0)
            return false;
        switch (ByteVerdict(word)) {
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
    if (!listed) {
        if (ByteVerdict(word) == TByteVerdict::No)
            return false;
        return Matches(characters->Recode(word));
    }
    const std::span<const uint16_t> numbers = listCharacters->Characters(index);
    const uint64_t holds = listCharacters->Holds(index);
    // Too long to be compared whole, unless a comment makes it shorter.
    if (numbers.size() > longestWhole &&
        ((holds & HoldsBit('[')) == 0 || word.find('[') == std::string_view::npos))
        return false;
    // The typed characters a word may hold, by the bits of those it holds, as many times as
    // they are typed: no more of them can be common to both.
    std::size_t typedHeld = 0;
    for (uint64_t bits = typedHolds & holds; bits != 0; bits &= bits - 1)
        typedHeld += typedAtBit[static_cast<unsigned>(std::countr_zero(bits))];
    if (typedHeld < leastCommon)
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
    return common >= leastCommon && Matches(recoded);
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
