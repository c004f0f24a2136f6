#include "framework/status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/dc.h"
#include "platform/text_codec.h"

namespace {
const wchar_t CapsText[] = L"CAPS";

void InitBarClass() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}
} // namespace

TTextGadget::TTextGadget(int32_t id, uint32_t numChars, std::string_view text)
    : id_(id), numChars_(numChars), text_(Utf8ToUtf16(text)) {}

void TTextGadget::SetText(std::string_view text) {
    SetText(Utf8ToUtf16(text));
}

void TTextGadget::SetText(std::wstring_view text) {
    text_ = text;
    if (bar_ != nullptr && bar_->GetHandle() != nullptr)
        bar_->ShowText(index_, text_.c_str());
}

TStatusBar::TStatusBar(TWindow* parent, uint32_t modeIndicators, HFONT font)
    : TWindow(parent), modeIndicators_(modeIndicators), font_(font) {
    // The frame places the bar; it must not place itself.
    Attr.Style = WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
}

const wchar_t* TStatusBar::ClassName() const {
    InitBarClass();
    return STATUSCLASSNAMEW;
}

void TStatusBar::Insert(TTextGadget& gadget) {
    gadget.bar_ = this;
    gadget.index_ = static_cast<int32_t>(gadgets_.size());
    gadgets_.push_back(&gadget);
}

TTextGadget* TStatusBar::GadgetWithId(int32_t id) const {
    for (TTextGadget* gadget : gadgets_)
        if (gadget->GetId() == id)
            return gadget;
    return nullptr;
}

int32_t TStatusBar::GadgetWidth(uint32_t numChars) const {
    TScreenDC dc;
    TSelection font(dc, font_);
    INT widths['~' - ' ' + 1];
    GetCharWidth32W(dc, L' ', L'~', widths);
    const int32_t widest = *std::max_element(std::begin(widths), std::end(widths));
    return static_cast<int32_t>(numChars) * widest + margin_;
}

int32_t TStatusBar::DesiredHeight() const {
    TScreenDC dc;
    TSelection font(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight + margin_;
}

RECT TStatusBar::FieldRect(int32_t index) const {
    RECT rect{};
    Send(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void TStatusBar::SetFont(HFONT font, int32_t fieldMargin) {
    font_ = font;
    margin_ = fieldMargin;
    if (GetHandle() == nullptr)
        return;
    SetWindowFont(font_, true);
    SetParts();
}

void TStatusBar::SetupWindow() {
    TWindow::SetupWindow();
    SetWindowFont(font_, false);
    SetParts();
    for (TTextGadget* gadget : gadgets_)
        ShowText(gadget->index_, gadget->GetText().c_str());
    capsShown_ = -1;
    UpdateModeIndicators();
}

std::vector<int> TStatusBar::FieldRights() const {
    std::vector<int> rights;
    int right = 0;
    for (TTextGadget* gadget : gadgets_) {
        right += GadgetWidth(gadget->NumChars());
        rights.push_back(right);
    }
    if (modeIndicators_ & CapsLock) {
        right += GadgetWidth(std::size(CapsText) - 1);
        rights.push_back(right);
    }
    return rights;
}

int32_t TStatusBar::DesiredWidth() const {
    const std::vector<int> rights = FieldRights();
    return rights.empty() ? 0 : rights.back();
}

void TStatusBar::SetParts() {
    const std::vector<int> rights = FieldRights();
    if (modeIndicators_ & CapsLock)
        capsIndex_ = static_cast<int32_t>(gadgets_.size());
    Send(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

void TStatusBar::ShowText(int32_t index, const wchar_t* text) {
    Send(SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
}

void TStatusBar::UpdateModeIndicators() {
    if (capsIndex_ < 0 || GetHandle() == nullptr)
        return;
    const int caps = GetKeyState(VK_CAPITAL) & 1;
    if (caps != capsShown_) {
        capsShown_ = caps;
        ShowText(capsIndex_, caps ? CapsText : L"");
    }
}
