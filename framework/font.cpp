#include "framework/font.h"

#include <stdexcept>

#include "framework/dc.h"
#include "platform/text_codec.h"

TFont::TFont(const char* face, int32_t height, int32_t width, int32_t escapement,
             int32_t orientation, int32_t weight, uint8_t italic, uint8_t underline,
             uint8_t strikeOut, uint8_t charSet, uint8_t outputPrecision, uint8_t clipPrecision,
             uint8_t quality, uint8_t pitchAndFamily)
    : THandle(CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                          strikeOut, charSet, outputPrecision, clipPrecision, quality,
                          pitchAndFamily, Utf8ToUtf16(face).c_str())) {
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

TFont::TFont(const LOGFONTW& logFont) : THandle(CreateFontIndirectW(&logFont)) {
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

LOGFONTW TFont::GetLogFont() const {
    LOGFONTW logFont{};
    ::GetObjectW(GetHandle(), sizeof logFont, &logFont);
    return logFont;
}

namespace {
int CALLBACK CollectCharSet(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
    reinterpret_cast<std::vector<uint8_t>*>(found)->push_back(font->lfCharSet);
    return 1;
}
} // namespace

std::vector<uint8_t> InstalledCharSets(const char* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = Utf8ToUtf16(face);
    // A longer name matches no font.
    if (name.size() >= LF_FACESIZE)
        return {};
    name.copy(wanted.lfFaceName, name.size());
    std::vector<uint8_t> found;
    TScreenDC dc;
    EnumFontFamiliesExW(dc, &wanted, &CollectCharSet, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}
