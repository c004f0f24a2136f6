#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/clock.h"
#include "tests/support/data_file.h"
#include "tests/support/table_builder.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"

// Checking tables (vocorix-table check) and starting them afresh (reset).

namespace {

TEST(TableToolCheck, TablesOfOtherDbaseWritersPass) {
    for (const char* name : {"shapelib_plain.dbf", "shapelib_optional.dbf", "pydbf_plain.dbf"}) {
        // A copy, so that the committed tables stay as they are whatever the tool does.
        TempDir dir;
        const std::string table = dir.File(name);
        WriteFileBytes(table, ReadFileBytes(DataFile(name)));
        const ToolRun run = RunTool({"check", table});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_NE(run.out.find("Vocorix can drill this table"), std::string::npos) << run.out;
    }
}

TEST(TableToolCheck, AReadOnlyTableIsCheckedAndExported) {
    TempDir dir;
    const std::string table = dir.File("words.dbf");
    TableBuilder words = VocabularyFields(1);
    words.Record({"house", "Haus", "20240101", " 1"});
    WriteFileBytes(table, words.Bytes());
    ReadOnlyFile readOnly(table);
#ifdef __linux__
    std::FILE* writable = std::fopen(table.c_str(), "r+b");
    const bool refused = writable == nullptr;
    if (writable != nullptr)
        std::fclose(writable);
    ASSERT_TRUE(refused) << "the table must be read-only for this test";
#endif
    for (const char* command : {"check", "export"}) {
        const ToolRun run = RunTool({command, table});
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    }
    EXPECT_EQ(RunTool({"export", table}).out,
              "WORD,TRANS1,LASTCHANGE,COUNT\r\nhouse,Haus,20240101,1\r\n");
}

TEST(TableToolCheck, ATableTheReaderRefusesGivesItsMessage) {
    TempDir dir;
    const std::string table = dir.File("words.dbf");
    TableBuilder damaged;
    damaged.Field("WORD", 20).Field("TRANS1", 20).Field("COUNT", 2).Record({"house", "Haus"});
    WriteFileBytes(table, damaged.Bytes());
    for (const char* command : {"check", "export", "reset"}) {
        const ToolRun run = RunTool({command, table});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "vocorix-table: " + table +
                               ": Incorrect database file structure.\nLASTCHANGE field not "
                               "found.\nPlease rebuild the database.\n")
            << command;
    }
    EXPECT_EQ(ReadFileBytes(table), damaged.Bytes());
    EXPECT_EQ(RunTool({"check", dir.File("none.dbf")}).err,
              "vocorix-table: " + dir.File("none.dbf") +
                  ": Cannot open database file.\nPlease specify the correct path.\n");
}

TEST(TableToolCheck, TheReportCountsWordsByCountAndDatesWhenRestingOnesComeDue) {
    ScopedClocks clocks;
    SetTodayClock([] { return LocalDate{10, 3, 2024}; });
    TempDir dir;
    const std::string settings = dir.File("vocorix.INI");
    WriteFileBytes(settings, "[Database]\r\nMaximum Count=4\r\n"
                             "[Ages]\r\nAges=2\r\nAge0=1:2\r\nAge1=3:30\r\n");
    TableBuilder table = VocabularyFields(1);
    table
        .Record({"new", "neu"})                           // eligible
        .Record({"one", "eins", "20240309", " 1"})        // due on the 11th
        .Record({"two", "zwei", "20240308", " 2"})        // rested its 2 days
        .Record({"three", "drei", "20240301", " 3"})      // 30 days: due 31 March
        .Record({"again", "wieder", "20240310", " 1"})    // due on the 12th
        .Record({"done", "fertig", "20240101", " 4"})     // retired
        .Record({"gone", "weg", "", ""}, '*')             // deleted
        .Record({"future", "Zukunft", "20250101", " 3"}); // after today: eligible
    const std::string path = dir.File("words.dbf");
    WriteFileBytes(path, table.Bytes());

    const ToolRun run = RunTool({"check", path, "--settings", settings});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, path +
                           ": Vocorix can drill this table\n"
                           "  8 records, 1 deleted\n"
                           "  1 translation field, 20 bytes wide\n"
                           "  optional fields: none\n"
                           "  code page 1252 (taken: the header does not name one)\n"
                           "Settings: " +
                           settings +
                           " (Maximum Count 4, age ranges 1:2 3:30)\n"
                           "Today, 2024-03-10: 3 words to drill, 3 resting\n"
                           "By COUNT (right answers in a row):\n"
                           "   0      1 ####################  (1 new, 0 answered wrong)\n"
                           "   1      2 ########################################\n"
                           "   2      1 ####################\n"
                           "   3      2 ########################################\n"
                           "Learnt (COUNT 4 or more): 1 word\n"
                           "Resting words come due:\n"
                           "  2024-03-11  1 word\n"
                           "  2024-03-12  1 word\n"
                           "  2024-03-31  1 word\n");
    EXPECT_EQ(RunTool({"check", path, "--settings", dir.File("missing.INI")}).status, 1);
}

TEST(TableToolReset, OnlyTheStatisticsBytesOfEveryRecordChange) {
    TempDir dir;
    TableBuilder table = VocabularyFields(2, 12, {"PART"});
    table.Record({"house", "noun", "Haus", "maison", "20240105", " 3"})
        .Record({"gone", "noun", "weg", "", "20240101", "12"}, '*')
        .Record({"tree", "noun", "Baum", "arbre", "20240301", " 1"});
    const std::string path = dir.File("words.dbf");
    WriteFileBytes(path, table.Bytes());
    WriteFileBytes(path + ".new", "mine");

    const ToolRun run = RunTool({"reset", path});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected = table.Bytes();
    for (uint32_t r = 0; r < 3; ++r)
        expected.replace(table.RecordOffset(r) + table.RecordBytes() - 10, 10, 10, ' ');
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(ReadFileBytes(path + ".new"), "mine") << "the temporary file is a new one";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              2)
        << "the table and the user's file, nothing left over";
}

} // namespace
