#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "table_tool/delimited_text.h"
#include "table_tool/list_table.h"
#include "table_tool/table_tool.h"
#include "table_tool/tool_error.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"
#include "tests/support/utf16_bytes.h"

// Word lists as spreadsheets save them in other languages and forms (separated by semicolons,
// in the ANSI code page, in UTF-16), for vocorix-table and the program's own import alike; and
// the tool when memory runs out.

namespace {

const std::string Bom = "\xEF\xBB\xBF";

class ListForms : public ::testing::Test {
protected:
    std::string List(const std::string& name, const std::string& bytes) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, bytes);
        return path;
    }
    std::string Exported() { return RunTool({"export", table}).out; }

    TempDir dir;
    std::string table = dir.File("words.dbf");
};

TEST(ListSeparator, IsTheOneTheHeaderRowHoldsMostOutsideQuotes) {
    struct Case {
        std::string text;
        char preferred;
        char separator;
    };
    const Case cases[] = {
        {"Wort;Deutsch;Part\nhouse,hut;Haus;noun\n", ',', ';'},
        {"front\tback\tback 2\n", ',', '\t'},
        {"\"word; phrase\",\"to say; \"\"hi\"\"\",German\n", '\t', ','},
        {"\"a;\nb;c\",d\n;;;\n", '\t', ','}, // the header row goes on past a quoted break
        {"5\" disk;floppy\n", ',', ';'},     // a quote inside a cell opens nothing
        {"word;German,Austrian\n", ',', ','},
        {"word;German,Austrian\n", '\t', ';'},
        {"word\nhouse;Haus\n", '\t', '\t'},
        {Bom + "\r\n\r\nWort;Deutsch\r\n", ',', ';'},
        {"#separator:semicolon\n#columns:Front;Back;Note\nhaus;house;x\n", ',', ';'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectSeparator(c.text, c.preferred), c.separator) << c.text;
}

TEST_F(ListForms, ASemicolonListMakesItsTableWithOrWithoutAMarkUnlessAFlagSaysOtherwise) {
    // A spreadsheet set to German saves "CSV" so, quoting what holds a semicolon.
    const std::string csv = "Wort;Deutsch;Part\r\nhouse;\"das Haus; ein Gebäude\";noun\r\n"
                            "to run, fast;rennen;verb\r\n";
    const std::string expected = "WORT,PART,DEUTSCH\r\nhouse,noun,das Haus; ein Gebäude\r\n"
                                 "\"to run, fast\",verb,rennen\r\n";
    for (const std::string& bytes : {csv, Bom + csv}) {
        const ToolRun made = RunTool({"new", List("words.csv", bytes), table, "--force"});
        ASSERT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(made.out, table + ": 2 words in code page 1252.\n");
        EXPECT_EQ(Exported(), expected);
    }

    const TTableImport import = PrepareTableFor(List("given.csv", csv), 1252);
    ASSERT_TRUE(import.bytes.has_value()) << "the program's own import detects it too";
    CommitTableImport(import);
    EXPECT_EQ(RunTool({"export", import.table}).out, Exported());

    const std::string list = List("words.csv", csv);
    EXPECT_EQ(RunTool({"update", list, table, "--semicolon"}).status, 0);
    const ToolRun comma = RunTool({"update", list, table, "--comma"});
    EXPECT_EQ(comma.status, 1);
    EXPECT_NE(comma.err.find("the header row names no translation column"), std::string::npos)
        << comma.err;
    EXPECT_EQ(RunTool({"new", list, table, "--tab", "--semicolon"}).status, 2);
}

TEST_F(ListForms, AListNotInUtf8IsReadInItsCodePageAndAUtf16ListByItsMark) {
    // Plain "CSV" of a spreadsheet on a German Windows: the ANSI code page, semicolons.
    const std::string ansi = List("ansi.csv", "Wort;Deutsch\r\nstreet;Stra\xDF"
                                              "e\r\nbit;bi\xDF\r\n");
    ToolRun made = RunTool({"new", ansi, table});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, ansi +
                            " is not UTF-8: read in code page 1252 (--input-code-page names "
                            "another).\n" +
                            table + ": 2 words in code page 1252.\n");
    EXPECT_EQ(Exported(), "WORT,DEUTSCH\r\nstreet,Straße\r\nbit,biß\r\n");

    // Cyrillic: named by the tool's option, and the program's import reads its ANSI code page.
    const std::string cyrillic = List("cyrillic.csv", "word,Russian\nhouse,\xE4\xEE\xEC\n");
    made = RunTool(
        {"new", cyrillic, table, "--force", "--code-page", "1251", "--input-code-page", "1251"});
    EXPECT_EQ(made.out.substr(0, made.out.find('\n')),
              cyrillic + " is not UTF-8: read in code page 1251.");
    EXPECT_EQ(Exported(), "WORD,RUSSIAN\r\nhouse,дом\r\n");
    CommitTableImport(PrepareTableFor(cyrillic, 1251));
    EXPECT_EQ(RunTool({"export", dir.File("cyrillic.dbf")}).out, Exported());

    // "Unicode text": UTF-16, tab-separated, marked in either byte order.
    for (bool bigEndian : {false, true}) {
        const std::string unicode =
            List("unicode.txt", Utf16Bytes("word\tGerman\r\nstreet\t\"Straße\"\r\n", bigEndian));
        made = RunTool({"new", unicode, table, "--force"});
        EXPECT_EQ(made.out, table + ": 1 word in code page 1252.\n") << "no note";
        EXPECT_EQ(Exported(), "WORD,GERMAN\r\nstreet,Straße\r\n");
    }

    const std::string broken =
        List("broken.txt", Utf16Bytes("a\tb\n", false) + std::string("\x00\xDC", 2));
    EXPECT_NE(RunTool({"new", broken, table, "--force"})
                  .err.find("is marked as UTF-16 but is not "
                            "valid UTF-16 from byte 11 on"),
              std::string::npos);
    EXPECT_NE(RunTool({"new", ansi, table, "--force", "--input-code-page", "12345"})
                  .err.find("ansi.csv is not UTF-8 (line 2 is not), and this system cannot read "
                            "code page 12345"),
              std::string::npos);
}

TEST(ToolMemory, RunningOutIsSaidAndEndsWithStatus1) {
    std::ostringstream err;
    EXPECT_EQ(RunReported([]() -> int { throw std::bad_alloc(); }, err), 1);
    EXPECT_EQ(RunReported([]() -> int { throw std::length_error("string"); }, err), 1);
    const std::string said = "vocorix-table: there is not enough memory for this; no file was "
                             "changed\n";
    EXPECT_EQ(err.str(), said + said);
}

} // namespace
