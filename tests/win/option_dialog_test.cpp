#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/check_option.h"
#include "dialogs/combo_option.h"
#include "dialogs/edit_option.h"
#include "dialogs/option_dialog.h"
#include "framework/theme.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/test_dialogs.h"
#include "tests/win/test_fonts.h"

namespace {

// A settings dialog with one binding of each kind, and buttons for the age list.
class SettingsDialog : public TOptionDialog {
public:
    explicit SettingsDialog(TOptions& options)
        : TOptionDialog(nullptr, IDD_TEST_SETTINGS, TestFonts().Normal),
          fileName(*this, options.FileNameEntry), fileNameBox(this, IDC_TEST_FILE_NAME, fileName),
          maxCount(*this, options.MaxCountEntry), maxCountBox(this, IDC_TEST_MAX_COUNT, maxCount),
          partOfSpeech(*this, options.PartOfSpeechEntry),
          transcription(*this, options.TranscriptionEntry),
          partOfSpeechBox(this, IDC_TEST_PART_OF_SPEECH, partOfSpeech),
          transcriptionBox(this, IDC_TEST_TRANSCRIPTION, transcription),
          ages(*this, options.AgeList, options.AgeEntries),
          agesBox(this, IDC_TEST_AGES, ages, true) {}

    TOption<character> fileName;
    TEditOption<character> fileNameBox;
    TOption<unsigned int> maxCount;
    TEditOption<unsigned int> maxCountBox;
    TOption<int> partOfSpeech;
    TOption<int> transcription;
    TCheckOption partOfSpeechBox;
    TCheckOption transcriptionBox;
    TOptionList<TAge> ages;
    TComboOption<TAge> agesBox;

protected:
    void AgeAdd() { agesBox.AddItem(); }
    void AgeReplace() { agesBox.SyncSelection(); }
    void AgeDelete() { agesBox.DeleteItem(); }
    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;
};

const TResponse SettingsDialog::ResponseRows[] = {
    OnCommand<&SettingsDialog::AgeAdd>(IDC_TEST_AGE_ADD),
    OnCommand<&SettingsDialog::AgeReplace>(IDC_TEST_AGE_REPLACE),
    OnCommand<&SettingsDialog::AgeDelete>(IDC_TEST_AGE_DELETE),
};
const TResponseTable SettingsDialog::ResponseTable{&TOptionDialog::ResponseTable, ResponseRows};

std::string Text(HWND dialog, int id) {
    char text[300] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

class OptionDialogScene : public testing::Test {
protected:
    OptionDialogScene() {
        WriteFileBytes(ini.Path, file);
        options = std::make_unique<TOptions>(ini);
    }
    int Run(std::vector<DialogStep> steps) {
        SettingsDialog dialog(*options);
        return RunDialog(dialog, std::move(steps));
    }

    const std::string file = "[Database]\r\nPart of Speech=0\r\nTranscription=1\r\n"
                             "Maximum Count=12\r\nFile Name=words.dbf\r\n"
                             "[Ages]\r\nAges=3\r\nAge0=1:3\r\nAge1=2:7\r\nAge2=5:30\r\n";
    TempDir dir;
    TIniFile ini{dir.File("vocorix.INI")};
    std::unique_ptr<TOptions> options;
};

TEST_F(OptionDialogScene, ControlsShowTheCopiesInTheDialogFontOnLightGray) {
    // The table loader found the part-of-speech field since the file was written.
    options->PartOfSpeech = 1;
    EXPECT_EQ(Run({[](HWND dialog) {
                  EXPECT_EQ(Text(dialog, IDC_TEST_FILE_NAME), "words.dbf");
                  EXPECT_EQ(Text(dialog, IDC_TEST_MAX_COUNT), "12");
                  EXPECT_TRUE(IsChecked(dialog, IDC_TEST_PART_OF_SPEECH));
                  EXPECT_FALSE(IsWindowEnabled(Item(dialog, IDC_TEST_PART_OF_SPEECH)));
                  EXPECT_TRUE(IsChecked(dialog, IDC_TEST_TRANSCRIPTION));
                  EXPECT_EQ(ItemTexts(ComboList(Item(dialog, IDC_TEST_AGES))), "1:3 2:7 5:30");
                  EXPECT_EQ(SendMessageA(Item(dialog, IDC_TEST_AGES), WM_GETFONT, 0, 0),
                            reinterpret_cast<LRESULT>(TestFonts().Normal.GetHandle()));
                  HDC dc = GetDC(dialog);
                  HWND box = Item(dialog, IDC_TEST_TRANSCRIPTION);
                  const LRESULT brush =
                      SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(box));
                  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(dialog)),
                            brush)
                      << "one brush, made once";
                  LOGBRUSH look{};
                  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof look, &look);
                  EXPECT_EQ(look.lbColor, RGB(192, 192, 192));
                  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
                  EXPECT_NE(
                      SendMessageA(dialog, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(Item(dialog, IDC_TEST_FILE_NAME))),
                      brush)
                      << "edit controls keep the standard look";
                  {
                      // A contrast theme's own colours, never the light grey.
                      const TScopedHighContrast contrast(true);
                      const LRESULT themed =
                          SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(box));
                      GetObjectA(reinterpret_cast<HBRUSH>(themed), sizeof look, &look);
                      EXPECT_EQ(look.lbColor, GetSysColor(COLOR_BTNFACE));
                      EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_BTNTEXT));
                  }
                  ReleaseDC(dialog, dc);
                  ClickButton(dialog, IDOK);
              }}),
              IDOK);
    TOptions reread(ini);
    EXPECT_EQ(reread.PartOfSpeech, 1) << "the disabled box stores what it shows";
    EXPECT_EQ(reread.Transcription, 1);
    EXPECT_EQ(reread.MaxCount, 12u);
    EXPECT_STREQ(reread.FileName.Text, "words.dbf");
    EXPECT_EQ(reread.AgeList, (std::vector<TAge>{{1, 3}, {2, 7}, {5, 30}}));
}

