#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/text_codec.h"

// What the status bar's "Answer:" and "Order:" marks say of their flag.
enum class TResultMark : uint8_t {
    Closed, // the flag holds and the question is closed
    Open,   // the flag holds so far; some boxes of the question are still open
    No,     // the flag is cleared
};

// How the face "Vocorix Font", whose characters 157, 158 and 159 are the marks, is installed.
enum class TMarkFont : uint8_t {
    Missing, // not at all: the platform draws a substitute, which lacks those shapes
    Text,    // as a font of a code page, which takes the marks as bytes of the system's page
    Symbol,  // only as a symbol font, whose codes the system keeps at U+F000 and up
};

// The marks' texts in UTF-8. With the named font the marks keep their glyph codes, drawn as an
// old program drew them; without it they are symbols that every Windows font has: a check mark
// for a closed question, an ellipsis while boxes are open, a cross for no. (The square root
// sign is the check mark that every font holds; U+2713 comes only with a few.)
class TResultMarks {
public:
    explicit TResultMarks(TMarkFont font = TMarkFont::Missing,
                          uint32_t systemCodePage = SystemCodePage());

    const std::string& Text(TResultMark mark) const { return texts_[static_cast<size_t>(mark)]; }

    // The glyph codes of the named font.
    static constexpr uint8_t ClosedGlyph = 157;
    static constexpr uint8_t OpenGlyph = 158;
    static constexpr uint8_t NoGlyph = 159;

private:
    std::array<std::string, 3> texts_;
};
