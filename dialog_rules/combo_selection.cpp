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
    if (current_ < 0 || currentReloads_ != list_->Reloads() ||
        static_cast<uint32_t>(current_) >= list_->Count())
        return nullptr;
    return &list_->Items[static_cast<uint32_t>(current_)];
}

template <class T> std::string TComboSelection<T>::DisplayText(uint32_t index) const {
    if constexpr (std::is_same_v<T, TKeys>) {
        return std::to_string(index); // the COUNT level the element is for
    } else {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        WriteValue(out, list_->Items[index]);
        return out.str();
    }
}

template <class T> void TComboSelection<T>::FillItems() {
    // Appended, not added: a sorted control would otherwise part item i from element i.
    for (uint32_t i = 0; i < list_->Count(); ++i)
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
        for (uint32_t i = 0; i < list_->Count(); ++i)
            if (list_->Items[i].Count == element.Count && static_cast<int32_t>(i) != except)
                return false;
        return true;
    } else {
        const int32_t found = FindText(text);
        return found < 0 || found == except;
    }
}

template <class T> void TComboSelection<T>::AddItem() {
    DropStaleSelection();
    editChanged_ = false;
    const std::string text = TypedText();
    T element{};
    if (!IsFreeText(text, -1) || !HasRoom() || !ElementFromText(text, element))
        return;
    const int32_t index = sorted_ ? AddText(text) : InsertText(text, current_ + 1);
    if (index < 0)
        return;
    SetCurrent(index);
    Select(current_);
    list_->InsertAt(static_cast<uint32_t>(current_), element);
    StoreMembers();
}

template <class T> void TComboSelection<T>::DeleteItem() {
    const int32_t index = Selection();
    if (index < 0)
        return;
    DeleteText(index);
    list_->RemoveAt(static_cast<uint32_t>(index));
    SetCurrent(-1);
    editChanged_ = false;
}

template <class T> void TComboSelection<T>::SyncSelection() {
    // The control notifies while it is being changed below.
    if (busy_)
        return;
    TBusy busy(busy_);
    DropStaleSelection();
    StoreMembers();
    const int32_t old = current_;
    SetCurrent(Selection());
    if (editChanged_) {
        editChanged_ = false;
        const std::string text = TypedText();
        T element{};
        if (IsFreeText(text, old) && (old >= 0 || HasRoom()) && ElementFromText(text, element)) {
            const bool same = old == current_;
            if (old >= 0) {
                DeleteText(old);
                list_->RemoveAt(static_cast<uint32_t>(old));
                if (old < current_)
                    --current_;
            }
            const int32_t position = sorted_ ? AddText(text) : InsertText(text, old);
            if (position < 0) {
                current_ = -1;
            } else {
                if (same)
                    current_ = position;
                else if (position <= current_)
                    ++current_;
                list_->InsertAt(static_cast<uint32_t>(position), element);
            }
            Select(current_);
        }
    }
    LoadMembers();
}

template <class T> void TComboSelection<T>::SetCurrent(int32_t index) {
    current_ = index < 0 ? -1 : index;
    currentReloads_ = list_->Reloads();
}

template <class T> void TComboSelection<T>::DropStaleSelection() {
    if (currentReloads_ != list_->Reloads()) {
        SetCurrent(-1);
        editChanged_ = false;
    }
}

template <class T> void TComboSelection<T>::StoreMembers() {
    if (CurrentItem() == nullptr)
        return;
    for (auto member = members_.rbegin(); member != members_.rend(); ++member)
        (*member)->StoreMember();
}

template <class T> void TComboSelection<T>::LoadMembers() {
    if (CurrentItem() == nullptr)
        return;
    for (auto member = members_.rbegin(); member != members_.rend(); ++member)
        (*member)->LoadMember();
}

template <class T> bool TComboSelection<T>::HasRoom() const {
    // The stored list has numbered keys for this many elements only.
    return list_->Count() < TEntryList<T>::MaxElements;
}

template class TComboSelection<TAge>;
template class TComboSelection<TKeys>;
