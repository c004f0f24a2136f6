#include "framework/font.h"

#include <stdexcept>

TFont::TFont(const char* face, int32_t height, int32_t width, int32_t escapement,
             int32_t orientation, int32_t weight, uint8_t italic, uint8_t underline,
             uint8_t strikeOut, uint8_t charSet, uint8_t outputPrecision, uint8_t clipPrecision,
             uint8_t quality, uint8_t pitchAndFamily)
    : THandle(CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                          strikeOut, charSet, outputPrecision, clipPrecision, quality,
                          pitchAndFamily, face)) {
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

TFont::TFont(const LOGFONTA& logFont) : THandle(CreateFontIndirectA(&logFont)) {
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

LOGFONTA TFont::GetLogFont() const {
    LOGFONTA logFont{};
    ::GetObjectA(GetHandle(), sizeof logFont, &logFont);
    return logFont;
}
