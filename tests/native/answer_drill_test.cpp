#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "answer/drill.h"
#include "answer/hint_search.h"

namespace {

constexpr uint32_t NoBox = TDrillOutcome::NoBox;
const TKeys Defaults;
// The marks as drawn without the named font.
const TResultMarks Marks;
const std::string Closed = Marks.Text(TResultMark::Closed);
const std::string Open = Marks.Text(TResultMark::Open);
const std::string No = Marks.Text(TResultMark::No);

TKeys OrderTested() {
    TKeys keys;
    keys.TestAnswersOrder = 1;
    return keys;
}

TKeys WithoutInterlace() {
    TKeys keys;
    keys.TestInterlace = 0;
    return keys;
}

// A drill on "house" with two translations, its first question open.
TDrill HouseDrill(const TKeys& keys = Defaults, const std::string& second = "das Heim") {
    TDrill drill(2, {keys});
    drill.Ask({"das Haus", second}, 0);
    return drill;
}

std::vector<TShown> Shown(const TDrillOutcome& outcome) {
    std::vector<TShown> shown;
    for (const TShownBox& box : outcome.shown)
        shown.push_back(box.shown);
    return shown;
}

TEST(DrillReady, RightAnswersAreCountedOnceAndTheQuestionCloses) {
    TDrill drill = HouseDrill();
    const TDrillOutcome outcome = drill.Ready({"das Haus", "das Heim"});
    EXPECT_EQ(Shown(outcome), (std::vector{TShown::Right, TShown::Right}));
    EXPECT_TRUE(outcome.closed);
    EXPECT_TRUE(outcome.right);
    EXPECT_FALSE(drill.Answering());
    EXPECT_EQ(drill.Right(), 2u);
    EXPECT_EQ(drill.Total(), 2u);
    // Judged once: nothing asked after the close (as while a write problem is shown) counts.
    EXPECT_TRUE(drill.Ready({"das Haus", "das Heim"}).shown.empty());
    EXPECT_FALSE(drill.Refuse().closed);
    EXPECT_FALSE(drill.CheckField(0, "das Haus").closed);
    EXPECT_EQ(drill.Total(), 2u);
    // The score runs on over questions.
    drill.Ask({"a", "b"}, 0);
    drill.Ready({"a", "b"});
    EXPECT_EQ(drill.Total(), 4u);
}

TEST(DrillReady, WrongAndEmptyBoxesAreShownWrongAndTheWordRecordedWrong) {
    TDrill drill = HouseDrill();
    const TDrillOutcome outcome = drill.Ready({"das Haus", ""});
    EXPECT_EQ(Shown(outcome), (std::vector{TShown::Right, TShown::Wrong}));
    EXPECT_FALSE(outcome.right);
    EXPECT_EQ(drill.Right(), 1u);
    EXPECT_EQ(drill.Rate(), 50u);
    EXPECT_FALSE(drill.AnswerOk());
    EXPECT_FALSE(drill.OrderOk());
}

TEST(DrillReady, AnswersInEachOthersBoxesAreRightAndOnlyTheOrderTestMakesThemWrong) {
    for (const bool tested : {false, true}) {
        SCOPED_TRACE(tested ? "order tested" : "order not tested");
        TDrill drill = HouseDrill(tested ? OrderTested() : Defaults);
        const TDrillOutcome outcome = drill.Ready({"das Heim", "das Haus"});
        EXPECT_EQ(Shown(outcome), (std::vector{TShown::Right, TShown::Right}));
        EXPECT_EQ(drill.Right(), 2u);
        EXPECT_FALSE(drill.OrderOk());
        EXPECT_EQ(outcome.right, !tested);
        EXPECT_EQ(drill.StatusTexts(true, Marks)[4], "Answer:" + (tested ? No : Closed));
    }
}

TEST(DrillReady, TheSameAnswerTwiceIsRightOnlyInTheFirstBoxUnlessBothTranslationsAreIt) {
    TDrill drill = HouseDrill();
    EXPECT_EQ(Shown(drill.Ready({"das Haus", "das Haus"})),
              (std::vector{TShown::Right, TShown::Wrong}));
    TDrill same = HouseDrill(Defaults, "das Haus");
    EXPECT_EQ(Shown(same.Ready({"das Haus", "das Haus"})),
              (std::vector{TShown::Right, TShown::Right}));
}

TEST(DrillReady, ANearMissLeavesTheQuestionOpenForACorrection) {
    TDrill drill = HouseDrill();
    TDrillOutcome outcome = drill.Ready({"das Haus", "das Hiem"});
    EXPECT_EQ(outcome.correct, 1u);
    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_FALSE(outcome.closed);
    EXPECT_TRUE(drill.Answering());
    EXPECT_EQ(drill.Total(), 0u);
    EXPECT_TRUE(drill.OrderOk());
    // The first near miss in box order is the one to correct.
    TDrill both = HouseDrill();
    EXPECT_EQ(both.Ready({"das Hasu", "das Hiem"}).correct, 0u);

    outcome = drill.Ready({"das Haus", "das Heim"});
    EXPECT_TRUE(outcome.closed);
    EXPECT_TRUE(outcome.right);
    EXPECT_EQ(drill.Right(), 2u);
}

TEST(DrillReady, WithoutTheInterlaceTestANearMissIsWrong) {
    TDrill drill = HouseDrill(WithoutInterlace());
    const TDrillOutcome outcome = drill.Ready({"das Haus", "das Hiem"});
    EXPECT_TRUE(outcome.closed);
    EXPECT_EQ(Shown(outcome), (std::vector{TShown::Right, TShown::Wrong}));
}

TEST(DrillReady, ABoxWithoutTranslationTakesNoPart) {
    TDrill drill = HouseDrill(Defaults, "");
    EXPECT_FALSE(drill.IsActive(1));
    const TDrillOutcome outcome = drill.Ready({"das Haus", "whatever"});
    ASSERT_EQ(outcome.shown.size(), 1u);
    EXPECT_EQ(outcome.shown[0].box, 0u);
    EXPECT_TRUE(outcome.right);
    EXPECT_EQ(drill.Total(), 1u);
    // Nor can it be checked on its own.
    drill.Ask({"das Haus", ""}, 0);
    EXPECT_TRUE(drill.CheckField(1, "").shown.empty());
}

// A typed character that the table's code page lacks arrives as a NUL: it matches nothing, not
// even where the system would end the text at it, and no hint key finds a word with it.
TEST(DrillReady, ACharacterTheCodePageLacksMatchesNothing) {
    TDrill drill = HouseDrill(WithoutInterlace());
    const std::string lacking("das Haus\0", 9);
    EXPECT_EQ(Shown(drill.Ready({lacking, "das Heim"})),
              (std::vector{TShown::Wrong, TShown::Right}));
    for (const THintKey& key : HintKeys) {
        THintSearch search(key.mode, std::string("das H\0", 7));
        EXPECT_FALSE(search.Accepts("das Haus")) << key.command;
    }
    EXPECT_FALSE(THintSearch(THintMode::WildcardMatches, std::string("\0", 1)).Accepts("a"))
        << "not a pattern character";
}

TEST(DrillCheckField, BoxesJudgedOneAtATimeCloseTheQuestionWithTheLast) {
    TDrill drill = HouseDrill();
    TDrillOutcome outcome = drill.CheckField(1, "das Heim");
    EXPECT_EQ(Shown(outcome), (std::vector{TShown::Right}));
    EXPECT_EQ(outcome.next, 0u) << "the next open box, after the last the first";
    EXPECT_FALSE(outcome.closed);
    EXPECT_TRUE(drill.IsJudged(1));
    EXPECT_EQ(drill.StatusTexts(false, Marks)[4], "Answer:" + Open);
    // A judged box is not judged again, nor one that does not exist.
    EXPECT_TRUE(drill.CheckField(1, "das Heim").shown.empty());
    EXPECT_TRUE(drill.CheckField(7, "das Heim").shown.empty());

    outcome = drill.CheckField(0, "das Haus");
    EXPECT_TRUE(outcome.closed);
    EXPECT_TRUE(outcome.right);
    EXPECT_EQ(outcome.next, NoBox);
    EXPECT_EQ(drill.Right(), 2u);
    EXPECT_EQ(drill.StatusTexts(true, Marks)[4], "Answer:" + Closed);
}

TEST(DrillCheckField, AnotherBoxsTranslationJudgesThatBoxAndKeepsThisOneOpen) {
    TDrill drill = HouseDrill();
    const TDrillOutcome outcome = drill.CheckField(0, "das Heim");
    ASSERT_EQ(outcome.shown.size(), 1u);
    EXPECT_EQ(outcome.shown[0].box, 1u);
    EXPECT_EQ(outcome.shown[0].shown, TShown::Right);
    EXPECT_EQ(outcome.keptOpen, 0u);
    EXPECT_EQ(outcome.next, 0u);
    EXPECT_TRUE(drill.IsJudged(1));
    EXPECT_FALSE(drill.IsJudged(0));
    EXPECT_FALSE(drill.OrderOk());
    EXPECT_TRUE(drill.Answering());
}

TEST(DrillCheckField, ANearMissOfOneBoxFreesItsTranslationAgain) {
    TDrill drill = HouseDrill();
    const TDrillOutcome outcome = drill.CheckField(1, "das Hiem");
    EXPECT_EQ(outcome.correct, 1u);
    EXPECT_TRUE(outcome.shown.empty());
    EXPECT_EQ(drill.Total(), 0u);
    EXPECT_EQ(Shown(drill.CheckField(1, "das Heim")), (std::vector{TShown::Right}));
}

TEST(DrillRefuse, RevealsTheOpenBoxesAndRecordsTheWordWrong) {
    TDrill drill = HouseDrill();
    drill.CheckField(0, "das Haus");
    const TDrillOutcome outcome = drill.Refuse();
    ASSERT_EQ(outcome.shown.size(), 1u);
    EXPECT_EQ(outcome.shown[0].box, 1u);
    EXPECT_EQ(outcome.shown[0].shown, TShown::Revealed);
    EXPECT_TRUE(outcome.closed);
    EXPECT_FALSE(outcome.right);
    EXPECT_EQ(drill.Total(), 2u);
    EXPECT_EQ(drill.Right(), 1u);
    EXPECT_FALSE(drill.OrderOk());
    // The answer mark tells what the boxes judged, not the recorded outcome.
    EXPECT_EQ(drill.StatusTexts(true, Marks)[4], "Answer:" + Closed);
    EXPECT_EQ(drill.StatusTexts(true, Marks)[5], "Order:" + No);
}

TEST(DrillKeys, HintKeysFollowTheCountTheAnswerLeftInTheRecord) {
    TKeys allOn;
    allOn.TestAnswersOrder = 1;
    TKeys withoutF5;
    withoutF5.StartingChars = 0;
    // Key1 withholds F5 after a right answer at level 0.
    TDrill drill(1, {allOn, withoutF5});
    drill.Ask({"das Haus"}, 0);
    EXPECT_EQ(drill.Keys(), allOn);
    ASSERT_TRUE(drill.Ready({"das Haus"}).right);
    drill.Recorded(1);
    EXPECT_EQ(drill.Keys().StartingChars, 0);
    EXPECT_EQ(drill.CountText(), "Count:1");
    // A write that failed left COUNT as it was, and the level with it.
    drill.Ask({"das Haus"}, 0);
    drill.Ready({"das Haus"});
    drill.Recorded(0);
    EXPECT_EQ(drill.Keys(), allOn);

    // The other way: withheld before the answer, granted by the default past the list after.
    TDrill past(1, {withoutF5});
    past.Ask({"das Haus"}, 0);
    EXPECT_EQ(past.Keys().StartingChars, 0);
    past.Ready({"das Haus"});
    past.Recorded(1);
    EXPECT_EQ(past.Keys(), TKeys());
}

// One box over `total` questions, `right` of them answered right.
TDrill Scored(uint32_t right, uint32_t total) {
    TDrill drill(1);
    for (uint32_t i = 0; i < total; ++i) {
        drill.Ask({"a"}, 3);
        drill.Ready({i < right ? "a" : ""});
    }
    return drill;
}

TEST(DrillStatus, TextsAndRateRoundedHalfUp) {
    EXPECT_EQ(Scored(0, 0).StatusTexts(true, Marks)[2], "Rate:0%");
    EXPECT_EQ(Scored(2, 3).Rate(), 67u);
    EXPECT_EQ(Scored(1, 8).Rate(), 13u);
    EXPECT_EQ(Scored(1, 3).StatusTexts(true, Marks),
              (std::array<std::string, 6>{"Right:1", "Total:3", "Rate:33%", "Count:3",
                                          "Answer:\u00D7", "Order:\u00D7"}));
}

} // namespace

