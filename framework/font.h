#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/handle.h"

inline void DeleteFontHandle(HFONT font) {
    DeleteObject(font);
}

// An owned GDI font; the arguments follow CreateFontW, the face in UTF-8. A font must outlive
// every window that was given it. Made with DEFAULT_CHARSET, a font draws every script the
// system has glyphs for, through its font linking.
class TFont : public THandle<HFONT, &DeleteFontHandle> {
public:
    TFont(const char* face, int32_t height, int32_t width = 0, int32_t escapement = 0,
          int32_t orientation = 0, int32_t weight = FW_NORMAL, uint8_t italic = 0,
          uint8_t underline = 0, uint8_t strikeOut = 0, uint8_t charSet = DEFAULT_CHARSET,
          uint8_t outputPrecision = OUT_DEFAULT_PRECIS, uint8_t clipPrecision = CLIP_DEFAULT_PRECIS,
          uint8_t quality = DEFAULT_QUALITY, uint8_t pitchAndFamily = DEFAULT_PITCH);
    explicit TFont(const LOGFONTW& logFont);

    LOGFONTW GetLogFont() const;
};

// The character sets in which fonts of this face (UTF-8) are installed; none when no font has
// that face, and the platform substitutes another for it.
std::vector<uint8_t> InstalledCharSets(const char* face);
