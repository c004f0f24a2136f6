#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/window.h"

class TStatusBar;

// A recessed, left-aligned text field of a status bar, as wide as a number of characters.
class TTextGadget {
public:
    // Texts given as `char` are UTF-8.
    TTextGadget(int32_t id, uint32_t numChars, std::string_view text = "");
    TTextGadget(const TTextGadget&) = delete;
    TTextGadget& operator=(const TTextGadget&) = delete;

    int32_t GetId() const { return id_; }
    uint32_t NumChars() const { return numChars_; }
    const std::wstring& GetText() const { return text_; }
    void SetText(std::string_view text);
    void SetText(std::wstring_view text);

private:
    friend class TStatusBar;
    int32_t id_;
    uint32_t numChars_;
    std::wstring text_;
    TStatusBar* bar_ = nullptr;
    int32_t index_ = -1;
};

// The bottom bar of a decorated frame: text gadgets in insertion order, then the mode
// indicators asked for.
class TStatusBar : public TWindow {
public:
    enum TModeIndicator : uint32_t { CapsLock = 2 };

    // Border and padding of one field, both sides together, on a 96-DPI screen.
    static constexpr int32_t FieldMargin = 8;

    TStatusBar(TWindow* parent, uint32_t modeIndicators, HFONT font);

    // A new font and field margin (for another DPI): the fields are measured anew.
    void SetFont(HFONT font, int32_t fieldMargin);

    // Gadgets go in before the bar is created; they must outlive it.
    void Insert(TTextGadget& gadget);
    TTextGadget* GadgetWithId(int32_t id) const;
    // Width in pixels of a gadget of this many characters: each character counts as the
    // widest printable ASCII character of the bar's font, plus the borders.
    int32_t GadgetWidth(uint32_t numChars) const;
    // The height the frame gives the bar: one line of the font plus the borders.
    int32_t DesiredHeight() const;
    // The width the bar needs to show every field whole.
    int32_t DesiredWidth() const;
    // The rectangle of the index-th field (gadgets first, then indicators), in bar coordinates.
    RECT FieldRect(int32_t index) const;
    // Shows the present state of the keys behind the mode indicators.
    void UpdateModeIndicators();

protected:
    const wchar_t* ClassName() const override;
    bool IsPredefinedClass() const override { return true; }
    void SetupWindow() override;

private:
    friend class TTextGadget;
    void ShowText(int32_t index, const wchar_t* text);
    void SetParts();
    // The right edge of each field, gadgets first, then the indicators.
    std::vector<int> FieldRights() const;

    std::vector<TTextGadget*> gadgets_;
    uint32_t modeIndicators_;
    HFONT font_;
    int32_t margin_ = FieldMargin;
    int32_t capsIndex_ = -1;
    int capsShown_ = -1;
};
