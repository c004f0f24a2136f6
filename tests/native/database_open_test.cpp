#include <gtest/gtest.h>

#include "database/db_messages.h"
#include "database/table_layout.h"
#include "platform/text_codec.h"
#include "tests/support/fake_db_screen.h"

namespace {

TableBuilder OneWordTable() {
    TableBuilder table = VocabularyFields(1);
    table.Record({"house", "Haus", "20240101", " 1"});
    return table;
}

// Opens the table and expects it refused with exactly this one message.
void ExpectRefused(const TableBuilder& table, const char* message, const char* what) {
    TableScene scene;
    scene.Put(table);
    auto reader = scene.Open();
    EXPECT_FALSE(reader->IsLoaded()) << what;
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{message}) << what;
}

} // namespace

TEST(TableOpening, PlainTableLoadsAndClearsTheOptionalFlags) {
    TableScene scene;
    scene.Put(OneWordTable());
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_TRUE(scene.screen.problems.empty());
    EXPECT_EQ(reader->TranslationCount(), 1u);
    EXPECT_EQ(scene.options->PartOfSpeech, 0);
    EXPECT_EQ(scene.options->Transcription, 0);
    EXPECT_EQ(scene.options->ThirdLanguage, 0);
    EXPECT_EQ(reader->TranslationSize(), 21u);
    EXPECT_EQ(reader->QuestionSize(), 20u + 19u);
}

// The language-driver byte names the code page; none (0), the reader's own (0x57) and bytes of
// pages no table may have leave the texts in the system's, as tables always were.
TEST(TableOpening, TheTextsAreInTheCodePageTheHeaderNamesElseInTheSystems) {
    const TScopedSystemCodePage greek(1253);
    const std::pair<uint8_t, uint32_t> drivers[] = {
        {0xC9, 1251}, {0xCA, 1254}, {0x00, 1253}, {0x57, 1253}, {0x01, 1253}};
    for (const auto& [driver, page] : drivers) {
        TableScene scene;
        scene.Put(OneWordTable().LanguageDriver(driver));
        auto reader = scene.Open();
        ASSERT_TRUE(reader->IsLoaded());
        EXPECT_EQ(reader->CodePage(), page) << int{driver};
        EXPECT_EQ(scene.screen.measuredPage, page) << "the widths are measured in it";
    }
}

TEST(TableOpening, MissingTableIsReportedWhenSettingsExist) {
    TableScene scene;
    scene.UseFile(scene.dir.File("absent.dbf"));
    auto reader = scene.Open();
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{CannotOpenText});
}

TEST(TableOpening, ReadOnlyTableSaysSoAndNoLeadsToTheOptions) {
    TableScene scene;
    scene.Put(OneWordTable());
    EXPECT_TRUE(scene.Open()->IsRecording());
    EXPECT_TRUE(scene.screen.readOnlyTexts.empty()) << "a table that may be written asks nothing";

    // The same table as a CD or a file marked read-only gives it: No, the default, is the
    // options dialog, as for a table that cannot be opened, but without that one's message.
    auto log = std::make_shared<TableAccessLog>();
    log->readOnly = true;
    scene.screen.dialogs = {TDialogOutcome::Cancelled};
    auto reader = scene.Open(RecordingOpener(log));
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.dialogRuns, 1);
    EXPECT_EQ(scene.screen.readOnlyTexts.size(), 1u);
    EXPECT_TRUE(scene.screen.problems.empty());
    // A table with a problem of its own tells that one first.
    scene.Put(VocabularyFields(1).RecordCount(0).Record({"a", "b"}));
    scene.screen.readOnlyTexts.clear();
    scene.Open(RecordingOpener(log));
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{NoRecordsText});
    EXPECT_TRUE(scene.screen.readOnlyTexts.empty());
}

