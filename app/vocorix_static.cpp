#include "app/vocorix_static.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "framework/accessibility.h"
#include "framework/brush.h"
#include "framework/dc.h"
#include "framework/theme.h"
#include "platform/text_codec.h"
#include "settings/options.h"

const TResponse TVocorixStatic::ResponseRows[] = {
    OnMessage<&TVocorixStatic::EvPaint>(WM_PAINT),
};

const TResponseTable TVocorixStatic::ResponseTable{&TStatic::ResponseTable, ResponseRows};

TVocorixStatic::TVocorixStatic(TWindow* parent, int32_t id, uint32_t textLimit, TOptions* options,
                               const TDrillFonts& fonts)
    : TStatic(parent, id, "", 0, 0, 0, 0, textLimit), options_(options), fonts_(&fonts) {
    Constraints.X = ParentEdge(TEdge::Left, 20);
    Constraints.Y = ParentEdge(TEdge::Top, 20);
    Constraints.Width = ParentEdge(TEdge::Right, -20);
}

int32_t TVocorixStatic::FitHeight() {
    int32_t height = 20;
    if (options_->Transcription)
        height = 36;
    if (options_->ThirdLanguage)
        height += LineStep;
    Constraints.Height = Absolute(height);
    Attr.H = height;
    return height;
}

void TVocorixStatic::SetFonts(const TDrillFonts& fonts, int32_t lineStep) {
    fonts_ = &fonts;
    lineStep_ = lineStep;
    if (GetHandle() != nullptr)
        Invalidate(true);
}

void TVocorixStatic::SetText(const char* text, int leadIn, int wordLength, int transcriptionLength,
                             const TCodePageText& codePage) {
    length_ = static_cast<uint32_t>(std::strlen(text));
    text_ = std::make_unique<char[]>(length_ + 1);
    std::memcpy(text_.get(), text, length_ + 1);
    // The segments, cut to the text so that lengths out of step with it cannot over-read; each
    // converted by itself, so that a character of two bytes never falls apart between them.
    const std::string_view question(text_.get(), length_);
    size_t start = 0;
    const int lengths[] = {leadIn, wordLength, transcriptionLength, static_cast<int>(length_)};
    for (size_t i = 0; i < segments_.size(); ++i) {
        const size_t length = static_cast<size_t>(std::max(lengths[i], 0));
        const std::string_view segment = question.substr(std::min<size_t>(start, length_), length);
        segments_[i] = codePage.ToUtf16(segment);
        start += segment.size();
    }
    // The window's text is the question as painted, the accessible name a screen reader speaks.
    if (GetHandle() != nullptr) {
        SetWindowTextW(GetHandle(), SpokenText().c_str());
        NotifyNameChange(GetHandle());
    }
    Invalidate(true);
    UpdateWindow();
}

std::wstring TVocorixStatic::SpokenText() const {
    std::wstring spoken = segments_[0] + segments_[1];
    const auto line = [&spoken](const std::wstring& text) {
        if (!text.empty() && !spoken.empty() && spoken.back() != L' ' && text.front() != L' ')
            spoken += L' ';
        spoken += text;
    };
    if (options_->Transcription)
        line(segments_[2]);
    if (options_->ThirdLanguage)
        line(segments_[3]);
    return spoken;
}

std::wstring TVocorixStatic::ShownText() const {
    std::wstring shown;
    for (const std::wstring& segment : segments_)
        shown += segment;
    return shown;
}

void TVocorixStatic::Paint(HDC dc, bool, const RECT&) {
    const RECT r = GetClientRect();
    TSavedDC saved(dc);
    SetBkColor(dc, FaceColor());
    SetTextColor(dc, FaceTextColor());
    SetBkMode(dc, TRANSPARENT);
    if (text_ == nullptr) {
        TBrush face(FaceColor());
        FillRect(dc, &r, face);
        return;
    }
    const auto draw = [&](int x, int y, UINT options, const std::wstring& text) {
        ExtTextOutW(dc, x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
    };
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 0, 0, nullptr);
    SelectObject(dc, fonts_->Normal);
    draw(0, 0, ETO_OPAQUE | ETO_CLIPPED, segments_[0]);
    POINT p{};
    GetCurrentPositionEx(dc, &p);

    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SelectObject(dc, fonts_->Bold);
    draw(p.x, p.y, ETO_CLIPPED, segments_[1]);
    if (options_->Transcription) {
        p.y += lineStep_;
        SelectObject(dc, fonts_->Normal);
        draw(p.x, p.y, ETO_CLIPPED, segments_[2]);
    }
    if (options_->ThirdLanguage) {
        p.y += lineStep_;
        SelectObject(dc, fonts_->Bold);
        draw(p.x, p.y, ETO_CLIPPED, segments_[3]);
    }
}
