#include <gtest/gtest.h>

#include <new>

#include "database/day_numbers.h"
#include "database/db_messages.h"
#include "database/field_text.h"
#include "platform/clock.h"
#include "platform/date.h"
#include "tests/support/fake_db_screen.h"

namespace {

std::vector<std::string> WordsOf(const TDBFile& reader) {
    std::vector<std::string> words;
    for (uint32_t i = 0; i < reader.Words().Count(); ++i)
        words.emplace_back(reader.Words().Item(i));
    return words;
}

class LoadingPass : public ::testing::Test {
protected:
    LoadingPass() {
        SetTodayClock([] { return LocalDate{15, 3, 2024}; });
    }
    ScopedClocks clocks;
    TableScene scene;
};

} // namespace

TEST_F(LoadingPass, EligibilityFollowsFlagCountAndAges) {
    scene.options->MaxCount = 5;
    scene.options->AgeList = {{1, 3}, {3, 10}};
    TableBuilder table = VocabularyFields(1);
    table.Record({"a", "fresh", "20240315", " 0"})
        .Record({"b", "resting", "20240313", " 1"})  // 1:3 applies at age 2
        .Record({"c", "rested", "20240312", " 1"})   // age 3 is no longer below 3
        .Record({"d", "resting2", "20240306", " 4"}) // 3:10 applies at age 9
        .Record({"e", "rested2", "20240305", " 4"})
        .Record({"f", "learnt", "20200101", " 5"}) // COUNT reached Maximum Count
        .Record({"g", "deleted", "20200101", " 0"}, '*')
        .Record({"h", "blank", "        ", "  "})   // no date: very old, COUNT 0
        .Record({"i", "future", "20240320", " 2"}); // negative age: very old unsigned
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(reader->EligibleCount(), 5u);
    EXPECT_EQ(WordsOf(*reader),
              (std::vector<std::string>{"fresh", "rested", "rested2", "blank", "future"}));
}

