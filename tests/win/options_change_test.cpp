#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/vocorix_combo_box.h"
#include "platform/xmsg.h"
#include "resources/ids.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// The drill window on a two-word table, moved to (150,160), with one question answered wrong.
class OptionsChange : public testing::Test {
protected:
    void SetUp() override {
        scene.Put(WordTable({"das Haus", "der Baum"}));
        scene.Open();
        SetWindowPos(window().GetHandle(), nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        AnswerBox(window(), 0).SetText("falsch");
        scene.Key(VK_RETURN, Ctrl);
        scene.Key(VK_RETURN);
        AnswerBox(window(), 0).SetText("getippt");
        ASSERT_EQ(window().GetDrill().Total(), 1u);
        ASSERT_TRUE(window().GetDrill().Answering());
    }
    TVocorixDlg& window() { return *scene.window; }
    // Ctrl+O with the options dialog played by these steps.
    void ChangeOptions(std::vector<DialogStep> steps) {
        DialogWatch options("Vocorix Options", std::move(steps));
        scene.Char(0x0F, Ctrl);
    }

    DrillScene scene;
};

TEST_F(OptionsChange, CancelLeavesTheQuestionTheScoreAndTheWindowAsTheyWere) {
    const std::string question = WordDisplayOf(window()).GetQuestion();
    const RECT before = window().GetWindowRect();
    const HWND box = AnswerBox(window(), 0).GetHandle();
    const std::string settings = ReadFileBytes(scene.ini->Path);
    ChangeOptions({[](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_MAX_COUNT, "3");
        ClickButton(dialog, IDCANCEL);
    }});
    EXPECT_EQ(WordDisplayOf(window()).GetQuestion(), question);
    EXPECT_EQ(AnswerBox(window(), 0).GetHandle(), box);
    EXPECT_EQ(AnswerBox(window(), 0).GetText(), "getippt");
    EXPECT_EQ(window().GetDrill().Total(), 1u);
    EXPECT_EQ(StatusText(window(), IDG_TOTAL), "Total:1");
    EXPECT_TRUE(SameRect(before, window().GetWindowRect()));
    EXPECT_EQ(ReadFileBytes(scene.ini->Path), settings);
}

// Also while the drill is locked: the options are a system command.
TEST_F(OptionsChange, OkStartsANewDrillOnTheSameTableWhereTheWindowStood) {
    scene.Char(0x0C, Ctrl);
    ASSERT_TRUE(IsLocked(window()));
    const RECT before = window().GetWindowRect();
    ChangeOptions({[](HWND dialog) { ClickButton(dialog, IDOK); }});
    EXPECT_EQ(window().GetDrill().Total(), 0u);
    EXPECT_EQ(window().GetDrill().Right(), 0u);
    EXPECT_TRUE(window().GetDrill().Answering());
    ASSERT_EQ(AnswerBoxCount(window()), 1u);
    EXPECT_EQ(AnswerBox(window(), 0).GetText(), "");
    EXPECT_EQ(GetParent(GetFocus()), AnswerBox(window(), 0).GetHandle());
    EXPECT_TRUE(SameRect(before, window().GetWindowRect()));
    EXPECT_NE(ReadFileBytes(scene.ini->Path).find("TopLeft Point=(150,160)"), std::string::npos);
    EXPECT_TRUE(IsWindowEnabled(window().GetHandle()));
}

TEST_F(OptionsChange, ATableWithMoreTranslationsGetsItsBoxesAndAWindowToFit) {
    const std::string wider = scene.dir.File("wider.dbf");
    TableBuilder table = VocabularyFields(5, 40);
    table.Record({"house", "das Haus", "das Heim", "", "", "die Wohnung mit Garten und Garage"});
    WriteFileBytes(wider, table.Bytes());
    const RECT before = window().GetClientRect();
    ChangeOptions({[&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FILE_NAME, wider.c_str());
        ClickButton(dialog, IDOK);
    }});
    ASSERT_EQ(AnswerBoxCount(window()), 5u);
    ASSERT_EQ(FieldButtonCount(window()), 5u);
    EXPECT_STREQ(WordDisplayOf(window()).GetQuestion(), "Translate house");
    const RECT client = window().GetClientRect();
    EXPECT_EQ(client.bottom - before.bottom, 2 * 30) << "five rows instead of three";
    EXPECT_GT(client.right, before.right) << "the widest translation is wider";
    for (uint32_t i = 0; i < 5; ++i) {
        HWND box = AnswerBox(window(), i).GetHandle();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(GetDlgCtrlID(box), static_cast<int>(IDC_ANSWER_BOX + i));
        EXPECT_EQ(IsWindowVisible(box) != 0, i != 2 && i != 3) << "empty translations hide";
        RECT place{};
        GetWindowRect(Control(window(), IDC_FIELD_BUTTON + i).GetHandle(), &place);
        MapWindowPoints(nullptr, window().GetHandle(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_LT(place.bottom, client.bottom) << "button " << i << " inside the window";
    }
    RECT bar{};
    GetWindowRect(StatusBarOf(window()).GetHandle(), &bar);
    MapWindowPoints(nullptr, window().GetHandle(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, client.right);
}

// The table the options now name is gone, and the learner gives up: the program ends as at a
// failed start, with nothing but the reader's message, the window's place stored and every file
// left whole.
TEST_F(OptionsChange, GivingUpOnATableThatCannotBeOpenedEndsTheProgramCleanly) {
    const std::string table = ReadFileBytes(scene.tablePath);
    const std::string missing = scene.dir.File("missing.dbf");
    DialogWatch options("Vocorix Options",
                        {
                            [&](HWND dialog) {
                                SetDlgItemTextA(dialog, IDC_FILE_NAME, missing.c_str());
                                ClickButton(dialog, IDOK);
                            },
                            [&](HWND dialog) {
                                // No drill without boxes behind it.
                                EXPECT_FALSE(IsWindowEnabled(window().GetHandle()));
                                ClickButton(dialog, IDCANCEL);
                            },
                        });
    EXPECT_THROW(scene.Char(0x0F, Ctrl), xmsg);
    EXPECT_EQ(options.Played(), 2u);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "Database Problem");
    EXPECT_TRUE(IsWindowEnabled(window().GetHandle()));
    scene.Close();
    EXPECT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(ReadFileBytes(scene.tablePath), table);
    const std::string settings = ReadFileBytes(scene.ini->Path);
    EXPECT_NE(settings.find("TopLeft Point=(150,160)"), std::string::npos);
    EXPECT_NE(settings.find("missing.dbf"), std::string::npos);
}

} // namespace
