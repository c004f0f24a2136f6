#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "answer/comments.h"
#include "answer/hint_search.h"
#include "answer/match.h"
#include "platform/clock.h"
#include "tests/support/reference_matchers.h"

namespace {

constexpr int32_t Phrases = 0;
constexpr int32_t Characters = 1;

struct TCase {
    std::string W;
    std::string P;
    int32_t mode;
    bool expected;
};

// The fast matcher and the rules as written must both give the expected verdict.
void ExpectVerdicts(const std::vector<TCase>& cases) {
    for (const auto& c : cases) {
        const std::string name =
            "W \"" + c.W + "\", P \"" + c.P + "\", mode " + std::to_string(c.mode);
        EXPECT_EQ(MatchInterlaced(c.W, c.P, c.mode), c.expected) << name;
        EXPECT_EQ(reference::MatchInterlaced(c.W, c.P, c.mode), c.expected) << "rules: " << name;
    }
}

std::string RandomLetters(std::mt19937& random, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('a' + random() % 26);
    return text;
}

} // namespace

TEST(CommentRemovalTest, BracketedCommentsGo) {
    EXPECT_EQ(RemoveComments("house [building]"), "house ");
    EXPECT_EQ(RemoveComments("[a]b[c]d"), "bd");
    EXPECT_EQ(RemoveComments("a[b[c]d]e"), "ad]e") << "comments do not nest";
    EXPECT_EQ(RemoveComments("a]b"), "a]b");
    EXPECT_EQ(RemoveComments("abc [unclosed"), "abc ") << "drops the rest";
    EXPECT_EQ(RemoveComments(""), "");
}

TEST(InterlacedTest, ThreeQuartersMustAgreeInOrder) {
    ExpectVerdicts({
        {"house", "hse", Characters, true},
        {"house", "hse", Phrases, false},
        {"house", "hause", Phrases, true},
        {"house", "huse", Phrases, true},
        {"house", "House", Phrases, true},
        {"cat", "cta", Phrases, false},
        {"hse", "house", Characters, false},
        {"a", "a", Phrases, true},
        {"", "a", Characters, false},
    });
}

TEST(InterlacedTest, EmptyTypedTextNeverMatches) {
    ExpectVerdicts({
        {"house", "", Phrases, false},
        {"house", "", Characters, false},
        {"", "", Phrases, false},
        {"house", "[only a comment]", Characters, false},
    });
}

TEST(InterlacedTest, PartsMayBeReorderedExceptAtBlanks) {
    ExpectVerdicts({
        {"to go; to walk", "to walk; to go", Phrases, true},
        {"a|b|c", "c|a|b", Phrases, true},
        {"go (away), leave", "leave, go (away)", Phrases, true},
        {"big house", "house big", Phrases, false},
        {"big house", "big huse", Phrases, true},
        {"to go; to walk", "to walk, to go", Phrases, false},
        {"one\x87two", "two\x87one", Phrases, true},
        // The first part could take either part of P; the second only the first one.
        {"aaaa|aaxb", "aaab|aaac", Phrases, true},
        {"aaaa|aaxb", "aaac|aaad", Phrases, false},
    });
}

TEST(InterlacedTest, CommentsAndTrailingGroups) {
    ExpectVerdicts({
        {"house [building]", "house", Phrases, true},
        {"house", "hause[typo]", Phrases, true},
        {"house", "hause [typo]", Phrases, false}, // the blank before the comment stays
        {"run (fast)", "run (fst)", Phrases, false},
        {"run(fast)", "run(fst)", Phrases, true},
        {"run(fast)", "run(slow)", Phrases, false},
        {"a, b, c", "c, b, a", Phrases, false},
    });
}

TEST(InterlacedTest, VerdictDoesNotDependOnTheRolesInPhrasesMode) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"to go; to walk", "to walk; to gu"},
        {"house", "hause"},
        {"go (away), leave", "leave, go"}};
    for (const auto& [a, b] : pairs)
        EXPECT_EQ(MatchInterlaced(a, b, Phrases), MatchInterlaced(b, a, Phrases))
            << a << " / " << b;
}

TEST(InterlacedTest, AdversarialPairIsDecided) {
    // A common subsequence of 190 bytes where 191 are needed: the recursion of the rules would
    // run into the time limit; the verdict must not need it.
    const std::string W = std::string(190, 'a') + std::string(64, 'b');
    const std::string P = std::string(64, 'b') + std::string(190, 'a');
    EXPECT_FALSE(MatchInterlaced(W, P, Phrases));
    EXPECT_TRUE(MatchInterlaced(std::string(191, 'a') + std::string(63, 'b'),
                                std::string(63, 'b') + std::string(191, 'a'), Phrases));
}

