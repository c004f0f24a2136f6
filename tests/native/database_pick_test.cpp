#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/random.h"
#include "tests/support/fake_db_screen.h"

namespace {

class Picking : public ::testing::Test {
protected:
    Picking() {
        SetSecondClock([this] { return seconds; });
    }
    // Records "w0", "w1", ... with the given COUNTs (MaxCount 10 makes "10" ineligible).
    std::unique_ptr<TDBFile> Open(const std::vector<std::string>& counts) {
        TableBuilder table = VocabularyFields(1);
        for (size_t i = 0; i < counts.size(); ++i)
            table.Record({"w" + std::to_string(i), "t", "20240101", counts[i]});
        scene.Put(table);
        auto reader = scene.Open();
        EXPECT_TRUE(reader->IsLoaded());
        return reader;
    }
    std::vector<int64_t> Picks(TDBFile& reader, int times) {
        std::vector<int64_t> picked;
        for (int i = 0; i < times; ++i) {
            EXPECT_TRUE(reader.Pick());
            EXPECT_EQ(reader.Word(), "w" + std::to_string(reader.CurrentIndex()));
            picked.push_back(reader.CurrentIndex());
        }
        return picked;
    }
    ScopedClocks clocks;
    int64_t seconds = 1000;
    TableScene scene;
};

int32_t RandomForSecond(int64_t second) {
    SeedRandom(static_cast<uint32_t>(second));
    return NextRandom();
}

} // namespace

TEST_F(Picking, SingleRecordIsAlwaysPicked) {
    auto reader = Open({" 0"});
    EXPECT_EQ(Picks(*reader, 4), (std::vector<int64_t>{0, 0, 0, 0}));
}

TEST_F(Picking, TwoRecordsAlternate) {
    auto reader = Open({" 0", " 3"});
    const std::vector<int64_t> picks = Picks(*reader, 5);
    for (size_t i = 1; i < picks.size(); ++i)
        EXPECT_NE(picks[i], picks[i - 1]) << "pick " << i;
}

TEST_F(Picking, EachAttemptSeedsFromTheClockAndStepsPastTheLastRecord) {
    // Records 2 and 5 are not eligible; the clock moves on with every attempt.
    auto reader = Open({" 0", " 0", "10", " 0", " 0", "10", " 0"});
    scene.options->MaxCount = 10;
    SetSecondClock([this] { return seconds++; });
    int64_t second = 5000;
    seconds = second;
    int64_t expected = -1;
    for (int pick = 0; pick < 20; ++pick) {
        do {
            const int64_t random = RandomForSecond(second++);
            expected = expected == -1 ? random % 7 : (expected + 1 + random % 6) % 7;
        } while (expected == 2 || expected == 5);
        ASSERT_TRUE(reader->Pick());
        ASSERT_EQ(reader->CurrentIndex(), expected) << "pick " << pick;
        ASSERT_EQ(seconds, second) << "one clock reading per attempt, pick " << pick;
    }
}

TEST_F(Picking, OnlyEligibleRecordIsAskedAgainAfterAWalk) {
    auto reader = Open({"10", " 4", "10"});
    EXPECT_EQ(Picks(*reader, 3), (std::vector<int64_t>{1, 1, 1}));
    EXPECT_EQ(reader->Count(), 4u);
}

// A clock that moves at every attempt makes the strides repeat in a cycle of 8, which on five
// records can step round the one eligible record for ever; the pick ends with a scan.
TEST_F(Picking, AWalkThatKeepsMissingTheEligibleRecordEndsAndFindsIt) {
    auto reader = Open({" 0", "10", "10", "10", "10"});
    SetSecondClock([this] { return seconds++; });
    seconds = 0;
    ASSERT_TRUE(reader->Pick());
    EXPECT_EQ(reader->CurrentIndex(), 0);
}

TEST_F(Picking, ATableThatCanNoLongerBeReadEndsThePickWithItsMessage) {
    TableBuilder table = VocabularyFields(1);
    table.Record({"w0", "t", "20240101", " 0"});
    table.Record({"w1", "t", "20240101", " 0"});
    scene.Put(table);
    auto log = std::make_shared<TableAccessLog>();
    auto reader = scene.Open(RecordingOpener(log));
    log->failReads = true;
    EXPECT_FALSE(reader->Pick());
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.problems,
              (std::vector<std::string>{"Cannot read database file.\r\nPlease check that it is "
                                        "still there."}));
}

TEST_F(Picking, AWordAnsweredPastMidnightRestsAndAFarFutureDateNeverRestsForEver) {
    LocalDate today{10, 3, 2024};
    SetTodayClock([&today] { return today; });
    TableBuilder table = VocabularyFields(1);
    table.Record({"w0", "t", "20240101", " 0"});
    table.Record({"w1", "t", "20240101", " 0"});
    // Written while the clock was set years ahead.
    table.Record({"w2", "t", "29991231", " 5"});
    scene.Put(table);
    auto reader = scene.Open();
    scene.options->AgeList = {TAge{1, 1}};
    ASSERT_TRUE(reader->Pick());
    while (reader->CurrentIndex() == 2) {
        ++seconds;
        ASSERT_TRUE(reader->Pick());
    }
    const int64_t answered = reader->CurrentIndex();
    today = {11, 3, 2024};
    reader->Update(true);
    bool futureAsked = false;
    for (int i = 0; i < 40; ++i) {
        ++seconds;
        ASSERT_TRUE(reader->Pick());
        EXPECT_NE(reader->CurrentIndex(), answered) << "pick " << i;
        futureAsked |= reader->CurrentIndex() == 2;
    }
    EXPECT_TRUE(futureAsked);
}