TEST_F(OptionDialogScene, TypedTextsAndClicksAreStoredAfterOk) {
    const std::string longName = std::string(140, 'n') + ".dbf";
    Run({[&](HWND dialog) {
             SetFocus(Item(dialog, IDC_TEST_FILE_NAME));
             SendMessageA(Item(dialog, IDC_TEST_FILE_NAME), EM_SETSEL, 0, -1);
             TypeText(Item(dialog, IDC_TEST_FILE_NAME), longName);
             SetFocus(Item(dialog, IDC_TEST_MAX_COUNT));
             SendMessageA(Item(dialog, IDC_TEST_MAX_COUNT), EM_SETSEL, 0, -1);
             TypeText(Item(dialog, IDC_TEST_MAX_COUNT), "-1");
             ClickButton(dialog, IDC_TEST_TRANSCRIPTION);
         },
         [](HWND dialog) { ClickButton(dialog, IDOK); }});
    TOptions reread(ini);
    EXPECT_EQ(std::string(reread.FileName.Text), longName.substr(0, 128));
    EXPECT_EQ(std::string(options->FileName.Text), longName.substr(0, 128));
    EXPECT_EQ(reread.MaxCount, 12u) << "no sign in an unsigned number";
    EXPECT_EQ(reread.Transcription, 0);
}

TEST_F(OptionDialogScene, CancelAfterEditsLeavesTheFileAsItWas) {
    EXPECT_EQ(Run({[](HWND dialog) {
                       TypeText(Item(dialog, IDC_TEST_MAX_COUNT), "5");
                       ClickButton(dialog, IDC_TEST_TRANSCRIPTION);
                       ClickListItem(ComboList(Item(dialog, IDC_TEST_AGES)), 1);
                   },
                   [](HWND dialog) {
                       SetWindowTextA(Item(dialog, IDC_TEST_AGES), "4:10");
                       ClickButton(dialog, IDC_TEST_AGE_ADD);
                       ClickButton(dialog, IDCANCEL);
                   }}),
              IDCANCEL);
    EXPECT_EQ(ReadFileBytes(ini.Path), file);
    EXPECT_EQ(options->MaxCount, 12u);
}

TEST_F(OptionDialogScene, TheAgeBoxAddsReplacesAndDeletesWhatIsTyped) {
    auto typeAge = [](HWND dialog, const char* text) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(Item(dialog, IDC_TEST_AGES), &info);
        HWND edit = info.hwndItem;
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        TypeText(edit, text);
    };
    Run({[](HWND dialog) { ClickListItem(ComboList(Item(dialog, IDC_TEST_AGES)), 0); },
         [&](HWND dialog) { typeAge(dialog, "1:4"); },
         // A typed text pending when another age is chosen replaces the one chosen before.
         [](HWND dialog) { ClickListItem(ComboList(Item(dialog, IDC_TEST_AGES)), 2); },
         [&](HWND dialog) {
             HWND ages = Item(dialog, IDC_TEST_AGES);
             EXPECT_EQ(ItemTexts(ComboList(ages)), "1:4 2:7 5:30");
             EXPECT_EQ(SendMessageA(ages, CB_GETCURSEL, 0, 0), 2);
             typeAge(dialog, "9:99");
         },
         [](HWND dialog) {
             ClickButton(dialog, IDC_TEST_AGE_ADD);
             EXPECT_EQ(ItemTexts(ComboList(Item(dialog, IDC_TEST_AGES))), "1:4 2:7 5:30 9:99");
             ClickButton(dialog, IDC_TEST_AGE_ADD);
             EXPECT_EQ(ItemTexts(ComboList(Item(dialog, IDC_TEST_AGES))), "1:4 2:7 5:30 9:99")
                 << "the threshold 9 is taken now";
             ClickListItem(ComboList(Item(dialog, IDC_TEST_AGES)), 1);
         },
         [](HWND dialog) { ClickButton(dialog, IDC_TEST_AGE_DELETE); },
         [&](HWND dialog) { typeAge(dialog, "3:3"); },
         // Typed but neither added nor replaced: OK applies it as "=" would.
         [](HWND dialog) { ClickButton(dialog, IDOK); }});
    EXPECT_EQ(TOptions(ini).AgeList, (std::vector<TAge>{{1, 4}, {5, 30}, {9, 99}, {3, 3}}));
}

} // namespace
