// One hint search per key press: every word of a 100,000-entry list through one matcher, for
// each hint key and typed texts of 3, 8 and 20 bytes; the same searches through the recursive
// rules where they finish; and the adversarial pair of the interlaced comparison.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "answer/hint_search.h"
#include "answer/match.h"
#include "tests/support/reference_matchers.h"

namespace {

constexpr std::size_t WordCount = 100000;

struct TKey {
    const char* name;
    THintMode mode;
};

const TKey keys[] = {
    {"F2", THintMode::StartingWord},     {"F3", THintMode::ContiguousWord},
    {"F5", THintMode::StartingChars},    {"F6", THintMode::ContiguousChars},
    {"F7", THintMode::InterlacingChars}, {"F8", THintMode::InterlacingPhrases},
    {"F9", THintMode::WildcardMatches},
};

// Words built from syllables, and short phrases of them as a vocabulary table holds them:
// "to ..." verbs, alternatives after commas or semicolons, a group or a comment in brackets.
class TWordMaker {
public:
    std::string Word() {
        static const char* const syllables[] = {
            "ba",   "be", "ho",   "use", "ta", "ke", "ri", "mon", "sa", "lo", "ver", "in", "ga",
            "ster", "pa", "tion", "de",  "ly", "on", "ar", "ma",  "ne", "ti", "ch",  "st", "ou"};
        std::string word;
        for (std::size_t n = 1 + Below(4); n > 0; --n)
            word += syllables[Below(std::size(syllables))];
        return word;
    }

    std::string Entry() {
        std::string entry;
        switch (Below(10)) {
        case 0:
        case 1:
        case 2:
            entry = Word();
            break;
        case 3:
            entry = "to " + Word();
            break;
        case 4:
            entry = Word() + " " + Word();
            break;
        case 5:
            entry = Word() + ", " + Word();
            break;
        case 6:
            entry = "to " + Word() + "; to " + Word();
            break;
        case 7:
            entry = Word() + " (" + Word() + ")";
            break;
        case 8:
            entry = Word() + " [" + Word() + "]";
            break;
        default:
            entry = Word() + " " + Word() + " " + Word() + " " + Word();
        }
        if (entry.size() > 40)
            entry.resize(40);
        if (entry.size() < 2)
            entry += Word();
        return entry;
    }

private:
    std::size_t Below(std::size_t bound) { return random() % bound; }
    std::mt19937 random{4711};
};

const std::vector<std::string>& WordList() {
    static const std::vector<std::string> list = [] {
        TWordMaker maker;
        std::vector<std::string> words;
        words.reserve(WordCount);
        while (words.size() < WordCount)
            words.push_back(maker.Entry());
        return words;
    }();
    return list;
}

// A typed text of `length` bytes: the start of an entry at least that long, as a learner types
// it. For the interlacing keys two letters are swapped (a slip); for F9 every third byte
// becomes a wildcard.
std::string Typed(THintMode mode, std::size_t length) {
    const auto& words = WordList();
    std::string typed;
    for (std::size_t i = words.size() / 3; typed.empty(); ++i)
        if (words[i].size() >= length + 2 && words[i].find_first_of("[(") == std::string::npos)
            typed = words[i].substr(0, length);
    if (mode == THintMode::InterlacingChars || mode == THintMode::InterlacingPhrases)
        for (std::size_t i = length / 2; i + 1 < length; ++i)
            if (std::isalpha(static_cast<unsigned char>(typed[i])) &&
                std::isalpha(static_cast<unsigned char>(typed[i + 1]))) {
                std::swap(typed[i], typed[i + 1]);
                break;
            }
    if (mode == THintMode::WildcardMatches)
        for (std::size_t i = 2; i < typed.size(); i += 3)
            typed[i] = i % 2 ? '?' : '*';
    return typed;
}

void KeyPress(benchmark::State& state, THintMode mode, std::size_t length) {
    const auto& words = WordList();
    const std::string typed = Typed(mode, length);
    std::size_t matches = 0;
    for (auto _ : state) {
        THintSearch search(mode, typed);
        matches = 0;
        for (const auto& word : words)
            matches += search.Accepts(word);
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetLabel("\"" + typed + "\"");
}

void KeyPressByRules(benchmark::State& state, THintMode mode, std::size_t length) {
    const auto& words = WordList();
    const std::string typed = Typed(mode, length);
    std::size_t matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const auto& word : words)
            matches += reference::MatchForKey(mode, word, typed);
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetLabel("\"" + typed + "\"");
}

// Two 254-byte texts over two letters with a common subsequence of 190 bytes where 191 are
// needed.
const std::string adversarialW = std::string(190, 'a') + std::string(64, 'b');
const std::string adversarialP = std::string(64, 'b') + std::string(190, 'a');

void AdversarialPair(benchmark::State& state) {
    bool matched = true;
    for (auto _ : state) {
        matched = MatchInterlaced(adversarialW, adversarialP, 0);
        benchmark::DoNotOptimize(matched);
    }
    state.counters["matched"] = matched;
}

void AdversarialPairByRules(benchmark::State& state) {
    bool matched = true;
    for (auto _ : state) {
        matched = reference::MatchInterlaced(adversarialW, adversarialP, 0);
        benchmark::DoNotOptimize(matched);
    }
    state.counters["matched"] = matched;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    WordList();
    for (const auto& key : keys)
        for (const std::size_t length : {3, 8, 20})
            benchmark::RegisterBenchmark(
                (std::string("KeyPress/") + key.name + "/" + std::to_string(length)).c_str(),
                KeyPress, key.mode, length)
                ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AdversarialPair", AdversarialPair)->Unit(benchmark::kMicrosecond);
    for (const auto& key : keys)
        for (const std::size_t length : {3, 8, 20})
            benchmark::RegisterBenchmark(
                (std::string("KeyPressByRules/") + key.name + "/" + std::to_string(length)).c_str(),
                KeyPressByRules, key.mode, length)
                ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AdversarialPairByRules", AdversarialPairByRules)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
