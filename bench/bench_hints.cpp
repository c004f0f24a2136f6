// One hint search per key press: every word of a 100,000-entry list through one matcher, for
// each hint key and typed texts of 3, 8 and 20 bytes; the same searches through the recursive
// rules where they finish; and the adversarial pair of the interlaced comparison. Then the same
// words in Japanese letters, as a UTF-8 table holds them, against the single-byte ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "answer/character_words.h"
#include "answer/hint_search.h"
#include "answer/match.h"
#include "bench/bench_table.h"
#include "database/word_list.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
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

// The words as the drill keeps them, back to back in one block.
TWordList InWordList(const std::vector<std::string>& words) {
    TWordList list;
    for (const std::string& word : words)
        list.Add(word.data(), word.size());
    return list;
}

// One key press's search over a list: its time, and the hints it found.
template <class MakeSearch>
double TimeSearch(const TWordList& words, MakeSearch makeSearch, std::size_t& matches) {
    const auto start = std::chrono::steady_clock::now();
    auto search = makeSearch();
    matches = 0;
    for (uint32_t i = 0; i < words.Count(); ++i)
        matches += search->Accepts(words.Item(i), i);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// Each key and length on both lists, in turns; prints each ratio and the worst.
void CompareUtf8WithSingleByte() {
    const TCodePageText utf8(Utf8CodePage);
    const TWordList singleByteWords = InWordList(WordList());
    std::vector<std::string> japanese;
    for (const std::string& word : WordList())
        japanese.push_back(InJapaneseLetters(word));
    const TWordList utf8Words = InWordList(japanese);
    // As the drill works them out once for its word list.
    const auto before = std::chrono::steady_clock::now();
    const TCharacterWords utf8Characters(utf8Words.Count(),
                                         [&](uint32_t i) { return utf8Words.Item(i); });
    std::printf("utf-8 word list: %u words' characters worked out in %.1f ms\n", utf8Words.Count(),
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
                    .count());
    double worst = 0;
    std::string worstKey;
    std::size_t compared = 0;
    for (const auto& key : keys)
        for (const std::size_t length : {3, 8, 20}) {
            const std::string typed = Typed(key.mode, length);
            const std::string typedInJapanese = InJapaneseLetters(typed);
            std::size_t singleByteHints = 0;
            std::size_t utf8Hints = 0;
            // The two in turns, so that whatever else the machine does weighs on both alike.
            std::vector<double> singleByteTimes;
            std::vector<double> utf8Times;
            for (int run = 0; run < 21; ++run) {
                singleByteTimes.push_back(TimeSearch(
                    singleByteWords, [&] { return std::make_unique<THintSearch>(key.mode, typed); },
                    singleByteHints));
                utf8Times.push_back(TimeSearch(
                    utf8Words,
                    [&] {
                        return std::make_unique<THintSearch>(key.mode, typedInJapanese, utf8,
                                                             &utf8Characters);
                    },
                    utf8Hints));
            }
            const double singleByte = Median(singleByteTimes);
            const double characters = Median(utf8Times);
            const double ratio = characters / singleByte;
            std::printf("utf-8 hint search %s \"%s\": %zu hints, median %.2f ms, single-byte "
                        "%.2f ms, ratio %.2f%s\n",
                        key.name, typedInJapanese.c_str(), utf8Hints, characters, singleByte, ratio,
                        utf8Hints == singleByteHints ? "" : " (the hints differ)");
            ++compared;
            if (ratio > worst) {
                worst = ratio;
                worstKey = std::string(key.name) + " \"" + typedInJapanese + "\"";
            }
        }
    std::printf(
        "UTF-8 hint search / single-byte: %.2f (worst of %zu keys: %s; goal: at most 1.5)\n", worst,
        compared, worstKey.c_str());
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
    CompareUtf8WithSingleByte();
    return 0;
}
