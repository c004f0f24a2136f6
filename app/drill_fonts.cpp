#include "app/drill_fonts.h"

#include <algorithm>
#include <vector>

TDrillFonts::TDrillFonts(int32_t height)
    : Normal(Face, height, 0, 0, 0, FW_NORMAL), Bold(Face, height, 0, 0, 0, FW_BOLD) {}

TMarkFont InstalledMarkFont() {
    const std::vector<uint8_t> charSets = InstalledCharSets(TDrillFonts::Face);
    if (charSets.empty())
        return TMarkFont::Missing;
    const bool symbolOnly = std::all_of(charSets.begin(), charSets.end(),
                                        [](uint8_t charSet) { return charSet == SYMBOL_CHARSET; });
    return symbolOnly ? TMarkFont::Symbol : TMarkFont::Text;
}
