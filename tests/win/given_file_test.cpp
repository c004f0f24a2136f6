#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "dialogs/given_file.h"
#include "resources/ids.h"
#include "tests/support/table_tool_run.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"

// Word lists and tables given to the program: on its command line and dropped onto the drill.

namespace {

namespace fs = std::filesystem;

bool Stores(const DrillScene& scene, const std::string& line) {
    return ReadFileBytes(scene.ini->Path).find(line) != std::string::npos;
}

// Files dropped at once, as the shell posts them; the window frees them.
void DropFiles(HWND window, const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& file : files)
        names += file + '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 1);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop + 1), names.data(), names.size());
    GlobalUnlock(memory);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void DropFile(HWND window, const std::string& file) {
    DropFiles(window, {file});
}

// The options dialog's Browse, and the choice of a file in the platform's dialog it opens.
void Browse(HWND options) {
    PostMessageA(options, WM_COMMAND, CM_BROWSE, 0);
}
DialogStep Choose(const std::string& file) {
    return [file](HWND) {
        HWND open = GetForegroundWindow();
        ASSERT_NE(open, nullptr);
        // The file name box of the platform's dialog.
        SetDlgItemTextA(open, 0x47C, file.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
    };
}

std::string FileNameBoxText(HWND options) {
    char text[512] = "";
    GetDlgItemTextA(options, IDC_FILE_NAME, text, sizeof text);
    return text;
}

// The scene's folder as the current one, for the shortened paths of Browse.
class InSceneFolder {
public:
    explicit InSceneFolder(const DrillScene& scene) {
        GetCurrentDirectoryA(sizeof saved_, saved_);
        SetCurrentDirectoryA(scene.dir.File("").c_str());
    }
    ~InSceneFolder() { SetCurrentDirectoryA(saved_); }
    InSceneFolder(const InSceneFolder&) = delete;
    InSceneFolder& operator=(const InSceneFolder&) = delete;

private:
    char saved_[MAX_PATH] = "";
};

// Two words, the first practised.
TableBuilder PractisedTable() {
    TableBuilder table = VocabularyFields(1);
    table.Record({"w0", "das Haus", "20240101", " 3"});
    table.Record({"w1", "der Baum"});
    return table;
}

TEST(GivenFile, AWordListOnTheCommandLineIsMadeIntoItsTableDrilledAndStored) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string list = scene.dir.File("street.csv");
    WriteFileBytes(list, "word,German\nstreet,Straße\n");
    scene.startTable = TableToStartWith(list);
    EXPECT_EQ(scene.startTable, scene.dir.File("street.dbf"));

    TVocorixDlg& window = scene.Open();
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_TRUE(Stores(scene, "File Name=" + scene.startTable + "\r\n"));
    AnswerBox(window, 0).SetText("Stra\xDF"
                                 "e");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(window.GetDrill().Right(), 1u) << "the text in the ANSI code page";
}

TEST(GivenFile, AListThatCannotBeATableIsReportedAndTheDrillStartsAsWithoutIt) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string list = scene.dir.File("bad.csv");
    WriteFileBytes(list, "word,German\nhouse,Haus,extra\n");
    scene.startTable = TableToStartWith(list);
    EXPECT_EQ(scene.startTable, "");
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "Word List Problem");
    EXPECT_EQ(scene.messages.boxes[0].text,
              list + ", line 2: 3 columns where the header row has 2");
    EXPECT_FALSE(fs::exists(scene.dir.File("bad.dbf")));

    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate w0");
    EXPECT_TRUE(Stores(scene, "File Name=" + scene.tablePath + "\r\n"));
}

// Also while the drill is locked; a second drop updates the open table, keeping what was learnt.
TEST(GivenFile, AListDroppedOnTheDrillBecomesItsTableAndADroppedEditUpdatesIt) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus", "der Baum"}));
    TVocorixDlg& window = scene.Open();
    SetWindowPos(window.GetHandle(), nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ToggleLock(window);
    const std::string list = scene.dir.File("street.csv");
    const std::string table = scene.dir.File("street.dbf");
    WriteFileBytes(list, "word,German,French\nstreet,Straße,rue\n");
    DropFile(window.GetHandle(), list);
    scene.Pump();
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_EQ(AnswerBoxCount(window), 2u);
    EXPECT_TRUE(Stores(scene, "File Name=" + table + "\r\n"));
    EXPECT_TRUE(Stores(scene, "TopLeft Point=(150,160)"));

    ToggleLock(window);
    AnswerBox(window, 0).SetText("Stra\xDF"
                                 "e");
    AnswerBox(window, 1).SetText("rue");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    ASSERT_EQ(window.GetDrill().Right(), 2u) << "both translations";

    WriteFileBytes(list, "word,German\nhouse,Haus\nstreet,Straße\n");
    fs::last_write_time(list, fs::last_write_time(table) + std::chrono::seconds(5));
    DropFile(window.GetHandle(), list);
    scene.Pump();
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].text,
              "1 word kept with their practice, 1 new, 0 left out.\r\nstreet.dbf as it was is "
              "kept as street.dbf.bak.");
    EXPECT_EQ(scene.messages.boxes[0].owner, window.GetHandle());
    EXPECT_EQ(AnswerBoxCount(window), 1u);
    EXPECT_EQ(window.GetDrill().Total(), 0u) << "a new drill";
    const std::string exported = RunTool({"export", table}).out;
    EXPECT_NE(exported.find("street,Straße,"), std::string::npos) << exported;
    EXPECT_NE(exported.find(",1\r\n"), std::string::npos) << "the COUNT kept: " << exported;
}

