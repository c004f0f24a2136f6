#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One UTF-8 character: its length in bytes (0 when the bytes do not form a valid character)
// and its code point.
struct TUtf8Char {
    size_t length;
    uint32_t codePoint;
};

// Appends the UTF-8 bytes of a code point (at most U+10FFFF).
void AppendUtf8(uint32_t codePoint, std::string& text);
// The character at the start of `text`. Overlong forms, surrogates, code points beyond
// U+10FFFF and sequences cut short are invalid.
TUtf8Char NextUtf8Char(std::string_view text);
// Where the first invalid byte stands, or the text's size when it is all valid.
size_t FirstInvalidUtf8(std::string_view text);
// How many bytes the first `characters` characters of a UTF-8 text take; a character is a byte
// that does not continue another one.
size_t Utf8Prefix(std::string_view text, size_t characters);
// How many characters the text holds, counted so.
size_t Utf8Length(std::string_view text);

// UTF-16 bytes, without their byte-order mark, as UTF-8. Returns where the first unit that is not
// valid UTF-16 (a surrogate without its pair, a last byte without its partner) stands, or the
// size of `bytes` when they are all valid.
size_t Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& utf8);
