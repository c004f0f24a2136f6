#include "app/vocorix_static.h"

#include <cstring>

#include "framework/brush.h"
#include "framework/dc.h"
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

void TVocorixStatic::SetText(const char* text, int leadIn, int wordLength,
                             int transcriptionLength) {
    leadIn_ = leadIn;
    wordLength_ = wordLength;
    transcriptionLength_ = transcriptionLength;
    length_ = static_cast<uint32_t>(std::strlen(text));
    text_ = std::make_unique<char[]>(length_ + 1);
    std::memcpy(text_.get(), text, length_ + 1);
    Invalidate(true);
    UpdateWindow();
}

void TVocorixStatic::Paint(HDC dc, bool, const RECT&) {
    const RECT r = GetClientRect();
    TSavedDC saved(dc);
    SetBkColor(dc, TColor::LtGray);
    SetBkMode(dc, TRANSPARENT);
    if (text_ == nullptr) {
        TBrush grey(TColor::LtGray);
        FillRect(dc, &r, grey);
        return;
    }
    // The segments, cut to the text so that lengths out of step with it cannot over-read.
    auto segment = [&](uint32_t start, uint32_t count) {
        if (start > length_)
            start = length_;
        if (count > length_ - start)
            count = length_ - start;
        return std::make_pair(text_.get() + start, static_cast<UINT>(count));
    };
    const uint32_t leadIn = static_cast<uint32_t>(leadIn_);
    const uint32_t word = static_cast<uint32_t>(wordLength_);
    const uint32_t transcription = static_cast<uint32_t>(transcriptionLength_);

    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 0, 0, nullptr);
    SelectObject(dc, fonts_->Normal);
    auto [leadText, leadCount] = segment(0, leadIn);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, leadText, leadCount, nullptr);
    POINT p{};
    GetCurrentPositionEx(dc, &p);

    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SelectObject(dc, fonts_->Bold);
    auto [wordText, wordCount] = segment(leadIn, word);
    ExtTextOutA(dc, p.x, p.y, ETO_CLIPPED, &r, wordText, wordCount, nullptr);
    if (options_->Transcription) {
        p.y += lineStep_;
        SelectObject(dc, fonts_->Normal);
        auto [text, count] = segment(leadIn + word, transcription);
        ExtTextOutA(dc, p.x, p.y, ETO_CLIPPED, &r, text, count, nullptr);
    }
    if (options_->ThirdLanguage) {
        p.y += lineStep_;
        SelectObject(dc, fonts_->Bold);
        auto [text, count] = segment(leadIn + word + transcription, length_);
        ExtTextOutA(dc, p.x, p.y, ETO_CLIPPED, &r, text, count, nullptr);
    }
}
