#include "dialog_rules/option_list.h"

template <class T>
TOptionList<T>::TOptionList(TOptionBindings& dialog, const std::vector<T>& values,
                            TEntryList<T>& entryList)
    : Items(values), EntryList(&entryList) {
    dialog.Add(*this);
}

template <class T> TOptionList<T>::~TOptionList() {
    if (IsAccepted())
        EntryList->Store(Items);
}

template <class T> void TOptionList<T>::Reload() {
    Items = EntryList->Values;
    ++reloads_;
}

template <class T> void TOptionList<T>::InsertAt(uint32_t index, const T& value) {
    const T copy = value; // the value may be one of the list's own elements
    if (index > Items.size())
        Items.resize(index);
    Items.insert(Items.begin() + index, copy);
}

template <class T> void TOptionList<T>::RemoveAt(uint32_t index) {
    if (index < Items.size())
        Items.erase(Items.begin() + index);
}

template class TOptionList<TAge>;
template class TOptionList<TKeys>;