TEST(TableOpening, ReadOnlyMessageNamesTheTableAndBothWays) {
    const std::string text = ReadOnlyTableText("C:\\Program Files\\Vocorix\\lesson.dbf");
    EXPECT_EQ(text.rfind("C:\\Program Files\\Vocorix\\lesson.dbf\r\nis read-only", 0), 0u) << text;
    for (const char* part :
         {"your answers cannot be recorded", "Drill it without recording?",
          "Yes: drill without recording.", "No: choose another table in the options.",
          "copy the table into a folder of your own"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST(TableOpening, FirstStartWithoutSettingsFileGivesNoMessage) {
    TableScene scene(false);
    scene.UseFile(scene.dir.File("absent.dbf"));
    auto reader = scene.Open();
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_TRUE(scene.screen.problems.empty());
}

TEST(TableOpening, EveryStructureProblemHasItsMessage) {
    ExpectRefused(VocabularyFields(1).RecordCount(0).Record({"a", "b"}), NoRecordsText,
                  "no records");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("T2", 21)
                      .Field("LASTCHANGE", 8)
                      .Field("COUNT", 2)
                      .Record({"a"}),
                  TranslationWidthsText, "translation widths differ");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("LASTCHANG", 8)
                      .Field("COUNT", 2)
                      .Record({"a"}),
                  NoLastChangeText, "no LASTCHANGE");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("LASTCHANGE", 8)
                      .Field("NUMBER", 2)
                      .Record({"a"}),
                  NoCountText, "no COUNT");
    ExpectRefused(
        TableBuilder().Field("WORD", 20).Field("LASTCHANGE", 8).Field("COUNT", 2).Record({"a"}),
        NoLastChangeText, "no translation field");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("LASTCHANGE", 8)
                      .Field("COUNT", 2)
                      .Field("EXTRA", 2)
                      .Record({"a"}),
                  TranslationWidthsText, "a field after COUNT makes LASTCHANGE a translation");
    ExpectRefused(
        TableBuilder().Field("WORD", 20).Field("T1", 20).Field("LASTCHANGE", 8).Record({"a"}),
        NoCountText, "COUNT missing after LASTCHANGE");
    ExpectRefused(VocabularyFields(MaxTranslationCount + 1, 1).Record({"a"}),
                  TooManyTranslationsText, "more translation fields than the window can number");
}

TEST(TableOpening, TheWidestTableTheWindowCanNumberLoads) {
    TableScene scene;
    scene.Put(VocabularyFields(MaxTranslationCount, 1).Record({"a", "b"}));
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(reader->TranslationCount(), MaxTranslationCount);
}

TEST(TableOpening, OptionalFieldsOutOfOrderAreTakenAsTranslations) {
    // THIRDLANG ends the optional fields, so TRANSCRIPT after it is a translation of width 10.
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("THIRDLANG", 10)
                      .Field("TRANSCRIPT", 10)
                      .Field("T1", 20)
                      .Field("LASTCHANGE", 8)
                      .Field("COUNT", 2)
                      .Record({"a"}),
                  TranslationWidthsText, "THIRDLANG before TRANSCRIPT");
}

TEST(TableOpening, OptionalFieldsSetTheirFlagsAndAreReadInPlace) {
    TableScene scene;
    TableBuilder table = VocabularyFields(2, 20, {"PART", "THIRDLANG"});
    table.Record({"house", "noun", "Haus", "dom", "maison", "20240101", " 1"});
    scene.Put(table);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(scene.options->PartOfSpeech, 1);
    EXPECT_EQ(scene.options->Transcription, 0);
    EXPECT_EQ(scene.options->ThirdLanguage, 1);
    EXPECT_EQ(reader->TranslationCount(), 2u);
    ASSERT_TRUE(reader->Pick());
    EXPECT_STREQ(reader->Word(), "house");
    EXPECT_STREQ(reader->Part(), "noun");
    EXPECT_EQ(reader->Transcript(), nullptr);
    EXPECT_STREQ(reader->ThirdLang(), "Haus");
    EXPECT_STREQ(reader->Translation(0), "dom");
    EXPECT_STREQ(reader->Translation(1), "maison");
    EXPECT_EQ(reader->Count(), 1u);
    EXPECT_EQ(reader->QuestionSize(), 20u + 19u + 10u + 10u);
}

TEST(TableOpening, KeywordsCompareTheFirstTenNameBytesOnly) {
    TableScene scene;
    TableBuilder table;
    table.Field("WORD", 20)
        .Field("TRANSCRIPTX", 10)
        .Field("T1", 20)
        .Field("LASTCHANGEX", 8)
        .Field("COUNT", 2)
        .Record({"a", "b", "c", "20240101", "1"});
    scene.Put(table);
    auto reader = scene.Open();
    EXPECT_TRUE(reader->IsLoaded());
    EXPECT_EQ(scene.options->Transcription, 1);
}

TEST(TableOpening, PadBytesAfterTheDescriptorsAreTolerated) {
    for (uint32_t pad : {1u, 2u, 31u}) {
        TableScene scene;
        TableBuilder table = OneWordTable();
        table.HeaderLength(32 + 32 * 4 + pad);
        scene.Put(table);
        auto reader = scene.Open();
        ASSERT_TRUE(reader->IsLoaded()) << "pad " << pad;
        ASSERT_TRUE(reader->Pick());
        EXPECT_STREQ(reader->Word(), "house") << "pad " << pad;
        EXPECT_STREQ(reader->Translation(0), "Haus") << "pad " << pad;
    }
}

