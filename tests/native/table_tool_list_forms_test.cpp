#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "platform/utf8.h"
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

    const std::string cyrillic = List("cyrillic.csv", "word,Russian\nhouse,\xE4\xEE\xEC\n");
    made = RunTool(
        {"new", cyrillic, table, "--force", "--code-page", "1251", "--input-code-page", "1251"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out.substr(0, made.out.find('\n')),
              cyrillic + " is not UTF-8: read in code page 1251.");
    EXPECT_EQ(Exported(), "WORD,RUSSIAN\r\nhouse,дом\r\n");
    // The program reads such a list in the ANSI code page, the one its table gets.
    CommitTableImport(PrepareTableFor(cyrillic, 1251));
    EXPECT_EQ(RunTool({"export", dir.File("cyrillic.dbf")}).out, Exported());

    // "Unicode text": UTF-16, tab-separated, marked in either byte order.
    for (bool bigEndian : {false, true}) {
        const std::string unicode =
            List("unicode.txt", Utf16Bytes("word\tGerman\r\nstreet\t\"Straße\"\r\n", bigEndian));
        made = RunTool({"new", unicode, table, "--force"});
        ASSERT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(made.out, table + ": 1 word in code page 1252.\n") << "no note";
        EXPECT_EQ(Exported(), "WORD,GERMAN\r\nstreet,Straße\r\n");
    }

    const std::string broken = Utf16Bytes("word\tGerman\r\n", false) + "\x3D\xD8x";
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{List("broken.txt", broken)},
         "is marked as UTF-16 but is not valid UTF-16 from byte 29 on"},
        {{ansi, "--input-code-page", "12345"},
         "ansi.csv is not UTF-8 (line 2 is not), and this system cannot read code page 12345"},
    };
    for (const auto& [arguments, message] : refused) {
        std::vector<std::string> run = {"new", arguments[0], dir.File("other.dbf")};
        run.insert(run.end(), arguments.begin() + 1, arguments.end());
        const ToolRun failed = RunTool(run);
        EXPECT_EQ(failed.status, 1);
        EXPECT_NE(failed.err.find(message), std::string::npos) << failed.err;
    }
}

TEST(Utf16, PairsBecomeOneCharacterAndTheFirstBrokenUnitIsNamed) {
    std::string utf8;
    EXPECT_EQ(Utf16ToUtf8(std::string("\x3D\xD8\x00\xDE\xE9\x00", 6), false, utf8), 6u);
    EXPECT_EQ(utf8, "😀é");
    EXPECT_EQ(Utf16ToUtf8(std::string("\x00\xE9\xD8\x3D\x00\x41", 6), true, utf8), 2u)
        << "a high surrogate without its low one";
    EXPECT_EQ(Utf16ToUtf8(std::string("\x41\x00\x00\xDC", 4), false, utf8), 2u)
        << "a low surrogate alone";
    EXPECT_EQ(Utf16ToUtf8(std::string("\x41\x00\x42", 3), false, utf8), 2u) << "an odd byte";
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
