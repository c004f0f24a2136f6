#include "settings/entry.h"

#include <algorithm>
#include <locale>
#include <sstream>
#include <string>

#include "platform/profile.h"

template <class T>
TEntry<T>::TEntry(T& value, TIniFile& ini, const char* section, const char* key, bool readNow,
                  const char* defaultText)
    : Section(section), Key(key), Ini(ini), Value(&value) {
    if (!readNow)
        return;
    char buffer[TextLimit + 1] = {};
    uint32_t length = ProfileRead(Ini.Path, Section, Key.Text,
                                  defaultText == nullptr ? "" : defaultText, buffer, sizeof buffer);
    length = std::min<uint32_t>(length, TextLimit);
    std::istringstream in(std::string(buffer, std::find(buffer, buffer + length, '\0')));
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
    if (text.size() > TextLimit)
        text.resize(TextLimit);
    ProfileWrite(Ini.Path, Section, Key.Text, text.c_str());
}

template class TEntry<int>;
template class TEntry<unsigned int>;
template class TEntry<TPoint>;
template class TEntry<character>;
template class TEntry<TAge>;
template class TEntry<TKeys>;
