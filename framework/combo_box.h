#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control.h"

class TCodePageText;

// A combo box. Index results are CB_ERR (-1) when there is no such item; adding answers
// CB_ERRSPACE (-2) when the list is full.
class TComboBox : public TControl {
public:
    // `style` holds the CBS_ kind (CBS_DROPDOWN, CBS_SORT, ...); `textLimit` counts the
    // terminating zero, 0 for none.
    TComboBox(TWindow* parent, int32_t id, int32_t x, int32_t y, int32_t w, int32_t h, DWORD style,
              uint32_t textLimit);
    TComboBox(TWindow* parent, int32_t resourceId, uint32_t textLimit = 0);

    // Texts given and taken as `char` are UTF-8.
    int32_t AddString(std::string_view text);
    int32_t AddString(std::wstring_view text);
    // Puts the text at `index` (-1: the end) without sorting.
    int32_t InsertString(std::wstring_view text, int32_t index);
    int32_t GetCount() const;
    std::string GetString(int32_t index) const;
    std::wstring GetWideString(int32_t index) const;
    // Empties the list part (and, in a drop-down box, the edit part).
    void ClearList();
    // Case-insensitive search for the whole text, after `startIndex`; CB_ERR when absent.
    int32_t FindExactString(std::string_view text, int32_t startIndex = -1) const;
    int32_t GetSelIndex() const;
    // Selects the item and puts its text into the edit part; -1 selects none.
    int32_t SetSelIndex(int32_t index);
    void ShowList(bool show);
    bool GetDroppedState() const;
    RECT GetDroppedControlRect() const;
    // Adds texts of this code page that are already in the list's order (SortForList) after
    // the present items, without repainting the list for each one.
    void AppendItems(const std::vector<const char*>& texts, const TCodePageText& codePage);
    void SetTextLimit(uint32_t characters);
    // Selection in the edit part; the caret stands at its end.
    void GetEditSel(uint32_t& start, uint32_t& end) const;
    void SetEditSel(uint32_t start, uint32_t end);
    // The edit part of a drop-down box, or null.
    HWND GetEditHandle() const;

protected:
    const wchar_t* ClassName() const override { return L"COMBOBOX"; }
    void SetupWindow() override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

    // A drop-down box is given a height whose list part is a whole number of items: the list
    // would cut itself to that height each time it opens, which moves and repaints it twice.
    LRESULT EvWindowPosChanging(WPARAM, LPARAM lParam);

    uint32_t TextLimit;
};
