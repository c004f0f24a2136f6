#include "platform/text_codec.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>

#include "platform/code_page.h"
#include "platform/system_code_page.h"
#include "platform/utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
// Set by a test; 0 for the platform's own.
uint32_t chosenSystemCodePage = 0;

bool IsSingleBytePage(uint32_t codePage) {
    return codePage == 874 || (codePage >= 1250 && codePage <= 1258);
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCodePoint(char32_t codePoint, TUtf16& text) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<TUtf16Char>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<TUtf16Char>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<TUtf16Char>(0xDC00 + (codePoint & 0x3FF)));
}

// The character at `at` of a UTF-16 text, moving `at` past it; a lone surrogate is U+FFFD.
char32_t NextCharacter(TUtf16View text, size_t& at) {
    const char32_t unit = static_cast<char16_t>(text[at++]);
    if (IsHighSurrogate(unit) && at < text.size() &&
        IsLowSurrogate(static_cast<char16_t>(text[at]))) {
        const char32_t low = static_cast<char16_t>(text[at++]);
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    return IsHighSurrogate(unit) || IsLowSurrogate(unit) ? Replacement : unit;
}

// UTF-8 as UTF-16, appended; a byte that is no part of a valid character becomes U+FFFD.
void AppendUtf8AsUtf16(std::string_view utf8, TUtf16& text) {
    text.reserve(text.size() + utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            text.push_back(static_cast<TUtf16Char>(byte));
            ++at;
            continue;
        }
        const TUtf8Char next = NextUtf8Char(utf8.substr(at));
        AppendCodePoint(next.length == 0 ? Replacement : next.codePoint, text);
        at += next.length == 0 ? 1 : next.length;
    }
}

// The one character the system gives for these bytes of the page, or none.
bool SystemCharacter(std::string_view bytes, uint32_t codePage, char32_t& character) {
    std::string utf8;
    if (CodePageToUtf8(bytes, codePage, utf8) != TConversion::Ok || utf8.empty())
        return false;
    const TUtf8Char first = NextUtf8Char(utf8);
    if (first.length != utf8.size())
        return false;
    character = first.codePoint;
    return true;
}

} // namespace

uint32_t SystemCodePage() {
    return chosenSystemCodePage != 0 ? chosenSystemCodePage : PlatformCodePage();
}

TScopedSystemCodePage::TScopedSystemCodePage(uint32_t codePage) : previous_(chosenSystemCodePage) {
    chosenSystemCodePage = codePage;
}

TScopedSystemCodePage::~TScopedSystemCodePage() {
    chosenSystemCodePage = previous_;
}

TCodePageText::TCodePageText(uint32_t codePage)
    : codePage_(codePage), singleByte_(IsSingleBytePage(codePage)),
      utf8_(codePage == Utf8CodePage) {
    if (!singleByte_)
        return;
    for (uint32_t byte = 0; byte < 256; ++byte) {
        char32_t character = Replacement;
        const char text = static_cast<char>(byte);
        // A page's byte stands for one character of the first plane, or for none.
        if (!SystemCharacter(std::string_view(&text, 1), codePage, character) ||
            character > 0xFFFF || character == Replacement) {
            toUtf16_[byte] = static_cast<TUtf16Char>(Replacement);
            continue;
        }
        toUtf16_[byte] = static_cast<TUtf16Char>(character);
        fromUtf16_.emplace_back(static_cast<TUtf16Char>(character), static_cast<uint8_t>(byte));
    }
    std::stable_sort(fromUtf16_.begin(), fromUtf16_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

void TCodePageText::AppendUtf16(std::string_view bytes, TUtf16& text) const {
    if (singleByte_) {
        const size_t start = text.size();
        text.resize(start + bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i)
            text[start + i] = toUtf16_[static_cast<unsigned char>(bytes[i])];
        return;
    }
    if (utf8_) {
        AppendUtf8AsUtf16(bytes, text);
        return;
    }
    std::string utf8;
    if (CodePageToUtf8(bytes, codePage_, utf8) == TConversion::Ok) {
        text += Utf8ToUtf16(utf8);
        return;
    }
    // Bad bytes among good ones: a character of one byte or of two at a time.
    for (size_t at = 0; at < bytes.size();) {
        char32_t character = Replacement;
        size_t length = 1;
        if (!SystemCharacter(bytes.substr(at, 1), codePage_, character)) {
            if (at + 1 < bytes.size() && SystemCharacter(bytes.substr(at, 2), codePage_, character))
                length = 2;
            else
                character = Replacement;
        }
        AppendCodePoint(character, text);
        at += length;
    }
}

TUtf16 TCodePageText::ToUtf16(std::string_view bytes) const {
    TUtf16 text;
    AppendUtf16(bytes, text);
    return text;
}

bool TCodePageText::FromUtf16(TUtf16View text, std::string& bytes) const {
    if (utf8_) {
        bytes = Utf16ToUtf8(text);
        return true;
    }
    bytes.clear();
    bytes.reserve(text.size());
    bool complete = true;
    for (size_t at = 0; at < text.size();) {
        const char32_t character = NextCharacter(text, at);
        if (singleByte_) {
            const auto found = std::lower_bound(
                fromUtf16_.begin(), fromUtf16_.end(), character,
                [](const auto& entry, char32_t c) { return char32_t(entry.first) < c; });
            if (found != fromUtf16_.end() && char32_t(found->first) == character) {
                bytes.push_back(static_cast<char>(found->second));
                continue;
            }
        } else if (character < 0x80) {
            bytes.push_back(static_cast<char>(character));
            continue;
        } else {
            std::string utf8, converted;
            AppendUtf8(character, utf8);
            if (character != Replacement &&
                Utf8ToCodePage(utf8, codePage_, converted) == TConversion::Ok) {
                bytes += converted;
                continue;
            }
        }
        bytes.push_back('\0');
        complete = false;
    }
    return complete;
}

std::string TCodePageText::FromUtf16(TUtf16View text) const {
    std::string bytes;
    FromUtf16(text, bytes);
    return bytes;
}

const TCodePageText& CodePageText(uint32_t codePage) {
    static std::mutex guard;
    static std::map<uint32_t, std::unique_ptr<TCodePageText>> made;
    static std::set<uint32_t> unsupported;
    const std::lock_guard<std::mutex> lock(guard);
    for (;;) {
        if (const auto found = made.find(codePage); found != made.end())
            return *found->second;
        std::string ignored;
        const bool supported = !unsupported.contains(codePage) &&
                               CodePageToUtf8("A", codePage, ignored) != TConversion::Unsupported;
        if (supported || codePage == SystemCodePage())
            return *made.emplace(codePage, std::make_unique<TCodePageText>(codePage)).first->second;
        unsupported.insert(codePage);
        codePage = SystemCodePage();
    }
}

TUtf16 Utf8ToUtf16(std::string_view utf8) {
    TUtf16 text;
    AppendUtf8AsUtf16(utf8, text);
    return text;
}

std::string Utf16ToUtf8(TUtf16View text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t at = 0; at < text.size();)
        AppendUtf8(NextCharacter(text, at), utf8);
    return utf8;
}
