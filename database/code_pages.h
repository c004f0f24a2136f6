#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The code pages a table's texts may be in, with the language-driver byte (offset 29 of the
// header) that tells other dBASE readers which one it is. A UTF-8 table (Utf8CodePage) says so
// by a mark beside it (database/code_page_mark.h) and leaves the byte 0, "not said".

constexpr uint32_t DefaultCodePage = 1252;

// The byte for a supported code page (0 for UTF-8); none for a page this tool does not write.
std::optional<uint8_t> LanguageDriverOf(uint32_t codePage);
// The code page a language-driver byte names; none for 0 (not said), 0x57 (the reader's
// own ANSI page) and bytes of pages this tool does not know. 0xF0 is UTF-8, as python3-dbf
// writes it for its 'utf8' page.
std::optional<uint32_t> CodePageOfDriver(uint8_t driver);
// "874, 1250, 1251, ..., UTF-8": for messages.
std::string SupportedCodePages();
// "1252", or "UTF-8": for messages.
std::string CodePageName(uint32_t codePage);
// Whether the text is "UTF-8" or "UTF8", in any letter case.
bool NamesUtf8(std::string_view text);
// A code page as the learner names it: its number, or UTF-8 as "UTF-8", "UTF8" or 65001 in any
// letter case; none for anything else.
std::optional<uint32_t> ParseCodePage(const std::string& text);
