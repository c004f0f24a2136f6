#include <gtest/gtest.h>

#include <set>

#include "database/code_page_mark.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "tests/support/fake_db_screen.h"
#include "tests/support/table_tool_run.h"

// Tables whose texts are UTF-8: how the drill and vocorix-table know one, and what they do with
// bytes in it that are not UTF-8.

namespace {

TEST(Utf8Tables, TheMarkBesideTheTableOrPythonDbfsByteSaysUtf8AndNothingElseDoes) {
    const TScopedSystemCodePage western(1252);
    const struct {
        uint8_t driver;
        const char* markName; // none: no mark
        const char* mark;
        uint32_t codePage;
    } cases[] = {
        {0x00, "words.cpg", "UTF-8", Utf8CodePage},
        {0x03, "words.cpg", " utf8\r\n", Utf8CodePage}, // whatever the byte says
        {0x00, "words.CPG", "UTF-8\n", Utf8CodePage},   // as shapelib also looks for it
        {0xF0, nullptr, "", Utf8CodePage},              // python3-dbf's 'utf8'
        {0xC9, "words.cpg", "1251", 1251},              // another mark: the byte decides
        {0x00, "words.cpg", "UTF-16", 1252},
        {0x00, "words.cpg", "UTF-8 and more", 1252},
        {0x00, nullptr, "", 1252},
    };
    for (const auto& given : cases) {
        SCOPED_TRACE(std::string(given.markName ? given.markName : "no mark") + ": " + given.mark);
        TableScene scene;
        scene.Put(VocabularyFields(1).LanguageDriver(given.driver).Record({"dog", "Hund"}));
        if (given.markName != nullptr)
            WriteFileBytes(scene.dir.File(given.markName), given.mark);
        const auto reader = scene.Open();
        ASSERT_TRUE(reader->IsLoaded());
        EXPECT_EQ(reader->CodePage(), given.codePage);
        EXPECT_EQ(scene.screen.measuredPage, given.codePage) << "measured in it";
        EXPECT_EQ(CodePageOfTable(scene.tablePath, given.driver),
                  given.codePage == 1252 ? std::nullopt : std::optional(given.codePage))
            << "the tool reads it alike";
    }
    EXPECT_EQ(CodePageMarkPath("C:\\Wörter\\lesson.dbf"), "C:\\Wörter\\lesson.cpg");
    EXPECT_EQ(CodePageMarkPath("lessons.v2/words"), "lessons.v2/words.cpg");
}

// A table marked UTF-8 whose bytes are not all UTF-8: written by another program, or damaged.
TEST(Utf8Tables, BadBytesLoadAndShowAsReplacementsAndAnAnswerWritesOnlyItsStatistics) {
    SetTodayClock([] { return LocalDate{9, 5, 2024}; });
    int64_t seconds = 0;
    SetSecondClock([&seconds] { return seconds++; });
    ScopedClocks clocks;
    TableScene scene;
    TableBuilder table = VocabularyFields(2, 12);
    // A character cut by its field's end, a stray byte, a lead byte before ASCII.
    table.Record({"犬", "dog", "\xE7\x8A"})
        .Record({"\xFF"
                 "bad",
                 "water", "\xE6\xB0"})
        .Record({"しごと", "work", "job"});
    const std::string original = table.Bytes();
    scene.Put(original);
    WriteFileBytes(scene.dir.File("words.cpg"), "UTF-8");

    const auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_TRUE(scene.screen.problems.empty());
    EXPECT_EQ(reader->EligibleCount(), 3u);
    EXPECT_EQ(reader->Words().Count(), 6u) << "every translation is a hint, bad bytes and all";
    const TCodePageText& shown = CodePageText(reader->CodePage());
    std::set<int64_t> asked;
    for (int question = 0; question < 20 && asked.size() < 3; ++question) {
        ASSERT_TRUE(reader->Pick());
        asked.insert(reader->CurrentIndex());
        std::string text(reader->QuestionSize(), '\0');
        int leadIn, word, transcription;
        reader->MakeQuestion(text.data(), leadIn, word, transcription);
        if (reader->CurrentIndex() == 1) {
            EXPECT_EQ(shown.ToUtf16(reader->Word()), Utf8ToUtf16("\xEF\xBF\xBD"
                                                                 "bad"));
            EXPECT_EQ(shown.ToUtf16(reader->Translation(1)),
                      Utf8ToUtf16("\xEF\xBF\xBD\xEF\xBF\xBD"));
        }
        reader->Update(question % 2 == 0);
    }
    EXPECT_EQ(asked.size(), 3u);
    const std::string written = ReadFileBytes(scene.tablePath);
    ASSERT_EQ(written.size(), original.size());
    for (uint32_t r = 0; r < 3; ++r) {
        const uint64_t statistics = table.RecordOffset(r) + table.RecordBytes() - 10;
        EXPECT_EQ(written.substr(table.RecordOffset(r), statistics - table.RecordOffset(r)),
                  original.substr(table.RecordOffset(r), statistics - table.RecordOffset(r)))
            << "record " << r << " beside its statistics";
        EXPECT_EQ(written.substr(statistics, 8), "20240509") << "record " << r;
    }
    EXPECT_EQ(written.substr(table.RecordOffset(3)), original.substr(table.RecordOffset(3)));

    const ToolRun check = RunTool({"check", scene.tablePath});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_NE(check.out.find("\n  code page UTF-8\n"), std::string::npos) << check.out;
    const ToolRun exported = RunTool({"export", scene.tablePath});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.err, "vocorix-table: " + scene.tablePath +
                                ", record 1, field TRANS2: \"\\xE7\\x8A\": it is not valid UTF-8 "
                                "(byte \\xE7 at byte 1)\n");
}

} // namespace
