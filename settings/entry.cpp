#include "settings/entry.h"

#include <algorithm>
#include <locale>
#include <sstream>
#include <string>

#include "platform/profile.h"
#include "platform/utf8.h"

template <class T>
TEntry<T>::TEntry(T& value, TIniFile& ini, const char* section, const char* key, bool readNow,
                  const char* defaultText)
    : Section(section), Key(key), Ini(ini), Value(&value) {
    if (!readNow)
        return;
    std::string text =
        ProfileReadText(Ini.Path, Section, Key.Text, defaultText == nullptr ? "" : defaultText);
    text.resize(Utf8Prefix(text, TextLimit));
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    ReadValue(in, *Value);
}

template <class T> void TEntry<T>::Write() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    WriteValue(out, *Value);
    std::string text = out.str();
    // Only as much as reads back: no line break (the profile line would end there) and at most
    // TextLimit characters (the read buffer).
    text.resize(std::min(text.find_first_of("\r\n"), text.size()));
    text.resize(Utf8Prefix(text, TextLimit));
    if (!ProfileWriteText(Ini.Path, Section, Key.Text, text))
        Ini.WriteFailed();
}

template class TEntry<int>;
template class TEntry<unsigned int>;
template class TEntry<TPoint>;
template class TEntry<character>;
template class TEntry<TAge>;
template class TEntry<TKeys>;
