#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/vocorix_combo_box.h"
#include "resources/ids.h"
#include "tests/support/fake_db_screen.h"
#include "tests/win/drill_scene.h"
#include "tests/win/test_fonts.h"

namespace {

// What the drill window shows of the drill: fonts, texts, focus, enabled states, the status
// bar and the file. The rules themselves are tested natively; the end-to-end drill shows wrong
// answers, near misses, another box's translation and Continue pressed too early.
class Drill : public testing::Test {
protected:
    TVocorixDlg& Open(const std::string& settings = "", const std::string& second = "das Heim") {
        table = VocabularyFields(2);
        table.Record({"house", "das Haus", second});
        scene.Put(table, settings);
        return scene.Open();
    }
    TVocorixDlg& window() { return *scene.window; }
    TVocorixComboBox& box(int i) { return AnswerBox(window(), i); }
    void Answer(int i, const std::string& text) { box(i).SetText(text.c_str()); }
    void Press(uint32_t command) {
        window().Send(WM_COMMAND, command);
        scene.Pump();
    }
    std::string Gadget(int id) { return StatusText(window(), id); }
    bool Answering() { return window().GetDrill().Answering(); }
    // COUNT of the record as it stands in the file.
    std::string StoredCount() {
        const std::string bytes = ReadFileBytes(scene.tablePath);
        return bytes.substr(table.RecordOffset(0) + table.RecordBytes() - 2, 2);
    }
    std::string StoredDate() {
        const std::string bytes = ReadFileBytes(scene.tablePath);
        return bytes.substr(table.RecordOffset(0) + table.RecordBytes() - 10, 8);
    }

    DrillScene scene;
    TableBuilder table;
};

TEST_F(Drill, RightAnswersAreShownCountedAndRecordedOnce) {
    Open();
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_FALSE(Answering());
    EXPECT_EQ(box(0).GetWindowFont(), TestFonts().Normal.GetHandle());
    EXPECT_EQ(StoredCount(), " 1");
    EXPECT_NE(StoredDate(), "        ");
    EXPECT_EQ(Gadget(IDG_RIGHT), "Right:2");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(Gadget(IDG_RATE), "Rate:100%");
    EXPECT_EQ(Gadget(IDG_COUNT), "Count:1");
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\u221A");
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\u221A");
    EXPECT_FALSE(Control(window(), CM_READY).IsEnabled());
    EXPECT_FALSE(Control(window(), IDC_FIELD_BUTTON + 0).IsEnabled());
    EXPECT_TRUE(Control(window(), CM_CONTINUE).IsEnabled());

    // Further presses change nothing: one update per question.
    Press(CM_READY);
    Press(CM_REFUSE);
    Press(CM_CHECK_FIELD);
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(StoredCount(), " 1");

    Press(CM_CONTINUE);
    EXPECT_TRUE(Answering());
    EXPECT_EQ(box(0).GetText(), "");
    EXPECT_EQ(box(0).GetWindowFont(), TestFonts().Normal.GetHandle());
    EXPECT_TRUE(Control(window(), IDC_FIELD_BUTTON + 0).IsEnabled());
}

TEST_F(Drill, CheckingOneBoxAtATime) {
    Open();
    Answer(0, "das Haus");
    Press(IDC_FIELD_BUTTON + 0);
    EXPECT_EQ(box(0).GetText(), "das Haus");
    EXPECT_FALSE(Control(window(), IDC_FIELD_BUTTON + 0).IsEnabled());
    EXPECT_TRUE(Control(window(), IDC_FIELD_BUTTON + 1).IsEnabled());
    EXPECT_TRUE(Answering());
    EXPECT_EQ(GetParent(GetFocus()), box(1).GetHandle());
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\u2026");
    EXPECT_EQ(StoredDate(), "        ");
    // The check key judges the focused box; the last open box closes the question.
    Answer(1, "das Heim");
    Press(CM_CHECK_FIELD);
    EXPECT_FALSE(Answering());
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\u221A");
    EXPECT_EQ(StoredCount(), " 1");
}

TEST_F(Drill, RefuseRevealsTheOpenBoxesInBoldAndRecordsTheWordWrong) {
    Open();
    Answer(0, "das Haus");
    Press(IDC_FIELD_BUTTON + 0);
    Press(CM_REFUSE);
    EXPECT_EQ(box(0).GetWindowFont(), TestFonts().Normal.GetHandle());
    EXPECT_EQ(box(1).GetWindowFont(), TestFonts().Bold.GetHandle());
    EXPECT_EQ(box(1).GetText(), "das Heim");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\u00D7");
    EXPECT_EQ(StoredCount(), "  ");
    EXPECT_NE(StoredDate(), "        ");
}

TEST_F(Drill, ABoxWithoutTranslationIsHiddenWithItsButton) {
    Open("", "");
    EXPECT_FALSE(box(1).IsVisible());
    EXPECT_FALSE(Control(window(), IDC_FIELD_BUTTON + 1).IsVisible());
}

TEST_F(Drill, TypingGoesIntoTheFirstBoxShown) {
    table = VocabularyFields(2);
    table.Record({"house", "", "das Heim"});
    scene.Put(table);
    scene.Open();
    scene.Type("das Heim");
    EXPECT_EQ(box(1).GetText(), "das Heim");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_EQ(Gadget(IDG_RIGHT), "Right:1");
    EXPECT_EQ(StoredCount(), " 1");
}

TEST_F(Drill, AFailedWriteIsReportedOverTheWindowAndTheQuestionJudgedOnce) {
    auto log = std::make_shared<TableAccessLog>();
    scene.opener = RecordingOpener(log);
    Open();
    log->failWrites = true;
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    // Waits in the queue, so it arrives while the message box runs its own loop.
    PostMessageA(window().GetHandle(), WM_COMMAND, CM_READY, 0);
    Press(CM_READY);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "Database Problem");
    EXPECT_EQ(scene.messages.boxes[0].owner, window().GetHandle());
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(log->writes.size(), 1u);
    EXPECT_EQ(StoredDate(), "        ");
}

