#include <gtest/gtest.h>

#include <filesystem>

#include "table_tool/delimited_text.h"
#include "tests/support/fake_db_screen.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"

// Making tables from word lists (vocorix-table new) and writing them back (export).

namespace {

const std::string Bom = "\xEF\xBB\xBF";

class TableToolNew : public ::testing::Test {
protected:
    std::string List(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, text);
        return path;
    }
    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }

    TempDir dir;
    std::string table = dir.File("words.dbf");
};

// The reader's view of a table made by the tool, through the drill's own loader.
struct LoadedTable {
    explicit LoadedTable(const std::string& path) {
        scene.UseFile(path);
        reader = scene.Open();
        if (reader->IsLoaded())
            reader->Pick();
    }
    TableScene scene;
    std::unique_ptr<TDBFile> reader;
};

TEST_F(TableToolNew, TheCsvThatExportWritesComesBackByteForByte) {
    // Excel's "CSV UTF-8" form: a byte-order mark, CRLF, quotes only where needed.
    const std::string csv = Bom + "WORD,PART,GERMAN,FRENCH,LASTCHANGE,COUNT\r\n"
                                  "house,noun,das Haus,la maison,20240105,3\r\n"
                                  "\"to run, fast\",verb,\"rennen \"\"schnell\"\"\",courir,,\r\n"
                                  "street,noun,Straße,rue,20231231,12\r\n";
    const std::string list = List("words.csv", csv);
    ToolRun made = RunTool({"new", list, table});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, table + ": 3 words in code page 1252.\n");

    const std::string back = dir.File("back.csv");
    ToolRun exported = RunTool({"export", table, back});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(ReadFileBytes(back), csv);
    EXPECT_EQ(RunTool({"export", table}).out, csv.substr(Bom.size())) << "to the terminal";

    LoadedTable loaded(table);
    ASSERT_TRUE(loaded.reader->IsLoaded());
    EXPECT_EQ(loaded.reader->TranslationCount(), 2u);
    EXPECT_EQ(loaded.reader->EligibleCount(), 2u) << "COUNT 12 is past Maximum Count";
    EXPECT_TRUE(loaded.scene.options->PartOfSpeech);
    EXPECT_EQ(ReadFileBytes(table).substr(0x20, 4), "WORD");
    EXPECT_EQ(ReadFileBytes(table)[29], '\x03') << "language driver of code page 1252";
    EXPECT_NE(ReadFileBytes(table).find("Stra\xDF"
                                        "e"),
              std::string::npos);
}

TEST_F(TableToolNew, AFlashCardNotesExportMakesATableWithItsFieldsInPlace) {
    // Tab-separated, with the export's file headers, a quoted note and a "part" column that
    // stands after the translations in the list but first among the table's fields.
    const std::string list = List("notes.txt", "#separator:tab\n#html:true\n"
                                               "#columns:Front\tBack\tBack 2\tPart\n"
                                               "house\tdas Haus\tdie Hütte\tnoun\n"
                                               "\"say \"\"hi\"\"\"\tgrüßen\t\tverb\n");
    ToolRun made = RunTool({"new", list, table});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.out.find("The column \"Back 2\" is the field BACK_2."), std::string::npos)
        << made.out;

    LoadedTable loaded(table);
    ASSERT_TRUE(loaded.reader->IsLoaded()) << loaded.scene.screen.problems.front();
    EXPECT_EQ(loaded.reader->TranslationCount(), 2u);
    EXPECT_EQ(loaded.reader->EligibleCount(), 2u);
    EXPECT_EQ(RunTool({"export", table}).out, "FRONT,PART,BACK,BACK_2\r\n"
                                              "house,noun,das Haus,die Hütte\r\n"
                                              "\"say \"\"hi\"\"\",verb,grüßen,\r\n");
}

TEST_F(TableToolNew, BadInputGivesItsPlaceAndTextAndLeavesNoFile) {
    const std::string header = "word,German\n";
    const std::string wide(255, 'x');
    struct Case {
        std::string list;
        std::string message;
        std::vector<std::string> options = {};
    };
    const Case cases[] = {
        {header + "house,\"das\nHaus\"\n",
         "line 2, column 2 (German): \"das\nHaus\": it holds a line break, which a table's text "
         "cannot hold"},
        {header + "house,дом\n",
         "line 2, column 2 (German): \"дом\": it holds \"д\" (U+0434), which code page 1252 "
         "does not have",
         {"--code-page", "1252"}},
        {"word,English\nしぐう,Shigu\n",
         "line 2, column 1 (word): \"しぐう\": it holds \"し\" (U+3057), which code page 1252 "
         "does not have",
         {"--code-page", "1252"}},
        {header + "house,дом\nsea,θάλασσα\n",
         "line 3, column 2 (German): \"θάλασσα\": it holds \"θ\" (U+03B8), which code page 1251 "
         "does not have",
         {"--code-page", "1251"}},
        {header + "house,Haus\n,leer\n", "line 3, column 1 (word): \"\": the word is empty"},
        {header + "house,Haus,extra\n", "line 2: 3 columns where the header row has 2"},
        {header + "long," + wide + "\n",
         "line 2, column 2 (German): \"" + wide + "\": it is 255 bytes long, more than the 254"},
        {Bom + header +
             "bad,Ha\xFF"
             "us\n",
         "line 2, column 2 (German): \"Ha\\xFFus\": it is not valid "
         "UTF-8 (byte \\xFF at byte 3)"},
        {header + "house,\"Haus\n", "line 2: a quoted text is not closed"},
        {header + "house,\"Haus\"x\n", "line 2: text follows a closing quote"},
        {"word\nhouse\n", "the header row names no translation column"},
        {header, "has no words below its header row"},
        {"word,count,German,COUNT\nhouse,1,Haus,2\n", "\"COUNT\" is named twice"},
        {"word,German,count\nhouse,Haus,100\n", "line 2, column 3 (count): \"100\": a count of "
                                                "right answers is a number from 0 to 99"},
        {"word,German,lastchange\nhouse,Haus,20240230\n",
         "\"20240230\": a date of the last answer is written YYYYMMDD"},
        {header + "house,дом\n",
         "is not one a table can have; these are: 874, 1250, 1251",
         {"--code-page", "866"}},
    };
    for (const Case& bad : cases) {
        const std::string list = List("bad.csv", bad.list);
        std::vector<std::string> arguments = {"new", list, table};
        arguments.insert(arguments.end(), bad.options.begin(), bad.options.end());
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, 1) << bad.list;
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
        EXPECT_FALSE(Exists(table)) << bad.list;
        EXPECT_FALSE(Exists(table + ".new")) << bad.list;
    }
}

