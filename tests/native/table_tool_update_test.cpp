#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "table_tool/list_table.h"
#include "table_tool/tool_error.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"

// Updating a table from its edited word list (vocorix-table update, and the program's own
// import of a list it is given): what was learnt stays with its words.

namespace {

namespace fs = std::filesystem;

class TableToolUpdate : public ::testing::Test {
protected:
    std::string List(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, text);
        return path;
    }
    // The folder's files, to see that nothing was left behind.
    size_t FileCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir.Path()), {}));
    }

    TempDir dir;
    std::string table = dir.File("words.dbf");
};

TEST_F(TableToolUpdate, EachWordKeepsItsStatisticsWhereverItStandsAndWhateverItsTranslation) {
    const std::string first = List("first.csv", "word,German,lastchange,count\n"
                                                "house,Haus,20240101,3\n"
                                                "tree,Baum,20240102,4\n"
                                                "Straße,street,20240103,5\n"
                                                "bank,Bank,20240104,1\n"
                                                "bank,Ufer,20240105,2\n");
    ASSERT_EQ(RunTool({"new", first, table}).status, 0);
    // tree is gone; the rest reordered, retranslated, a column added, a text wider than any
    // before, a third bank and a new word.
    const std::string wide(60, 'w');
    const std::string edited = List("edited.csv", "word,German,French\n"
                                                  "bank,Geldhaus,banque\n"
                                                  "Straße,Straße,rue\n"
                                                  "dog,Hund,chien\n"
                                                  "house,Haus," +
                                                      wide +
                                                      "\n"
                                                      "bank,Flussufer,rive\n"
                                                      "bank,Sitzbank,banc\n");
    const std::string before = ReadFileBytes(table);
    const ToolRun dry = RunTool({"update", edited, table, "--dry-run"});
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "4 words kept with their statistics, 2 new, 1 left out\n");
    EXPECT_EQ(ReadFileBytes(table), before) << "a dry run writes nothing";

    const ToolRun run = RunTool({"update", edited, table});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dry.out + "words.dbf as it was is kept as words.dbf.bak.\n");
    EXPECT_EQ(ReadFileBytes(table + ".bak"), before);
    EXPECT_EQ(RunTool({"export", table}).out, "WORD,GERMAN,FRENCH,LASTCHANGE,COUNT\r\n"
                                              "bank,Geldhaus,banque,20240104,1\r\n"
                                              "Straße,Straße,rue,20240103,5\r\n"
                                              "dog,Hund,chien,,\r\n"
                                              "house,Haus," +
                                                  wide +
                                                  ",20240101,3\r\n"
                                                  "bank,Flussufer,rive,20240105,2\r\n"
                                                  "bank,Sitzbank,banc,,\r\n");
    EXPECT_EQ(FileCount(), 4u) << "no temporary file left";

    // Into another code page: the words are compared as that page holds them.
    ASSERT_EQ(RunTool({"update", edited, table, "--code-page", "1250"}).out,
              "6 words kept with their statistics, 0 new, 0 left out\n"
              "words.dbf as it was is kept as words.dbf.bak.\n");
    EXPECT_EQ(ReadFileBytes(table)[29], '\xC8') << "language driver of code page 1250";
}

