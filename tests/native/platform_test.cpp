#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/date.h"
#include "platform/random.h"
#include "platform/replace_file.h"
#include "platform/replace_file_system.h"
#include "tests/support/temp_dir.h"

TEST(DateTest, DayNumbersCountCalendarDays) {
    EXPECT_EQ(TDate(1, 1, 1).DayNumber(), 1);
    EXPECT_EQ(TDate(1, 3, 2024).DayNumber() - TDate(28, 2, 2024).DayNumber(), 2) << "leap year";
    EXPECT_EQ(TDate(1, 3, 2023).DayNumber() - TDate(28, 2, 2023).DayNumber(), 1);
    EXPECT_EQ(TDate(1, 3, 1900).DayNumber() - TDate(28, 2, 1900).DayNumber(), 1) << "1900";
    EXPECT_EQ(TDate(1, 3, 2000).DayNumber() - TDate(28, 2, 2000).DayNumber(), 2) << "2000";
    EXPECT_EQ(TDate(1, 1, 2027).DayNumber() - TDate(1, 1, 2026).DayNumber(), 365);
    EXPECT_EQ(TDate(1, 1, 2025).DayNumber() - TDate(1, 1, 2024).DayNumber(), 366);
    // 1 January 1970 is 719163 days after 1 January of year 1.
    EXPECT_EQ(TDate(1, 1, 1970).DayNumber(), 719163);
}

TEST(DateTest, InvalidDatesHaveDayNumberZero) {
    EXPECT_EQ(TDate(0, 0, 0).DayNumber(), 0);
    EXPECT_EQ(TDate(30, 2, 2024).DayNumber(), 0);
    EXPECT_EQ(TDate(29, 2, 2023).DayNumber(), 0);
    EXPECT_EQ(TDate(31, 4, 2024).DayNumber(), 0);
    EXPECT_EQ(TDate(1, 13, 2024).DayNumber(), 0);
    EXPECT_EQ(TDate(1, 1, 10000).DayNumber(), 0);
    EXPECT_EQ(TDate(4000000000u, 1, 2024).DayNumber(), 0);
}

TEST(DateTest, ADayNumberGivesBackItsDate) {
    const int32_t last = TDate(31, 12, 9999).DayNumber();
    // Every day of the first years and around the turns of centuries, then a stride.
    for (int32_t day = 1; day <= last; day += day < 800 || day % 36524 < 400 ? 1 : 97) {
        const TDate date = TDate::FromDayNumber(day);
        ASSERT_TRUE(date.IsValid()) << day;
        ASSERT_EQ(date.DayNumber(), day);
    }
    EXPECT_EQ(TDate::FromDayNumber(TDate(29, 2, 2024).DayNumber()).Month(), 2u);
    EXPECT_FALSE(TDate::FromDayNumber(0).IsValid());
    EXPECT_FALSE(TDate::FromDayNumber(last + 1).IsValid());
}

TEST(DateTest, TodayComesFromTheReplaceableClock) {
    ScopedClocks restore;
    SetTodayClock([] { return LocalDate{9, 5, 2026}; });
    TDate today;
    EXPECT_EQ(today.Day(), 9u);
    EXPECT_EQ(today.Month(), 5u);
    EXPECT_EQ(today.Year(), 2026u);
}

TEST(DateTest, RealTodayIsAValidDate) {
    TDate today;
    EXPECT_TRUE(today.IsValid());
    EXPECT_GE(today.Year(), 2024u);
}

TEST(ClockTest, ClocksCanBeReplacedAndRestored) {
    {
        ScopedClocks restore;
        SetMillisecondClock([] { return 4242u; });
        SetSecondClock([] { return int64_t{77}; });
        EXPECT_EQ(Milliseconds(), 4242u);
        EXPECT_EQ(Seconds(), 77);
    }
    EXPECT_GT(Seconds(), 1700000000);
}

TEST(ClockTest, LocalCalendarGoesOnPastJanuary2038) {
    // Noon UTC on 15 June 2040, a day either side in any time zone; a 32-bit time would have
    // wrapped to 1904.
    const LocalDate date = LocalDateAt(2223374400);
    EXPECT_EQ(date.year, 2040u);
    EXPECT_EQ(date.month, 6u);
    EXPECT_NEAR(date.day, 15u, 1u);
}

TEST(RandomTest, SameSeedSameSequenceAndNonNegative) {
    SeedRandom(12345);
    std::vector<int32_t> first;
    for (int i = 0; i < 100; ++i)
        first.push_back(NextRandom());
    SeedRandom(12345);
    for (int i = 0; i < 100; ++i) {
        int32_t n = NextRandom();
        EXPECT_EQ(n, first[i]);
        EXPECT_GE(n, 0);
    }
    SeedRandom(12346);
    EXPECT_NE(NextRandom(), first[0]);
}

