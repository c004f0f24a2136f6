#include <gtest/gtest.h>

#include <cstdio>

#include "database/db_messages.h"
#include "database/table_file.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "tests/support/fake_db_screen.h"

namespace {

class StatisticsUpdate : public ::testing::Test {
protected:
    StatisticsUpdate() {
        SetTodayClock([] { return LocalDate{9, 5, 2024}; });
        SetSecondClock([] { return 77; });
    }
    // A table of records "w0", "w1", ... with these COUNTs; opened through the access log.
    std::unique_ptr<TDBFile> Open(const std::vector<std::string>& counts) {
        for (size_t i = 0; i < counts.size(); ++i)
            table.Record({"w" + std::to_string(i), "t", "20240101", counts[i]});
        original = table.Bytes();
        scene.Put(original);
        auto reader = scene.Open(RecordingOpener(log));
        EXPECT_TRUE(reader->IsLoaded());
        return reader;
    }
    // The original file with the statistics of record `index` replaced by `statistics`.
    std::string Expected(int64_t index, const std::string& statistics) const {
        std::string bytes = original;
        const uint64_t at =
            table.RecordOffset(static_cast<uint32_t>(index)) + table.RecordBytes() - 10;
        bytes.replace(at, statistics.size(), statistics);
        return bytes;
    }
    std::string File() const { return ReadFileBytes(scene.tablePath); }

    ScopedClocks clocks;
    TableScene scene;
    TableBuilder table = VocabularyFields(1);
    std::string original;
    std::shared_ptr<TableAccessLog> log = std::make_shared<TableAccessLog>();
};

} // namespace

TEST_F(StatisticsUpdate, RightAnswerWritesDateAndCountIntoItsRecordOnly) {
    auto reader = Open({" 3", " 3", " 3"});
    ASSERT_TRUE(reader->Pick());
    EXPECT_TRUE(reader->Update(true));
    EXPECT_EQ(reader->Count(), 4u);
    EXPECT_EQ(File(), Expected(reader->CurrentIndex(), "20240509 4"));
}

TEST_F(StatisticsUpdate, WrongAnswerOnZeroCountLeavesTheCountBytes) {
    auto reader = Open({"  "});
    ASSERT_TRUE(reader->Pick());
    EXPECT_TRUE(reader->Update(false));
    EXPECT_EQ(File(), Expected(0, "20240509")) << "a blank COUNT stays blank";
}

TEST_F(StatisticsUpdate, WrongAnswerResetsTheCount) {
    auto reader = Open({" 3"});
    ASSERT_TRUE(reader->Pick());
    EXPECT_TRUE(reader->Update(false));
    EXPECT_EQ(reader->Count(), 0u);
    EXPECT_EQ(File(), Expected(0, "20240509 0"));
}

TEST_F(StatisticsUpdate, ReachingMaximumCountEndsTheRecordsTurn) {
    scene.options->MaxCount = 5;
    auto reader = Open({" 4"});
    ASSERT_TRUE(reader->Pick());
    EXPECT_FALSE(reader->Update(true));
    EXPECT_EQ(reader->EligibleCount(), 0u);
    EXPECT_EQ(File(), Expected(0, "20240509 5"));
    EXPECT_FALSE(reader->Pick()) << "nothing is left to ask";
}

TEST_F(StatisticsUpdate, AgeRangeRestsARecordAnsweredRight) {
    scene.options->AgeList = {{2, 7}};
    auto reader = Open({" 1"});
    ASSERT_TRUE(reader->Pick());
    EXPECT_FALSE(reader->Update(true));
    EXPECT_EQ(reader->EligibleCount(), 0u);
    EXPECT_EQ(File(), Expected(0, "20240509 2"));
}

TEST_F(StatisticsUpdate, RepeatedUpdateStaysInsideTheCurrentRecord) {
    auto reader = Open({"  ", "  ", "  "});
    ASSERT_TRUE(reader->Pick());
    const int64_t index = reader->CurrentIndex();
    reader->Update(false); // writes LASTCHANGE only
    reader->Update(true);
    EXPECT_EQ(File(), Expected(index, "20240509 1"));
    ASSERT_FALSE(log->writes.empty());
    EXPECT_EQ(log->writes.back().first,
              table.RecordOffset(static_cast<uint32_t>(index)) + table.RecordBytes() - 10);
}

TEST_F(StatisticsUpdate, FailedWriteIsReportedAndNothingIsCounted) {
    auto reader = Open({" 3"});
    ASSERT_TRUE(reader->Pick());
    log->failWrites = true;
    reader->Update(true);
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{CannotWriteText});
    EXPECT_TRUE(reader->IsLoaded()) << "the drill goes on";
    EXPECT_EQ(reader->Count(), 3u);
    EXPECT_EQ(reader->EligibleCount(), 1u);
    EXPECT_EQ(File(), original);

    log->failWrites = false;
    ASSERT_TRUE(reader->Pick());
    EXPECT_TRUE(reader->Update(true));
    EXPECT_EQ(File(), Expected(0, "20240509 4"));
}

