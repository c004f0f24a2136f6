#include "tests/support/utf16_bytes.h"

#include <cstdint>

#include "platform/utf8.h"

std::string Utf16Bytes(std::string_view utf8, bool bigEndian) {
    std::string bytes;
    const auto add = [&bytes, bigEndian](uint32_t unit) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    add(0xFEFF);
    for (size_t at = 0; at < utf8.size();) {
        TUtf8Char next = NextUtf8Char(utf8.substr(at));
        if (next.length == 0)
            next = {1, 0xFFFD};
        at += next.length;
        if (next.codePoint < 0x10000) {
            add(next.codePoint);
            continue;
        }
        add(0xD800 + ((next.codePoint - 0x10000) >> 10));
        add(0xDC00 + ((next.codePoint - 0x10000) & 0x3FF));
    }
    return bytes;
}