TEST_F(TableToolUpdate, AListThatCannotBeATableChangesNothingAndSaysWhatNewWouldSay) {
    ASSERT_EQ(RunTool({"new", List("words.csv", "word,German\nhouse,Haus\n"), table}).status, 0);
    const std::string before = ReadFileBytes(table);
    const std::string bad = List("bad.csv", "word,German\nhouse,Haus\nsmile,\"☺\n:-)\"\n");
    const ToolRun update = RunTool({"update", bad, table});
    EXPECT_EQ(update.status, 1);
    EXPECT_EQ(update.err, RunTool({"new", bad, dir.File("other.dbf")}).err);
    EXPECT_NE(
        update.err.find("bad.csv, line 3, column 2 (German): \"☺\n:-)\": it holds a line break"),
        std::string::npos)
        << update.err;
    EXPECT_EQ(ReadFileBytes(table), before);

    // A damaged table is not replaced: its statistics may still be saved by hand.
    WriteFileBytes(table, before.substr(0, 40));
    const ToolRun damaged =
        RunTool({"update", List("good.csv", "word,German\ntree,Baum\n"), table});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find(table + ": "), std::string::npos) << damaged.err;
    EXPECT_EQ(ReadFileBytes(table), before.substr(0, 40));
    EXPECT_EQ(FileCount(), 4u) << "no temporary file left";

    EXPECT_THROW(WriteCheckedTable(dir.File("missing/words.dbf"), before, 1252), TToolError);
    EXPECT_THROW(WriteCheckedTable(table, "not a table", 1252), TToolError) << "checked before it "
                                                                               "replaces the table";
    EXPECT_EQ(ReadFileBytes(table), before.substr(0, 40));
}

// The program is given a list: its table is made beside it, then rewritten only when the list
// gives other contents, whatever the files' times say.
TEST_F(TableToolUpdate, AGivenListMakesItsTableAndRewritesItOnlyWhenTheListChanged) {
    const std::string list = List("Words.CSV", "word,German,count\nhouse,Haus,\ntree,Baum,4\n");
    TTableImport made = PrepareTableFor(list, 1252);
    EXPECT_EQ(made.table, dir.File("Words.dbf"));
    ASSERT_TRUE(made.bytes.has_value());
    EXPECT_FALSE(fs::exists(made.table)) << "written only when committed";
    CommitTableImport(made);
    EXPECT_EQ(ImportReport(made), "") << "a new table replaced none";
    fs::last_write_time(list, fs::last_write_time(made.table) + std::chrono::seconds(5));
    EXPECT_FALSE(PrepareTableFor(list, 1252).bytes.has_value()) << "unchanged: nothing to write";

    // Edited during a drill, whose answers wrote the table later: the edits still count.
    WriteFileBytes(list, "word,German\ntree,Baum\nhouse,Haus\n");
    fs::last_write_time(list, fs::last_write_time(made.table) - std::chrono::seconds(5));
    CommitTableImport(PrepareTableFor(list, 1252));
    EXPECT_EQ(RunTool({"export", made.table}).out, "WORD,GERMAN,LASTCHANGE,COUNT\r\n"
                                                   "tree,Baum,,4\r\n"
                                                   "house,Haus,,\r\n");
    WriteFileBytes(list, "word\n");
    EXPECT_THROW(PrepareTableFor(list, 1252), TToolError) << "a broken list is named, not skipped";

    EXPECT_EQ(PrepareTableFor(table, 1252).table, table) << "a table is itself";
    EXPECT_THROW(PrepareTableFor(dir.File("words.xlsx"), 1252), TToolError);
}

// A list that needs another code page than the system's, or than its table's, gets it; the words
// it keeps keep their practice.
TEST_F(TableToolUpdate, AListMovesItsTableToTheCodePageItsWordsNeed) {
    const std::string list = List("words.csv", "word,German,count\nhouse,Haus,3\n");
    CommitTableImport(PrepareTableFor(list, 1252));
    WriteFileBytes(list, "word,German\nhouse,Haus\nдом,Haus\n");
    CommitTableImport(PrepareTableFor(list, 1252));
    const std::string made = ReadFileBytes(dir.File("words.dbf"));
    EXPECT_EQ(made[29], '\xC9') << "code page 1251";
    EXPECT_EQ(RunTool({"export", dir.File("words.dbf")}).out, "WORD,GERMAN,LASTCHANGE,COUNT\r\n"
                                                              "house,Haus,,3\r\n"
                                                              "дом,Haus,,\r\n");
    EXPECT_EQ(PrepareTableFor(List("more.csv", "word,German\nдом,Haus\n"), 932).table,
              dir.File("more.dbf"))
        << "a system whose page no table has";
}