TEST_F(Drill, AContinueWhileAFailedWriteIsReportedAsksTheNextWordOnceTheResultIsShown) {
    auto log = std::make_shared<TableAccessLog>();
    scene.opener = RecordingOpener(log);
    Open();
    log->failWrites = true;
    Answer(0, "das Haus");
    Answer(1, "nothing like it");
    PostMessageA(window().GetHandle(), WM_COMMAND, CM_CONTINUE, 0);
    Press(CM_READY);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "Database Problem");
    // The next word is open, under the marks of the wrong answer before it.
    EXPECT_TRUE(Answering());
    EXPECT_EQ(box(1).GetText(), "");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(Gadget(IDG_COUNT), "Count:0");
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\u00D7");
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\u00D7");
}

TEST_F(Drill, WhenNoWordIsLeftTheLearnerHasWon) {
    Open("Maximum Count=1\r\n");
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_EQ(window().GetDatabase().EligibleCount(), 0u);
    Press(CM_CONTINUE);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "Finish");
    EXPECT_EQ(scene.messages.boxes[0].text, "You won!\r\nCongratulations!");
    EXPECT_EQ(window().GetHandle(), nullptr);
}

TEST_F(Drill, ATableWithNothingToAskEndsAtOnce) {
    TableBuilder rested = VocabularyFields(1);
    rested.Record({"house", "das Haus", "", "10"});
    scene.Put(rested);
    scene.Open();
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].text, "You won!\r\nCongratulations!");
    EXPECT_EQ(window().GetHandle(), nullptr);
}

TEST_F(Drill, MnemonicsPressTheDrillButtons) {
    Open();
    Answer(0, "das Haus");
    scene.Char('r', Alt);
    EXPECT_FALSE(Answering());
    scene.Char('c', Alt);
    EXPECT_TRUE(Answering());
    scene.Char('e', Alt);
    EXPECT_FALSE(Answering());
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\u00D7");
}

// The system's comparison for the user's locale: a soft hyphen does not count.
TEST(DrillAnswers, AreComparedAsTheSystemComparesTexts) {
    ASSERT_EQ(lstrcmpA("co\xADop", "coop"), 0);
    TDrill drill(1);
    drill.Ask({"co\xADop"}, 0);
    EXPECT_TRUE(drill.Ready({"coop"}).right);
}

} // namespace