TEST_F(StatisticsUpdate, ReadOnlyTableDrilledWithoutRecordingStaysAsItWas) {
    log->readOnly = true;
    scene.screen.readOnlyChoice = TReadOnlyChoice::WithoutRecording;
    auto reader = Open({" 3", " 3"});
    EXPECT_EQ(scene.screen.readOnlyTexts,
              std::vector<std::string>{ReadOnlyTableText(scene.tablePath)});
    EXPECT_FALSE(reader->IsRecording());
    for (bool right : {true, false, true, true}) {
        ASSERT_TRUE(reader->Pick());
        reader->Update(right);
        EXPECT_EQ(reader->Count(), 3u) << "nothing is counted that is not in the table";
    }
    EXPECT_TRUE(log->writes.empty());
    EXPECT_TRUE(scene.screen.problems.empty()) << "no write was tried, so none failed";
    EXPECT_EQ(reader->EligibleCount(), 2u);
    EXPECT_EQ(File(), original);
}

TEST_F(StatisticsUpdate, CountNeverTakesAThirdByte) {
    scene.options->MaxCount = 200;
    auto reader = Open({"99", "99"});
    ASSERT_TRUE(reader->Pick());
    reader->Update(true);
    EXPECT_EQ(reader->Count(), 99u);
    EXPECT_EQ(File(), Expected(reader->CurrentIndex(), "2024050999"));
}

TEST_F(StatisticsUpdate, TheAnswerIsOnTheDiskBeforeUpdateReturnsAndAFailedFlushIsAFailedWrite) {
    table.Record({"w0", "t", "20240101", " 3"});
    original = table.Bytes();
    scene.Put(original);
    std::vector<std::string> flushed; // the file as each flush to the disk found it
    bool flushFails = false;
    auto reader = scene.Open([&](const char* path) {
        return OpenTableFileFlushedBy(path, [&](std::FILE* file) {
            flushed.push_back(File());
            return FlushToDisk(file) && !flushFails;
        });
    });
    ASSERT_TRUE(reader->Pick());
    EXPECT_TRUE(reader->Update(true));
    EXPECT_EQ(flushed, std::vector<std::string>{Expected(0, "20240509 4")});

    flushFails = true;
    ASSERT_TRUE(reader->Pick());
    reader->Update(true);
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{CannotWriteText});
    EXPECT_EQ(reader->Count(), 4u) << "nothing is counted that may not be on the disk";
}

TEST_F(StatisticsUpdate, NothingIsWrittenBeforeAPick) {
    auto reader = Open({" 3"});
    EXPECT_FALSE(reader->Update(true));
    EXPECT_TRUE(log->writes.empty());
    EXPECT_EQ(File(), original);
}

TEST(WordListDuplicates, EveryWordRemainsOnceInFirstOrder) {
    TWordList list;
    for (const char* word : {"a", "b", "a", "a", "c", "b", "a"})
        list.Add(word);
    int steps = 0;
    while (!list.RemoveNextDuplicate())
        ++steps;
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.Item(0), "a");
    EXPECT_EQ(list.Item(1), "b");
    EXPECT_EQ(list.Item(2), "c");
    EXPECT_EQ(steps, 1) << "one word examined per step";
    EXPECT_TRUE(list.RemoveNextDuplicate());
}

TEST(WordListDuplicates, LaterWordsOfOtherLengthsStayIntactAfterRemovals) {
    TWordList list;
    for (const char* word : {"to", "to be", "t", "to", "", "to be", "tot", "", "to"})
        list.Add(word);
    while (!list.RemoveNextDuplicate()) {
    }
    ASSERT_EQ(list.Count(), 5u);
    const std::vector<std::string> expected{"to", "to be", "t", "", "tot"};
    for (uint32_t i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list.Item(i), expected[i]) << i;
        EXPECT_EQ(list.Item(i).data()[list.Item(i).size()], '\0') << i;
    }
}

TEST(WordListDuplicates, TagsStayWithTheirWordsAndGoWithAClear) {
    TWordList list;
    for (const char* word : {"to", "to be", "t", "to", "", "to be", "tot", "", "to"})
        list.Add(word);
    list.SetTags({10, 11, 12, 13, 14, 15, 16, 17, 18});
    while (!list.RemoveNextDuplicate()) {
    }
    ASSERT_TRUE(list.HasTags());
    const std::vector<uint32_t> expected{10, 11, 12, 14, 16};
    for (uint32_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Tag(i), expected[i]) << list.Item(i);
    list.Clear();
    list.Add("to");
    EXPECT_FALSE(list.HasTags());
}

TEST(WordListDuplicates, EmptyAndSingleListsAreAlreadyFree) {
    TWordList list;
    EXPECT_TRUE(list.RemoveNextDuplicate());
    list.Add("x");
    EXPECT_TRUE(list.RemoveNextDuplicate());
    EXPECT_EQ(list.Count(), 1u);
}

TEST(WordListDuplicates, TranslationInThreeRecordsEndsUpOnceAndAReloadStartsAfresh) {
    TableScene scene;
    TableBuilder table = VocabularyFields(2);
    table.Record({"a", "dog", "cat", "20240101", " 0"})
        .Record({"b", "dog", "bird", "20240101", " 0"})
        .Record({"c", "cat", "dog", "20240101", " 0"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_EQ(reader->Words().Count(), 6u);
    while (!reader->RemoveNextDuplicate()) {
    }
    ASSERT_EQ(reader->Words().Count(), 3u);
    EXPECT_EQ(reader->Words().Item(0), "dog");
    EXPECT_EQ(reader->Words().Item(1), "cat");
    EXPECT_EQ(reader->Words().Item(2), "bird");

    ASSERT_TRUE(reader->Load());
    EXPECT_EQ(reader->Words().Count(), 6u);
    EXPECT_FALSE(reader->RemoveNextDuplicate());
}