TEST_F(TableToolNew, CyrillicGoesIntoCodePage1251AndAnExistingTableNeedsForce) {
    const std::string list = List("words.tsv", "word\tперевод\nдом\tHaus\n");
    WriteFileBytes(table, "mine");
    const ToolRun refused = RunTool({"new", list, table, "--code-page", "1251"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("exists already; give --force"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(table), "mine");

    ASSERT_EQ(RunTool({"new", list, table, "--code-page", "1251", "--force"}).status, 0);
    const std::string bytes = ReadFileBytes(table);
    EXPECT_EQ(bytes[29], '\xC9') << "language driver of code page 1251";
    EXPECT_NE(bytes.find("\xE4\xEE\xEC"), std::string::npos) << "дом in code page 1251";
    EXPECT_EQ(RunTool({"export", table}).out, "WORD,TRANS\r\nдом,Haus\r\n")
        << "the header's byte names the code page to read back with";
}

// Without --code-page: 1252 when it holds every text, else the first page that does.
TEST_F(TableToolNew, AListGetsTheFirstCodePageThatHoldsEveryText) {
    const struct {
        const char* words;
        const char* codePage;
        char driver;
    } lists[] = {
        {"house,Haus\nstreet,Straße\n", "1252", '\x03'},
        {"turtle,żółw\n", "1250", '\xC8'},
        {"arbitration,арбитраж\n", "1251", '\xC9'},
        {"sea,θάλασσα\n", "1253", '\xCB'},
        {"tree,ağaç\ncity,şehir\ndoor,kapı\n", "1254", '\xCA'},
        {"peace,שלום\n", "1255", '\x7D'},
    };
    for (const auto& words : lists) {
        const std::string csv = std::string("word,Translation\r\n") + words.words;
        const std::string list = List("words.csv", csv);
        const ToolRun run = RunTool({"new", list, table, "--force"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(std::string("in code page ") + words.codePage), std::string::npos)
            << run.out;
        EXPECT_EQ(ReadFileBytes(table)[29], words.driver) << words.words;
        std::string exported = RunTool({"export", table}).out;
        for (size_t at; (at = exported.find("\r\n")) != std::string::npos;)
            exported.replace(at, 2, "\n");
        EXPECT_EQ(exported.substr(exported.find('\n') + 1), words.words) << "read back";
    }
}

TEST(TableToolWordList, LinesAreCountedAcrossEveryLineEndAndQuotedBreaks) {
    const TDelimitedText text =
        ReadDelimitedText(Bom + "a,b\r\r\n\"x\r\ny\",\"\"\"q\"\"\"\rlast,\n", ',');
    ASSERT_EQ(text.error, "");
    ASSERT_EQ(text.rows.size(), 3u);
    EXPECT_EQ(text.rows[0].cells, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(text.rows[1].line, 3u) << "after CR, then an empty CRLF line";
    EXPECT_EQ(text.rows[1].cells, (std::vector<std::string>{"x\r\ny", "\"q\""}));
    EXPECT_EQ(text.rows[2].line, 5u) << "the quoted break counts";
    EXPECT_EQ(text.rows[2].cells, (std::vector<std::string>{"last", ""}));
    EXPECT_EQ(ReadDelimitedText("a\n\"b\n\nc", ',').errorLine, 2u);
}

TEST_F(TableToolNew, ExportLeavesDeletedRecordsOutAndReadsTheCodePageItIsTold) {
    TableBuilder words = VocabularyFields(1, 10);
    words.Record({"\xE4\xEE\xEC", "Haus"}).Record({"gone", "weg"}, '*').Record({"tree", "Baum"});
    WriteFileBytes(table, words.Bytes());
    const std::string list = dir.File("words.csv");
    const ToolRun run = RunTool({"export", table, list, "--code-page", "1251"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, list + ": 2 words; 1 deleted records left out.\n");
    EXPECT_EQ(ReadFileBytes(list), Bom + "WORD,TRANS1\r\nдом,Haus\r\ntree,Baum\r\n");
    EXPECT_EQ(RunTool({"export", table, list}).status, 1) << "an existing list needs --force";
}

} // namespace
