#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "answer/hint_search.h"
#include "answer/separators.h"
#include "tests/support/reference_matchers.h"

// The fast matchers against the rules as written, on generated pairs: short texts over small
// alphabets that are rich in separators, brackets and wildcards, with typed texts that are
// often slips or reorderings of the word, so that both verdicts occur in every mode.

namespace {

constexpr std::array<THintMode, 7> modes = {
    THintMode::StartingWord,    THintMode::ContiguousWord,   THintMode::StartingChars,
    THintMode::ContiguousChars, THintMode::InterlacingChars, THintMode::InterlacingPhrases,
    THintMode::WildcardMatches};

const char* NameOf(THintMode mode) {
    static const char* const names[] = {"StartingWord",    "ContiguousWord",   "StartingChars",
                                        "ContiguousChars", "InterlacingChars", "InterlacingPhrases",
                                        "WildcardMatches"};
    return names[static_cast<int>(mode)];
}

class TGenerator {
public:
    explicit TGenerator(uint32_t seed) : random(seed) {}

    std::string Text(const std::string& alphabet, std::size_t maxLength) {
        std::string text;
        const std::size_t length = Below(maxLength + 1);
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[Below(alphabet.size())];
        return text;
    }

    // A typed text for W: a prefix, a piece, a few slips, parts swapped, or something unrelated.
    std::string TypedFor(const std::string& W, const std::string& alphabet) {
        std::string P = W;
        switch (Below(6)) {
        case 0:
            return Text(alphabet, 14);
        case 1:
            return W.substr(0, Below(W.size() + 1));
        case 2: {
            const std::size_t from = Below(W.size() + 1);
            return W.substr(from, Below(W.size() - from + 1));
        }
        case 3:
            for (std::size_t slips = 1 + Below(3); slips > 0; --slips)
                Slip(P, alphabet);
            return P;
        case 4:
            return SwapParts(W);
        default:
            for (std::size_t i = 0; i < P.size(); ++i)
                if (Below(4) == 0)
                    P[i] = "*?"[Below(2)];
            return P;
        }
    }

private:
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : random() % bound; }

    void Slip(std::string& text, const std::string& alphabet) {
        const std::size_t at = Below(text.size() + 1);
        switch (Below(3)) {
        case 0:
            text.insert(at, 1, alphabet[Below(alphabet.size())]);
            break;
        case 1:
            if (at < text.size())
                text.erase(at, 1);
            break;
        default:
            if (at + 1 < text.size())
                std::swap(text[at], text[at + 1]);
        }
    }

    std::string SwapParts(const std::string& text) {
        for (const unsigned char sep : PhraseSeparators) {
            auto parts = SplitOutsideParentheses(text, sep);
            if (parts.size() < 2)
                continue;
            std::shuffle(parts.begin(), parts.end(), random);
            std::string swapped;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i)
                    swapped += static_cast<char>(sep);
                swapped += parts[i];
            }
            return swapped;
        }
        return text;
    }

    std::mt19937 random;
};

const std::vector<std::string> alphabets = {
    "ab", "ab ", "abc ,;", "ab |;,()", "ab, ()[]", "ab \x87()[]*?", "abc-.\\ \x87,;|()[]*?",
};

} // namespace

TEST(DifferentialTest, FastMatchersGiveTheVerdictsOfTheRules) {
    TGenerator generate(20240601);
    std::array<uint32_t, modes.size()> accepted{};
    uint32_t pairs = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string& alphabet = alphabets[round % alphabets.size()];
        std::vector<std::string> words;
        for (int w = 0; w < 8; ++w)
            words.push_back(generate.Text(alphabet, 14));
        const std::string P = generate.TypedFor(words[0], alphabet);
        for (std::size_t m = 0; m < modes.size(); ++m) {
            // One search per typed text, asked word after word, as one key press does.
            THintSearch search(modes[m], P);
            for (const auto& W : words) {
                const bool expected = reference::MatchForKey(modes[m], W, P);
                ASSERT_EQ(THintSearch(modes[m], P).Accepts(W), expected)
                    << NameOf(modes[m]) << ": W \"" << W << "\", P \"" << P << "\"";
                ASSERT_EQ(search.Accepts(W), expected)
                    << "search " << NameOf(modes[m]) << ": W \"" << W << "\", P \"" << P << "\"";
                accepted[m] += expected;
            }
        }
        pairs += static_cast<uint32_t>(words.size());
    }
    for (std::size_t m = 0; m < modes.size(); ++m) {
        EXPECT_GT(accepted[m], pairs / 50) << NameOf(modes[m]) << " accepted too few to compare";
        EXPECT_LT(accepted[m], pairs - pairs / 50) << NameOf(modes[m]) << " rejected too few";
    }
}

TEST(DifferentialTest, SeparatorSearchFollowsTheRules) {
    TGenerator generate(77);
    for (int round = 0; round < 5000; ++round) {
        const std::string text = generate.Text("a,()", 12);
        for (int32_t from = 0; from <= static_cast<int32_t>(text.size()); ++from) {
            const std::size_t found =
                FindOutsideParentheses(text, ',', static_cast<std::size_t>(from));
            const int32_t expected = reference::FindSeparator(text, ',', from);
            ASSERT_EQ(found == std::string_view::npos ? -1 : static_cast<int32_t>(found), expected)
                << "\"" << text << "\" from " << from;
        }
    }
}
