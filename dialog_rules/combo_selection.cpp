#include "dialog_rules/combo_selection.h"

#include <locale>
#include <sstream>
#include <type_traits>

namespace {

template <class T> bool ReadElement(const std::string& text, T& element) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    T read{};
    if (!ReadValue(in, read))
        return false;
    element = read;
    return true;
}

// Clears a flag when the scope ends, however it ends.
class TBusy {
public:
    explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
    ~TBusy() { flag_ = false; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    bool& flag_;
};

} // namespace

bool ElementFromText(const std::string& text, TAge& element) {
    return ReadElement(text, element);
}

bool ElementFromText(const std::string& text, TKeys& element) {
    return ReadElement(text, element);
}

template <class T> T* TComboSelection<T>::CurrentItem() const {
    if (Current < 0 || currentReloads_ != List->Reloads() ||
        static_cast<uint32_t>(Current) >= List->Count())
        return nullptr;
    return &List->Items[static_cast<uint32_t>(Current)];
}

template <class T> std::string TComboSelection<T>::DisplayText(uint32_t index) const {
    if constexpr (std::is_same_v<T, TKeys>) {
        return std::to_string(index); // the COUNT level the element is for
    } else {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        WriteValue(out, List->Items[index]);
        return out.str();
    }
}

template <class T> void TComboSelection<T>::FillItems() {
    // Appended, not added: a sorted control would otherwise part item i from element i.
    for (uint32_t i = 0; i < List->Count(); ++i)
        InsertText(DisplayText(i), -1);
}

template <class T>
bool TComboSelection<T>::IsFreeText(const std::string& text, int32_t except) const {
    T element{};
    if (!ElementFromText(text, element))
        return false;
    if constexpr (std::is_same_v<T, TAge>) {
        if (CheckAgeText(text.c_str()) == 0)
            return false;
        // By number, so that 07:5 and 7:3 collide; item i shows element i.
        for (uint32_t i = 0; i < List->Count(); ++i)
            if (List->Items[i].Count == element.Count && static_cast<int32_t>(i) != except)
                return false;
        return true;
    } else {
        const int32_t found = FindText(text);
        return found < 0 || found == except;
    }
}

template <class T> void TComboSelection<T>::AddItem() {
    DropStaleSelection();
    EditChanged = 0;
    const std::string text = TypedText();
    T element{};
    if (!IsFreeText(text, -1) || !HasRoom() || !ElementFromText(text, element))
        return;
    const int32_t index = Sorted ? AddText(text) : InsertText(text, Current + 1);
    if (index < 0)
        return;
    SetCurrent(index);
    Select(Current);
    List->InsertAt(static_cast<uint32_t>(Current), element);
    StoreMembers();
}

template <class T> void TComboSelection<T>::DeleteItem() {
    const int32_t index = Selection();
    if (index < 0)
        return;
    DeleteText(index);
    List->RemoveAt(static_cast<uint32_t>(index));
    SetCurrent(-1);
    EditChanged = 0;
}

template <class T> void TComboSelection<T>::SyncSelection() {
    // The control notifies while it is being changed below.
    if (busy_)
        return;
    TBusy busy(busy_);
    DropStaleSelection();
    StoreMembers();
    const int32_t old = Current;
    SetCurrent(Selection());
    if (EditChanged == 1) {
        EditChanged = 0;
        const std::string text = TypedText();
        T element{};
        if (IsFreeText(text, old) && (old >= 0 || HasRoom()) && ElementFromText(text, element)) {
            const bool same = old == Current;
            if (old >= 0) {
                DeleteText(old);
                List->RemoveAt(static_cast<uint32_t>(old));
                if (old < Current)
                    --Current;
            }
            const int32_t position = Sorted ? AddText(text) : InsertText(text, old);
            if (position < 0) {
                Current = -1;
            } else {
                if (same)
                    Current = position;
                else if (position <= Current)
                    ++Current;
                List->InsertAt(static_cast<uint32_t>(position), element);
            }
            Select(Current);
        }
    }
    LoadMembers();
}

template <class T> void TComboSelection<T>::SetCurrent(int32_t index) {
    Current = index < 0 ? -1 : index;
    currentReloads_ = List->Reloads();
}

template <class T> void TComboSelection<T>::DropStaleSelection() {
    if (currentReloads_ != List->Reloads()) {
        SetCurrent(-1);
        EditChanged = 0;
    }
}

template <class T> void TComboSelection<T>::StoreMembers() {
    if (CurrentItem() == nullptr)
        return;
    for (TMemberBase* member = Members; member != nullptr; member = member->Next)
        member->StoreMember();
}

template <class T> void TComboSelection<T>::LoadMembers() {
    if (CurrentItem() == nullptr)
        return;
    for (TMemberBase* member = Members; member != nullptr; member = member->Next)
        member->LoadMember();
}

template <class T> bool TComboSelection<T>::HasRoom() const {
    // The stored list has numbered keys for this many elements only.
    return List->Count() < TEntryList<T>::MaxElements;
}

template class TComboSelection<TAge>;
template class TComboSelection<TKeys>;
