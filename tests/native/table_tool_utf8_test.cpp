#include <gtest/gtest.h>

#include <filesystem>

#include "platform/code_page.h"
#include "table_tool/list_table.h"
#include "table_tool/tool_error.h"
#include "tests/support/fake_db_screen.h"
#include "tests/support/table_builder.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"

// Word lists that no single-byte code page holds go into UTF-8 tables, marked by NAME.cpg:
// vocorix-table's commands and the program's import keep the mark true.

namespace {

const std::string Bom = "\xEF\xBB\xBF";
const std::string Japanese = "WORD,ENGLISH\r\n"
                             "犬,dog\r\n"
                             "猫,cat\r\n"
                             "水,water\r\n"
                             "しごと,work\r\n"
                             "ありがとう,thank you\r\n"
                             "東京,Tokyo\r\n";

class TableToolUtf8 : public ::testing::Test {
protected:
    std::string List(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, text);
        return path;
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(dir.Path() / name);
    }
    std::string Mark() const { return ReadFileBytes(dir.File("words.cpg")); }

    TempDir dir;
    std::string table = dir.File("words.dbf");
};

TEST_F(TableToolUtf8, AJapaneseListMakesAMarkedTableThatChecksExportsAndResetsAsItIs) {
    const std::string list = List("words.csv", Bom + Japanese);
    const ToolRun made = RunTool({"new", list, table});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, table + ": 6 words in code page UTF-8.\n");
    EXPECT_EQ(Mark(), "UTF-8");
    const std::string bytes = ReadFileBytes(table);
    EXPECT_EQ(bytes[29], '\0') << "no single-byte page named";
    EXPECT_EQ(bytes[32 + 16], 15) << "the word's width in bytes: ありがとう takes 15";

    const ToolRun check = RunTool({"check", table});
    EXPECT_NE(check.out.find("\n  code page UTF-8\n"), std::string::npos) << check.out;
    const std::string back = dir.File("back.csv");
    ASSERT_EQ(RunTool({"export", table, back}).status, 0);
    EXPECT_EQ(ReadFileBytes(back), Bom + Japanese);

    {
        TableScene scene;
        scene.UseFile(table);
        const auto reader = scene.Open();
        ASSERT_TRUE(reader->IsLoaded());
        EXPECT_EQ(reader->CodePage(), Utf8CodePage);
        ASSERT_TRUE(reader->Pick());
        reader->Update(true);
    }
    ASSERT_EQ(RunTool({"reset", table}).status, 0);
    EXPECT_EQ(ReadFileBytes(table), bytes) << "the answer's statistics blanked again";
    EXPECT_EQ(Mark(), "UTF-8");
}

// A list that 1252 holds makes the table it always made, byte for byte, and no mark.
TEST_F(TableToolUtf8, AListASingleBytePageHoldsMakesTheSameTableAsEverWithoutAMark) {
    const std::string list = List("words.csv", "word,German\nstreet,Straße\nhouse,Haus\n");
    ASSERT_EQ(RunTool({"new", list, table}).status, 0);
    TableBuilder expected;
    expected.Field("WORD", 6).Field("GERMAN", 6).Field("LASTCHANGE", 8, 'D');
    expected.Field("COUNT", 2, 'N').LanguageDriver(0x03);
    expected
        .Record({"street", "Stra\xDF"
                           "e"})
        .Record({"house", "Haus"});
    std::string bytes = ReadFileBytes(table);
    ASSERT_EQ(bytes.size(), expected.Bytes().size());
    bytes.replace(1, 3, expected.Bytes().substr(1, 3)); // the day it was made
    EXPECT_EQ(bytes, expected.Bytes());
    EXPECT_FALSE(Exists("words.cpg"));
}

