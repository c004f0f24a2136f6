#include "answer/character_alphabet.h"

#include <algorithm>

#include "answer/interlaced.h"
#include "platform/utf8.h"

namespace {

constexpr uint32_t DoubleDagger = 0x2021; // "‡", a phrase separator
constexpr unsigned char DoubleDaggerByte = 0x87;
constexpr uint32_t Replacement = 0xFFFD;
constexpr uint32_t FirstPlaneSize = 0x10000;

// ASCII punctuation and the blank mean something to the matchers and keep their bytes.
bool KeepsItsByte(uint32_t character) {
    return character < 0x80 && IsWordSeparator(static_cast<unsigned char>(character));
}

bool Continues(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

TUtf8Char NextCharacter(std::string_view text) {
    // The common lengths here, as NextUtf8Char decides them, which takes the rest.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return {1, lead};
    if (lead >= 0xC2 && lead <= 0xDF) {
        if (text.size() >= 2 && Continues(bytes[1]))
            return {2, (lead & 0x1Fu) << 6 | (bytes[1] & 0x3Fu)};
        return {1, Replacement};
    }
    if (lead >= 0xE0 && lead <= 0xEF && text.size() >= 3 && Continues(bytes[1]) &&
        Continues(bytes[2])) {
        const uint32_t character =
            (lead & 0x0Fu) << 12 | (bytes[1] & 0x3Fu) << 6 | (bytes[2] & 0x3Fu);
        if (character >= 0x800 && (character < 0xD800 || character > 0xDFFF))
            return {3, character};
        return {1, Replacement};
    }
    const TUtf8Char next = NextUtf8Char(text);
    return next.length == 0 ? TUtf8Char{1, Replacement} : next;
}

TCharacterAlphabet::TCharacterAlphabet(std::string_view typed) : firstPlane_(FirstPlaneSize) {
    for (unsigned byte = 0; byte < 256; ++byte) {
        taken_[byte] = KeepsItsByte(byte);
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
    std::fill(firstPlane_.begin(), firstPlane_.end(), otherLetter_);
    for (uint32_t character = 0; character < 0x80; ++character)
        if (KeepsItsByte(character))
            firstPlane_[character] = static_cast<uint8_t>(character);
    for (const char16_t separator : WordSeparatorCharactersBeyondAscii())
        firstPlane_[separator] = otherSeparator_;
    firstPlane_[DoubleDagger] = DoubleDaggerByte;

    for (std::size_t at = 0; at < typed.size();) {
        const TUtf8Char next = NextCharacter(typed.substr(at));
        at += next.length;
        const uint32_t character = next.codePoint;
        if (character < 0x80) {
            if (!KeepsItsByte(character))
                firstPlane_[character] = static_cast<uint8_t>(character);
            continue;
        }
        if (character == DoubleDagger || Assigned(character))
            continue;
        if (!HasFree()) {
            fits_ = false;
            return;
        }
        const uint8_t assigned = TakeFree();
        separates_[assigned] = IsWordSeparatorCharacter(character);
        if (character < FirstPlaneSize)
            firstPlane_[character] = assigned;
        else
            beyond_.insert(std::lower_bound(beyond_.begin(), beyond_.end(),
                                            std::pair<uint32_t, uint8_t>{character, 0}),
                           {character, assigned});
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

bool TCharacterAlphabet::Assigned(uint32_t character) const {
    if (character < FirstPlaneSize) {
        const uint8_t byte = firstPlane_[character];
        return byte != otherLetter_ && byte != otherSeparator_;
    }
    return std::binary_search(beyond_.begin(), beyond_.end(),
                              std::pair<uint32_t, uint8_t>{character, 0},
                              [](const auto& a, const auto& b) { return a.first < b.first; });
}

uint8_t TCharacterAlphabet::ByteOf(uint32_t character) const {
    if (character < FirstPlaneSize)
        return firstPlane_[character];
    const auto found = std::lower_bound(beyond_.begin(), beyond_.end(),
                                        std::pair<uint32_t, uint8_t>{character, 0});
    return found != beyond_.end() && found->first == character ? found->second : otherLetter_;
}

std::string_view TCharacterAlphabet::Recode(std::string_view utf8, std::size_t characters) {
    // One byte per character: never longer than the text.
    recoded_.resize(std::min(utf8.size(), characters));
    char* out = recoded_.data();
    char* const end = out + recoded_.size();
    const uint8_t* const plane = firstPlane_.data();
    for (std::size_t at = 0; at < utf8.size() && out < end;) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            *out++ = static_cast<char>(plane[byte]);
            ++at;
            continue;
        }
        const TUtf8Char next = NextCharacter(utf8.substr(at));
        *out++ = static_cast<char>(ByteOf(next.codePoint));
        at += next.length;
    }
    recoded_.resize(static_cast<std::size_t>(out - recoded_.data()));
    return recoded_;
}

bool MatchInterlacedUtf8(std::string_view W, std::string_view P, int32_t mode) {
    TCharacterAlphabet alphabet(P);
    if (!alphabet.Fits())
        return false;
    TInterlacedMatcher matcher(alphabet.Typed(), mode);
    return matcher.Match(alphabet.Recode(W));
}