TEST_F(Picking, TheEligibleCountIsTakenAgainForANewDay) {
    LocalDate today{10, 3, 2024};
    SetTodayClock([&today] { return today; });
    TableBuilder table = VocabularyFields(1);
    table.Record({"w0", "t", "20240101", " 0"});
    // Answered right today: rests until tomorrow.
    table.Record({"w1", "t", "20240310", " 1"});
    scene.Put(table);
    scene.options->AgeList = {TAge{1, 1}, TAge{2, 7}};
    auto reader = scene.Open();
    EXPECT_EQ(reader->EligibleCount(), 1u);

    // Past midnight w1 may be asked; answered right again it rests for a week, and w0 is still
    // to be asked.
    today = {11, 3, 2024};
    do {
        ++seconds;
        ASSERT_TRUE(reader->Pick());
    } while (reader->CurrentIndex() != 1);
    EXPECT_EQ(reader->EligibleCount(), 2u);
    EXPECT_FALSE(reader->Update(true));
    EXPECT_EQ(reader->EligibleCount(), 1u);
    ++seconds;
    ASSERT_TRUE(reader->Pick());
    ASSERT_EQ(reader->CurrentIndex(), 0);
    EXPECT_FALSE(reader->Update(true));
    EXPECT_EQ(reader->EligibleCount(), 0u);
    EXPECT_FALSE(reader->Pick()) << "nothing left today";

    // The next day w0 has rested its day; w1 rests on.
    today = {12, 3, 2024};
    ASSERT_TRUE(reader->Pick());
    EXPECT_EQ(reader->CurrentIndex(), 0);
    EXPECT_EQ(reader->EligibleCount(), 1u);
}

class Question : public ::testing::Test {
protected:
    struct Result {
        std::string text;
        int leadIn, word, transcription;
    };
    // One record of a table with the given optional fields.
    Result Ask(const std::vector<std::string>& optional, std::vector<std::string> values) {
        TableBuilder table = VocabularyFields(1, 20, optional);
        values.insert(values.end(), {"x", "20240101", " 0"});
        table.Record(values);
        scene.Put(table);
        auto reader = scene.Open();
        EXPECT_TRUE(reader->Pick());
        std::vector<char> buffer(reader->QuestionSize());
        Result result{};
        reader->MakeQuestion(buffer.data(), result.leadIn, result.word, result.transcription);
        result.text = buffer.data();
        return result;
    }
    TableScene scene;
};

TEST_F(Question, TextAndSegmentsForEachSetOfOptionalFields) {
    Result all = Ask({"PART", "TRANSCRIPT", "THIRDLANG"}, {"house", "noun", "haus", "Haus"});
    EXPECT_EQ(all.text, "Translate the noun house haus Haus");
    EXPECT_EQ(all.leadIn, 19);
    EXPECT_EQ(all.word, 6);
    EXPECT_EQ(all.transcription, 5);

    Result third = Ask({"THIRDLANG"}, {"house", "Haus"});
    EXPECT_EQ(third.text, "Translate house Haus");
    EXPECT_EQ(third.leadIn, 10);
    EXPECT_EQ(third.word, 6);
    EXPECT_EQ(third.transcription, 0);

    Result transcript = Ask({"TRANSCRIPT"}, {"house", "haus"});
    EXPECT_EQ(transcript.text, "Translate house haus");
    EXPECT_EQ(transcript.word, 6);
    EXPECT_EQ(transcript.transcription, 4);

    Result none = Ask({}, {"house"});
    EXPECT_EQ(none.text, "Translate house");
    EXPECT_EQ(none.leadIn, 10);
    EXPECT_EQ(none.word, 5);
    EXPECT_EQ(none.transcription, 0);

    Result emptyPart = Ask({"PART"}, {"house", ""});
    EXPECT_EQ(emptyPart.text, "Translate the  house");
    EXPECT_EQ(emptyPart.leadIn, 15);
}

TEST_F(Question, LongestQuestionFitsTheBuffer) {
    TableBuilder table = VocabularyFields(1, 20, {"PART", "TRANSCRIPT", "THIRDLANG"});
    table.Record({std::string(20, 'w'), std::string(10, 'p'), std::string(10, 't'),
                  std::string(10, 'h'), "x", "20240101", " 0"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->Pick());
    std::string buffer(reader->QuestionSize() + 1, '#');
    int leadIn, word, transcription;
    reader->MakeQuestion(buffer.data(), leadIn, word, transcription);
    const std::string text = buffer.substr(0, buffer.find('\0'));
    EXPECT_EQ(text, "Translate the " + std::string(10, 'p') + " " + std::string(20, 'w') + " " +
                        std::string(10, 't') + " " + std::string(10, 'h'));
    EXPECT_LT(text.size(), reader->QuestionSize());
    EXPECT_EQ(buffer.back(), '#');
    EXPECT_EQ(leadIn + word + transcription + 10, static_cast<int>(buffer.find('\0')));
}