TEST(InterlacedTimeLimitTest, PassingFiveSecondsTurnsAMatchIntoNoMatch) {
    ScopedClocks restore;
    for (const auto& [W, P] : std::vector<std::pair<std::string, std::string>>{
             {"house", "house"}, {"to go; to walk", "to walk; to go"}, {"run(fast)", "run(fst)"}}) {
        uint32_t reads = 0;
        SetMillisecondClock([&] { return reads++ == 0 ? 100u : 5101u; });
        EXPECT_FALSE(MatchInterlaced(W, P, Phrases)) << W;
        reads = 0;
        EXPECT_FALSE(reference::MatchInterlaced(W, P, Phrases)) << "rules: " << W;

        reads = 0;
        SetMillisecondClock([&] { return reads++ == 0 ? 100u : 5100u; });
        EXPECT_TRUE(MatchInterlaced(W, P, Phrases)) << "exactly 5000 ms is within: " << W;
    }
}

TEST(InterlacedTimeLimitTest, LimitIsMeasuredAcrossTheClockWrapping) {
    ScopedClocks restore;
    const uint32_t now = 0xFFFFFF00u;
    uint32_t reads = 0;
    SetMillisecondClock([&] { return reads++ == 0 ? now : now + 4000u; });
    EXPECT_TRUE(MatchInterlaced("house", "house", Phrases));
    reads = 0;
    SetMillisecondClock([&] { return reads++ == 0 ? now : now + 6000u; });
    EXPECT_FALSE(MatchInterlaced("house", "house", Phrases));
}

TEST(InterlacedTimeLimitTest, LongComparisonsReadTheClockAndStopOnceItPasses) {
    ScopedClocks restore;
    std::mt19937 random(7);
    const std::string longText = RandomLetters(random, 20000);
    // Not equal: an exact equal is decided without the comparison.
    std::string nearlyLongText = longText;
    nearlyLongText[10000] = '#';
    std::vector<std::string> parts;
    for (int i = 0; i < 300; ++i)
        parts.push_back(RandomLetters(random, 8));
    std::string forwards;
    std::string backwards;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        forwards += (i ? "," : "") + parts[i];
        backwards += (i ? "," : "") + parts[parts.size() - 1 - i];
    }
    for (const auto& [W, P] : std::vector<std::pair<std::string, std::string>>{
             {longText, nearlyLongText}, {forwards, backwards}}) {
        SetMillisecondClock([] { return 42u; });
        ASSERT_TRUE(MatchInterlaced(W, P, Phrases)) << W.size() << " bytes with a frozen clock";

        // One second per reading: the limit has passed at the seventh, and nothing reads on.
        uint32_t reads = 0;
        SetMillisecondClock([&] { return ++reads * 1000u; });
        EXPECT_FALSE(MatchInterlaced(W, P, Phrases)) << W.size() << " bytes";
        EXPECT_EQ(reads, 7u) << W.size() << " bytes";
    }
}

TEST(InterlacedTimeLimitTest, HintSearchTimesEachWordOnItsOwn) {
    ScopedClocks restore;
    uint32_t now = 0;
    SetMillisecondClock([&] { return now; });
    THintSearch search(THintMode::InterlacingPhrases, "to go; to walk");
    EXPECT_TRUE(search.Accepts("to walk; to go"));
    now += 60000; // the caller takes its time between two words
    EXPECT_TRUE(search.Accepts("to go;to wlak"));
    EXPECT_TRUE(search.Accepts("to go, to walk") ==
                MatchInterlaced("to go, to walk", "to go; to walk", 0));

    std::mt19937 random(11);
    const std::string longText = RandomLetters(random, 20000);
    THintSearch longSearch(THintMode::InterlacingChars, longText);
    uint32_t reads = 0;
    SetMillisecondClock([&] { return ++reads * 1000u; });
    std::string nearlyLongText = longText;
    nearlyLongText[10000] = '#';
    EXPECT_FALSE(longSearch.Accepts(nearlyLongText));
    EXPECT_EQ(reads, 7u) << "the first reading starts the limit, the seventh ends it";
    SetMillisecondClock([] { return 42u; });
    EXPECT_TRUE(longSearch.Accepts(nearlyLongText)) << "the next word starts afresh";
}

// A blank after a separator leaves an empty part, which matches nothing: the phrase split into
// parts must still meet itself.
TEST(InterlacedTest, AnExactEqualAlwaysMatches) {
    for (const std::string text : {"to go; to walk", "a, b", "a, b (x, y)", "x | y; z", "go  on"})
        for (const int32_t mode : {Phrases, Characters})
            ExpectVerdicts({{text, text, mode, true}});
    THintSearch search(THintMode::InterlacingPhrases, "to go; to walk");
    EXPECT_TRUE(search.Accepts("to go; to walk"));
}

// Its matcher points into its own copy of the typed text: a moved search would read freed
// bytes.
static_assert(!std::is_move_constructible_v<THintSearch>);
static_assert(!std::is_copy_constructible_v<TInterlacedMatcher>);

// Beyond what a table holds (254 bytes), a phrase of many parts is paired without a table of
// every pair's verdict.
TEST(InterlacedTest, PhrasesOfManyPartsArePaired) {
    std::string forward;
    std::string backward;
    for (int i = 0; i < 300; ++i) {
        forward += (i ? "|w" : "w") + std::to_string(i);
        backward += (i ? "|w" : "w") + std::to_string(299 - i);
    }
    EXPECT_TRUE(MatchInterlaced(forward, backward, Phrases));
    EXPECT_FALSE(MatchInterlaced(forward, backward + "|x", Phrases));
}
