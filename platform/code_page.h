#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between UTF-8 and the code pages that tables store their texts in: UTF-8 itself,
// or a single-byte page, which goes through the platform's own converter (the Windows
// conversion functions, or iconv).

// The number Windows gives UTF-8 among its code pages; a table marked as UTF-8 has it as its page.
constexpr uint32_t Utf8CodePage = 65001;

enum class TConversion {
    Ok,
    Invalid,     // the input is not valid text in its encoding
    Unmappable,  // a character has no place in the target encoding
    Unsupported, // the platform cannot convert this code page at all
};

// UTF-8 to the code page, every character exactly: no best-fit substitutes.
TConversion Utf8ToCodePage(std::string_view utf8, uint32_t codePage, std::string& converted);
// The code page's bytes to UTF-8.
TConversion CodePageToUtf8(std::string_view bytes, uint32_t codePage, std::string& converted);
