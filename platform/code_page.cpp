#include "platform/code_page.h"

#include "platform/code_page_system.h"
#include "platform/utf8.h"

// UTF-8 is converted here, not by the system: the rule of what is valid is then ours on every
// platform, and Windows refuses the no-best-fit flag for its UTF-8 page.

TConversion Utf8ToCodePage(std::string_view utf8, uint32_t codePage, std::string& converted) {
    converted.clear();
    // A converter reports a bad sequence and a missing character alike, and some take overlong
    // forms and surrogates in their stride: bad input is found here first.
    if (FirstInvalidUtf8(utf8) != utf8.size())
        return TConversion::Invalid;
    if (codePage == Utf8CodePage) {
        converted.assign(utf8);
        return TConversion::Ok;
    }
    return SystemUtf8ToCodePage(utf8, codePage, converted);
}

TConversion CodePageToUtf8(std::string_view bytes, uint32_t codePage, std::string& converted) {
    converted.clear();
    if (codePage == Utf8CodePage) {
        if (FirstInvalidUtf8(bytes) != bytes.size())
            return TConversion::Invalid;
        converted.assign(bytes);
        return TConversion::Ok;
    }
    return SystemCodePageToUtf8(bytes, codePage, converted);
}
