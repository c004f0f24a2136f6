#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/vocorix_options.h"
#include "resources/ids.h"
#include "tests/support/temp_dir.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"
#include "tests/win/screenshot.h"
#include "tests/win/test_fonts.h"

namespace {

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

HWND KeysDialog() {
    return FindWindowA("#32770", "Function Keys");
}

std::string NineKeys(const char* switches) {
    std::string keys;
    for (const char* c = switches; *c != '\0'; ++c)
        keys += std::string(keys.empty() ? "" : ",") + *c;
    return keys;
}

// The options dialog on a settings file of ten custom key levels (F2 off everywhere).
class OptionsDialogScene : public testing::Test {
protected:
    OptionsDialogScene() {
        std::string settings = "[Database]\r\nFile Name=words.dbf\r\nMaximum Count=10\r\n"
                               "[Ages]\r\nAges=2\r\nAge0=0:1\r\nAge1=3:7\r\n[Keys]\r\nKeys=10\r\n";
        for (int i = 0; i < 10; ++i)
            settings += "Key" + std::to_string(i) + "=" + NineKeys("100111111") + "\r\n";
        WriteFileBytes(ini.Path, settings);
        options = std::make_unique<TOptions>(ini);
    }
    int Run(std::vector<DialogStep> steps) {
        TVocorixOptions dialog(nullptr, *options, TestFonts().Normal);
        return RunDialog(dialog, std::move(steps));
    }

