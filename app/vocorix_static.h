#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/drill_fonts.h"
#include "framework/layout.h"
#include "framework/static.h"

class TCodePageText;
class TOptions;

// The word display: the question in up to four segments, painted by the program itself. The
// lead-in in the normal font and the word in the bold one on the first line; the transcription
// (normal) and the third-language form (bold) on lines of their own under the word.
class TVocorixStatic : public TStatic {
public:
    // Line step of the transcription and third-language lines, whatever the font.
    static constexpr int32_t LineStep = 16;

    // The fonts must outlive the control.
    TVocorixStatic(TWindow* parent, int32_t id, uint32_t textLimit, TOptions* options,
                   const TDrillFonts& fonts);

    // Height for the open table's optional fields (20, 36 or 52), set as both the height
    // constraint and the window height; returns it.
    int32_t FitHeight();
    // The fonts and the scaled line step, for a new DPI or zoom; the fonts must outlive the
    // control.
    void SetFonts(const TDrillFonts& fonts, int32_t lineStep);
    // Keeps a copy of the question, whose segments are `leadIn`, `wordLength` and
    // `transcriptionLength` bytes long with the third-language form after them, and repaints at
    // once. The texts are the table's, in `codePage`; the program's own words among them are
    // ASCII, the same in every code page.
    void SetText(const char* text, int leadIn, int wordLength, int transcriptionLength,
                 const TCodePageText& codePage);

    // The question's bytes as given.
    const char* GetQuestion() const { return text_.get(); }
    // What the display draws: the four segments one after the other.
    std::wstring ShownText() const;
    // The segments it draws, with a blank where a line ends: its window text.
    std::wstring SpokenText() const;
    // Where the drill window lays the display out.
    const TLayoutMetrics& Layout() const { return Constraints; }

protected:
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    TLayoutMetrics Constraints;
    uint32_t length_ = 0;
    TOptions* options_;
    const TDrillFonts* fonts_;
    int32_t lineStep_ = LineStep;
    std::unique_ptr<char[]> text_;
    // Lead-in, word, transcription and third-language form, as drawn.
    std::array<std::wstring, 4> segments_;
};
