#include "table_tool/table_text.h"

#include <cstdio>

#include "platform/code_page.h"
#include "platform/utf8.h"

namespace {

std::string Hex(unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

std::string ControlProblem(uint32_t codePoint) {
    if (codePoint == '\r' || codePoint == '\n')
        return "a line break, which a table's text cannot hold";
    return "the control character " + CodePointName(codePoint);
}

// Why one character does not fit the code page; empty when it does.
std::string MissingCharacter(std::string_view character, uint32_t codePoint, uint32_t codePage) {
    std::string converted;
    switch (Utf8ToCodePage(character, codePage, converted)) {
    case TConversion::Ok:
        return {};
    case TConversion::Unsupported:
        return "code page " + std::to_string(codePage) + ", which this system cannot convert to";
    default:
        return Quoted(character) + " (" + CodePointName(codePoint) + "), which code page " +
               std::to_string(codePage) + " does not have";
    }
}

} // namespace

std::string CodePointName(uint32_t codePoint) {
    char text[12];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return text;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    size_t at = 0;
    while (at < text.size()) {
        const TUtf8Char next = NextUtf8Char(text.substr(at));
        if (next.length == 0) {
            quoted += Hex(static_cast<unsigned char>(text[at++]));
            continue;
        }
        quoted.append(text.substr(at, next.length));
        at += next.length;
    }
    return quoted + "\"";
}

std::string Utf8Problem(std::string_view text) {
    const size_t invalid = FirstInvalidUtf8(text);
    if (invalid == text.size())
        return {};
    return "it is not valid UTF-8 (byte " + Hex(static_cast<unsigned char>(text[invalid])) +
           " at byte " + std::to_string(invalid + 1) + ")";
}

TTableText ToTableText(std::string_view utf8, uint32_t codePage) {
    TTableText result;
    result.problem = Utf8Problem(utf8);
    if (!result.problem.empty())
        return result;
    // Control characters first: some converters pass them unchanged, and the drill could not
    // show them.
    for (size_t at = 0; at < utf8.size(); ++at) {
        const unsigned char byte = static_cast<unsigned char>(utf8[at]);
        const bool c1 = byte == 0xC2 && static_cast<unsigned char>(utf8[at + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            const TUtf8Char control = NextUtf8Char(utf8.substr(at));
            result.problem = "it holds " + ControlProblem(control.codePoint);
            return result;
        }
    }
    if (Utf8ToCodePage(utf8, codePage, result.bytes) == TConversion::Ok)
        return result;
    result.bytes.clear();
    // Character by character, to name the one that fails.
    for (size_t at = 0; at < utf8.size();) {
        const TUtf8Char next = NextUtf8Char(utf8.substr(at));
        const std::string problem =
            MissingCharacter(utf8.substr(at, next.length), next.codePoint, codePage);
        if (!problem.empty()) {
            result.problem = "it holds " + problem;
            return result;
        }
        at += next.length;
    }
    result.problem = "code page " + std::to_string(codePage) + " cannot hold it";
    return result;
}

std::string TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
