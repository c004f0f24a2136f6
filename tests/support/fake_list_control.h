#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "dialog_rules/combo_selection.h"

// A combo box as the selection rules see it, in memory: searches and sorting without regard to
// case, like the real control. Like the real control, it puts the chosen item into its edit
// part only after it has told of the selection change.
template <class T> class FakeListControl : public TComboSelection<T> {
public:
    explicit FakeListControl(TOptionList<T>& list, bool sorted = false) : TComboSelection<T>(list) {
        this->FillItems();
        this->SetSorted(sorted);
    }

    void Type(const std::string& text) {
        typed = text;
        this->NoteEditChange();
    }
    void Choose(int32_t index) {
        selected = index;
        this->SyncSelection();
        if (index >= 0 && index < static_cast<int32_t>(items.size()))
            typed = items[static_cast<size_t>(index)];
    }

    std::vector<std::string> items;
    int32_t selected = -1;
    std::string typed;

protected:
    std::string TypedText() const override { return typed; }
    int32_t AddText(const std::string& text) override {
        if (!this->IsSorted())
            return InsertText(text, -1);
        const auto at = std::find_if(items.begin(), items.end(), [&](const std::string& item) {
            return Compare(item, text) > 0;
        });
        return InsertText(text, static_cast<int32_t>(at - items.begin()));
    }
    int32_t InsertText(const std::string& text, int32_t index) override {
        if (index < 0)
            index = static_cast<int32_t>(items.size());
        if (index > static_cast<int32_t>(items.size()))
            return -1;
        items.insert(items.begin() + index, text);
        if (selected >= index)
            ++selected;
        return index;
    }
    void DeleteText(int32_t index) override {
        if (index < 0 || index >= static_cast<int32_t>(items.size()))
            return;
        items.erase(items.begin() + index);
        if (selected == index)
            selected = -1;
        else if (selected > index)
            --selected;
    }
    int32_t FindText(const std::string& text) const override {
        for (size_t i = 0; i < items.size(); ++i)
            if (Compare(items[i], text) == 0)
                return static_cast<int32_t>(i);
        return -1;
    }
    int32_t Selection() const override { return selected; }
    void Select(int32_t index) override {
        selected = index >= 0 && index < static_cast<int32_t>(items.size()) ? index : -1;
        if (selected >= 0)
            typed = items[static_cast<size_t>(selected)];
    }

private:
    // Both texts in lower case, compared byte by byte.
    static int Compare(const std::string& a, const std::string& b) {
        std::string x = a;
        std::string y = b;
        for (std::string* text : {&x, &y})
            for (char& c : *text)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return x.compare(y);
    }
};
