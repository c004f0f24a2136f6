#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A text of the word list on its way into a table: UTF-8 in, the code page's bytes out.
struct TTableText {
    std::string bytes;
    // Why the text cannot be stored; empty when it can.
    std::string problem;
};

TTableText ToTableText(std::string_view utf8, uint32_t codePage);
// "it is not valid UTF-8 (byte \xFF at byte 3)"; empty when the text is valid UTF-8.
std::string Utf8Problem(std::string_view text);

// The text for a message, in double quotes; bytes that are not UTF-8 shown as \xNN.
std::string Quoted(std::string_view text);
// "U+263A".
std::string CodePointName(uint32_t codePoint);

// The text without blanks at either end.
std::string TrimBlanks(std::string_view text);
// ASCII letters in upper or lower case; other bytes as they are.
std::string AsciiUpper(std::string text);
std::string AsciiLower(std::string text);
