#include "answer/result_marks.h"

namespace {
constexpr const char* SymbolTexts[] = {"\u221A", "\u2026", "\u00D7"};
constexpr uint8_t Glyphs[] = {TResultMarks::ClosedGlyph, TResultMarks::OpenGlyph,
                              TResultMarks::NoGlyph};
constexpr TUtf16Char SymbolFontBase = 0xF000;
} // namespace

TResultMarks::TResultMarks(TMarkFont font, uint32_t systemCodePage) {
    for (size_t i = 0; i < texts_.size(); ++i) {
        switch (font) {
        case TMarkFont::Missing:
            texts_[i] = SymbolTexts[i];
            break;
        case TMarkFont::Text:
            texts_[i] = Utf16ToUtf8(
                CodePageText(systemCodePage).ToUtf16(std::string(1, static_cast<char>(Glyphs[i]))));
            break;
        case TMarkFont::Symbol:
            texts_[i] = Utf16ToUtf8(TUtf16(1, static_cast<TUtf16Char>(SymbolFontBase + Glyphs[i])));
            break;
        }
    }
}