// The list's table is written only once the options are accepted and the drill has let go of
// its table, which it may replace; practised words of that table go only after a Yes.
TEST(GivenFile, AListChosenWithBrowseReplacesAPractisedTableOnlyAfterYesAndKeepsItsBackup) {
    DrillScene scene;
    scene.Put(PractisedTable());
    TVocorixDlg& window = scene.Open();
    const std::string list = scene.dir.File("words.csv");
    WriteFileBytes(list, "word,German\nhouse,Haus\nstreet,Straße\n");
    const std::string table = ReadFileBytes(scene.tablePath);
    const std::string question = "words.csv does not hold 2 words of words.dbf; 1 of them is "
                                 "practised. Replace words.dbf with the 1 word of words.csv?";
    {
        InSceneFolder here(scene);
        DialogWatch options(
            "Vocorix Options",
            {
                Browse,
                [&](HWND) {
                    // Its file types, in the combo box of the platform's dialog.
                    HWND types = GetDlgItem(GetForegroundWindow(), 0x470);
                    EXPECT_EQ(SendMessageA(
                                  types, CB_FINDSTRINGEXACT, -1,
                                  reinterpret_cast<LPARAM>("Word lists (*.csv;*.tsv;*.tab;*.txt)")),
                              1);
                    Choose(list)(nullptr);
                },
                [&](HWND dialog) {
                    EXPECT_EQ(FileNameBoxText(dialog), "words.dbf");
                    // Saved again after Browse: OK reads it as it is now.
                    WriteFileBytes(list, "word,German\nstreet,Straße\n");
                    ClickButton(dialog, IDOK); // No, the default: the dialog stays
                },
                [&](HWND dialog) {
                    ASSERT_FALSE(scene.messages.boxes.empty());
                    EXPECT_EQ(scene.messages.boxes.back().text, question);
                    EXPECT_EQ(scene.messages.boxes.back().owner, dialog);
                    EXPECT_EQ(ReadFileBytes(scene.tablePath), table);
                    scene.messages.answers.push_back(IDYES);
                    ClickButton(dialog, IDOK);
                },
            });
        scene.Char(0x0F, Ctrl);
    }
    std::vector<std::string> texts;
    for (const MessageBoxWatcher::Box& box : scene.messages.boxes)
        if (box.caption != "Open") // the watcher sees the platform's file dialog as a box too
            texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{question, question,
                                               "0 words kept with their practice, 1 new, 2 left "
                                               "out.\r\nwords.dbf as it was is kept as "
                                               "words.dbf.bak."}));
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_TRUE(Stores(scene, "File Name=words.dbf\r\n"));
    EXPECT_EQ(ReadFileBytes(scene.dir.File("words.dbf.bak")), table);
}

// The learner browses a list, then types another table back into the file box.
TEST(GivenFile, ABrowsedListIsNotMadeIntoItsTableWhenOkNamesAnother) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    TVocorixDlg& window = scene.Open();
    WriteFileBytes(scene.dir.File("french.csv"), "word,French\nhouse,maison\n");
    WriteFileBytes(scene.dir.File("german.dbf"), WordTable({"der Hund"}).Bytes());
    {
        InSceneFolder here(scene);
        DialogWatch options("Vocorix Options",
                            {Browse, Choose(scene.dir.File("french.csv")), [](HWND dialog) {
                                 SetDlgItemTextA(dialog, IDC_FILE_NAME, "german.dbf");
                                 ClickButton(dialog, IDOK);
                             }});
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_FALSE(fs::exists(scene.dir.File("french.dbf")));
    EXPECT_EQ(AnswerBoxCount(window), 1u);
    EXPECT_TRUE(Stores(scene, "File Name=german.dbf\r\n"));
}

