// Any bytes in any code page a table can have, UTF-8 among them, through the conversions between
// a table's texts and the windows': nothing crashes, what converts converts back exactly, valid
// UTF-8 comes back from UTF-16 as it was, and in a UTF-8 table's text every byte that is no
// part of a well-formed character shows as one U+FFFD, as a reference decoder written from the
// Unicode standard's table of well-formed sequences says.

#include <cstdlib>
#include <string>

#include "platform/code_page.h"
#include "platform/text_codec.h"

namespace {

// The first byte of the input chooses one.
constexpr uint32_t Pages[] = {Utf8CodePage, 874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257};

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The length of the well-formed sequence at the start of `bytes` (Unicode, table 3-7), or 0.
size_t WellFormedLength(std::string_view bytes) {
    const auto at = [&bytes](size_t i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u;
    };
    const auto in = [](unsigned value, unsigned low, unsigned high) {
        return value >= low && value <= high;
    };
    const unsigned lead = at(0);
    if (lead <= 0x7F)
        return 1;
    if (in(lead, 0xC2, 0xDF))
        return in(at(1), 0x80, 0xBF) ? 2 : 0;
    unsigned low = 0x80, high = 0xBF;
    size_t length = 3;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90, length = 4;
    else if (lead == 0xF4)
        high = 0x8F, length = 4;
    else if (in(lead, 0xF1, 0xF3))
        length = 4;
    else if (!in(lead, 0xE1, 0xEF))
        return 0;
    if (!in(at(1), low, high))
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!in(at(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

// The UTF-16 a UTF-8 table's text shows as, by the reference decoder.
TUtf16 ShownUtf8(std::string_view bytes) {
    TUtf16 shown;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = WellFormedLength(bytes.substr(at));
        if (length == 0) {
            shown.push_back(static_cast<TUtf16Char>(0xFFFD));
            ++at;
            continue;
        }
        shown += Utf8ToUtf16(bytes.substr(at, length));
        at += length;
    }
    return shown;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = WellFormedLength(bytes.substr(at));
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint32_t page = Pages[data[0] % std::size(Pages)];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const TCodePageText& text = CodePageText(page);
    Check(text.CodePage() == page);
    const bool valid = IsValidUtf8(bytes);

    // What a window shows, and what a typed text becomes.
    const TUtf16 shown = text.ToUtf16(bytes);
    std::string typed;
    const bool complete = text.FromUtf16(shown, typed);
    if (page == Utf8CodePage) {
        Check(shown == ShownUtf8(bytes));
        Check(complete && IsValidUtf8(typed));
        Check(!valid || typed == bytes);
    } else {
        Check(shown.size() == bytes.size()); // one character a byte
    }
    if (valid) {
        Check(Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes);
        Check(Utf8ToUtf16(bytes) == ShownUtf8(bytes));
    }

    // A table's bytes to UTF-8 and back, and a list's UTF-8 into the table's page and back.
    std::string utf8, back;
    const TConversion read = CodePageToUtf8(bytes, page, utf8);
    Check(read == TConversion::Ok || read == TConversion::Invalid);
    // A single-byte page's undefined bytes are the ones shown as U+FFFD.
    const bool defined = page == Utf8CodePage ? valid : shown.find(0xFFFD) == TUtf16::npos;
    Check((read == TConversion::Ok) == defined);
    if (read == TConversion::Ok) {
        Check(IsValidUtf8(utf8));
        Check(Utf8ToCodePage(utf8, page, back) == TConversion::Ok && back == bytes);
        // iconv joins a Hebrew letter and its point into one character (U+FB2B for shin and
        // sin dot), where Windows and the page's table keep the two.
        Check(page == 1255 || Utf8ToUtf16(utf8) == shown);
    } else {
        Check(utf8.empty());
    }
    const TConversion written = Utf8ToCodePage(bytes, page, back);
    Check(written != TConversion::Unsupported);
    Check((written == TConversion::Invalid) == !valid);
    if (written == TConversion::Ok) {
        Check(CodePageToUtf8(back, page, utf8) == TConversion::Ok && utf8 == bytes);
    }
    return 0;
}