namespace {

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ReplaceFileTest, TheTemporaryFileIsANewOneAndNothingIsLeftOfItOnAnyWayOut) {
    TempDir dir;
    const std::string target = dir.File("words.dbf");
    WriteFileBytes(target, "old");
    // The user's own file, under the name a fixed temporary name would take.
    WriteFileBytes(target + ".new", "mine");
    const std::vector<std::string> files = {"words.dbf", "words.dbf.new"};

    ASSERT_TRUE(ReplaceFileContents(target, "new"));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(ReadFileBytes(target + ".new"), "mine");
    EXPECT_EQ(NamesIn(dir.Path()), files);

    {
        TFileReplacement first(target), second(target);
        ASSERT_NE(first.Stream(), nullptr);
        ASSERT_NE(second.Stream(), nullptr);
        EXPECT_NE(first.TemporaryPath(), second.TemporaryPath());
        EXPECT_EQ(std::filesystem::path(first.TemporaryPath()).parent_path(), dir.Path())
            << "beside the target, so that the rename stays on one volume";
        std::fputs("dropped", first.Stream());
    } // neither committed
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(NamesIn(dir.Path()), files);

    // A rename that fails: the target is a folder.
    std::filesystem::create_directory(dir.File("folder.dbf"));
    EXPECT_FALSE(ReplaceFileContents(dir.File("folder.dbf"), "x"));
    EXPECT_FALSE(ReplaceFileContents(dir.File("missing/words.dbf"), "x"));
    EXPECT_EQ(NamesIn(dir.Path()),
              (std::vector<std::string>{"folder.dbf", "words.dbf", "words.dbf.new"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder.dbf")));
}

namespace {

// The system's own calls, each noted as it is made.
class RecordingSystem : public file_replacement::TSystem {
public:
    explicit RecordingSystem(std::string target) : target_(std::move(target)) {}

    std::FILE* CreateExclusively(const std::string& path, bool& taken) override {
        temporary_ = path;
        calls.push_back("create");
        return real_.CreateExclusively(path, taken);
    }
    bool FlushToDisk(std::FILE* stream) override {
        const bool flushed = real_.FlushToDisk(stream);
        calls.push_back("flush " + ReadFileBytes(temporary_) + ", target " +
                        ReadFileBytes(target_));
        return flushed && !failFlush;
    }
    bool MoveOver(const std::string& from, const std::string& to) override {
        calls.push_back(from == temporary_ && to == target_ ? "rename" : "rename elsewhere");
        return real_.MoveOver(from, to);
    }
    std::vector<std::string> TemporaryFilesOf(const std::string& target) override {
        return real_.TemporaryFilesOf(target);
    }
    bool RemoveUnlessOpen(const std::string& path) override { return real_.RemoveUnlessOpen(path); }

    std::vector<std::string> calls;
    bool failFlush = false;

private:
    file_replacement::TSystem& real_ = file_replacement::RealSystem();
    std::string target_;
    std::string temporary_;
};

} // namespace

TEST(ReplaceFileTest, TheNewDataIsOnTheDiskBeforeTheRenameAndAFailedFlushIsAFailedWrite) {
    TempDir dir;
    const std::string target = dir.File("vocorix.INI");
    WriteFileBytes(target, "old");
    RecordingSystem system(target);
    {
        TFileReplacement replacement(target, system);
        std::fputs("new", replacement.Stream());
        ASSERT_TRUE(replacement.Commit());
    }
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"create", "flush new, target old", "rename"}));
    EXPECT_EQ(ReadFileBytes(target), "new");

    system.calls.clear();
    system.failFlush = true;
    {
        TFileReplacement replacement(target, system);
        std::fputs("newer", replacement.Stream());
        EXPECT_FALSE(replacement.Commit());
    }
    EXPECT_EQ(system.calls, (std::vector<std::string>{"create", "flush newer, target new"}));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"vocorix.INI"});
}

TEST(ReplaceFileTest, ATemporaryFileLeftByACrashGoesAtTheNextReplacementAndNothingElseDoes) {
    TempDir dir;
    const std::string target = dir.File("words.dbf");
    WriteFileBytes(target, "old");
    const std::vector<std::string> others = {
        "words.dbf.~0123abc.tmp",     // seven digits
        "words.dbf.~0123abcg.tmp",    // not hex
        "words.dbf.~0123ABCD.tmp",    // not as written
        "words.dbf.~0123abcd.tmp.1",  // more after it
        "lesson.dbf.~0123abcd.tmp",   // another target's
        "awords.dbf.~0123abcd.tmp",   // another target's
        "words.dbf.~0123abcd.tmp.bak" // more after it
    };
    for (const std::string& name : others)
        WriteFileBytes(dir.File(name), "mine");
    std::filesystem::create_directory(dir.File("words.dbf.~00000000.tmp"));
    WriteFileBytes(dir.File("words.dbf.~deadbeef.tmp"), "left by a crash");
    WriteFileBytes(dir.File("words.dbf.~0123abcd.tmp"), "left by a crash");

    // A replacement under way holds its temporary file open.
    TFileReplacement underWay(target);
    ASSERT_NE(underWay.Stream(), nullptr);
    const std::string held = underWay.TemporaryPath();
    ASSERT_TRUE(ReplaceFileContents(target, "new"));

    std::vector<std::string> expected = others;
    expected.push_back("words.dbf");
    expected.push_back("words.dbf.~00000000.tmp");
    expected.push_back(std::filesystem::path(held).filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(dir.Path()), expected);
    EXPECT_EQ(ReadFileBytes(target), "new");
    std::fputs("newer", underWay.Stream());
    EXPECT_TRUE(underWay.Commit());
    EXPECT_EQ(ReadFileBytes(target), "newer");
}
