#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The parts of a phrase, split at one separator outside parentheses, and an order in which to
// compare them. The order starts as 0, 1, ..., n - 1; NextOrder steps through the permutations in
// lexicographic order, skipping every order that keeps a prefix known to fail.
class TJuggler {
public:
    TJuggler(std::string_view text, unsigned char sep);

    uint32_t Count() const { return static_cast<uint32_t>(parts.size()); }
    uint32_t OrderAt(uint32_t position) const { return order[position]; }
    const std::string& Part(uint32_t number) const { return parts[number]; }

    // Called when the part at position k failed after positions 0..k-1 matched: moves to the
    // next order that differs within positions 0..k and returns the first position that
    // changed, or -1 when no order is left. The positions after it hold the unused part
    // numbers in increasing order.
    int32_t NextOrder(int32_t k);

private:
    std::vector<uint32_t> order;
    std::vector<std::string> parts;
};
