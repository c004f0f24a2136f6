#include <gtest/gtest.h>

#include <climits>

#include "database/progress.h"
#include "platform/clock.h"
#include "platform/date.h"
#include "tests/support/fake_db_screen.h"

// The figures of the progress window and of `vocorix-table check`: one count over the table's
// records by the drill's own rule.

namespace {

int32_t Day(uint32_t day, uint32_t month, uint32_t year) {
    return TDate(day, month, year).DayNumber();
}

TEST(Progress, CountsEveryRecordByTheDrillsRuleAndAgreesWithTheReader) {
    ScopedClocks clocks;
    SetTodayClock([] { return LocalDate{10, 3, 2024}; });
    TableScene scene;
    TableBuilder table = VocabularyFields(1);
    table.Record({"a", "never asked"})
        .Record({"b", "wrong yesterday", "20240309", " 0"})
        .Record({"c", "wrong today, COUNT left blank", "20240310", "  "})
        .Record({"n", "zero date", "00000000", " 0"})
        .Record({"d", "rests 2 days: 12th", "20240310", " 1"})
        .Record({"e", "rested its 2 days", "20240308", " 1"})
        .Record({"l", "after today: very old", "20250101", " 2"})
        .Record({"m", "no calendar date", "20241341", " 2"})
        .Record({"f", "3:10 is the longest it has reached: 15th", "20240305", " 3"})
        .Record({"g", "4:45: 17th", "20240201", " 4"})
        .Record({"h", "4:45: 23 April, past the forecast", "20240309", " 4"})
        .Record({"i", "learnt", "20240101", " 5"})
        .Record({"j", "learnt beyond the maximum", "20240101", "12"})
        .Record({"k", "deleted", "20240310", " 1"}, '*');
    scene.Put(table);
    scene.options->MaxCount = 5;
    scene.options->AgeList = {{1, 2}, {3, 10}, {2, 4}, {4, 45}};
    const auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    ASSERT_TRUE(reader->Pick());
    const std::string asked = reader->Word();

    const std::optional<TProgress> progress = reader->Progress(Day(10, 3, 2024));
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->records, 14u);
    EXPECT_EQ(progress->deleted, 1u);
    EXPECT_EQ(progress->Words(), 13u);
    EXPECT_EQ(progress->byCount, (std::vector<uint32_t>{4, 2, 2, 1, 2}));
    EXPECT_EQ(progress->neverAsked, 2u);
    EXPECT_EQ(progress->AnsweredWrong(), 2u);
    EXPECT_EQ(progress->learnt, 2u);
    EXPECT_EQ(progress->resting, 4u);
    EXPECT_EQ(progress->comeDue, (std::map<int32_t, uint32_t>{{Day(12, 3, 2024), 1},
                                                              {Day(15, 3, 2024), 1},
                                                              {Day(17, 3, 2024), 1},
                                                              {Day(23, 4, 2024), 1}}));
    EXPECT_EQ(progress->ToDrill(), reader->EligibleCount());
    EXPECT_EQ(progress->ToDrill(), 7u);
    std::vector<uint32_t> forecast(30, 0);
    forecast[1] = forecast[4] = forecast[6] = 1;
    EXPECT_EQ(progress->Forecast(30), forecast);
    EXPECT_EQ(progress->DueAfter(30), 1u);

    // Counting leaves the question being asked as it was: its answer goes into its own record.
    EXPECT_EQ(reader->Word(), asked);
    const uint32_t count = reader->Count();
    reader->Update(true);
    EXPECT_EQ(reader->Count(), count + 1);
    const std::string bytes = ReadFileBytes(scene.tablePath);
    const uint64_t record = table.RecordOffset(static_cast<uint32_t>(reader->CurrentIndex()));
    EXPECT_EQ(bytes.substr(record + table.RecordBytes() - 10, 8), "20240310") << asked;
    EXPECT_EQ(bytes.substr(record + 1, asked.size()), asked);
}

TEST(Progress, TheForecastEndsOnItsLastDayAndLaterRestsAreCountedApart) {
    TProgress progress;
    progress.today = Day(31, 12, 9999) - 40;
    progress.byCount = {0, 9};
    progress.resting = 9;
    progress.comeDue = {{progress.today + 1, 1},
                        {progress.today + 30, 2},
                        {progress.today + 31, 3},
                        {INT32_MAX, 3}};
    const std::vector<uint32_t> forecast = progress.Forecast(30);
    EXPECT_EQ(forecast.front(), 1u);
    EXPECT_EQ(forecast.back(), 2u);
    EXPECT_EQ(progress.DueAfter(30), 6u);
    EXPECT_EQ(progress.ToDrill(), 0u);
    EXPECT_EQ(DayText(progress.today + 1), "9999-11-22");
    EXPECT_EQ(DayText(INT32_MAX), "after 9999-12-31");
}

TEST(Progress, AnUnreadableTableGivesNoFigures) {
    TableScene scene;
    TableBuilder table = VocabularyFields(1);
    table.Record({"a", "b"});
    scene.Put(table);
    auto log = std::make_shared<TableAccessLog>();
    const auto reader = scene.Open(RecordingOpener(log));
    ASSERT_TRUE(reader->IsLoaded());
    log->failReads = true;
    EXPECT_FALSE(reader->Progress(TDate().DayNumber()));
}

} // namespace
