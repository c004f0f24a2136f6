#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app_rules/progress_picture.h"
#include "database/progress.h"
#include "platform/date.h"

// The progress window's text lines and picture.

namespace {

// 9 words: 3 at COUNT 0 (2 new), 2 at COUNT 1 (both resting), 4 learnt.
TProgress SomeProgress() {
    TProgress progress;
    progress.today = TDate(10, 3, 2024).DayNumber();
    progress.records = 10;
    progress.deleted = 1;
    progress.byCount = {3, 2, 0};
    progress.neverAsked = 2;
    progress.learnt = 4;
    progress.resting = 2;
    progress.comeDue = {{progress.today + 1, 1}, {progress.today + 40, 1}};
    return progress;
}

TEST(ProgressLines, EveryFigureOnALineOfItsOwn) {
    EXPECT_EQ(
        ProgressLines(SomeProgress(), "words.dbf"),
        (std::vector<std::string>{
            "words.dbf: 9 words", "Today, 2024-03-10: 3 words to drill, 2 resting",
            "COUNT 0: 3 words (2 new, 1 answered wrong)", "COUNT 1: 2 words", "COUNT 2: 0 words",
            "Learnt (COUNT 3 or more): 4 words", "Coming due in the next 30 days: 1 word",
            "2024-03-11 (Mon): 1 word", "Later: 1 word"}));
}

// A font whose letters are 6 pixels wide (7 in bold), its lines 12 high.
const TPictureFonts Fonts{[](const std::string& text, bool bold) {
                              return static_cast<int32_t>(text.size()) * (bold ? 7 : 6);
                          },
                          12};

const TPictureText* FindText(const TProgressPicture& picture, const std::string& text,
                             size_t skip = 0) {
    for (const TPictureText& item : picture.texts)
        if (item.text == text && skip-- == 0)
            return &item;
    return nullptr;
}

// The bars whose middle is on the line of this text.
std::vector<TPictureBar> BarsBeside(const TProgressPicture& picture, const TPictureText& text) {
    std::vector<TPictureBar> bars;
    for (const TPictureBar& bar : picture.bars) {
        const int32_t middle = bar.place.top + bar.place.height / 2;
        if (middle >= text.top && middle < text.top + Fonts.lineHeight &&
            bar.place.left > text.left)
            bars.push_back(bar);
    }
    std::sort(bars.begin(), bars.end(), [](const TPictureBar& a, const TPictureBar& b) {
        return a.place.left < b.place.left;
    });
    return bars;
}

TEST(ProgressPicture, EachLevelHasItsBarInProportionWithItsNumberAfterIt) {
    TProgress progress = SomeProgress();
    progress.byCount = {300, 1000, 1, 0};
    progress.neverAsked = 100;
    progress.learnt = 500;
    for (const uint32_t dpi : {96u, 192u}) {
        const TDrillScale scale(dpi, 100);
        const TProgressPicture picture = LayOutProgress(progress, "words.dbf", Fonts, scale);
        const int32_t full = scale(150);
        const auto level = [&](const std::string& label, uint32_t count) {
            const TPictureText* text = FindText(picture, label);
            EXPECT_NE(text, nullptr) << label;
            if (text == nullptr)
                return std::vector<TPictureBar>{};
            const std::vector<TPictureBar> bars = BarsBeside(picture, *text);
            const int32_t end = bars.empty() ? 0 : bars.back().place.Right();
            // The number stands on the bar's line, after it.
            const auto number = std::find_if(
                picture.texts.begin(), picture.texts.end(), [&](const TPictureText& item) {
                    return item.top == text->top && item.left > text->left &&
                           item.left < text->left + full * 2;
                });
            if (count == 0) {
                EXPECT_EQ(number, picture.texts.end()) << label;
            } else if (number == picture.texts.end()) {
                ADD_FAILURE() << "no number beside " << label;
            } else {
                EXPECT_EQ(number->text, std::to_string(count)) << label;
                EXPECT_GT(number->left, end) << label;
            }
            return bars;
        };
        const std::vector<TPictureBar> zero = level("0", 300);
        ASSERT_EQ(zero.size(), 2u) << dpi;
        EXPECT_EQ(zero[0].kind, TBarKind::AnsweredWrong);
        EXPECT_EQ(zero[1].kind, TBarKind::NeverAsked);
        EXPECT_EQ(zero[0].place.Right(), zero[1].place.left) << "the two parts touch";
        EXPECT_EQ(zero[0].place.width, full * 3 / 10 * 2 / 3) << dpi;
        EXPECT_EQ(zero[1].place.Right() - zero[0].place.left, full * 3 / 10) << dpi;
        const std::vector<TPictureBar> one = level("1", 1000);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].place.width, full);
        EXPECT_EQ(one[0].place.left, zero[0].place.left) << "the bars start together";
        EXPECT_EQ(level("2", 1).at(0).place.width, 1) << "a single word still shows";
        EXPECT_TRUE(level("3", 0).empty());
        const std::vector<TPictureBar> learnt = level("Learnt", 500);
        ASSERT_EQ(learnt.size(), 1u);
        EXPECT_EQ(learnt[0].kind, TBarKind::Learnt);
        EXPECT_EQ(learnt[0].place.width, full / 2);
        // Tomorrow's one word, and the heading that counts the later one apart.
        EXPECT_NE(FindText(picture, "Coming due in the next 30 days: 1 word; later: 1 word"),
                  nullptr);
        const TPictureText* tomorrow = FindText(picture, "Mon 11 Mar");
        ASSERT_NE(tomorrow, nullptr);
        const std::vector<TPictureBar> due = BarsBeside(picture, *tomorrow);
        ASSERT_EQ(due.size(), 1u);
        EXPECT_EQ(due[0].kind, TBarKind::ComingDue);
        EXPECT_EQ(due[0].place.width, full);
        EXPECT_NE(FindText(picture, "Tue 9 Apr"), nullptr) << "30 days ahead";
        EXPECT_EQ(FindText(picture, "Wed 10 Apr"), nullptr);
    }
}