TEST_F(LoadingPass, WordListHoldsEveryNonEmptyTranslationAndTheWidestIsMeasured) {
    scene.screen.width = [](const std::string& text) {
        return text == "wide" ? 500 : static_cast<int32_t>(text.size());
    };
    TableBuilder table = VocabularyFields(2, 12);
    table.Record({"a", "dog   ", "hound", "20240101", " 0"})
        .Record({"b", "", "wide", "20240101", " 0"})
        .Record({"c", "   ", "dog", "20240101", " 0"})
        .Record({"d", "very long text", "x", "20240101", "10"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(reader->EligibleCount(), 3u);
    EXPECT_EQ(WordsOf(*reader), (std::vector<std::string>{"dog", "hound", "wide", "dog"}));
    EXPECT_EQ(scene.screen.measured, WordsOf(*reader));
    EXPECT_EQ(reader->WidestTranslation(), 500);
    EXPECT_EQ(reader->TranslationSize(), 13u);
    EXPECT_EQ(scene.screen.waits, 1);
    EXPECT_EQ(scene.screen.waitDepth, 0);
    EXPECT_FALSE(scene.screen.measuredOutsideWait);
}

TEST_F(LoadingPass, ANulEndsATranslationWhereverItStands) {
    TableBuilder table = VocabularyFields(2, 12);
    table.Record({"a", std::string("ab\0cd", 5), "dog", "20240101", " 0"})
        .Record({"b", std::string("\0xyz", 4), std::string("cat \0", 5), "20240101", " 0"})
        .Record({"c", "no nul", "here  either", "20240101", " 0"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(WordsOf(*reader),
              (std::vector<std::string>{"ab", "dog", "cat", "no nul", "here  either"}));
}

TEST_F(LoadingPass, TableWithNothingToAskStillLoads) {
    scene.options->MaxCount = 0;
    TableBuilder table = VocabularyFields(1);
    table.Record({"a", "b", "20240101", "  "});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(reader->EligibleCount(), 0u);
    EXPECT_EQ(reader->Words().Count(), 0u);
    EXPECT_EQ(reader->WidestTranslation(), 0);
    // Picking would walk forever; the reader refuses instead.
    EXPECT_FALSE(reader->Pick());
}

TEST_F(LoadingPass, TextsLoseTrailingBlanksOnly) {
    TableBuilder table = VocabularyFields(1, 20, {"PART"});
    table.Record({"  an apple ", "    ", " der Apfel  ", "20240101", " 0"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->Pick());
    EXPECT_STREQ(reader->Word(), "  an apple");
    EXPECT_STREQ(reader->Part(), "");
    EXPECT_STREQ(reader->Translation(0), " der Apfel");
}

TEST(FieldText, NumbersConvertLikeAtolWithinTheirWidth) {
    EXPECT_EQ(FieldNumber(" 7", 2), 7);
    EXPECT_EQ(FieldNumber("7 ", 2), 7);
    EXPECT_EQ(FieldNumber("07", 2), 7);
    EXPECT_EQ(FieldNumber("  ", 2), 0);
    EXPECT_EQ(FieldNumber("x1", 2), 0);
    EXPECT_EQ(FieldNumber("1x", 2), 1);
    EXPECT_EQ(FieldNumber("-3", 2), -3);
    EXPECT_EQ(FieldNumber("20240509", 4), 2024);
    EXPECT_EQ(FieldNumber("5\0"
                          "9",
                          2),
              5);
    EXPECT_EQ(FieldNumber("\t12", 3), 12);
}

TEST(FieldText, TrimRightCutsSpacesOnly) {
    char text[] = " a b  ";
    TrimRight(text);
    EXPECT_STREQ(text, " a b");
    char blank[] = "    ";
    TrimRight(blank);
    EXPECT_STREQ(blank, "");
    char padded[] = "x        y                   ";
    EXPECT_EQ(TrimRight(padded, sizeof padded - 1), 10u);
    EXPECT_STREQ(padded, "x        y");
    EXPECT_EQ(padded[sizeof padded - 2], '\0');
    EXPECT_EQ(TrimmedLength("ab\0cd   ", 8), 2u) << "a NUL ends the text";
    EXPECT_EQ(TrimmedLength("        x               ", 24), 9u);
    EXPECT_EQ(TrimmedLength("word", 4), 4u) << "a field without padding";
    char tab[] = "a\t";
    TrimRight(tab);
    EXPECT_STREQ(tab, "a\t");
}

// The fast conversions must agree with the plain ones on whatever a field may hold.
TEST(FieldText, TrimmedLengthAgreesWithCuttingAtTheFirstNulThenTrimming) {
    const auto reference = [](const std::string& field) {
        size_t kept = std::min(field.find('\0'), field.size());
        while (kept > 0 && field[kept - 1] == ' ')
            --kept;
        return kept;
    };
    uint32_t seed = 7;
    for (int round = 0; round < 20000; ++round) {
        seed = seed * 1103515245u + 12345u;
        std::string field(seed >> 8 & 63, ' ');
        for (char& c : field) {
            seed = seed * 1103515245u + 12345u;
            const uint32_t pick = seed >> 16 & 15;
            c = pick < 9 ? ' ' : pick < 14 ? 'a' : pick < 15 ? '\t' : '\0';
        }
        ASSERT_EQ(TrimmedLength(field.data(), field.size()), reference(field))
            << "field \"" << field << "\" of " << field.size() << " bytes";
    }
}

TEST(FieldText, StatisticsConvertAsFieldNumberAndTDateDo) {
    for (const char* date : {"20240509", "00010101", "2024 5 9", "    0101", "2024050x", "-2024011",
                             "        ", "99991231", "20241:01"}) {
        const TChangeDate read = ReadChangeDate(date);
        EXPECT_EQ(read.year, FieldNumber(date, 4)) << date;
        EXPECT_EQ(read.month, FieldNumber(date + 4, 2)) << date;
        EXPECT_EQ(read.day, FieldNumber(date + 6, 2)) << date;
    }
    const std::string bytes(" 09-+x\t\0", 8);
    for (char first : bytes)
        for (char second : bytes) {
            const char count[2] = {first, second};
            EXPECT_EQ(ReadCount(count), FieldNumber(count, 2)) << first << second;
        }
    // Years in turn, so that each month's remembered year keeps changing.
    TDayNumbers days;
    for (int32_t month = -1; month <= 14; ++month)
        for (int32_t day = -1; day <= 33; ++day)
            for (int32_t year : {2024, 2023, 1900, 2000, 0, 1, 9999, 10000, -1, 2024}) {
                const TDate date(static_cast<uint32_t>(day), static_cast<uint32_t>(month),
                                 static_cast<uint32_t>(year));
                ASSERT_EQ(days.Of(day, month, year), date.DayNumber())
                    << year << "-" << month << "-" << day;
            }
}

TEST(FieldText, StatisticsAreWrittenInTheirWidths) {
    char bytes[10];
    FormatStatistics(bytes, 2024, 5, 9, 7);
    EXPECT_EQ(std::string(bytes, 10), "20240509 7");
    FormatStatistics(bytes, 2024, 12, 31, 0);
    EXPECT_EQ(std::string(bytes, 10), "20241231 0");
    FormatStatistics(bytes, 2024, 1, 1, 12);
    EXPECT_EQ(std::string(bytes, 10), "2024010112");
    FormatStatistics(bytes, 2024, 1, 1, 100);
    EXPECT_EQ(std::string(bytes, 10), "2024010199") << "COUNT must never take a third byte";
}

// The options dialog offered while Shift is held or the table cannot be loaded.
class OpeningRecovery : public ::testing::Test {
protected:
    OpeningRecovery() {
        TableBuilder table = VocabularyFields(1);
        table.Record({"house", "Haus", "20240101", " 0"});
        good = scene.Put(table);
        scene.UseFile(scene.dir.File("absent.dbf"));
    }
    void FixFileInDialog(int run) {
        scene.screen.onDialog = [this, run](TOptions& options) {
            if (scene.screen.dialogRuns == run)
                options.FileName = character(good.c_str());
        };
    }
    TableScene scene;
    std::string good;
};

TEST_F(OpeningRecovery, FailedLoadOffersTheDialogUntilOkBringsALoadableTable) {
    scene.screen.dialogs = {TDialogOutcome::Ok, TDialogOutcome::Ok};
    FixFileInDialog(2);
    auto reader = scene.Open();
    EXPECT_TRUE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.dialogRuns, 2);
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>(2, CannotOpenText));
}

TEST_F(OpeningRecovery, ATableTooLargeForTheMemoryIsAProblemLikeAnyOther) {
    TableBuilder table = VocabularyFields(1);
    table.Record({"house", "Haus", "20240101", " 0"}).Record({"tree", "Baum", "20240101", " 0"});
    scene.UseFile(scene.Put(table));
    // Memory runs out half-way through the first loading pass, as the word list of a huge table
    // would in a 32-bit program; the second pass has room.
    int measures = 0;
    scene.screen.width = [&measures](const std::string&) -> int32_t {
        if (++measures == 2)
            throw std::bad_alloc();
        return 7;
    };
    scene.screen.dialogs = {TDialogOutcome::Ok};
    auto log = std::make_shared<TableAccessLog>();
    auto reader = scene.Open(RecordingOpener(log));
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{TooLargeText});
    EXPECT_EQ(scene.screen.dialogRuns, 1);
    EXPECT_EQ(scene.screen.waitDepth, 0) << "the cursor is put back";
    EXPECT_TRUE(log->writes.empty());
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(reader->Words().Count(), 2u);
}

TEST_F(OpeningRecovery, CancelLeavesTheReaderNotLoaded) {
    scene.screen.dialogs = {TDialogOutcome::Cancelled, TDialogOutcome::Ok};
    FixFileInDialog(1);
    auto reader = scene.Open();
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.dialogRuns, 1);
}

TEST_F(OpeningRecovery, ShiftShowsTheDialogBeforeAnyAttemptAndAgainWhileHeld) {
    scene.screen.shift = {true, true, false};
    scene.screen.dialogs = {TDialogOutcome::Ok, TDialogOutcome::Ok};
    FixFileInDialog(2);
    auto reader = scene.Open();
    EXPECT_TRUE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.dialogRuns, 2);
    EXPECT_TRUE(scene.screen.problems.empty()) << "no attempt may be made while Shift is down";
}

TEST_F(OpeningRecovery, FirstStartGoesToTheDialogWithoutMessage) {
    TableScene first(false);
    first.UseFile(first.dir.File("absent.dbf"));
    first.screen.dialogs = {TDialogOutcome::Ok};
    first.screen.onDialog = [this](TOptions& options) {
        options.FileName = character(good.c_str());
    };
    auto reader = first.Open();
    EXPECT_TRUE(reader->IsLoaded());
    EXPECT_TRUE(first.screen.problems.empty());
}

TEST_F(OpeningRecovery, WithoutDialogOneAttemptIsMade) {
    auto failed = scene.Open();
    EXPECT_FALSE(failed->IsLoaded());
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{CannotOpenText});

    scene.UseFile(good);
    scene.screen.shift = {true};
    auto loaded = scene.Open();
    EXPECT_TRUE(loaded->IsLoaded()) << "Shift has no dialog to offer";
}
