#include "answer/subsequence.h"

#include <bit>

namespace {

constexpr std::size_t WordBits = 64;
// Early exits are tested every so many bytes of the other text, not on every byte.
constexpr std::size_t ExitTestStride = 16;

uint64_t LowBits(std::size_t count) {
    return count >= WordBits ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
}

void BuildMasks(std::string_view text, std::size_t words, std::vector<uint64_t>& masks) {
    masks.assign(256 * words, 0);
    for (std::size_t q = 0; q < text.size(); ++q)
        masks[static_cast<unsigned char>(text[q]) * words + q / WordBits] |= uint64_t{1}
                                                                             << (q % WordBits);
}

} // namespace

TSubsequenceMasks::TSubsequenceMasks(std::string_view text)
    : text(text), words((text.size() + WordBits - 1) / WordBits) {
    if (words == 0)
        words = 1;
    BuildMasks(text, words, masks);
}

bool TSubsequenceMasks::HaveCommon(std::string_view other, std::size_t offset, std::size_t length,
                                   std::size_t needed, TDeadline& limit) {
    if (offset > text.size() || length > text.size() - offset)
        return false;
    if (needed == 0)
        return !limit.HasPassed();
    if (other.size() < needed || length < needed)
        return false;
    if (length <= WordBits)
        return HaveCommonShort(other, offset, length, needed, limit);
    if (offset == 0 && length == text.size())
        return HaveCommonLong(other, masks.data(), words, length, needed, limit);
    const std::size_t pieceWords = (length + WordBits - 1) / WordBits;
    BuildMasks(std::string_view(text).substr(offset, length), pieceWords, pieceMasks);
    return HaveCommonLong(other, pieceMasks.data(), pieceWords, length, needed, limit);
}

// The number of common bytes is the number of zero bits in the vector (within `length`). It
// grows by at most one per byte of `other`, so the test stops as soon as it has reached
// `needed` or can no longer reach it.
bool TSubsequenceMasks::HaveCommonShort(std::string_view other, std::size_t offset,
                                        std::size_t length, std::size_t needed,
                                        TDeadline& limit) const {
    const uint64_t low = LowBits(length);
    const std::size_t first = offset / WordBits;
    const unsigned shift = offset % WordBits;
    const bool spans = shift != 0 && first + 1 < words && shift + length > WordBits;
    const uint64_t* base = masks.data() + first;
    uint64_t vector = ~uint64_t{0};
    const std::size_t size = other.size();
    for (std::size_t i = 0; i < size; ++i) {
        const uint64_t* byteMasks = base + static_cast<unsigned char>(other[i]) * words;
        uint64_t match = byteMasks[0] >> shift;
        if (spans)
            match |= byteMasks[1] << (WordBits - shift);
        match &= low;
        const uint64_t taken = vector & match;
        // vector - taken == vector & ~match: no borrow, taken is a subset of vector.
        vector = (vector + taken) | (vector & ~match);
        if ((i + 1) % ExitTestStride == 0 || i + 1 == size) {
            if (limit.Spend(ExitTestStride))
                return false;
            const auto common = static_cast<std::size_t>(std::popcount(~vector & low));
            if (common >= needed)
                return true;
            if (common + (size - i - 1) < needed)
                return false;
        }
    }
    return false;
}

bool TSubsequenceMasks::HaveCommonLong(std::string_view other, const uint64_t* masksOfPiece,
                                       std::size_t words, std::size_t length, std::size_t needed,
                                       TDeadline& limit) {
    row.assign(words, ~uint64_t{0});
    const uint64_t topLow = LowBits(length - (words - 1) * WordBits);
    const std::size_t size = other.size();
    for (std::size_t i = 0; i < size; ++i) {
        const uint64_t* match = masksOfPiece + static_cast<unsigned char>(other[i]) * words;
        uint64_t carry = 0;
        for (std::size_t k = 0; k < words; ++k) {
            const uint64_t v = row[k];
            const uint64_t taken = v & match[k];
            const uint64_t sum = v + taken;
            const uint64_t total = sum + carry;
            carry = (sum < v) | (total < sum);
            row[k] = total | (v & ~match[k]);
        }
        if ((i + 1) % ExitTestStride == 0 || i + 1 == size) {
            if (limit.Spend(static_cast<uint32_t>(ExitTestStride * words)))
                return false;
            std::size_t common = 0;
            for (std::size_t k = 0; k + 1 < words; ++k)
                common += static_cast<std::size_t>(std::popcount(~row[k]));
            common += static_cast<std::size_t>(std::popcount(~row[words - 1] & topLow));
            if (common >= needed)
                return true;
            if (common + (size - i - 1) < needed)
                return false;
        }
    }
    return false;
}
