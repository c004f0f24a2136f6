#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A word list's bytes as the UTF-8 text the list reader takes. Spreadsheets save "CSV" in
// UTF-8 (with or without a byte-order mark), as "Unicode text" in UTF-16 (always marked), and
// as plain "CSV" in the system's ANSI code page.

struct TListText {
    std::string utf8;
    // The code page the list was read in, when it was neither marked nor valid UTF-8.
    std::optional<uint32_t> codePage;
};

// A byte-order mark decides by itself: UTF-8, or UTF-16 in either byte order. Text without one
// is UTF-8 when every byte of it is, else text in `codePage`. Throws TToolError naming `source`
// when it is none of these.
TListText DecodeList(std::string_view bytes, uint32_t codePage, const std::string& source);