// A list beside a practised table that it was not made from, on the command line and dropped:
// No, the default, leaves everything as it was; Yes replaces it, keeping it as the backup.
TEST(GivenFile, AListThatWouldDropPractisedWordsIsGivenOnlyAfterYes) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string lesson = scene.dir.File("lesson.dbf");
    const std::string list = scene.dir.File("lesson.csv");
    WriteFileBytes(lesson, PractisedTable().Bytes());
    WriteFileBytes(list, "word,German\nstreet,Straße\n");
    const std::string practised = ReadFileBytes(lesson);
    const std::string question = "lesson.csv does not hold 2 words of lesson.dbf; 1 of them is "
                                 "practised. Replace lesson.dbf with the 1 word of lesson.csv?";

    scene.startTable = TableToStartWith(list);
    EXPECT_EQ(scene.startTable, "") << "starts as without the list";
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].text, question);
    EXPECT_EQ(scene.messages.boxes[0].buttons, (std::vector<int>{IDYES, IDNO}));
    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate w0");

    // Two files at once: the first is taken.
    DropFiles(window.GetHandle(), {list, scene.dir.File("other.csv")});
    scene.Pump();
    ASSERT_EQ(scene.messages.boxes.size(), 3u);
    EXPECT_EQ(scene.messages.boxes[1].text, "Only one table is drilled at a time: of the 2 files "
                                            "dropped, Vocorix drills the first, lesson.csv.");
    EXPECT_EQ(scene.messages.boxes[2].text, question);
    EXPECT_EQ(scene.messages.boxes[2].owner, window.GetHandle());
    EXPECT_EQ(ReadFileBytes(lesson), practised);
    EXPECT_FALSE(fs::exists(lesson + ".bak"));
    EXPECT_TRUE(Stores(scene, "File Name=" + scene.tablePath + "\r\n"));

    scene.messages.answers.push_back(IDYES);
    DropFile(window.GetHandle(), list);
    scene.Pump();
    ASSERT_EQ(scene.messages.boxes.size(), 5u);
    EXPECT_EQ(scene.messages.boxes[4].text, "0 words kept with their practice, 1 new, 2 left "
                                            "out.\r\nlesson.dbf as it was is kept as "
                                            "lesson.dbf.bak.");
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_TRUE(Stores(scene, "File Name=" + lesson + "\r\n"));
    EXPECT_EQ(ReadFileBytes(lesson + ".bak"), practised);
}

// Given on the command line, a table whose path is longer than the settings keep is drilled,
// and the options dialog neither shows nor stores its path cut.
TEST(GivenFile, ATableOnALongerPathThanTheSettingsKeepIsDrilledThisOnceThroughTheOptions) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string table = scene.dir.Folder(std::string(120, 'f')) + "\\far.dbf";
    ASSERT_GT(table.size(), 128u);
    TableBuilder distant = VocabularyFields(1);
    distant.Record({"far", "weit"});
    WriteFileBytes(table, distant.Bytes());
    scene.startTable = table;
    TVocorixDlg& window = scene.Open();
    {
        DialogWatch options(
            "Vocorix Options", {[&](HWND dialog) {
                // Whole, in the box's lower case.
                EXPECT_EQ(lstrcmpiA(FileNameBoxText(dialog).c_str(), table.c_str()), 0)
                    << FileNameBoxText(dialog);
                ClickButton(dialog, IDOK);
            }});
        scene.Char(0x0F, Ctrl);
    }
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].text,
              "The file name is longer than 128 characters: this table is drilled this time "
              "only, and the settings keep the file name they had. Move the table to a shorter "
              "path to keep it.");
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate far");
    EXPECT_TRUE(Stores(scene, "File Name=" + scene.tablePath + "\r\n"));
}

// A folder and file named with letters of the ANSI code page ("ü", "ö", and 0x96, an en dash):
// every way in drills the list's own table and finds it again at the next start.
TEST(GivenFile, AListInAFolderNamedWithCodePageLettersDrillsByEveryWayIn) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string folder = scene.dir.Folder("J\xFCrgen's W\xF6rter \x96 Liste");
    const std::string list = folder + "\\W\xF6rter.csv";
    const std::string table = folder + "\\W\xF6rter.dbf";
    WriteFileBytes(list, "word,German\nstreet,Stra\xC3\x9F"
                         "e\n");
    scene.startTable = TableToStartWith(list);
    EXPECT_EQ(scene.startTable, table);
    EXPECT_TRUE(scene.messages.boxes.empty());
    scene.Open();
    EXPECT_TRUE(Stores(scene, "File Name=" + table + "\r\n"));
    scene.Close();

    scene.startTable.clear();
    TVocorixDlg& again = scene.Open();
    EXPECT_STREQ(WordDisplayOf(again).GetQuestion(), "Translate street") << "the next start";
    scene.Close();

    WriteFileBytes(list, "word,German\ntree,Baum\n");
    scene.Put(WordTable({"das Haus"}));
    TVocorixDlg& dropped = scene.Open();
    DropFile(dropped.GetHandle(), list);
    scene.Pump();
    ASSERT_EQ(scene.messages.boxes.size(), 1u) << "the report";
    EXPECT_EQ(scene.messages.boxes[0].text,
              "0 words kept with their practice, 1 new, 1 left out.\r\nW\xF6rter.dbf as it was is "
              "kept as W\xF6rter.dbf.bak.");
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate tree") << "dropped";

    WriteFileBytes(list, "word,German\ndog,Hund\n");
    {
        DialogWatch options("Vocorix Options",
                            {Browse, Choose(list), [](HWND dialog) { ClickButton(dialog, IDOK); }});
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate dog") << "browsed";
    // Named in the ANSI code page as the program names them; a library path type would not.
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (found.cFileName[0] != '.')
            files.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"W\xF6rter.csv", "W\xF6rter.dbf", "W\xF6rter.dbf.bak"}))
        << "the list, its one table and that table's backup";
}

} // namespace
