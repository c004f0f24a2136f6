// Any word, typed text and argument through every matcher: no crash, no read outside the texts
// (AddressSanitizer), every interlaced comparison back within its time limit, a hint search
// agreeing with the single calls, and, where the texts are short enough for the rules as
// written to finish, the same verdicts as those rules.

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "answer/hint_search.h"
#include "answer/match.h"
#include "tests/support/reference_matchers.h"

namespace {

constexpr std::size_t ShortEnoughForTheRules = 14;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool TimedInterlaced(const std::string& W, const std::string& P, int32_t mode) {
    const auto start = std::chrono::steady_clock::now();
    const bool matched = MatchInterlaced(W, P, mode);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // The limit is 5000 ms; a check comes well within a millisecond of work.
    Require(elapsed < std::chrono::milliseconds(5050));
    return matched;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const auto argument = input.ConsumeIntegral<int32_t>();
    const std::string W = input.ConsumeRandomLengthString();
    const std::string P = input.ConsumeRemainingBytesAsString();

    const bool startingWord = MatchStartingWord(W, P, argument);
    const bool contiguousWord = MatchContiguousWord(W, P, argument);
    const bool startingChars = MatchStartingChars(W, P, argument);
    const bool contiguousChars = MatchContiguousChars(W, P, argument);
    const bool wildcard = MatchWildcard(W, P, argument);
    const bool characters = TimedInterlaced(W, P, 1);
    const bool phrases = TimedInterlaced(W, P, 0);
    TimedInterlaced(W, P, argument);

    const auto length = static_cast<int32_t>(P.size());
    Require(THintSearch(THintMode::InterlacingChars, P).Accepts(W) == characters);
    Require(THintSearch(THintMode::InterlacingPhrases, P).Accepts(W) == phrases);
    Require(THintSearch(THintMode::WildcardMatches, P).Accepts(W) == wildcard);
    Require(THintSearch(THintMode::ContiguousChars, P).Accepts(W) == contiguousChars);

    const bool rulesApply = W.size() <= ShortEnoughForTheRules &&
                            P.size() <= ShortEnoughForTheRules &&
                            W.find('\0') == std::string::npos && P.find('\0') == std::string::npos;
    if (!rulesApply)
        return 0;
    Require(reference::MatchContiguousChars(W, P, 0) == contiguousChars);
    Require(reference::MatchWildcard(W, P, 0) == wildcard);
    Require(reference::MatchInterlaced(W, P, 1) == characters);
    Require(reference::MatchInterlaced(W, P, 0) == phrases);
    if (argument == length) {
        Require(reference::MatchStartingWord(W, P, length) == startingWord);
        Require(reference::MatchContiguousWord(W, P, length) == contiguousWord);
        Require(reference::MatchStartingChars(W, P, length) == startingChars);
    }
    Require(THintSearch(THintMode::StartingWord, P).Accepts(W) ==
            reference::MatchStartingWord(W, P, length));
    Require(THintSearch(THintMode::ContiguousWord, P).Accepts(W) ==
            reference::MatchContiguousWord(W, P, length));
    Require(THintSearch(THintMode::StartingChars, P).Accepts(W) ==
            reference::MatchStartingChars(W, P, length));
    return 0;
}
