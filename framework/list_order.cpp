#include "framework/list_order.h"

#include <windows.h>

#include <algorithm>
#include <utility>

std::string ListSortKey(const char* text) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text, -1, nullptr, 0);
    std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        LCMapStringA(LOCALE_USER_DEFAULT, flags, text, -1, key.data(), size);
    return key;
}

void SortForList(std::vector<const char*>& texts) {
    std::vector<std::pair<std::string, const char*>> keyed;
    keyed.reserve(texts.size());
    for (const char* text : texts)
        keyed.emplace_back(ListSortKey(text), text);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = keyed[i].second;
}