    TempDir dir;
    TIniFile ini{dir.File("vocorix.INI")};
    std::unique_ptr<TOptions> options;
};

TEST_F(OptionsDialogScene, TheResourceHoldsTheControlsInTabOrder) {
    const DWORD button = BS_PUSHBUTTON | WS_TABSTOP;
    const std::vector<TemplateControl> expected = {
        {-1, "Button", "&Database", BS_GROUPBOX, {10, 10, 79, 107}},
        {-1, "Static", "&File:", SS_LEFT | WS_GROUP, {17, 35, 20, 8}},
        {121,
         "Edit",
         "words.dbf",
         ES_LEFT | ES_AUTOHSCROLL | ES_LOWERCASE | WS_BORDER | WS_TABSTOP,
         {17, 47, 66, 12}},
        {122, "Button", "&Browse...", button, {43, 24, 40, 14}},
        {123, "Button", " Part of Speech", BS_AUTOCHECKBOX | WS_DISABLED, {17, 67, 60, 12}},
        {124,
         "Button",
         " Transcription",
         BS_AUTOCHECKBOX | WS_DISABLED | WS_TABSTOP,
         {17, 83, 60, 12}},
        {125,
         "Button",
         " Third Language",
         BS_AUTOCHECKBOX | WS_DISABLED | WS_TABSTOP,
         {17, 99, 63, 12}},
        {-1, "Button", "&Age", BS_GROUPBOX, {95, 10, 51, 107}},
        // The scroll bar is the list's: the combo box itself loses WS_VSCROLL.
        {126, "ComboBox", "", CBS_SIMPLE | WS_TABSTOP, {102, 38, 37, 73}},
        {128, "Button", "&+  +  +", button, {102, 22, 11, 12}},
        {130, "Button", "&-  \x96  -", button, {115, 22, 11, 12}},
        {129, "Button", "&=  =  =", button, {128, 22, 11, 12}},
        {-1, "Static", "&Maximum Count:", SS_LEFT | WS_GROUP, {154, 85, 32, 18}},
        {127, "Edit", "10", ES_LEFT | WS_BORDER | WS_TABSTOP, {154, 105, 35, 12}},
        {1, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {154, 10, 35, 14}},
        {2, "Button", "Cancel", button, {154, 28, 35, 14}},
        {131, "Button", "F&uncs...", button, {154, 46, 35, 14}},
        {108, "Button", "&Help", button, {154, 64, 35, 14}},
    };
    EXPECT_EQ(Run({[&](HWND dialog) {
                  ExpectDialogTemplate(dialog, "Vocorix Options", expected,
                                       TestFonts().Normal.GetHandle());
                  SaveScreenshot("options-dialog");
                  EXPECT_EQ(ItemTexts(ComboList(GetDlgItem(dialog, IDC_AGES))), "0:1 3:7");
                  EXPECT_TRUE(IsChecked(dialog, IDC_TRANSCRIPTION));
                  ClickButton(dialog, IDCANCEL);
              }}),
              IDCANCEL);
}

TEST_F(OptionsDialogScene, FuncsListsALevelPerTypedCountAndCancelChangesNothing) {
    const std::string before = ReadFileBytes(ini.Path);
    const int result = Run({
        [](HWND dialog) {
            SetText(dialog, IDC_MAX_COUNT, "12");
            ClickButton(dialog, CM_FUNCS); // returns when the keys dialog has closed
        },
        [](HWND) {
            HWND counts = GetDlgItem(KeysDialog(), IDC_KEYS_COUNT);
            EXPECT_EQ(ItemTexts(counts), "0 1 2 3 4 5 6 7 8 9 10 11");
            ClickListItem(counts, 11);
        },
        [](HWND) {
            EXPECT_TRUE(IsChecked(KeysDialog(), CM_STARTING_WORD)) << "a new level's default";
            ClickListItem(GetDlgItem(KeysDialog(), IDC_KEYS_COUNT), 9);
        },
        [](HWND) {
            EXPECT_FALSE(IsChecked(KeysDialog(), CM_STARTING_WORD)) << "a stored level";
            ClickButton(KeysDialog(), IDOK);
        },
        [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
    });
    EXPECT_EQ(result, IDCANCEL);
    options.reset();
    EXPECT_EQ(ReadFileBytes(ini.Path), before);
}

TEST_F(OptionsDialogScene, OkStoresTheCountWithOneKeyLevelPerCount) {
    auto runWithCount = [&](const std::string& count) {
        return Run({[&](HWND dialog) {
            SetText(dialog, IDC_MAX_COUNT, count);
            ClickButton(dialog, IDOK);
        }});
    };
    ASSERT_EQ(runWithCount("12"), IDOK);
    EXPECT_EQ(options->MaxCount, 12u);
    ASSERT_EQ(options->KeyList.size(), 12u);
    EXPECT_EQ(options->KeyList[9].StartingWord, 0);
    EXPECT_EQ(options->KeyList[11], TKeys{});
    const std::string stored = ReadFileBytes(ini.Path);
    EXPECT_NE(stored.find("Maximum Count=12\r\n"), std::string::npos);
    EXPECT_NE(stored.find("Keys=12\r\n"), std::string::npos);
    EXPECT_NE(stored.find("Key10=1,0,1,1,1,1,1,1,1\r\nKey11=1,0,1,1,1,1,1,1,1\r\n"),
              std::string::npos);

    // Fewer levels: the list is cut to the count.
    ASSERT_EQ(runWithCount("3"), IDOK);
    EXPECT_EQ(options->MaxCount, 3u);
    EXPECT_EQ(options->KeyList.size(), 3u);
    EXPECT_EQ(TOptions(ini).KeyList.size(), 3u);

    // Neither a minus nor a number beyond 32 bits is a count; a huge one is the file's limit.
    for (const char* unreadable : {"-1", "4294967296", "many"}) {
        ASSERT_EQ(runWithCount(unreadable), IDOK);
        EXPECT_EQ(options->MaxCount, 3u) << unreadable;
        EXPECT_EQ(options->KeyList.size(), 3u) << unreadable;
    }
    for (const char* huge : {"99999", "4294967295"}) {
        ASSERT_EQ(runWithCount(huge), IDOK);
        EXPECT_EQ(options->MaxCount, TOptions::MaxCountLimit) << huge;
        EXPECT_EQ(options->KeyList.size(), TOptions::MaxCountLimit) << huge;
    }
}

TEST_F(OptionsDialogScene, OkRefusesAFileNameLongerThanTheSettingsFileHolds) {
    const std::string before = ReadFileBytes(ini.Path);
    const std::string folder = "c:\\" + std::string(118, 'f') + "\\";
    const std::string fits = folder + "en.dbf"; // 128 characters
    MessageBoxWatcher messages;
    const int result = Run({
        [&](HWND dialog) {
            // As Browse puts it: typing stops at the limit, a chosen path does not.
            SetText(dialog, IDC_FILE_NAME, folder + "words.dbf");
            ClickButton(dialog, IDOK);
        },
        [&](HWND dialog) {
            ASSERT_EQ(messages.boxes.size(), 1u);
            EXPECT_EQ(messages.boxes[0].text, "The file name is longer than 128 characters. "
                                              "Move the table to a shorter path.");
            EXPECT_EQ(messages.boxes[0].owner, dialog);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_FILE_NAME));
            EXPECT_EQ(ReadFileBytes(ini.Path), before);
            SetText(dialog, IDC_FILE_NAME, fits);
            ClickButton(dialog, IDOK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(std::string(options->FileName.Text), fits);
    EXPECT_EQ(std::string(TOptions(ini).FileName.Text), fits);
}

TEST_F(OptionsDialogScene, KeysAcceptedInFuncsAreStoredByTheOptionsOk) {
    const int result = Run({
        [](HWND dialog) { ClickButton(dialog, CM_FUNCS); }, // returns when the keys dialog closed
        [](HWND) { ClickListItem(GetDlgItem(KeysDialog(), IDC_KEYS_COUNT), 3); },
        [](HWND) {
            ClickButton(KeysDialog(), CM_INTERLACING_CHARS);
            ClickButton(KeysDialog(), IDOK);
        },
        [](HWND dialog) { ClickButton(dialog, IDOK); },
    });
    EXPECT_EQ(result, IDOK);
    const std::string stored = ReadFileBytes(ini.Path);
    EXPECT_NE(stored.find("Keys=10\r\n"), std::string::npos);
    EXPECT_NE(stored.find("Key2=" + NineKeys("100111111") + "\r\nKey3=" + NineKeys("100111011") +
                          "\r\nKey4=" + NineKeys("100111111") + "\r\n"),
              std::string::npos)
        << stored;
    EXPECT_EQ(TOptions(ini).KeyList[3].InterlacingChars, 0);
}

TEST_F(OptionsDialogScene, OkStoresTheKeysTheAgesThenTheSingleSettingsLastBoundFirst) {
    // Without a settings file every write adds its key at the end: the file shows the order.
    DeleteFileA(ini.Path.c_str());
    options = std::make_unique<TOptions>(ini);
    EXPECT_EQ(Run({[](HWND dialog) {
                  SetText(dialog, IDC_MAX_COUNT, "2");
                  ClickButton(dialog, IDOK);
              }}),
              IDOK);
    const std::string keys = NineKeys("101111111");
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Keys]\r\nKey0=" + keys + "\r\nKey1=" + keys +
                                           "\r\nKeys=2\r\n"
                                           "[Ages]\r\nAge0=1:1\r\nAge1=2:2\r\nAge2=3:4\r\n"
                                           "Age3=4:8\r\nAge4=5:16\r\nAge5=6:32\r\n"
                                           "Age6=7:64\r\nAge7=8:128\r\nAge8=9:256\r\n"
                                           "Ages=9\r\n" // the first start's ranges
                                           "[Database]\r\n"
                                           "Third Language=1\r\n"
                                           "Transcription=1\r\n"
                                           "Part of Speech=1\r\n"
                                           "Maximum Count=2\r\n"
                                           "File Name=\r\n");
}

// The real file dialog of the platform, chosen by typing the file's name into it.
TEST_F(OptionsDialogScene, BrowsePutsTheChosenFileBelowTheCurrentDirectory) {
    CreateDirectoryA(dir.File("data").c_str(), nullptr);
    WriteFileBytes(dir.File("data\\en.dbf"), "");
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof saved, saved);
    SetCurrentDirectoryA(dir.File("").c_str());
    const int result = Run({
        [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, CM_BROWSE, 0); },
        [&](HWND) {
            HWND open = GetForegroundWindow();
            ASSERT_NE(open, nullptr);
            // The file name box of the platform's dialog (edt1 in cmb13).
            SetDlgItemTextA(open, 0x47C, dir.File("data\\en.dbf").c_str());
            PostMessageA(open, WM_COMMAND, IDOK, 0);
        },
        [](HWND dialog) {
            char text[256] = "";
            GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
            EXPECT_STREQ(text, "data\\en.dbf");
            ClickButton(dialog, IDOK);
        },
    });
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(options->FileName.Text, "data\\en.dbf");
}

} // namespace