TEST(ProgressPicture, EverythingFitsAboveTheCloseButtonAtAnyScale) {
    TProgress progress = SomeProgress();
    // 41 rows of levels go in columns side by side.
    progress.byCount.assign(40, 7);
    for (const uint32_t zoom : {100u, 200u, 300u}) {
        const TDrillScale scale(96, zoom);
        const TProgressPicture picture = LayOutProgress(progress, "words.dbf", Fonts, scale);
        const TPictureRect& button = picture.closeButton;
        EXPECT_EQ(button.width, scale(66));
        EXPECT_EQ(button.height, scale(22));
        EXPECT_EQ(picture.width - button.Right(), scale(12)) << "at the right margin";
        EXPECT_EQ(picture.height - button.Bottom(), scale(12));
        EXPECT_LE(picture.figures.Bottom(), button.top);
        for (const TPictureText& text : picture.texts) {
            EXPECT_GE(text.left, scale(12)) << text.text;
            EXPECT_LE(text.left + Fonts.textWidth(text.text, text.bold), picture.width - scale(12))
                << text.text;
            EXPECT_LE(text.top + Fonts.lineHeight, picture.figures.Bottom()) << text.text;
        }
        for (const TPictureBar& bar : picture.bars)
            EXPECT_LE(bar.place.Bottom(), picture.figures.Bottom());
        // Rows of at most 16 to a column: levels 0 and 14 share a line in two columns.
        const TPictureText* first = FindText(picture, "0");
        const TPictureText* beside = FindText(picture, "14");
        ASSERT_NE(first, nullptr);
        ASSERT_NE(beside, nullptr);
        EXPECT_EQ(first->top, beside->top) << zoom;
        EXPECT_GT(beside->left, first->left + scale(150)) << zoom;
    }
}

} // namespace
