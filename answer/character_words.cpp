#include "answer/character_words.h"

#include "answer/character_alphabet.h"

namespace {

constexpr std::size_t MostNumbers = 0x10000;

} // namespace

TCharacterWords::TCharacterWords() : starts_{0}, firstPlane_(0x10000, -1) {}

TCharacterWords::TCharacterWords(uint32_t count,
                                 const std::function<std::string_view(uint32_t)>& wordAt)
    : TCharacterWords() {
    starts_.reserve(count + 1);
    holds_.reserve(count);
    for (uint32_t i = 0; i < count && fits_; ++i)
        Add(wordAt(i));
}

void TCharacterWords::Add(std::string_view word) {
    if (!fits_)
        return;
    uint64_t holds = 0;
    for (std::size_t at = 0; at < word.size();) {
        const TUtf8Char next = NextCharacter(word.substr(at));
        at += next.length;
        int32_t number = -1;
        if (next.codePoint < 0x10000) {
            number = firstPlane_[next.codePoint];
        } else if (const auto found = beyond_.find(next.codePoint); found != beyond_.end()) {
            number = found->second;
        }
        if (number < 0) {
            if (codePoints_.size() == MostNumbers) {
                fits_ = false;
                return;
            }
            number = static_cast<int32_t>(codePoints_.size());
            codePoints_.push_back(next.codePoint);
            if (next.codePoint < 0x10000)
                firstPlane_[next.codePoint] = number;
            else
                beyond_.emplace(next.codePoint, static_cast<uint16_t>(number));
        }
        numbers_.push_back(static_cast<uint16_t>(number));
        holds |= HoldsBit(next.codePoint);
    }
    starts_.push_back(static_cast<uint32_t>(numbers_.size()));
    holds_.push_back(holds);
}
