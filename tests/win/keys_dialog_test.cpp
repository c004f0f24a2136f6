#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/keys_dialog.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/screenshot.h"
#include "tests/win/test_fonts.h"

namespace {

// The switch boxes in the order of the TKeys fields.
const int SwitchIds[] = {IDC_KEYS_TEST_INTERLACE, IDC_KEYS_TEST_ANSWERS_ORDER, CM_STARTING_WORD,
                         CM_CONTIGUOUS_WORD,      CM_STARTING_CHARS,           CM_CONTIGUOUS_CHARS,
                         CM_INTERLACING_CHARS,    CM_INTERLACING_PHRASES,      CM_WILDCARD_MATCHES};

// The nine boxes as 0/1 digits.
std::string Switches(HWND dialog) {
    std::string states;
    for (int id : SwitchIds)
        states += IsChecked(dialog, id) ? '1' : '0';
    return states;
}

HWND Counts(HWND dialog) {
    return GetDlgItem(dialog, IDC_KEYS_COUNT);
}

// The options dialog's side of a keys dialog: the settings and their working keys list, which
// holds ten default elements, as AdjustKeys leaves it for a maximum count of 10.
class KeysDialogScene : public testing::Test {
protected:
    KeysDialogScene() {
        for (uint32_t i = 0; i < 10; ++i)
            keys->InsertAt(i, TKeys{});
    }
    int Run(std::vector<DialogStep> steps) {
        TKeysDialog dialog(nullptr, TestFonts().Normal, *keys);
        return RunDialog(dialog, std::move(steps));
    }

