#include "answer/utf8_word_filter.h"

#include <algorithm>
#include <cstring>

#include "answer/character_alphabet.h"
#include "answer/character_words.h"
#include "answer/comments.h"
#include "platform/utf8.h"

namespace {

constexpr uint32_t DoubleDagger = 0x2021;

bool HoldsOnlyValidCharacters(std::string_view utf8) {
    return FirstInvalidUtf8(utf8) == utf8.size() &&
           utf8.find("\xEF\xBF\xBD") == std::string_view::npos; // U+FFFD
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

TUtf8WordFilter::TUtf8WordFilter(THintMode mode, std::string_view typedUtf8,
                                 const TCharacterAlphabet& characters, bool comparedWhole)
    : mode_(mode), characters_(characters), typed_(typedUtf8),
      bytesDecide_(HoldsOnlyValidCharacters(typed_)) {
    const std::size_t first = typed_.find_first_of("*?");
    head_ = std::string_view(typed_).substr(0, first);
    if (first != std::string::npos)
        tail_ = std::string_view(typed_).substr(typed_.find_last_of("*?") + 1);
    oneStar_ =
        typed_.find('?') == std::string::npos && std::count(typed_.begin(), typed_.end(), '*') == 1;
    firstKey_ = typed_.empty() ? 0 : NextCharacter(typed_).length - 1;
    const bool starting = mode_ == THintMode::StartingChars || mode_ == THintMode::StartingWord ||
                          (mode_ == THintMode::WildcardMatches && !head_.empty());
    if (bytesDecide_ && starting && !head_.empty()) {
        keyAt_ = firstKey_;
        keyByte_ = typed_[firstKey_];
    }
    if (mode == THintMode::InterlacingChars || mode == THintMode::InterlacingPhrases)
        PrepareInterlaced(comparedWhole);
}

// Every rule of the interlaced comparison ends in common subsequences of pieces of the typed text
// (without comments) with pieces of the word, apart from one another, each of three quarters of
// its piece at least; the pieces hold all characters but the separators and parentheses. So a
// word needs at least three quarters of that many characters equal to typed ones, and each of
// them ends with the last byte of a typed character. Compared whole, the rule is the exact one.
void TUtf8WordFilter::PrepareInterlaced(bool comparedWhole) {
    const std::string compared = RemoveComments(typed_);
    std::size_t characters = 0;
    std::size_t splitting = 0;
    for (std::size_t at = 0; at < compared.size(); ++characters) {
        const TUtf8Char next = NextCharacter(std::string_view(compared).substr(at));
        at += next.length;
        typedLastBytes_[static_cast<unsigned char>(compared[at - 1])] = 1;
        ++typedAtBit_[HoldsBitIndex(next.codePoint)];
        const bool splits = next.codePoint == DoubleDagger ||
                            (next.codePoint < 0x80 &&
                             std::string_view("|;, ()").find(static_cast<char>(next.codePoint)) !=
                                 std::string_view::npos);
        splitting += splits;
    }
    if (comparedWhole) {
        leastCommon_ = 3 * (characters + 1) / 4;
        // Compared as phrases, three quarters of the longer text: a longer word cannot have them.
        if (mode_ == THintMode::InterlacingPhrases)
            for (longestWhole_ = characters; 3 * (longestWhole_ + 2) / 4 <= characters;)
                ++longestWhole_;
    } else {
        leastCommon_ = 3 * (characters - splitting) / 4;
    }
}

TByteVerdict TUtf8WordFilter::Verdict(std::string_view word) const {
    if (!bytesDecide_)
        return TByteVerdict::Recode;
    const auto decided = [](bool yes) { return yes ? TByteVerdict::Yes : TByteVerdict::No; };
    switch (mode_) {
    case THintMode::StartingChars:
        return decided(StartsWith(word, typed_, firstKey_));
    case THintMode::StartingWord: {
        if (!StartsWith(word, typed_, firstKey_))
            return TByteVerdict::No;
        const std::string_view rest = word.substr(typed_.size());
        return decided(rest.empty() ||
                       characters_.Separators()(characters_.ByteOf(NextCharacter(rest).codePoint)));
    }
    case THintMode::ContiguousChars:
        return decided(Contains(word, typed_));
    case THintMode::ContiguousWord:
        return Contains(word, typed_) ? TByteVerdict::Recode : TByteVerdict::No;
    case THintMode::WildcardMatches:
        if (head_.size() == typed_.size())
            return decided(word == typed_);
        if (word.size() < head_.size() + tail_.size() || !StartsWith(word, head_, firstKey_) ||
            !word.ends_with(tail_))
            return TByteVerdict::No;
        // One star and no question mark: the two ends are all there is to compare.
        return oneStar_ ? TByteVerdict::Yes : TByteVerdict::Recode;
    default:
        return InterlacedVerdict(word);
    }
}

TByteVerdict TUtf8WordFilter::InterlacedVerdict(std::string_view word) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(word.data());
    const std::size_t size = word.size();
    if (longestWhole_ == std::string_view::npos) {
        // Any length may do: enough characters equal to typed ones are all it takes.
        std::size_t common = 0;
        for (std::size_t i = 0; i < size && common < leastCommon_; ++i)
            common += typedLastBytes_[bytes[i]];
        return common < leastCommon_ ? TByteVerdict::No : TByteVerdict::Recode;
    }
    const bool comment = word.find('[') != std::string_view::npos;
    // A character takes four bytes at most.
    if (!comment && size > 4 * longestWhole_ + 3)
        return TByteVerdict::No;
    std::size_t common = 0;
    std::size_t starts = 0;
    for (std::size_t i = 0; i < size; ++i) {
        common += typedLastBytes_[bytes[i]];
        starts += (bytes[i] & 0xC0) != 0x80;
    }
    // Each character starts with one byte that continues none, a broken one too.
    if (common < leastCommon_ || (!comment && starts > longestWhole_))
        return TByteVerdict::No;
    return TByteVerdict::Recode;
}
