#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "answer/hint_keys.h"

class TCharacterAlphabet;

// What a word's UTF-8 bytes alone tell one key press's search on a UTF-8 table.
enum class TByteVerdict { No, Yes, Recode };

// Where the typed text is valid UTF-8 without a replacement character, its bytes stand in a word
// exactly where its characters do: the starting and contiguous keys and a pattern's two ends are
// decided, or most words ruled out, on the raw bytes; only the rest need recoding. For the
// interlaced keys it rules out the words without enough characters that may be typed ones.
class TUtf8WordFilter {
public:
    // `comparedWhole`: the interlaced comparison meets every word whole
    // (TInterlacedMatcher::ComparesWhole).
    TUtf8WordFilter(THintMode mode, std::string_view typedUtf8,
                    const TCharacterAlphabet& characters, bool comparedWhole);
    // Its pieces of the typed text point into its own copy.
    TUtf8WordFilter(const TUtf8WordFilter&) = delete;
    TUtf8WordFilter& operator=(const TUtf8WordFilter&) = delete;

    // A word of a starting key or of a pattern with a head has the typed text's byte at its
    // place: the last byte of the first character, which tells the letters of a script apart.
    bool RulesOutByKeyByte(std::string_view word) const {
        return keyAt_ != NoKeyByte && (word.size() <= keyAt_ || word[keyAt_] != keyByte_);
    }
    TByteVerdict Verdict(std::string_view word) const;

    // For the interlaced keys: how many characters equal to typed ones a word needs at least, how
    // many characters a word without comments may have at most (none: any), and how many typed
    // characters have each bit of TCharacterWords::Holds.
    std::size_t LeastCommon() const { return leastCommon_; }
    std::size_t LongestWhole() const { return longestWhole_; }
    uint32_t TypedAtBit(unsigned bit) const { return typedAtBit_[bit]; }

private:
    void PrepareInterlaced(bool comparedWhole);
    TByteVerdict InterlacedVerdict(std::string_view word) const;

    THintMode mode_;
    const TCharacterAlphabet& characters_;
    std::string typed_;
    bool bytesDecide_;
    std::string_view head_; // of a pattern, before its first wildcard
    std::string_view tail_; // after its last
    bool oneStar_ = false;
    std::size_t firstKey_ = 0; // the last byte of the first typed character
    static constexpr std::size_t NoKeyByte = static_cast<std::size_t>(-1);
    std::size_t keyAt_ = NoKeyByte;
    char keyByte_ = 0;
    // The last bytes of the typed characters: a word's character equal to a typed one ends so.
    std::array<uint8_t, 256> typedLastBytes_{};
    std::size_t leastCommon_ = 0;
    std::size_t longestWhole_ = std::string_view::npos;
    std::array<uint32_t, 64> typedAtBit_{};
};
