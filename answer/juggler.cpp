#include "answer/juggler.h"

#include <algorithm>

#include "answer/separators.h"

TJuggler::TJuggler(std::string_view text, unsigned char sep) {
    const auto pieces = SplitOutsideParentheses(text, sep);
    parts.reserve(pieces.size());
    for (const auto piece : pieces)
        parts.emplace_back(piece);
    order.resize(parts.size());
    for (uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
}

int32_t TJuggler::NextOrder(int32_t k) {
    const auto n = static_cast<int32_t>(order.size());
    if (k < 0 || k >= n)
        return -1;
    std::vector<bool> used(order.size());
    for (int32_t position = k; position >= 0; --position) {
        std::fill(used.begin(), used.end(), false);
        for (int32_t i = 0; i < position; ++i)
            used[order[i]] = true;
        uint32_t next = order[position] + 1;
        while (next < order.size() && used[next])
            ++next;
        if (next == order.size())
            continue;
        order[position] = next;
        used[next] = true;
        uint32_t fill = 0;
        for (int32_t i = position + 1; i < n; ++i) {
            while (used[fill])
                ++fill;
            order[i] = fill++;
        }
        return position;
    }
    return -1;
}
