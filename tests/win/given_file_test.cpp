#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>

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

// A drop of one file, as the shell posts it; the window frees it.
void DropFile(HWND window, const std::string& file) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + file.size() + 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop + 1), file.c_str(), file.size());
    GlobalUnlock(memory);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
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
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_EQ(AnswerBoxCount(window), 1u);
    EXPECT_EQ(window.GetDrill().Total(), 0u) << "a new drill";
    const std::string exported = RunTool({"export", table}).out;
    EXPECT_NE(exported.find("street,Straße,"), std::string::npos) << exported;
    EXPECT_NE(exported.find(",1\r\n"), std::string::npos) << "the COUNT kept: " << exported;
}

// The list's table is written only once the options are accepted and the drill has let go of
// its table, which it may replace.
TEST(GivenFile, AListChosenWithBrowseIsMadeIntoTheTableTheOptionsName) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    TVocorixDlg& window = scene.Open();
    // The list of the table being drilled.
    const std::string list = scene.dir.File("words.csv");
    WriteFileBytes(list, "word,German\nstreet,Straße\n");
    fs::last_write_time(list, fs::last_write_time(scene.tablePath) + std::chrono::seconds(5));
    const std::string table = ReadFileBytes(scene.tablePath);
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof saved, saved);
    SetCurrentDirectoryA(scene.dir.File("").c_str());
    {
        DialogWatch options("Vocorix Options",
                            {
                                [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, CM_BROWSE, 0); },
                                [&](HWND) {
                                    HWND open = GetForegroundWindow();
                                    ASSERT_NE(open, nullptr);
                                    // The file name box of the platform's dialog.
                                    SetDlgItemTextA(open, 0x47C, list.c_str());
                                    PostMessageA(open, WM_COMMAND, IDOK, 0);
                                },
                                [&](HWND dialog) {
                                    char text[256] = "";
                                    GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
                                    EXPECT_STREQ(text, "words.dbf");
                                    EXPECT_EQ(ReadFileBytes(scene.tablePath), table);
                                    ClickButton(dialog, IDOK);
                                },
                            });
        scene.Char(0x0F, Ctrl);
    }
    SetCurrentDirectoryA(saved);
    // The watcher sees the platform's file dialog as a box too.
    for (const MessageBoxWatcher::Box& box : scene.messages.boxes)
        EXPECT_EQ(box.caption, "Open") << box.text;
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_TRUE(Stores(scene, "File Name=words.dbf\r\n"));
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
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate tree") << "dropped";

    WriteFileBytes(list, "word,German\ndog,Hund\n");
    {
        DialogWatch options("Vocorix Options",
                            {
                                [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, CM_BROWSE, 0); },
                                [&](HWND) {
                                    HWND open = GetForegroundWindow();
                                    ASSERT_NE(open, nullptr);
                                    SetDlgItemTextA(open, 0x47C, list.c_str());
                                    PostMessageA(open, WM_COMMAND, IDOK, 0);
                                },
                                [](HWND dialog) { ClickButton(dialog, IDOK); },
                            });
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate dog") << "browsed";
    // The folder as Windows names it (a narrow literal would be read in the ANSI code page).
    EXPECT_EQ(std::distance(fs::directory_iterator(scene.dir.Path() /
                                                   L"J\u00FCrgen's W\u00F6rter \u2013 Liste"),
                            {}),
              2)
        << "the list and its one table";
}

} // namespace
