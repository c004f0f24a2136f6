#include "answer/character_words.h"

#include <unordered_map>

#include "answer/character_alphabet.h"

TCharacterWords::TCharacterWords(uint32_t count,
                                 const std::function<std::string_view(uint32_t)>& wordAt) {
    constexpr std::size_t MostNumbers = 0x10000;
    starts_.reserve(count + 1);
    starts_.push_back(0);
    holds_.reserve(count);
    // Most characters are of the first plane: a table for them, a map for the rest.
    std::vector<int32_t> firstPlane(0x10000, -1);
    std::unordered_map<uint32_t, uint16_t> beyond;
    for (uint32_t i = 0; i < count; ++i) {
        const std::string_view word = wordAt(i);
        uint64_t holds = 0;
        for (std::size_t at = 0; at < word.size();) {
            const TUtf8Char next = NextCharacter(word.substr(at));
            at += next.length;
            int32_t number = -1;
            if (next.codePoint < 0x10000) {
                number = firstPlane[next.codePoint];
            } else if (const auto found = beyond.find(next.codePoint); found != beyond.end()) {
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
                    firstPlane[next.codePoint] = number;
                else
                    beyond.emplace(next.codePoint, static_cast<uint16_t>(number));
            }
            numbers_.push_back(static_cast<uint16_t>(number));
            holds |= HoldsBit(next.codePoint);
        }
        starts_.push_back(static_cast<uint32_t>(numbers_.size()));
        holds_.push_back(holds);
    }
}
