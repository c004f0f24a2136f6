#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "dialogs/given_file.h"
#include "framework/dc.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/support/data_file.h"
#include "tests/win/drill_scene.h"
#include "tests/win/test_fonts.h"

// Tables in the code pages of other scripts, drilled on Wine's default prefix: an English
// Windows, whose ANSI code page 1252 has none of their letters.

namespace {

// A table of two records (word, part of speech, third language, translation) whose
// translations start with different letters.
struct ScriptTable {
    const char* language;
    uint8_t driver; // names the code page
    uint32_t codePage;
    std::vector<std::vector<std::wstring>> records;
};

const ScriptTable Tables[] = {
    {"English-Russian",
     0xC9,
     1251,
     {{L"house", L"сущ.", L"будинок", L"дом"}, {L"horse", L"сущ.", L"кінь", L"конь"}}},
    {"English-Greek",
     0xCB,
     1253,
     {{L"house", L"ουσ.", L"Haus", L"σπίτι"}, {L"horse", L"ουσ.", L"Pferd", L"άλογο"}}},
    {"Turkish",
     0xCA,
     1254,
     {{L"tree", L"isim", L"Baum", L"ağaç"}, {L"light", L"isim", L"Licht", L"ışık"}}},
};

std::wstring Question(const std::vector<std::wstring>& record) {
    return L"Translate the " + record[1] + L" " + record[0] + L" " + record[2];
}

// Whether the font has a glyph of its own for every character.
bool HasGlyphs(HFONT font, const std::wstring& text) {
    TScreenDC dc;
    TSelection selected(dc, font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    for (WORD glyph : glyphs)
        if (glyph == 0xFFFF)
            return false;
    return true;
}

// Each table drills: its words show in the word display and the answer boxes, a typed answer in
// its script is judged right, and a hint key finds its words.
TEST(EveryScript, ATableInTheCodePageOfItsScriptDrillsOnAnEnglishWindows) {
    ASSERT_EQ(GetACP(), 1252u) << "Wine's default prefix";
    for (const ScriptTable& script : Tables) {
        SCOPED_TRACE(script.language);
        const TCodePageText& codePage = CodePageText(script.codePage);
        TableBuilder table = VocabularyFields(1, 20, {"PART", "THIRDLANG"});
        table.LanguageDriver(script.driver);
        for (const auto& record : script.records) {
            std::vector<std::string> bytes;
            for (const std::wstring& text : record)
                bytes.push_back(codePage.FromUtf16(text));
            table.Record(bytes);
        }
        DrillScene scene;
        scene.Put(table);
        TVocorixDlg& window = scene.Open();
        ASSERT_EQ(window.GetDatabase().CodePage(), script.codePage);

        // Two records: either may come first, the other follows.
        const std::wstring shown = WordDisplayOf(window).ShownText();
        const size_t first = shown == Question(script.records[0]) ? 0 : 1;
        ASSERT_EQ(shown, Question(script.records[first]));
        const std::vector<std::wstring>& second = script.records[1 - first];
        TVocorixComboBox& box = AnswerBox(window, 0);
        box.SetFocus();
        scene.Type(script.records[first][3]);
        scene.Key(VK_RETURN, Ctrl);
        EXPECT_EQ(window.GetDrill().Right(), 1u) << "typed in its script";
        EXPECT_EQ(box.GetWideText(), script.records[first][3]);
        EXPECT_TRUE(HasGlyphs(window.Fonts().Normal, script.records[first][3]));
        EXPECT_TRUE(HasGlyphs(window.Fonts().Bold, Question(second)));

        scene.Key(VK_RETURN);
        ASSERT_EQ(WordDisplayOf(window).ShownText(), Question(second));
        box.SetFocus();
        scene.Type(second[3].substr(0, 1));
        scene.Key(VK_F5);
        ASSERT_EQ(box.GetCount(), 1);
        EXPECT_EQ(box.GetWideString(0), second[3]);
        EXPECT_EQ(box.GetWideText(), second[3]) << "completed";
        scene.Key(VK_RETURN, Ctrl);
        EXPECT_EQ(window.GetDrill().Right(), 2u);
    }
}

// The same words as a UTF-8 list given to the program: its table gets the code page they need.
TEST(EveryScript, AListOfEachScriptGivenToTheProgramDrillsInItsCodePage) {
    for (const ScriptTable& script : Tables) {
        SCOPED_TRACE(script.language);
        DrillScene scene;
        scene.Put(WordTable({"Haus"}));
        std::string csv = "word,Part,ThirdLang,Translation\n";
        for (const auto& record : script.records)
            csv += Utf16ToUtf8(record[0]) + "," + Utf16ToUtf8(record[1]) + "," +
                   Utf16ToUtf8(record[2]) + "," + Utf16ToUtf8(record[3]) + "\n";
        const std::string list = scene.dir.File("lesson.csv");
        WriteFileBytes(list, csv);
        scene.startTable = TableToStartWith(list);
        ASSERT_EQ(scene.startTable, scene.dir.File("lesson.dbf"));
        EXPECT_TRUE(scene.messages.boxes.empty());
        EXPECT_EQ(static_cast<uint8_t>(ReadFileBytes(scene.startTable)[29]), script.driver);
        TVocorixDlg& window = scene.Open();
        EXPECT_EQ(window.GetDatabase().CodePage(), script.codePage);
        const std::wstring shown = WordDisplayOf(window).ShownText();
        EXPECT_TRUE(shown == Question(script.records[0]) || shown == Question(script.records[1]))
            << Utf16ToUtf8(shown);
    }
}

} // namespace

namespace {

struct TDictionaryWord {
    std::string writing;
    std::string reading;
    std::string english;
};

// The list's rows below its header: written, reading, English.
std::vector<TDictionaryWord> DictionaryWords(std::string csv) {
    std::vector<TDictionaryWord> words;
    csv.erase(0, csv.find('\n') + 1);
    for (size_t at = 0; at < csv.size();) {
        const size_t end = csv.find("\r\n", at);
        const std::string line = csv.substr(at, end - at);
        const size_t comma = line.find(',');
        const size_t second = line.find(',', comma + 1);
        words.push_back({line.substr(0, comma), line.substr(comma + 1, second - comma - 1),
                         line.substr(second + 1)});
        at = end + 2;
    }
    return words;
}

// FreeDict's Japanese words as a spreadsheet saves them ("CSV UTF-8"), given to the program on
// an English Windows: no single-byte code page holds them, so their table is UTF-8. The
// Japanese shows, a reading's first kana find the readings that start so and its second those
// that hold it, and the answers typed are judged right.
TEST(EveryScript, JapaneseWordsOfADictionaryGivenToTheProgramDrillInUtf8) {
    ASSERT_EQ(GetACP(), 1252u) << "Wine's default prefix";
    const std::string csv = ReadFileBytes(DataFile("freedict-jpn-eng.csv"));
    const std::vector<TDictionaryWord> words = DictionaryWords(csv);
    ASSERT_EQ(words.size(), 30u);
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    const std::string list = scene.dir.File("日本語.csv");
    WriteFileBytes(list, csv);
    scene.startTable = TableToStartWith(list);
    ASSERT_EQ(scene.startTable, scene.dir.File("日本語.dbf"));
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_EQ(ReadFileBytes(scene.dir.File("日本語.cpg")), "UTF-8");
    TVocorixDlg& window = scene.Open();
    ASSERT_EQ(window.GetDatabase().CodePage(), Utf8CodePage);

    for (int question = 0; question < 2; ++question) {
        const std::string shown = Utf16ToUtf8(WordDisplayOf(window).ShownText());
        const auto asked = std::find_if(words.begin(), words.end(), [&](const auto& word) {
            return shown == "Translate " + word.writing;
        });
        ASSERT_NE(asked, words.end()) << shown;

        // The first two kana of the reading, then F5: every reading that starts with them.
        TVocorixComboBox& reading = AnswerBox(window, 0);
        reading.SetFocus();
        const std::string prefix = asked->reading.substr(0, 6);
        scene.Type(Utf8ToUtf16(prefix));
        scene.Key(VK_F5);
        std::set<std::string> expected;
        for (const TDictionaryWord& word : words)
            if (word.reading.starts_with(prefix))
                expected.insert(word.reading);
        std::set<std::string> listed;
        for (int32_t i = 0; i < reading.GetCount(); ++i)
            listed.insert(Utf16ToUtf8(reading.GetWideString(i)));
        EXPECT_EQ(listed, expected) << prefix;

        // The second kana, then F6: every reading that holds it, wherever.
        reading.SetText(L"");
        const std::string inside = asked->reading.substr(3, 3);
        scene.Type(Utf8ToUtf16(inside));
        scene.Key(VK_F6);
        expected.clear();
        for (const TDictionaryWord& word : words)
            if (word.reading.find(inside) != std::string::npos)
                expected.insert(word.reading);
        listed.clear();
        for (int32_t i = 0; i < reading.GetCount(); ++i)
            listed.insert(Utf16ToUtf8(reading.GetWideString(i)));
        EXPECT_EQ(listed, expected) << inside;

        reading.SetText(L"");
        scene.Type(Utf8ToUtf16(asked->reading));
        TVocorixComboBox& english = AnswerBox(window, 1);
        english.SetFocus();
        scene.Type(Utf8ToUtf16(asked->english));
        scene.Key(VK_RETURN, Ctrl);
        EXPECT_EQ(window.GetDrill().Right(), 2u * (question + 1)) << "both boxes, " << shown;
        scene.Key(VK_RETURN);
    }
}

} // namespace
