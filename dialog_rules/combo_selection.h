#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_rules/option_list.h"

// A control that edits one field of the element selected in a list control (a check box for
// one switch of TKeys).
class TMemberBase {
public:
    virtual ~TMemberBase() = default;
    // The control's state into the selected element, and back.
    virtual void StoreMember() = 0;
    virtual void LoadMember() = 0;
};

// Shows a list option in a combo box or a list box, one item per element (item i is always
// element i), follows the selected element and adds, replaces and deletes elements by the text
// typed into the control. The control itself supplies the item operations below. Instantiated
// for TAge and TKeys.
template <class T> class TComboSelection {
public:
    explicit TComboSelection(TOptionList<T>& list) : list_(&list) {}
    virtual ~TComboSelection() = default;
    TComboSelection(const TComboSelection&) = delete;
    TComboSelection& operator=(const TComboSelection&) = delete;

    // The typed text becomes a new element after the selected one (at the top when none is
    // selected; where the control sorts it in a sorted control) and is selected; the members
    // store their states into it. A text that is not free changes nothing.
    void AddItem();
    // Removes the selected item and its element; then nothing is selected.
    void DeleteItem();
    // The members store their states into the element selected so far; a pending typed text
    // replaces that element when it is free for it; then the control's selection becomes the
    // current element and the members show it.
    void SyncSelection();
    // Whether the text may become the item at `except` (-1: a new item): it must read as an
    // element, and no other item may hold it (for ages: no other item may have its threshold,
    // compared as numbers).
    bool IsFreeText(const std::string& text, int32_t except) const;

    // The element selected now, or null: none is selected, or the list was reloaded since.
    T* CurrentItem() const;
    // The text an item shows for element `index`.
    std::string DisplayText(uint32_t index) const;

    // A member control follows this list's selection from now on (the latest joined is asked
    // first).
    void Join(TMemberBase& member) { members_.push_back(&member); }

    // The index of the selected item, -1 for none.
    int32_t CurrentIndex() const { return current_; }
    // Whether the user typed into the edit part since the selection was last taken.
    bool EditChanged() const { return editChanged_; }

protected:
    TOptionList<T>& List() const { return *list_; }
    // Told by the control: whether it sorts its items; that the user typed into its edit part.
    void SetSorted(bool sorted) { sorted_ = sorted; }
    bool IsSorted() const { return sorted_; }
    void NoteEditChange() { editChanged_ = true; }

    // Fills the control with one item per element, in the list's order.
    void FillItems();

    // The item operations of the control. Indexes are the control's; -1 stands for none.
    virtual std::string TypedText() const = 0;
    // Adds where a sorted control sorts it; returns the index, negative when refused.
    virtual int32_t AddText(const std::string& text) = 0;
    // Inserts at `index` (-1: at the end) without sorting; returns the index, negative when
    // refused.
    virtual int32_t InsertText(const std::string& text, int32_t index) = 0;
    virtual void DeleteText(int32_t index) = 0;
    // The first item that equals the text, without regard to case.
    virtual int32_t FindText(const std::string& text) const = 0;
    virtual int32_t Selection() const = 0;
    virtual void Select(int32_t index) = 0;

private:
    void SetCurrent(int32_t index);
    // Forgets a selection made before the list was reloaded.
    void DropStaleSelection();
    void StoreMembers();
    void LoadMembers();
    bool HasRoom() const;

    TOptionList<T>* list_; // not owned
    std::vector<TMemberBase*> members_;
    int32_t current_ = -1; // index of the selected item, -1 for none
    bool editChanged_ = false;
    bool sorted_ = false;
    uint32_t currentReloads_ = 0; // the list's reload count when current_ was set
    bool busy_ = false;
};

extern template class TComboSelection<TAge>;
extern template class TComboSelection<TKeys>;

// The element a typed text stands for; false when the text does not read as one.
bool ElementFromText(const std::string& text, TAge& element);
bool ElementFromText(const std::string& text, TKeys& element);
