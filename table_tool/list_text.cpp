#include "table_tool/list_text.h"

#include "platform/code_page.h"
#include "platform/utf8.h"
#include "table_tool/tool_error.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";

// The line a byte stands on, its line ends counted as the list reader counts them.
uint32_t LineOf(std::string_view text, size_t at) {
    uint32_t line = 1;
    for (size_t i = 0; i < at; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

TListText FromUtf16(std::string_view bytes, bool bigEndian, const std::string& source) {
    TListText list;
    const std::string_view text = bytes.substr(Utf16LittleEndianMark.size());
    const size_t invalid = Utf16ToUtf8(text, bigEndian, list.utf8);
    if (invalid != text.size())
        throw TToolError(source + " is marked as UTF-16 but is not valid UTF-16 from byte " +
                         std::to_string(Utf16LittleEndianMark.size() + invalid + 1) + " on");
    return list;
}

} // namespace

TListText DecodeList(std::string_view bytes, uint32_t codePage, const std::string& source) {
    // A marked UTF-8 list stays as it is: a bad byte in it is named with its cell.
    if (bytes.starts_with(Utf8Mark))
        return {std::string(bytes), std::nullopt};
    if (bytes.starts_with(Utf16LittleEndianMark))
        return FromUtf16(bytes, false, source);
    if (bytes.starts_with(Utf16BigEndianMark))
        return FromUtf16(bytes, true, source);
    const size_t invalid = FirstInvalidUtf8(bytes);
    if (invalid == bytes.size())
        return {std::string(bytes), std::nullopt};
    TListText list{{}, codePage};
    const std::string line = "(line " + std::to_string(LineOf(bytes, invalid)) + " is not)";
    const std::string page = "code page " + std::to_string(codePage);
    switch (CodePageToUtf8(bytes, codePage, list.utf8)) {
    case TConversion::Ok:
        return list;
    case TConversion::Unsupported:
        throw TToolError(source + " is not UTF-8 " + line + ", and this system cannot read " +
                         page);
    default:
        throw TToolError(source + " is neither UTF-8 " + line + " nor text in " + page +
                         "; save it as CSV UTF-8");
    }
}