// A list that is not the one the table was made from: practised words go only after a question,
// and every replacement keeps the table as it was.
TEST_F(TableToolUpdate, AListThatDropsPractisedWordsAsksFirstAndTheReplacedTableIsKept) {
    const std::string first =
        List("first.csv", "word,German,lastchange,count\nhouse,Haus,20240101,3\n"
                          "tree,Baum,,\ndog,Hund,20240102,0\ncat,Katze,,\n");
    const std::string lesson = dir.File("lesson.dbf");
    ASSERT_EQ(RunTool({"new", first, lesson}).status, 0);
    const std::string before = ReadFileBytes(lesson);
    const std::string list = List("lesson.csv", "word,German\nhouse,Haus\nbird,Vogel\n");
    const TTableImport other = PrepareTableFor(list, 1252);
    EXPECT_EQ(ReplaceQuestion(other), "lesson.csv does not hold 3 words of lesson.dbf; 1 of them "
                                      "is practised. Replace lesson.dbf with the 2 words of "
                                      "lesson.csv?")
        << "dog was answered wrong: practised too";
    EXPECT_EQ(ImportReport(other), "1 word kept with their practice, 1 new, 3 left out.\r\n"
                                   "lesson.dbf as it was is kept as lesson.dbf.bak.");
    CommitTableImport(other);
    EXPECT_EQ(ReadFileBytes(dir.File("lesson.dbf.bak")), before);

    // Only a word never asked goes: no question; the backup is the table just replaced.
    const std::string second = ReadFileBytes(lesson);
    WriteFileBytes(list, "word,German\nhouse,Haus\n");
    const TTableImport fewer = PrepareTableFor(list, 1252);
    EXPECT_EQ(ReplaceQuestion(fewer), "");
    CommitTableImport(fewer);
    EXPECT_EQ(ReadFileBytes(BackupOf(lesson)), second);
}

// A CD, say: the table cannot be made beside the list.
TEST_F(TableToolUpdate, AListInAFolderTheProgramMayNotWriteToIsToldToBeCopiedFirst) {
    const std::string list = List("lesson.csv", "word,German\nhouse,Haus\n");
    ReadOnlyFile readOnly(dir.Path().string());
    if (std::FILE* probe = std::fopen(dir.File("probe").c_str(), "wb")) {
        std::fclose(probe);
        GTEST_SKIP() << "a read-only folder is written to all the same here";
    }
    try {
        PrepareTableFor(list, 1252);
        ADD_FAILURE() << "the table has no place beside the list";
    } catch (const TToolError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "lesson.csv is in a folder Vocorix may not write to (" + dir.Path().string() +
                      "), so its table lesson.dbf cannot be kept beside it. Copy lesson.csv into "
                      "a folder of your own, such as Documents, and open the copy.");
    }
    EXPECT_EQ(FileCount(), 1u) << "nothing left behind";
}

// Names in UTF-8, as the program keeps every path, of any script ("ü", "ö", an en dash and
// Cyrillic letters): the table beside the list is the one of the same name, found again the
// next time.
TEST_F(TableToolUpdate, AListInAFolderNamedWithLettersOfTheCodePageFindsItsOwnTable) {
    const std::string folder = dir.Folder("Jürgen's Wörter – Слова");
    const std::string list = folder + "/Wörter.csv";
    WriteFileBytes(list, "word,German,count\nhouse,Haus,4\n");
    const TTableImport made = PrepareTableFor(list, 1252);
    EXPECT_EQ(made.table, folder + "/Wörter.dbf");
    CommitTableImport(made);
    EXPECT_EQ(ReadFileBytes(made.table), *made.bytes) << "written under its own name";

    WriteFileBytes(list, "word,German\nhouse,Haus\ntree,Baum\n");
    CommitTableImport(PrepareTableFor(list, 1252));
    EXPECT_EQ(RunTool({"export", made.table}).out, "WORD,GERMAN,LASTCHANGE,COUNT\r\n"
                                                   "house,Haus,,4\r\n"
                                                   "tree,Baum,,\r\n")
        << "the practised table found again, not a second one made";
}

} // namespace
