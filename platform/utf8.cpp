#include "platform/utf8.h"

TUtf8Char NextUtf8Char(std::string_view text) {
    constexpr TUtf8Char invalid{0, 0};
    if (text.empty())
        return invalid;
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, lead};
    size_t length;
    uint32_t codePoint;
    // The smallest code point each length may carry: anything below is an overlong form.
    uint32_t least;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1Fu, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0Fu, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07u, least = 0x10000;
    } else {
        return invalid;
    }
    if (text.size() < length)
        return invalid;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return invalid;
        codePoint = codePoint << 6 | (byte(i) & 0x3Fu);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return invalid;
    return {length, codePoint};
}

size_t FirstInvalidUtf8(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        const TUtf8Char next = NextUtf8Char(text.substr(at));
        if (next.length == 0)
            return at;
        at += next.length;
    }
    return at;
}

namespace {
bool ContinuesACharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

size_t Utf8Prefix(std::string_view text, size_t characters) {
    size_t at = 0;
    for (size_t counted = 0; at < text.size(); ++at) {
        if (!ContinuesACharacter(text[at]) && counted++ == characters)
            break;
    }
    return at;
}

size_t Utf8Length(std::string_view text) {
    size_t characters = 0;
    for (char byte : text)
        characters += ContinuesACharacter(byte) ? 0 : 1;
    return characters;
}
