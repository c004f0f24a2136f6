#include "database/code_pages.h"

#include <algorithm>

#include "platform/code_page.h"

namespace {

struct CodePage {
    uint32_t page;
    uint8_t driver;
};

// The Windows single-byte pages; the bytes are the ones dBASE and FoxPro write.
constexpr CodePage CodePages[] = {
    {874, 0x7C},  {1250, 0xC8}, {1251, 0xC9}, {1252, 0x03}, {1253, 0xCB},
    {1254, 0xCA}, {1255, 0x7D}, {1256, 0x7E}, {1257, 0xCC},
};

// Written as "not said": no dBASE standard names UTF-8, and a reader that took any other byte
// for a single-byte page would show the texts wrong.
constexpr uint8_t Utf8Driver = 0x00;
// python3-dbf's own byte for its 'utf8' page; read, never written.
constexpr uint8_t PythonDbfUtf8Driver = 0xF0;

} // namespace

std::optional<uint8_t> LanguageDriverOf(uint32_t codePage) {
    if (codePage == Utf8CodePage)
        return Utf8Driver;
    for (const CodePage& known : CodePages) {
        if (known.page == codePage)
            return known.driver;
    }
    return std::nullopt;
}

std::optional<uint32_t> CodePageOfDriver(uint8_t driver) {
    if (driver == PythonDbfUtf8Driver)
        return Utf8CodePage;
    for (const CodePage& known : CodePages) {
        if (known.driver == driver)
            return known.page;
    }
    return std::nullopt;
}

std::string SupportedCodePages() {
    std::string list;
    for (const CodePage& known : CodePages)
        list += std::to_string(known.page) + ", ";
    return list + CodePageName(Utf8CodePage);
}

std::string CodePageName(uint32_t codePage) {
    return codePage == Utf8CodePage ? "UTF-8" : std::to_string(codePage);
}

bool NamesUtf8(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper == "UTF-8" || upper == "UTF8";
}

std::optional<uint32_t> ParseCodePage(const std::string& text) {
    if (NamesUtf8(text))
        return Utf8CodePage;
    // Digits only: no sign, no blanks, nothing std::stoul would skip; few enough for 32 bits.
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return static_cast<uint32_t>(std::stoul(text));
}
