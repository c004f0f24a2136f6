#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/vocorix_combo_box.h"
#include "app_rules/first_start.h"
#include "framework/application.h"
#include "platform/text_codec.h"
#include "platform/xmsg.h"
#include "resources/ids.h"
#include "tests/support/data_file.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"

namespace {

// The program's start on a scene's settings file.
class SceneApp : public TApplication {
public:
    explicit SceneApp(TIniFile& ini) : ini_(ini) {}

protected:
    void InitMainWindow() override {
        SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, ini_, TestFonts()));
    }

private:
    TIniFile& ini_;
};

TEST(DrillStartUp, ATableThatCannotBeOpenedEndsTheProgramWhenTheOptionsAreCancelled) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    DeleteFileA(scene.tablePath.c_str());
    const std::string settings = ReadFileBytes(scene.ini->Path);
    DialogWatch options("Vocorix Options", {[](HWND dialog) { ClickButton(dialog, IDCANCEL); }});
    SceneApp app(*scene.ini);
    EXPECT_EQ(app.Run(), -1);
    EXPECT_EQ(options.Played(), 1u);
    EXPECT_EQ(ReadFileBytes(scene.ini->Path), settings);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    const MessageBoxWatcher::Box& box = scene.messages.boxes[0];
    EXPECT_EQ(box.caption, "Database Problem");
    EXPECT_EQ(box.text, "Cannot open database file.\r\nPlease specify the correct path.");
    EXPECT_EQ(box.owner, nullptr);
}

TEST(DrillStartUp, ADamagedTableIsReportedAndNotDrilled) {
    DrillScene scene;
    TableBuilder table;
    table.Field("WORD", 20).Field("TRANS1", 20).Field("COUNT", 2);
    table.Record({"house", "Haus"});
    scene.Put(table);
    DialogWatch options("Vocorix Options", {[](HWND dialog) { ClickButton(dialog, IDCANCEL); }});
    EXPECT_THROW(scene.Open(), xmsg);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].text,
              "Incorrect database file structure.\r\nLASTCHANGE field not found.\r\n"
              "Please rebuild the database.");
}

TEST(DrillStartUp, TheFirstQuestionIsAskedAtOnce) {
    DrillScene scene;
    TableBuilder table = VocabularyFields(1, 20, {"PART"});
    table.Record({"house", "noun", "das Haus"});
    scene.Put(table);
    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate the noun house");
    EXPECT_TRUE(window.GetDrill().Answering());
    EXPECT_FALSE(Control(window, CM_CONTINUE).IsEnabled());
    EXPECT_TRUE(Control(window, CM_READY).IsEnabled());
    EXPECT_EQ(GetParent(GetFocus()), AnswerBox(window, 0).GetHandle());
}

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Without a settings file the learner is asked for a table before anything else.
TEST(DrillStartUp, AFirstStartAsksForTheTableAndDrillsIt) {
    DrillScene scene;
    WriteFileBytes(scene.tablePath, WordTable({"Haus"}).Bytes());
    scene.ini = std::make_unique<TIniFile>(scene.dir.File("vocorix.INI"));
    DialogWatch options("Vocorix Options", {[&](HWND dialog) {
                            char text[256] = "?";
                            GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
                            EXPECT_STREQ(text, "");
                            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_AGES, CB_GETCOUNT, 0, 0), 9)
                                << "a first start rests what it knows";
                            SetDlgItemTextA(dialog, IDC_FILE_NAME, scene.tablePath.c_str());
                            ClickButton(dialog, IDOK);
                        }});
    TVocorixDlg& window = scene.Open();
    EXPECT_EQ(options.Played(), 1u);
    EXPECT_TRUE(scene.messages.boxes.empty());
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate w0");
    // The file box writes lower case; the file system does not mind.
    EXPECT_NE(Lower(ReadFileBytes(scene.ini->Path)).find("file name=" + Lower(scene.tablePath)),
              std::string::npos);
}

// The release as it unpacks: its first start takes the settings and the sample table from their
// folder, and a word answered right rests.
TEST(DrillStartUp, AnUnpackedReleaseDrillsItsSampleAndRestsAWordAnsweredRight) {
    DrillScene scene;
    const std::string templates = scene.dir.Folder(FirstStartFolder);
    for (const char* file : {"vocorix.INI", "vocabulary.dbf"})
        WriteFileBytes(templates + "\\" + file, ReadFileBytes(ExampleFile(file)));
    scene.ini = std::make_unique<TIniFile>(scene.dir.File("vocorix.INI"));
    PutFirstStartFiles(scene.ini->Path);
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof saved, saved);
    SetCurrentDirectoryA(scene.dir.File("").c_str());
    TVocorixDlg& window = scene.Open();
    SetCurrentDirectoryA(saved);
    const TDBFile& table = window.GetDatabase();
    const uint32_t asked = table.EligibleCount();
    EXPECT_EQ(asked, 156u) << "the sample, every word new";
    for (uint32_t i = 0; i < table.TranslationCount(); ++i)
        AnswerBox(window, i).SetText(CodePageText(table.CodePage()).ToUtf16(table.Translation(i)));
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(window.GetDrill().Total(), window.GetDrill().Right());
    EXPECT_EQ(table.EligibleCount(), asked - 1) << "the word rests";
}

void PressShift(bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SHIFT;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// Wine takes the real keyboard's state again when a window is activated, so Shift is let go
// in the dialog: the one way to see it shown again would be a keyboard we cannot hold.
TEST(DrillStartUp, ShiftHeldShowsTheOptionsBeforeALoadableTable) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    PressShift(true);
    DialogWatch options("Vocorix Options", {[](HWND dialog) {
                            PressShift(false);
                            ClickButton(dialog, IDOK);
                        }});
    TVocorixDlg& window = scene.Open();
    PressShift(false);
    EXPECT_EQ(options.Played(), 1u);
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate w0");
}

// Duplicate removal runs in idle time, one word per idle call, once the user has been idle
// for more than 5000 calls.
TEST(DrillIdleTime, DuplicatesGoOneWordPerCallAfterFiveThousandIdleCalls) {
    DrillScene scene;
    scene.Put(WordTable({"Haus", "Baum", "Haus", "Haus", "Baum", "Tisch"}));
    TVocorixDlg& window = scene.Open();
    const TWordList& words = window.GetDatabase().Words();
    for (int32_t count = 0; count <= 5000; ++count)
        ASSERT_TRUE(window.IdleAction(count));
    EXPECT_EQ(words.Count(), 6u);

    EXPECT_TRUE(window.IdleAction(5001)); // "Haus": the later two go
    EXPECT_EQ(words.Count(), 4u);
    EXPECT_FALSE(words.IsFreeOfDuplicates());
    int32_t count = 5002;
    while (window.IdleAction(count))
        ASSERT_LT(++count, 5010);
    EXPECT_TRUE(words.IsFreeOfDuplicates());
    EXPECT_EQ(words.Count(), 3u);
    EXPECT_FALSE(window.IdleAction(count + 1));
    EXPECT_FALSE(window.IdleAction(6000));
}

} // namespace
