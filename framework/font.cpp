#include "framework/font.h"

#include <stdexcept>
#include <utility>

TFont::TFont(const char* face, int32_t height, int32_t width, int32_t escapement,
             int32_t orientation, int32_t weight, uint8_t italic, uint8_t underline,
             uint8_t strikeOut, uint8_t charSet, uint8_t outputPrecision, uint8_t clipPrecision,
             uint8_t quality, uint8_t pitchAndFamily)
    : handle_(CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                          strikeOut, charSet, outputPrecision, clipPrecision, quality,
                          pitchAndFamily, face)) {
    if (handle_ == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

TFont::TFont(const LOGFONTA& logFont) : handle_(CreateFontIndirectA(&logFont)) {
    if (handle_ == nullptr)
        throw std::runtime_error("Cannot create a font.");
}

TFont::~TFont() {
    if (handle_ != nullptr)
        DeleteObject(handle_);
}

TFont::TFont(TFont&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

TFont& TFont::operator=(TFont&& other) noexcept {
    if (this != &other) {
        if (handle_ != nullptr)
            DeleteObject(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

LOGFONTA TFont::GetLogFont() const {
    LOGFONTA logFont{};
    ::GetObjectA(handle_, sizeof logFont, &logFont);
    return logFont;
}
