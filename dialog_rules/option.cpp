#include "dialog_rules/option.h"

#include <locale>
#include <sstream>

#include "platform/utf8.h"

template <class T>
TOption<T>::TOption(TOptionBindings& dialog, TEntry<T>& entry)
    : Value(*entry.Value), Entry(&entry) {
    dialog.Add(*this);
}

template <class T> TOption<T>::~TOption() {
    if (IsAccepted()) {
        *Entry->Value = Value;
        Entry->Write();
    }
}

template <class T> void TOption<T>::Reload() {
    Value = *Entry->Value;
}

template class TOption<character>;
template class TOption<unsigned int>;
template class TOption<int>;

namespace {
template <class T> std::string Written(const T& value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    WriteValue(out, value);
    std::string text = out.str();
    text.resize(Utf8Prefix(text, TEntry<T>::TextLimit));
    return text;
}
} // namespace

std::string OptionText(const character& value) {
    return Written(value);
}

std::string OptionText(unsigned int value) {
    return Written(value);
}

namespace {
std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}
} // namespace

bool FitsOptionText(const std::string& text) {
    return Utf8Length(FirstLine(text)) <= TEntry<character>::TextLimit;
}

TFileNameAtOk FileNameAtOk(const std::string& text, const std::string& drilled) {
    if (FitsOptionText(text))
        return TFileNameAtOk::Store;
    // Given on the command line or dropped: cut, it would name no file.
    return text == drilled ? TFileNameAtOk::DrillThisOnce : TFileNameAtOk::Refuse;
}

bool ReadOptionText(const std::string& text, character& value) {
    std::string line = FirstLine(text);
    line.resize(Utf8Prefix(line, TEntry<character>::TextLimit));
    value = character(line.c_str());
    return true;
}

bool ReadOptionText(const std::string& text, unsigned int& value) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    unsigned int read = value;
    if (!ReadValue(in, read))
        return false;
    value = read;
    return true;
}
