// A word and a typed text of a UTF-8 table through every hint key and the tolerant judging: no
// crash, no read outside the texts, the same verdicts with the word list's characters worked out
// before as without, and, where the texts are short enough for the rules as
// written to finish, the verdicts of those rules on the texts' characters. The texts are made of
// pieces that matter to the rules (letters of several scripts, separators, brackets, wildcards,
// bytes that start no character), or are the input's bytes as they are.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "answer/character_alphabet.h"
#include "answer/character_words.h"
#include "answer/hint_search.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"
#include "tests/support/reference_matchers.h"

namespace {

constexpr std::size_t ShortEnoughForTheRules = 14;

const char* const Pieces[] = {
    "a",        "b",        "x",        "し", "ご",     "と", "東", "京", "д",    "о",
    "ä",        "ß",        " ",        ",",  ";",      "|",  "(",  ")",  "[",    "]",
    "*",        "?",        "-",        "«",  "»",      "–",  "‡",  "…",  "\xE3", "\x81",
    "\xE3\x81", "\xF0\x9F", "\xC0\xAF", "😀",  "\uFFFD", "、", "。"};

// As the matchers count them: a byte that starts no character is one.
std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const TUtf8Char next = NextUtf8Char(text.substr(at));
        at += next.length == 0 ? 1 : next.length;
    }
    return count;
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::string Text(FuzzedDataProvider& input, bool raw) {
    if (raw)
        return input.ConsumeRandomLengthString(64);
    std::string text;
    for (auto n = input.ConsumeIntegralInRange<std::size_t>(0, 24); n > 0; --n)
        text += Pieces[input.ConsumeIntegralInRange<std::size_t>(0, std::size(Pieces) - 1)];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TCodePageText utf8(Utf8CodePage);
    FuzzedDataProvider input(data, size);
    const bool raw = input.ConsumeBool();
    const std::string W = Text(input, raw);
    const std::string P = Text(input, raw);

    // The word as one of a list whose characters were worked out before, and on its own.
    const TCharacterWords list(1, [&](uint32_t) { return std::string_view(W); });
    bool verdicts[HintModeCount];
    for (const THintKey& key : HintKeys) {
        const bool verdict = THintSearch(key.mode, P, utf8).Accepts(W);
        Require(THintSearch(key.mode, P, utf8, &list).Accepts(W, 0) == verdict);
        verdicts[static_cast<uint32_t>(key.mode)] = verdict;
    }
    Require(MatchInterlacedUtf8(W, P, 0) ==
            verdicts[static_cast<uint32_t>(THintMode::InterlacingPhrases)]);
    Require(MatchInterlacedUtf8(W, P, 1) ==
            verdicts[static_cast<uint32_t>(THintMode::InterlacingChars)]);

    const bool rulesApply = Characters(W) <= ShortEnoughForTheRules &&
                            Characters(P) <= ShortEnoughForTheRules &&
                            W.find('\0') == std::string::npos && P.find('\0') == std::string::npos;
    if (!rulesApply)
        return 0;
    for (const THintKey& key : HintKeys)
        Require(verdicts[static_cast<uint32_t>(key.mode)] ==
                reference::MatchForKeyOnCharacters(key.mode, W, P));
    return 0;
}
