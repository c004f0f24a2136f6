#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Texts between the encodings they are kept in and UTF-16, the encoding of every window: a
// table's bytes in its code page, and UTF-8, the encoding of paths and messages in the portable
// core. The Windows side converts through here only.

#ifdef _WIN32
using TUtf16Char = wchar_t; // what the system's wide functions take as it is
#else
using TUtf16Char = char16_t;
#endif
using TUtf16 = std::basic_string<TUtf16Char>;
using TUtf16View = std::basic_string_view<TUtf16Char>;

// The system's ANSI code page: Windows' own setting; 1252 elsewhere, unless a test sets another.
uint32_t SystemCodePage();

// Another system code page while the scope lasts, for tests.
class TScopedSystemCodePage {
public:
    explicit TScopedSystemCodePage(uint32_t codePage);
    ~TScopedSystemCodePage();
    TScopedSystemCodePage(const TScopedSystemCodePage&) = delete;
    TScopedSystemCodePage& operator=(const TScopedSystemCodePage&) = delete;

private:
    uint32_t previous_;
};

// The texts of one code page. A single-byte page (874 and 1250 to 1258) is converted through a
// table made once from the system's own converter; UTF-8 (Utf8CodePage) by the functions below,
// the same on every platform; any other (a double-byte system code page) through the system's
// converter each time.
class TCodePageText {
public:
    // The page must be one the platform converts (CodePageText checks that).
    explicit TCodePageText(uint32_t codePage);

    uint32_t CodePage() const { return codePage_; }

    // The UTF-16 of the page's bytes, appended; a byte the page leaves undefined, or in UTF-8 a
    // byte that is no part of a valid character, shows as U+FFFD.
    void AppendUtf16(std::string_view bytes, TUtf16& text) const;
    TUtf16 ToUtf16(std::string_view bytes) const;
    // The page's bytes of a UTF-16 text, each character exactly as the page has it, never a
    // look-alike ("ä" never becomes "a"). A character the page lacks becomes a NUL byte, which
    // no text of a table holds, so that it matches nothing. Returns whether every character
    // was in the page. UTF-8 has every character; a surrogate without its partner becomes
    // U+FFFD there, as in Utf16ToUtf8.
    bool FromUtf16(TUtf16View text, std::string& bytes) const;
    std::string FromUtf16(TUtf16View text) const;

private:
    uint32_t codePage_;
    bool singleByte_;
    bool utf8_;
    std::array<TUtf16Char, 256> toUtf16_{};
    // The page's characters with their bytes, sorted by character, for the way back.
    std::vector<std::pair<TUtf16Char, uint8_t>> fromUtf16_;
};

// The converter of a code page, made on first use and kept while the program runs. A page the
// platform cannot convert gets the system code page's.
const TCodePageText& CodePageText(uint32_t codePage);

// UTF-8 and UTF-16. A byte that is no part of a valid UTF-8 character, and a surrogate without
// its partner, become U+FFFD.
TUtf16 Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(TUtf16View text);