    TempDir dir;
    TIniFile ini{dir.File("vocorix.INI")};
    TOptions options{ini};
    TOptionBindings optionsDialog;
    std::unique_ptr<TOptionList<TKeys>> keys =
        std::make_unique<TOptionList<TKeys>>(optionsDialog, options.KeyList, options.KeyEntries);
};

TEST_F(KeysDialogScene, TheResourceHoldsTheControlsInTabOrder) {
    const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
    const std::vector<TemplateControl> expected = {
        {-1, "Static", "&Count:", SS_LEFT, {91, 11, 32, 8}},
        {501,
         "ListBox",
         "",
         LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP,
         {92, 24, 30, 48}},
        {509, "Button", " &Test Interlace", check | WS_GROUP, {10, 10, 75, 12}},
        {510, "Button", " Test Answers &Order", check, {10, 24, 75, 12}},
        {502, "Button", " F2 - Starting &Word", check, {10, 38, 75, 12}},
        {503, "Button", " F3 - Contiguous Wo&rd", check, {10, 52, 75, 12}},
        {504, "Button", " F5 - &Starting Chars", check, {10, 66, 75, 12}},
        {505, "Button", " F6 - Conti&guous Chars", check, {10, 80, 75, 12}},
        {506, "Button", " F7 - &Interlacing Chars", check, {10, 94, 75, 12}},
        {507, "Button", " F8 - Interlacing &Phrases", check, {10, 108, 75, 12}},
        {508, "Button", " F9 - Wildcard &Matches", check, {10, 122, 75, 12}},
        {1, "Button", "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {91, 83, 32, 14}},
        {2, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, {91, 101, 32, 14}},
        {108, "Button", "&Help", BS_PUSHBUTTON | WS_TABSTOP, {91, 119, 32, 14}},
    };
    Run({[&](HWND dialog) {
        ExpectDialogTemplate(dialog, "Function Keys", expected, TestFonts().Normal.GetHandle());
        ClickButton(dialog, IDCANCEL);
    }});
}

TEST_F(KeysDialogScene, CountsListTheLevelsAndShowTheSelectedOnesSwitches) {
    keys->Items[4] = TKeys{0, 1, 0, 1, 0, 1, 0, 1, 0};
    Run({[](HWND dialog) {
             EXPECT_EQ(ItemTexts(Counts(dialog)), "0 1 2 3 4 5 6 7 8 9");
             EXPECT_EQ(SendMessageA(Counts(dialog), LB_GETCURSEL, 0, 0), LB_ERR);
             EXPECT_EQ(Switches(dialog), "000000000") << "the resource's state until a choice";
             ClickButton(dialog, CM_STARTING_WORD); // bound to nothing yet
             ClickListItem(Counts(dialog), 4);
         },
         [](HWND dialog) {
             EXPECT_EQ(Switches(dialog), "010101010");
             SetFocus(Counts(dialog));
             PressKey(Counts(dialog), VK_DOWN);
         },
         [](HWND dialog) {
             EXPECT_EQ(SendMessageA(Counts(dialog), LB_GETCURSEL, 0, 0), 5);
             EXPECT_EQ(Switches(dialog), "101111111");
             ClickButton(dialog, IDCANCEL);
         }});
}

TEST_F(KeysDialogScene, ASwitchClearedAndAcceptedIsThereOnReopeningAndStoredWithTheOptions) {
    EXPECT_EQ(Run({[](HWND dialog) { ClickListItem(Counts(dialog), 3); },
                   [](HWND dialog) { ClickButton(dialog, CM_INTERLACING_CHARS); },
                   // A step of its own: by then the loop has shown what the click drew.
                   [](HWND) { SaveScreenshot("keys-dialog"); },
                   [](HWND dialog) { ClickButton(dialog, IDOK); }}),
              IDOK);
    const TKeys withoutF7{1, 0, 1, 1, 1, 1, 0, 1, 1};
    EXPECT_EQ(keys->Items[3], withoutF7);
    Run({[](HWND dialog) { ClickListItem(Counts(dialog), 3); },
         [](HWND dialog) {
             EXPECT_EQ(Switches(dialog), "101111011");
             ClickListItem(Counts(dialog), 2);
         },
         [](HWND dialog) {
             EXPECT_EQ(Switches(dialog), "101111111");
             ClickButton(dialog, IDOK);
         }});
    for (uint32_t i = 0; i < 10; ++i)
        EXPECT_EQ(keys->Items[i], i == 3 ? withoutF7 : TKeys{}) << i;
    optionsDialog.AcceptAll();
    keys.reset();
    EXPECT_EQ(TOptions(ini).KeyList,
              (std::vector<TKeys>{{}, {}, {}, withoutF7, {}, {}, {}, {}, {}, {}}));
}

TEST_F(KeysDialogScene, CancelAfterTwoSelectionsRestoresBoth) {
    WriteFileBytes(ini.Path, "[Keys]\r\nKeys=5\r\nKey0=1,0,0,0,0,0,0,0,0\r\n"
                             "Key1=1,0,0,0,0,0,0,0,0\r\nKey2=1,0,0,0,0,0,0,0,0\r\n"
                             "Key3=1,0,0,0,0,0,0,0,0\r\nKey4=1,0,0,0,0,0,0,0,0\r\n");
    const std::string file = ReadFileBytes(ini.Path);
    TOptions stored(ini);
    TOptionBindings storedOptionsDialog;
    keys = std::make_unique<TOptionList<TKeys>>(storedOptionsDialog, stored.KeyList,
                                                stored.KeyEntries);
    EXPECT_EQ(Run({[](HWND dialog) { ClickListItem(Counts(dialog), 3); },
                   [](HWND dialog) {
                       ClickButton(dialog, CM_STARTING_WORD);
                       ClickListItem(Counts(dialog), 4);
                   },
                   [](HWND dialog) {
                       ClickButton(dialog, IDC_KEYS_TEST_ANSWERS_ORDER);
                       ClickButton(dialog, IDCANCEL);
                       // A selection change told after Cancel, while the dialog still stands,
                       // must not reach the reloaded list.
                       SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_KEYS_COUNT, LBN_SELCHANGE),
                                    reinterpret_cast<LPARAM>(Counts(dialog)));
                   }}),
              IDCANCEL);
    EXPECT_EQ(keys->Items, stored.KeyList);
    Run({[](HWND dialog) { ClickListItem(Counts(dialog), 3); },
         [](HWND dialog) {
             EXPECT_EQ(Switches(dialog), "100000000");
             ClickListItem(Counts(dialog), 4);
         },
         [](HWND dialog) {
             EXPECT_EQ(Switches(dialog), "100000000");
             ClickButton(dialog, IDCANCEL);
         }});
    keys.reset();
    EXPECT_EQ(ReadFileBytes(ini.Path), file);
}

} // namespace
