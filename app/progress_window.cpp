#include "app/progress_window.h"

#include <algorithm>

#include "framework/brush.h"
#include "framework/clipboard.h"
#include "framework/dc.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

namespace {

COLORREF BarColor(TBarKind kind) {
    switch (kind) {
    case TBarKind::NeverAsked:
        return RGB(140, 180, 225);
    case TBarKind::AnsweredWrong:
        return RGB(200, 60, 50);
    case TBarKind::Learnt:
        return RGB(40, 140, 70);
    case TBarKind::ComingDue:
        return RGB(225, 140, 30);
    case TBarKind::Level:
        break;
    }
    return RGB(49, 99, 165);
}

// What the layout measures with: text widths and the line height in the window's fonts.
class TFontMeasure {
public:
    explicit TFontMeasure(const TDrillFonts& fonts) : fonts_(fonts) {}

    int32_t Width(const std::string& text, bool bold) const {
        TSelection font(screen_, bold ? fonts_.Bold : fonts_.Normal);
        const std::wstring wide = Utf8ToUtf16(text);
        SIZE size{};
        GetTextExtentPoint32W(screen_, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size.cx;
    }
    int32_t LineHeight() const {
        int32_t height = 0;
        for (const TFont* font : {&fonts_.Normal, &fonts_.Bold}) {
            TSelection selected(screen_, *font);
            TEXTMETRICW metrics{};
            GetTextMetricsW(screen_, &metrics);
            height = std::max<int32_t>(height, metrics.tmHeight);
        }
        return height;
    }

private:
    const TDrillFonts& fonts_;
    TScreenDC screen_;
};

} // namespace

const TResponse TProgressFigures::ResponseRows[] = {
    OnMessage<&TProgressFigures::EvPaint>(WM_PAINT),
    OnMessage<&TProgressFigures::EvFocus>(WM_SETFOCUS),
    OnMessage<&TProgressFigures::EvFocus>(WM_KILLFOCUS),
    OnMessage<&TProgressFigures::EvLButtonDown>(WM_LBUTTONDOWN),
};

const TResponseTable TProgressFigures::ResponseTable{&TWindow::ResponseTable, ResponseRows};

TProgressFigures::TProgressFigures(TWindow* parent) : TWindow(parent) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    Attr.Id = IDC_PROGRESS_FIGURES;
}

void TProgressFigures::SetPicture(const TProgressPicture& picture, const TDrillFonts& fonts) {
    picture_ = &picture;
    fonts_ = &fonts;
    if (GetHandle() != nullptr)
        Invalidate(true);
}

