#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/drill_fonts.h"
#include "app_rules/drill_scale.h"
#include "app_rules/progress_picture.h"
#include "database/progress.h"
#include "framework/button.h"
#include "framework/modal_frame.h"

// The figures of the progress window, drawn: the bars of each COUNT level and of the learnt
// words, and the days ahead on which rests end. It takes the focus; its window text is every
// figure as text lines, which a screen reader reads.
class TProgressFigures : public TWindow {
public:
    explicit TProgressFigures(TWindow* parent);

    // What to draw, in which fonts; both must outlive the control's next paint.
    void SetPicture(const TProgressPicture& picture, const TDrillFonts& fonts);

protected:
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    const TResponseTable& Responses() const override { return ResponseTable; }
    LRESULT EvFocus(WPARAM, LPARAM);
    LRESULT EvLButtonDown(WPARAM, LPARAM);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    const TProgressPicture* picture_ = nullptr;
    const TDrillFonts* fonts_ = nullptr;
};

// The progress window over the table being drilled: the picture of where its words stand, drawn
// in the drill window's fonts at its DPI and zoom. Modal; it reads nothing but what it is given
// and writes nothing. Escape, Enter and its Close button close it; Ctrl+C copies every figure.
class TProgressWindow : public TModalFrame {
public:
    // `fonts` are the drill window's at 96 DPI and 100 %; `scale` the drill window's.
    TProgressWindow(TWindow* owner, const TProgress& progress, const std::string& table,
                    const TDrillFonts& fonts, const TDrillScale& scale);

    const std::vector<std::string>& Lines() const { return lines_; }
    const TDrillScale& GetScale() const { return scale_; }
    // Every figure as text lines (CRLF after each), as Ctrl+C copies them.
    std::wstring Text() const;

protected:
    void SetupWindow() override;
    const TResponseTable& Responses() const override { return ResponseTable; }
    void CmClose() { CloseWindow(IDOK); }
    void CmCopy();
    // A move to a monitor of another DPI.
    LRESULT EvDpiChanged(WPARAM dpi, LPARAM suggested);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    // The fonts and the picture for `scale_`, the controls placed and the window sized for them,
    // its top-left corner at `left`, `top`.
    void Fit(int32_t left, int32_t top);
    const TDrillFonts& Fonts() const { return scaledFonts_ ? *scaledFonts_ : fonts_; }

    TProgress progress_;
    std::string table_;
    std::vector<std::string> lines_;
    const TDrillFonts& fonts_;
    std::unique_ptr<TDrillFonts> scaledFonts_;
    TDrillScale scale_;
    TProgressPicture picture_;
    TProgressFigures figures_;
    TButton closeButton_;
};