TEST_F(TableToolUtf8, UpdateMovesATableToUtf8AndBackKeepingItsPracticeAndTheMarkTrue) {
    const std::string list = List("words.csv", "word,German,lastchange,count\n"
                                               "house,Haus,20240101,3\nstreet,Straße,20240102,2\n");
    ASSERT_EQ(RunTool({"new", list, table}).status, 0);
    const std::string western = ReadFileBytes(table);

    WriteFileBytes(list, "word,German\nhouse,Haus\nstreet,Straße\n犬,Hund\n");
    ToolRun update = RunTool({"update", list, table});
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_EQ(update.out, "The table is in code page UTF-8 from now on.\n"
                          "2 words kept with their statistics, 1 new, 0 left out\n"
                          "words.dbf as it was is kept as words.dbf.bak.\n");
    EXPECT_EQ(Mark(), "UTF-8");
    EXPECT_EQ(ReadFileBytes(table + ".bak"), western);
    const std::string practised = "WORD,GERMAN,LASTCHANGE,COUNT\r\n"
                                  "house,Haus,20240101,3\r\n"
                                  "street,Straße,20240102,2\r\n";
    EXPECT_EQ(RunTool({"export", table}).out, practised + "犬,Hund,,\r\n");

    // A list that 1252 would hold again: the table stays UTF-8, and its backup keeps the mark.
    WriteFileBytes(list, "word,German\nhouse,Haus\nstreet,Straße\n");
    update = RunTool({"update", list, table});
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_EQ(update.out, "2 words kept with their statistics, 0 new, 1 left out\n"
                          "words.dbf as it was is kept as words.dbf.bak, its mark words.cpg as "
                          "words.cpg.bak.\n");
    EXPECT_EQ(Mark(), "UTF-8");
    EXPECT_EQ(ReadFileBytes(dir.File("words.cpg.bak")), "UTF-8");

    update = RunTool({"update", list, table, "--code-page", "1252"});
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_FALSE(Exists("words.cpg")) << "a single-byte table has no mark that says UTF-8";
    EXPECT_EQ(ReadFileBytes(table)[29], '\x03');
    EXPECT_EQ(RunTool({"export", table}).out, practised);
    WriteFileBytes(list, "word,German\nhouse,Haus\n");
    ASSERT_EQ(RunTool({"update", list, table}).status, 0);
    EXPECT_FALSE(Exists("words.cpg.bak")) << "the backup of a table without a mark has none";
}

TEST_F(TableToolUtf8, CodePageOptionNamesUtf8AndTooLongTextsAreCountedInCharacters) {
    const std::string list = List("words.csv", "word,German\nhouse,Haus\n");
    for (const char* name : {"utf-8", "UTF8", "65001"}) {
        const ToolRun run = RunTool({"new", list, table, "--force", "--code-page", name});
        EXPECT_EQ(run.out, table + ": 1 word in code page UTF-8.\n") << name << run.err;
        EXPECT_EQ(Mark(), "UTF-8");
    }
    ASSERT_EQ(RunTool({"new", list, table, "--force"}).status, 0);
    EXPECT_FALSE(Exists("words.cpg")) << "made in 1252 in place of a UTF-8 table";

    const ToolRun unknown = RunTool({"new", list, table, "--force", "--code-page", "UTF-16"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "vocorix-table: --code-page UTF-16: not a code page; a table's are "
                           "874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, UTF-8\n");

    std::string longWord;
    for (int i = 0; i < 100; ++i)
        longWord += "語";
    const ToolRun tooLong = RunTool(
        {"new", List("long.csv", "word,English\n" + longWord + ",words\n"), table, "--force"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_NE(tooLong.err.find(": it is 100 characters long (300 bytes in UTF-8), more than the "
                               "254 bytes a table's field holds"),
              std::string::npos)
        << tooLong.err;
}

// The mark is written before the table and put back when the table cannot be: the two never
// disagree because of a failure.
TEST_F(TableToolUtf8, AMarkThatCannotBeWrittenLeavesTheTableAndATableThatCannotLeavesTheMark) {
    std::filesystem::create_directory(dir.Path() / "words.cpg");
    const ToolRun blocked = RunTool({"new", List("words.csv", Japanese), table});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(blocked.err.find("cannot write " + dir.File("words.cpg")), std::string::npos)
        << blocked.err;
    EXPECT_FALSE(Exists("words.dbf"));
    std::filesystem::remove(dir.Path() / "words.cpg");

    EXPECT_THROW(WriteCheckedTable(table, "not a table", Utf8CodePage), TToolError);
    EXPECT_FALSE(Exists("words.cpg"));
    WriteFileBytes(dir.File("words.cpg"), "utf8\r\n");
    EXPECT_THROW(WriteCheckedTable(table, "not a table", 1252), TToolError);
    EXPECT_EQ(Mark(), "utf8\r\n");
}

// The program's own import: a list it is given gets its UTF-8 table beside it; a Windows set to
// UTF-8 as its own page still makes single-byte tables where a page holds the list.
TEST_F(TableToolUtf8, TheProgramsImportMarksItsUtf8TableAndAUtf8SystemStillPrefers1252) {
    const std::string list = List("words.csv", Japanese);
    const TTableImport import = PrepareTableFor(list, 1252);
    EXPECT_EQ(import.codePage, Utf8CodePage);
    CommitTableImport(import);
    EXPECT_EQ(Mark(), "UTF-8");
    EXPECT_FALSE(PrepareTableFor(list, 1252).bytes) << "the table it has: nothing to write";

    const std::string other = List("other.csv", "word,German\nhouse,Haus\n");
    const TTableImport western = PrepareTableFor(other, Utf8CodePage);
    EXPECT_EQ(western.codePage, 1252u);
    ASSERT_TRUE(western.bytes);
    EXPECT_EQ((*western.bytes)[29], '\x03');
}

} // namespace
