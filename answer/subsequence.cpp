#include "answer/subsequence.h"

#include <algorithm>

namespace {

constexpr std::size_t WordBits = 64;
// Early exits are tested every so many bytes of the other text, not on every byte.
constexpr std::size_t ExitTestStride = 16;

uint64_t LowBits(std::size_t count) {
    return count >= WordBits ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
}

// Bits set in x, without relying on a population-count instruction, which not every processor
// of the Windows build has.
std::size_t OnesIn(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<std::size_t>((x * 0x0101010101010101u) >> 56);
}

void BuildMasks(std::string_view text, std::size_t words, std::vector<uint64_t>& masks) {
    masks.assign(256 * words, 0);
    for (std::size_t q = 0; q < text.size(); ++q)
        masks[static_cast<unsigned char>(text[q]) * words + q / WordBits] |= uint64_t{1}
                                                                             << (q % WordBits);
}

// The number of common bytes is the number of zero bits in the vector (within `length`). It
// grows by at most one per byte of `other`, so the test stops as soon as it has reached
// `needed` or can no longer reach it.
template <class MaskOf>
bool HaveCommonInOneWord(std::string_view other, uint64_t low, std::size_t needed, TDeadline& limit,
                         MaskOf maskOf) {
    uint64_t vector = ~uint64_t{0};
    const std::size_t size = other.size();
    for (std::size_t block = 0; block < size; block += ExitTestStride) {
        const std::size_t end = std::min(size, block + ExitTestStride);
        for (std::size_t i = block; i < end; ++i) {
            const uint64_t match = maskOf(static_cast<unsigned char>(other[i]));
            // vector - (vector & match) == vector & ~match: no borrow.
            vector = (vector + (vector & match)) | (vector & ~match);
        }
        if (limit.Spend(ExitTestStride))
            return false;
        const std::size_t common = OnesIn(~vector & low);
        if (common >= needed)
            return true;
        if (common + (size - end) < needed)
            return false;
    }
    return false;
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

bool TSubsequenceMasks::HaveCommonShort(std::string_view other, std::size_t offset,
                                        std::size_t length, std::size_t needed,
                                        TDeadline& limit) const {
    const uint64_t low = LowBits(length);
    const uint64_t* base = masks.data() + offset / WordBits;
    const std::size_t stride = words;
    const unsigned shift = offset % WordBits;
    // The whole of a text of one word: its masks need neither shift nor cut.
    if (words == 1 && length == text.size())
        return HaveCommonInOneWord(other, low, needed, limit,
                                   [base](unsigned c) { return base[c]; });
    if (shift + length <= WordBits)
        return HaveCommonInOneWord(
            other, low, needed, limit,
            [base, stride, shift, low](unsigned c) { return (base[c * stride] >> shift) & low; });
    return HaveCommonInOneWord(other, low, needed, limit, [base, stride, shift, low](unsigned c) {
        return ((base[c * stride] >> shift) | (base[c * stride + 1] << (WordBits - shift))) & low;
    });
}

bool TSubsequenceMasks::HaveCommonClassifying(std::string_view other, std::size_t needed,
                                              TDeadline& limit, const uint8_t* kindOf,
                                              uint8_t& kinds) const {
    uint64_t vector = ~uint64_t{0};
    uint8_t seen = 0;
    for (const char c : other) {
        const auto byte = static_cast<unsigned char>(c);
        const uint64_t match = masks[byte];
        vector = (vector + (vector & match)) | (vector & ~match);
        seen |= kindOf[byte];
    }
    kinds = seen;
    if (words != 1 || limit.Spend(static_cast<uint32_t>(other.size())))
        return false;
    return needed > 0 && OnesIn(~vector & LowBits(text.size())) >= needed;
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
                common += OnesIn(~row[k]);
            common += OnesIn(~row[words - 1] & topLow);
            if (common >= needed)
                return true;
            if (common + (size - i - 1) < needed)
                return false;
        }
    }
    return false;
}
