#include "platform/utf8.h"

void AppendUtf8(uint32_t codePoint, std::string& text) {
    const auto add = [&text](uint32_t byte) { text += static_cast<char>(byte); };
    if (codePoint < 0x80) {
        add(codePoint);
    } else if (codePoint < 0x800) {
        add(0xC0 | codePoint >> 6);
        add(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        add(0xE0 | codePoint >> 12);
        add(0x80 | (codePoint >> 6 & 0x3F));
        add(0x80 | (codePoint & 0x3F));
    } else {
        add(0xF0 | codePoint >> 18);
        add(0x80 | (codePoint >> 12 & 0x3F));
        add(0x80 | (codePoint >> 6 & 0x3F));
        add(0x80 | (codePoint & 0x3F));
    }
}

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

size_t Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& utf8) {
    utf8.clear();
    // Three UTF-8 bytes for each two of UTF-16 at most; a pair of four takes four.
    utf8.reserve(bytes.size() / 2 * 3);
    const auto unit = [&bytes, bigEndian](size_t at) {
        const uint32_t first = static_cast<unsigned char>(bytes[at]);
        const uint32_t second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    size_t at = 0;
    while (at + 1 < bytes.size()) {
        uint32_t codePoint = unit(at);
        size_t length = 2;
        if (codePoint >= 0xDC00 && codePoint <= 0xDFFF)
            return at;
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            if (at + 3 >= bytes.size())
                return at;
            const uint32_t low = unit(at + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return at;
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            length = 4;
        }
        AppendUtf8(codePoint, utf8);
        at += length;
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