void TProgressFigures::Paint(HDC dc, bool, const RECT&) {
    if (picture_ == nullptr || fonts_ == nullptr)
        return;
    TSavedDC saved(dc);
    for (const TPictureBar& bar : picture_->bars) {
        const RECT place{bar.place.left, bar.place.top, bar.place.Right(), bar.place.Bottom()};
        FillRect(dc, &place, TBrush(BarColor(bar.kind)));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (const TPictureText& text : picture_->texts) {
        SelectObject(dc, text.bold ? fonts_->Bold : fonts_->Normal);
        const std::wstring wide = Utf8ToUtf16(text.text);
        TextOutW(dc, text.left, text.top, wide.c_str(), static_cast<int>(wide.size()));
    }
    if (GetFocus() == GetHandle()) {
        RECT client = GetClientRect();
        InflateRect(&client, -2, -2);
        DrawFocusRect(dc, &client);
    }
}

LRESULT TProgressFigures::EvFocus(WPARAM, LPARAM) {
    Invalidate(true);
    return DefaultProcessing();
}

LRESULT TProgressFigures::EvLButtonDown(WPARAM, LPARAM) {
    SetFocus();
    return 0;
}

const TResponse TProgressWindow::ResponseRows[] = {
    OnCommand<&TProgressWindow::CmClose>(IDOK),
    OnCommand<&TProgressWindow::CmClose>(IDCANCEL),
    OnCommand<&TProgressWindow::CmCopy>(CM_PROGRESS_COPY),
    OnMessage<&TProgressWindow::EvDpiChanged>(WM_DPICHANGED),
};

const TResponseTable TProgressWindow::ResponseTable{&TModalFrame::ResponseTable, ResponseRows};

TProgressWindow::TProgressWindow(TWindow* owner, const TProgress& progress,
                                 const std::string& table, const TDrillFonts& fonts,
                                 const TDrillScale& scale)
    : TModalFrame(owner, "Progress"), progress_(progress), table_(table),
      lines_(ProgressLines(progress, table)), fonts_(fonts), scale_(scale), figures_(this),
      closeButton_(this, IDOK, "Close", 0, 0, 0, 0, true) {
    Attr.AccelTable = IDA_PROGRESS;
    // Made where its owner is, so that it starts on the owner's monitor and at its DPI; sized to
    // its picture once it is there.
    if (owner != nullptr && owner->GetHandle() != nullptr) {
        const RECT place = owner->GetWindowRect();
        Attr.X = place.left;
        Attr.Y = place.top;
    }
    Attr.W = Attr.H = 400;
    figures_.SetText(Text());
}

std::wstring TProgressWindow::Text() const {
    std::wstring text;
    for (const std::string& line : lines_)
        text += Utf8ToUtf16(line) + L"\r\n";
    return text;
}

void TProgressWindow::SetupWindow() {
    TModalFrame::SetupWindow();
    Fit(Attr.X, Attr.Y);
    // Over the middle of its owner, and on the owner's monitor as a whole.
    TWindow* owner = GetParentObject();
    if (owner == nullptr || owner->GetHandle() == nullptr)
        return;
    const RECT over = owner->GetWindowRect();
    const RECT self = GetWindowRect();
    const int32_t width = self.right - self.left;
    const int32_t height = self.bottom - self.top;
    int32_t left = over.left + (over.right - over.left - width) / 2;
    int32_t top = over.top + (over.bottom - over.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(owner->GetHandle(), MONITOR_DEFAULTTONEAREST),
                        &monitor)) {
        const RECT& work = monitor.rcWork;
        left = std::max<int32_t>(work.left, std::min<int32_t>(left, work.right - width));
        top = std::max<int32_t>(work.top, std::min<int32_t>(top, work.bottom - height));
    }
    SetWindowPos(GetHandle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TProgressWindow::Fit(int32_t left, int32_t top) {
    // The controls let go of the old fonts before they are freed, at the end.
    std::unique_ptr<TDrillFonts> previous = std::move(scaledFonts_);
    if (!scale_.IsIdentity())
        scaledFonts_ = std::make_unique<TDrillFonts>(scale_(fonts_.Normal.GetLogFont().lfHeight));
    {
        const TFontMeasure measure(Fonts());
        picture_ = LayOutProgress(progress_, table_,
                                  TPictureFonts{[&](const std::string& text, bool bold) {
                                                    return measure.Width(text, bold);
                                                },
                                                measure.LineHeight()},
                                  scale_);
    }
    figures_.SetPicture(picture_, Fonts());
    closeButton_.SetWindowFont(Fonts().Normal, true);
    const TPictureRect& figures = picture_.figures;
    const TPictureRect& button = picture_.closeButton;
    SetWindowPos(figures_.GetHandle(), nullptr, figures.left, figures.top, figures.width,
                 figures.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(closeButton_.GetHandle(), nullptr, button.left, button.top, button.width,
                 button.height, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT outer = GetWindowRect();
    const RECT client = GetClientRect();
    const int32_t overheadX = (outer.right - outer.left) - (client.right - client.left);
    const int32_t overheadY = (outer.bottom - outer.top) - (client.bottom - client.top);
    SetWindowPos(GetHandle(), nullptr, left, top, picture_.width + overheadX,
                 picture_.height + overheadY, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(true);
}

void TProgressWindow::CmCopy() {
    CopyToClipboard(GetHandle(), Text());
}

LRESULT TProgressWindow::EvDpiChanged(WPARAM dpi, LPARAM suggested) {
    scale_ = TDrillScale(HIWORD(dpi), scale_.Zoom());
    const RECT& place = *reinterpret_cast<const RECT*>(suggested);
    // The frame's own parts take the new DPI's sizes here.
    SetWindowPos(GetHandle(), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Fit(place.left, place.top);
    return 0;
}
