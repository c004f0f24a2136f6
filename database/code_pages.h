#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The code pages a table's texts may be in, with the language-driver byte (offset 29 of the
// header) that tells other dBASE readers which one it is.

constexpr uint32_t DefaultCodePage = 1252;

// The byte for a supported code page; none for a page this tool does not write.
std::optional<uint8_t> LanguageDriverOf(uint32_t codePage);
// The code page a language-driver byte names; none for 0 (not said), 0x57 (the reader's
// own ANSI page) and bytes of pages this tool does not know.
std::optional<uint32_t> CodePageOfDriver(uint8_t driver);
// "874, 1250, 1251, ...": for messages.
std::string SupportedCodePages();
