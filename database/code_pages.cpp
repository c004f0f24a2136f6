#include "database/code_pages.h"

namespace {

struct CodePage {
    uint32_t page;
    uint8_t driver;
};

// The Windows single-byte pages, the only ones the drill shows; the bytes are the ones dBASE
// and FoxPro write.
constexpr CodePage CodePages[] = {
    {874, 0x7C},  {1250, 0xC8}, {1251, 0xC9}, {1252, 0x03}, {1253, 0xCB},
    {1254, 0xCA}, {1255, 0x7D}, {1256, 0x7E}, {1257, 0xCC},
};

} // namespace

std::optional<uint8_t> LanguageDriverOf(uint32_t codePage) {
    for (const CodePage& known : CodePages) {
        if (known.page == codePage)
            return known.driver;
    }
    return std::nullopt;
}

std::optional<uint32_t> CodePageOfDriver(uint8_t driver) {
    for (const CodePage& known : CodePages) {
        if (known.driver == driver)
            return known.page;
    }
    return std::nullopt;
}

std::string SupportedCodePages() {
    std::string list;
    for (const CodePage& known : CodePages)
        list += (list.empty() ? "" : ", ") + std::to_string(known.page);
    return list;
}