TEST(TableOpening, SizeCheckAllowsTrailingBytesButNoMissingOnes) {
    {
        TableScene scene;
        scene.Put(OneWordTable().EndOfFileMarker(false));
        EXPECT_TRUE(scene.Open()->IsLoaded()) << "exact size, no end-of-file byte";
    }
    {
        TableScene scene;
        scene.Put(OneWordTable().EndOfFileMarker(true));
        EXPECT_TRUE(scene.Open()->IsLoaded()) << "with end-of-file byte";
    }
    TableBuilder twoRecords = OneWordTable();
    twoRecords.Record({"tree", "Baum"}).EndOfFileMarker(false);
    ExpectRefused(TableBuilder(twoRecords).RecordCount(3), SizeOrHeaderText, "one record short");
    ExpectRefused(TableBuilder(twoRecords).Truncate(1), SizeOrHeaderText, "one byte short");
    ExpectRefused(TableBuilder(twoRecords).Truncate(200), SizeOrHeaderText,
                  "cut inside the descriptors");
    TableScene empty;
    empty.Put(std::string());
    EXPECT_FALSE(empty.Open()->IsLoaded());
    EXPECT_EQ(empty.screen.problems, std::vector<std::string>{SizeOrHeaderText});
}

// Tables that would load and then be misread or written into the wrong bytes.
TEST(TableOpening, InconsistentRecordLayoutIsRefused) {
    ExpectRefused(OneWordTable().RecordLength(52), SizeOrHeaderText, "record length one short");
    ExpectRefused(OneWordTable().RecordLength(54), SizeOrHeaderText, "record length one long");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("LASTCHANGE", 6)
                      .Field("COUNT", 2)
                      .Record({"a"}),
                  SizeOrHeaderText, "LASTCHANGE 6 wide");
    ExpectRefused(TableBuilder()
                      .Field("WORD", 20)
                      .Field("T1", 20)
                      .Field("LASTCHANGE", 8)
                      .Field("COUNT", 3)
                      .Record({"a"}),
                  SizeOrHeaderText, "COUNT 3 wide");
}

TEST(TableOpening, HeaderPromisingTooFewDescriptorsIsRefusedWithoutReadingPastThem) {
    // Four descriptors in the header's count, but three of them are optional fields.
    TableScene scene;
    TableBuilder table = VocabularyFields(1, 20, {"PART", "TRANSCRIPT", "THIRDLANG"});
    table.Record({"a", "b", "c", "d", "e"});
    const uint32_t headerLength = 32 + 32 * 4 + 1;
    table.HeaderLength(headerLength);
    scene.Put(table);
    auto log = std::make_shared<TableAccessLog>();
    auto reader = scene.Open(RecordingOpener(log));
    EXPECT_FALSE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{SizeOrHeaderText});
    EXPECT_LE(log->furthestRead, headerLength);
}

TEST(TableOpening, HeaderTooShortForAnyTableIsRefused) {
    for (uint32_t headerLength : {0u, 31u, 32u, 64u, 127u}) {
        TableScene scene;
        scene.Put(OneWordTable().HeaderLength(headerLength));
        auto log = std::make_shared<TableAccessLog>();
        EXPECT_FALSE(scene.Open(RecordingOpener(log))->IsLoaded()) << headerLength;
        EXPECT_EQ(scene.screen.problems, std::vector<std::string>{SizeOrHeaderText})
            << headerLength;
        EXPECT_LE(log->furthestRead, std::max<uint64_t>(headerLength, 32)) << headerLength;
    }
}

TEST(TableOpening, SizeCheckCannotBeFooledByWrapAround) {
    // 0x01000001 records of 256 bytes need 2^32 + 256 bytes; in 32 bits that is just 256.
    TableBuilder table;
    table.Field("WORD", 20).Field("T1", 225).Field("LASTCHANGE", 8).Field("COUNT", 2);
    table.Record({"a", "b", "20240101", " 1"}).RecordCount(0x01000001u);
    ExpectRefused(table, SizeOrHeaderText, "record count wrapping in 32 bits");
}

TEST(TableOpening, FailedLoadCanBeFollowedBySuccessfulOne) {
    TableScene scene;
    scene.Put(OneWordTable().RecordLength(60));
    auto reader = scene.Open();
    ASSERT_FALSE(reader->IsLoaded());
    scene.Put(OneWordTable());
    EXPECT_TRUE(reader->Load());
    EXPECT_EQ(reader->EligibleCount(), 1u);
}