TEST(DrillStatus, MarksKeepTheNamedFontsGlyphCodesElseShowSymbolsEveryFontHas) {
    const auto marks = [](const TResultMarks& given) {
        return std::array<std::string, 3>{given.Text(TResultMark::Closed),
                                          given.Text(TResultMark::Open),
                                          given.Text(TResultMark::No)};
    };
    // Without the font: a check mark, an ellipsis and a cross, in every code page.
    for (uint32_t codePage : {1251u, 1252u}) {
        EXPECT_EQ(marks(TResultMarks(TMarkFont::Missing, codePage)),
                  (std::array<std::string, 3>{"\u221A", "\u2026", "\u00D7"}));
    }
    // A font of a code page gets the bytes 157, 158 and 159 as the system's page has them.
    EXPECT_EQ(marks(TResultMarks(TMarkFont::Text, 1251)),
              (std::array<std::string, 3>{"\u045C", "\u045B", "\u045F"}));
    EXPECT_EQ(marks(TResultMarks(TMarkFont::Text, 1252))[2], "\u0178");
    // A symbol font gets its codes where the system keeps a symbol font's characters.
    EXPECT_EQ(marks(TResultMarks(TMarkFont::Symbol, 1252)),
              (std::array<std::string, 3>{"\uF09D", "\uF09E", "\uF09F"}));
}
