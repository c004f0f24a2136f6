#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/command_line.h"
#include "dialogs/given_file.h"
#include "platform/text_codec.h"
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

// Files dropped at once (their paths in UTF-8), as the shell posts them, in UTF-16; the window
// frees them.
void DropFile(HWND window, const std::vector<std::string>& files) {
    std::wstring names;
    for (const std::string& file : files)
        names += Utf8ToUtf16(file) + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Browse in the options, and a file chosen in the platform's dialog it opens.
void Browse(HWND options) {
    PostMessageA(options, WM_COMMAND, CM_BROWSE, 0);
}
void Choose(const std::string& file) {
    HWND open = GetForegroundWindow();
    ASSERT_NE(open, nullptr);
    SetDlgItemTextW(open, 0x47C, Utf8ToUtf16(file).c_str()); // its file name box
    PostMessageA(open, WM_COMMAND, IDOK, 0);
}

// The texts of the boxes shown, but for the platform's file dialog, which the watcher sees too.
std::vector<std::string> Texts(const MessageBoxWatcher& messages) {
    std::vector<std::string> texts;
    for (const MessageBoxWatcher::Box& box : messages.boxes)
        if (box.caption != "Open")
            texts.push_back(box.text);
    return texts;
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
    AnswerBox(window, 0).SetText("Straße");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(window.GetDrill().Right(), 1u) << "the table's text in its code page";
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
    DropFile(window.GetHandle(), {list});
    scene.Pump();
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_EQ(AnswerBoxCount(window), 2u);
    EXPECT_TRUE(Stores(scene, "File Name=" + table + "\r\n"));
    EXPECT_TRUE(Stores(scene, "TopLeft Point=(150,160)"));

    ToggleLock(window);
    AnswerBox(window, 0).SetText("Straße");
    AnswerBox(window, 1).SetText("rue");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    ASSERT_EQ(window.GetDrill().Right(), 2u) << "both translations";

    WriteFileBytes(list, "word,German\nhouse,Haus\nstreet,Straße\n");
    fs::last_write_time(list, fs::last_write_time(table) + std::chrono::seconds(5));
    DropFile(window.GetHandle(), {list});
    scene.Pump();
    EXPECT_EQ(scene.messages.boxes.size(), 1u) << "the report";
    EXPECT_EQ(AnswerBoxCount(window), 1u);
    EXPECT_EQ(window.GetDrill().Total(), 0u) << "a new drill";
    const std::string exported = RunTool({"export", table}).out;
    EXPECT_NE(exported.find("street,Straße,"), std::string::npos) << exported;
    EXPECT_NE(exported.find(",1\r\n"), std::string::npos) << "the COUNT kept: " << exported;
}

// A list beside a practised table it was not made from, by every way in: No, the default,
// writes nothing; Yes replaces the table and keeps it as the backup. Browse's list is read at OK,
// and written only while OK names its table.
TEST(GivenFile, AListThatWouldDropPractisedWordsReplacesItsTableOnlyAfterYes) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string lesson = scene.dir.File("lesson.dbf");
    const std::string list = scene.dir.File("lesson.csv");
    const std::string practised =
        VocabularyFields(1).Record({"w0", "das Haus", "20240101", " 3"}).Bytes();
    WriteFileBytes(lesson, practised);
    WriteFileBytes(list, "word,German\nstreet,Straße\n");
    EXPECT_EQ(TableToStartWith(list), "");
    TVocorixDlg& window = scene.Open();
    DropFile(window.GetHandle(), {list, scene.dir.File("other.csv")});
    scene.Pump();

    WriteFileBytes(list, "word,German\nw0,das Haus\n"); // keeps the practised word
    {
        DialogWatch options("Vocorix Options",
                            {Browse,
                             [&](HWND) {
                                 const auto type = reinterpret_cast<LPARAM>(
                                     "Word lists (*.csv;*.tsv;*.tab;*.txt)");
                                 EXPECT_EQ(SendDlgItemMessageA(GetForegroundWindow(), 0x470,
                                                               CB_FINDSTRINGEXACT, -1, type),
                                           1);
                                 Choose(list);
                             },
                             [&](HWND dialog) {
                                 WriteFileBytes(list, "word,German\nstreet,Straße\n");
                                 ClickButton(dialog, IDOK); // asks: the dialog stays
                             },
                             [&](HWND dialog) {
                                 SetDlgItemTextA(dialog, IDC_FILE_NAME, scene.tablePath.c_str());
                                 ClickButton(dialog, IDOK);
                             }});
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_EQ(ReadFileBytes(lesson), practised);
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate w0");

    scene.messages.answers.push_back(IDYES);
    DropFile(window.GetHandle(), {list});
    scene.Pump();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate street");
    EXPECT_EQ(ReadFileBytes(lesson + ".bak"), practised);
    const std::vector<std::string> texts = Texts(scene.messages);
    ASSERT_EQ(texts.size(), 6u)
        << "asked at the start, at a drop after its note, at OK, at a drop; a report";
    EXPECT_EQ(texts[1], "Only one table is drilled at a time: of the 2 files dropped, Vocorix "
                        "drills the first, lesson.csv.");
    EXPECT_EQ(texts[3], texts[0]);
    EXPECT_EQ(texts[5].substr(0, 51), "0 words kept with their practice, 1 new, 1 left out");
}

// A table given on the command line whose path is longer than the settings keep: the options
// show it whole and OK drills it on, never storing it cut.
TEST(GivenFile, ATableOnALongerPathThanTheSettingsKeepIsDrilledOnThroughTheOptions) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    scene.startTable = scene.dir.Folder(std::string(120, 'f')) + "\\far.dbf";
    WriteFileBytes(scene.startTable, VocabularyFields(1).Record({"far", "weit"}).Bytes());
    TVocorixDlg& window = scene.Open();
    {
        DialogWatch options("Vocorix Options", {[&](HWND dialog) {
                                char text[512] = "";
                                GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
                                // Whole, in the box's lower case.
                                EXPECT_EQ(lstrcmpiA(text, scene.startTable.c_str()), 0) << text;
                                ClickButton(dialog, IDOK);
                            }});
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_EQ(Texts(scene.messages).size(), 1u) << "drilled this time only";
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate far");
    EXPECT_TRUE(Stores(scene, "File Name=" + scene.tablePath + "\r\n"));
}

// A folder and file named with letters of any script ("ü", "ö", an en dash and Cyrillic letters,
// most of them beyond the ANSI code page), the program's settings file in it too: every way in
// drills the list's own table and finds it again at the next start.
TEST(GivenFile, AListInAFolderNamedWithCodePageLettersDrillsByEveryWayIn) {
    DrillScene scene;
    scene.Put(WordTable({"das Haus"}));
    const std::string folder = scene.dir.Folder("Jürgen's Wörter – Слова");
    const std::string list = folder + "\\Wörter.csv";
    const std::string table = folder + "\\Wörter.dbf";
    WriteFileBytes(folder + "\\vocorix.INI", ReadFileBytes(scene.ini->Path));
    scene.ini = std::make_unique<TIniFile>(TIniFile::ForProgram(folder + "\\vocorix.exe").Path);
    WriteFileBytes(list, "word,German\nstreet,Stra\xC3\x9F"
                         "e\n");
    scene.startTable = TableToStartWith(
        StartFileOf((L"C:\\Vocorix\\vocorix.exe \"" + Utf8ToUtf16(list) + L"\"").c_str()));
    EXPECT_EQ(scene.startTable, table) << "from the command line";
    EXPECT_TRUE(scene.messages.boxes.empty());
    scene.Open();
    wchar_t stored[MAX_PATH] = L"";
    GetPrivateProfileStringW(L"Database", L"File Name", L"", stored, MAX_PATH,
                             Utf8ToUtf16(scene.ini->Path).c_str());
    EXPECT_EQ(Utf16ToUtf8(stored), table) << "stored, as Windows' own reader finds it";
    scene.Close();

    scene.startTable.clear();
    TVocorixDlg& again = scene.Open();
    EXPECT_STREQ(WordDisplayOf(again).GetQuestion(), "Translate street") << "the next start";
    scene.Close();

    WriteFileBytes(list, "word,German\ntree,Baum\n");
    scene.Put(WordTable({"das Haus"}));
    TVocorixDlg& dropped = scene.Open();
    DropFile(dropped.GetHandle(), {list});
    scene.Pump();
    ASSERT_EQ(scene.messages.boxes.size(), 1u) << "the report";
    EXPECT_EQ(scene.messages.boxes[0].text,
              "0 words kept with their practice, 1 new, 1 left out.\r\nW\xF6rter.dbf as it was is "
              "kept as W\xF6rter.dbf.bak.");
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate tree") << "dropped";

    WriteFileBytes(list, "word,German\ndog,Hund\n");
    {
        DialogWatch options("Vocorix Options", {Browse, [&](HWND) { Choose(list); },
                                                [](HWND dialog) { ClickButton(dialog, IDOK); }});
        scene.Char(0x0F, Ctrl);
    }
    EXPECT_STREQ(WordDisplayOf(dropped).GetQuestion(), "Translate dog") << "browsed";
    // Listed as Windows names them.
    std::vector<std::string> files;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Utf8ToUtf16(folder + "\\*").c_str(), &found);
    do
        files.push_back(Utf16ToUtf8(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{".", "..", "Wörter.csv", "Wörter.dbf",
                                               "Wörter.dbf.bak", "vocorix.INI"}))
        << "the list, its one table, that table's backup and the settings";
}

} // namespace
