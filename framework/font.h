#pragma once

#include <windows.h>

#include <cstdint>

// An owned GDI font; the arguments follow CreateFontA. Move-only; the handle goes with the object.
// A font must outlive every window that was given it.
class TFont {
public:
    TFont(const char* face, int32_t height, int32_t width = 0, int32_t escapement = 0,
          int32_t orientation = 0, int32_t weight = FW_NORMAL, uint8_t italic = 0,
          uint8_t underline = 0, uint8_t strikeOut = 0, uint8_t charSet = DEFAULT_CHARSET,
          uint8_t outputPrecision = OUT_DEFAULT_PRECIS, uint8_t clipPrecision = CLIP_DEFAULT_PRECIS,
          uint8_t quality = DEFAULT_QUALITY, uint8_t pitchAndFamily = DEFAULT_PITCH);
    explicit TFont(const LOGFONTA& logFont);
    ~TFont();
    TFont(TFont&& other) noexcept;
    TFont& operator=(TFont&& other) noexcept;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    HFONT GetHandle() const { return handle_; }
    operator HFONT() const { return handle_; }
    LOGFONTA GetLogFont() const;

private:
    HFONT handle_;
};
