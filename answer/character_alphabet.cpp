#include "answer/character_alphabet.h"

#include <algorithm>

#include "answer/interlaced.h"
#include "platform/utf8.h"

namespace {

constexpr uint32_t DoubleDagger = 0x2021; // "‡", a phrase separator
constexpr unsigned char DoubleDaggerByte = 0x87;
constexpr uint32_t Replacement = 0xFFFD;

// ASCII punctuation and the blank mean something to the matchers and keep their bytes.
bool KeepsItsByte(unsigned char byte) {
    return byte < 0x80 && IsWordSeparator(byte);
}

// The character at the start of a text beyond ASCII, with its length; a byte that starts no valid
// character is one character, the replacement character, as the screen shows it.
TUtf8Char NextCharacter(std::string_view text) {
    const TUtf8Char next = NextUtf8Char(text);
    return next.length == 0 ? TUtf8Char{1, Replacement} : next;
}

} // namespace

TCharacterAlphabet::TCharacterAlphabet(std::string_view typed) {
    for (unsigned byte = 0; byte < 256; ++byte) {
        taken_[byte] = KeepsItsByte(static_cast<unsigned char>(byte));
        separates_[byte] = taken_[byte];
    }
    taken_[DoubleDaggerByte] = true;
    separates_[DoubleDaggerByte] = true;
    // The typed text's ASCII letters keep their bytes too, so that a recoded text reads as itself
    // where it can.
    for (const char c : typed)
        if (static_cast<unsigned char>(c) < 0x80)
            taken_[static_cast<unsigned char>(c)] = true;
    otherLetter_ = TakeFree();
    otherSeparator_ = TakeFree();
    separates_[otherSeparator_] = true;
    for (unsigned byte = 0; byte < 128; ++byte)
        ascii_[byte] = KeepsItsByte(static_cast<unsigned char>(byte)) ? static_cast<uint8_t>(byte)
                                                                      : otherLetter_;
    for (std::size_t at = 0; at < typed.size();) {
        const auto byte = static_cast<unsigned char>(typed[at]);
        if (byte < 0x80) {
            if (!KeepsItsByte(byte))
                ascii_[byte] = byte;
            ++at;
            continue;
        }
        const TUtf8Char next = NextCharacter(typed.substr(at));
        at += next.length;
        if (next.codePoint == DoubleDagger || Assigned(next.codePoint))
            continue;
        if (!HasFree()) {
            fits_ = false;
            return;
        }
        const uint8_t assigned = TakeFree();
        separates_[assigned] = IsWordSeparatorCharacter(next.codePoint);
        others_.insert(std::lower_bound(others_.begin(), others_.end(),
                                        std::pair<uint32_t, uint8_t>{next.codePoint, 0}),
                       {next.codePoint, assigned});
    }
    separators_ = TWordSeparators(separates_);
    typed_ = std::string(Recode(typed));
}

bool TCharacterAlphabet::HasFree() {
    // The upper half first, then the ASCII letters the typed text does not use.
    while (nextFree_ < 256 && taken_[(nextFree_ + 0x80) % 256])
        ++nextFree_;
    return nextFree_ < 256;
}

uint8_t TCharacterAlphabet::TakeFree() {
    HasFree(); // there are always two: 33 of 256 bytes are kept
    const auto byte = static_cast<uint8_t>((nextFree_ + 0x80) % 256);
    taken_[byte] = true;
    return byte;
}

const std::pair<uint32_t, uint8_t>* TCharacterAlphabet::Assigned(uint32_t character) const {
    const auto found = std::lower_bound(others_.begin(), others_.end(),
                                        std::pair<uint32_t, uint8_t>{character, 0});
    return found != others_.end() && found->first == character ? &*found : nullptr;
}

uint8_t TCharacterAlphabet::ByteOf(uint32_t character) const {
    if (character == DoubleDagger)
        return DoubleDaggerByte;
    if (const auto* assigned = Assigned(character))
        return assigned->second;
    return IsWordSeparatorCharacter(character) ? otherSeparator_ : otherLetter_;
}

std::string_view TCharacterAlphabet::Recode(std::string_view utf8, std::size_t characters) {
    recoded_.clear();
    for (std::size_t at = 0; at < utf8.size() && recoded_.size() < characters;) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            recoded_ += static_cast<char>(ascii_[byte]);
            ++at;
            continue;
        }
        const TUtf8Char next = NextCharacter(utf8.substr(at));
        recoded_ += static_cast<char>(ByteOf(next.codePoint));
        at += next.length;
    }
    return recoded_;
}

bool MatchInterlacedUtf8(std::string_view W, std::string_view P, int32_t mode) {
    TCharacterAlphabet alphabet(P);
    if (!alphabet.Fits())
        return false;
    TInterlacedMatcher matcher(alphabet.Typed(), mode);
    return matcher.Match(alphabet.Recode(W));
}
