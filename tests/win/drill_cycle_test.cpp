#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "answer/vocorix_combo_box.h"
#include "app/fonts.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"

namespace {

const std::string OrderTested = "[Keys]\r\nKeys=1\r\nKey0=1,1,1,1,1,1,1,1,1\r\n";

// A drill on one word with two translations, which every pick asks.
class Drill : public testing::Test {
protected:
    TVocorixDlg& Open(const std::string& settings = "", const std::string& second = "das Heim") {
        table = VocabularyFields(2);
        table.Record({"house", "das Haus", second});
        scene.Put(table, settings);
        return scene.Open();
    }
    TVocorixDlg& window() { return *scene.window; }
    TVocorixComboBox& box(int i) { return *window().AnswerBoxes[i]; }
    void Answer(int i, const std::string& text) { box(i).SetText(text.c_str()); }
    void Press(uint32_t command) {
        window().Send(WM_COMMAND, command);
        scene.Pump();
    }
    std::string Gadget(int id) { return window().StatusBar.GadgetWithId(id)->GetText(); }
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

TEST_F(Drill, RightAnswersAreCountedShownAndRecordedOnce) {
    Open();
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 2u);
    EXPECT_EQ(window().Total, 2u);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(box(0).GetWindowFont(), NormalFont.GetHandle());
    EXPECT_EQ(StoredCount(), " 1");
    EXPECT_NE(StoredDate(), "        ");
    EXPECT_EQ(Gadget(IDG_RIGHT), "Right:2");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:2");
    EXPECT_EQ(Gadget(IDG_RATE), "Rate:100%");
    EXPECT_EQ(Gadget(IDG_COUNT), "Count:1");
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9d");
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\x9d");
    EXPECT_FALSE(window().ReadyButton.IsEnabled());
    EXPECT_FALSE(window().FieldButtons[0]->IsEnabled());
    EXPECT_TRUE(window().ContinueButton.IsEnabled());

    // Further Ready presses change nothing: one update per question.
    Press(CM_READY);
    Press(CM_REFUSE);
    Press(CM_CHECK_FIELD);
    EXPECT_EQ(window().Total, 2u);
    EXPECT_EQ(StoredCount(), " 1");

    Press(CM_CONTINUE);
    EXPECT_EQ(window().Answering, 1);
    EXPECT_EQ(box(0).GetText(), "");
    EXPECT_EQ(Gadget(IDG_COUNT), "Count:1");
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_EQ(StoredCount(), " 2");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:4");
}

TEST_F(Drill, AWrongOrEmptyBoxIsShownInBoldAndTheWordRecordedWrong) {
    Open();
    Answer(0, "das Haus");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(window().Total, 2u);
    EXPECT_EQ(box(1).GetText(), "das Heim");
    EXPECT_EQ(box(1).GetWindowFont(), BoldFont.GetHandle());
    EXPECT_EQ(box(0).GetWindowFont(), NormalFont.GetHandle());
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9f");
    EXPECT_EQ(Gadget(IDG_RATE), "Rate:50%");
    // Never right before, wrong now: only the date is written.
    EXPECT_EQ(StoredCount(), "  ");
    EXPECT_NE(StoredDate(), "        ");
}

TEST_F(Drill, AnswersInEachOthersBoxesAreRightButOutOfOrder) {
    Open();
    Answer(0, "das Heim");
    Answer(1, "das Haus");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 2u);
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\x9f");
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9d");
    EXPECT_EQ(StoredCount(), " 1");
    // Each box shows its own translation.
    EXPECT_EQ(box(0).GetText(), "das Haus");
}

TEST_F(Drill, WhenTheOrderIsTestedAnswersOutOfOrderAreRecordedWrong) {
    Open(OrderTested);
    Answer(0, "das Heim");
    Answer(1, "das Haus");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 2u);
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9f");
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\x9f");
    EXPECT_EQ(StoredCount(), "  ");
}

TEST_F(Drill, TheSameAnswerTwiceIsRightOnlyInTheFirstBox) {
    Open();
    Answer(0, "das Haus");
    Answer(1, "das Haus");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(box(1).GetWindowFont(), BoldFont.GetHandle());
}

TEST_F(Drill, ANearMissLeavesTheQuestionOpenWithTheBoxSelected) {
    Open();
    Answer(0, "das Haus");
    Answer(1, "das Hiem");
    Press(CM_READY);
    EXPECT_EQ(window().Answering, 1);
    EXPECT_EQ(window().Total, 0u);
    EXPECT_EQ(StoredCount(), "  ");
    EXPECT_EQ(StoredDate(), "        ");
    EXPECT_EQ(GetParent(GetFocus()), box(1).GetHandle());
    uint32_t start = 1, end = 0;
    box(1).GetEditSel(start, end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);
    EXPECT_EQ(box(1).GetText(), "das Hiem");
    // Corrected, the answer is judged.
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_EQ(window().Right, 2u);
}

TEST_F(Drill, WithoutTheInterlaceTestANearMissIsWrong) {
    Open("[Keys]\r\nKeys=1\r\nKey0=0,0,1,1,1,1,1,1,1\r\n");
    Answer(0, "das Haus");
    Answer(1, "das Hiem");
    Press(CM_READY);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(window().Right, 1u);
}

TEST_F(Drill, CheckingOneBoxAtATime) {
    Open();
    Answer(0, "das Haus");
    Press(IDC_FIELD_BUTTON + 0);
    EXPECT_EQ(box(0).Judged, 1);
    EXPECT_FALSE(window().FieldButtons[0]->IsEnabled());
    EXPECT_EQ(window().Answering, 1);
    EXPECT_EQ(GetParent(GetFocus()), box(1).GetHandle());
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9e");
    EXPECT_EQ(StoredDate(), "        ");
    // The last open box closes the question and records it once.
    Answer(1, "das Heim");
    box(1).SetFocus();
    Press(CM_CHECK_FIELD);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(window().Right, 2u);
    EXPECT_EQ(Gadget(IDG_ANSWER), "Answer:\x9d");
    EXPECT_EQ(StoredCount(), " 1");
}

TEST_F(Drill, AnotherBoxsTranslationJudgesThatBoxAndLeavesThisOneOpen) {
    Open();
    Answer(0, "das Heim");
    box(0).AddString("hint");
    Press(IDC_FIELD_BUTTON + 0);
    EXPECT_EQ(box(1).Judged, 1);
    EXPECT_EQ(box(1).GetText(), "das Heim");
    EXPECT_EQ(box(0).Judged, 0);
    EXPECT_EQ(box(0).GetText(), "das Heim");
    EXPECT_EQ(box(0).GetCount(), 0);
    EXPECT_EQ(window().OrderOk, 0);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(window().Answering, 1);
}

TEST_F(Drill, RefuseRevealsTheOpenBoxesAndRecordsTheWordWrong) {
    Open();
    Answer(0, "das Haus");
    Press(IDC_FIELD_BUTTON + 0);
    Press(CM_REFUSE);
    EXPECT_EQ(box(0).GetWindowFont(), NormalFont.GetHandle());
    EXPECT_EQ(box(1).GetWindowFont(), BoldFont.GetHandle());
    EXPECT_EQ(box(1).GetText(), "das Heim");
    EXPECT_EQ(window().Total, 2u);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(Gadget(IDG_ORDER), "Order:\x9f");
    EXPECT_EQ(StoredCount(), "  ");
    EXPECT_NE(StoredDate(), "        ");
}

TEST_F(Drill, ABoxWithoutTranslationTakesNoPart) {
    Open("", "");
    EXPECT_FALSE(box(1).IsVisible());
    Answer(0, "das Haus");
    Press(CM_READY);
    EXPECT_EQ(window().Total, 1u);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(StoredCount(), " 1");
}

TEST_F(Drill, TypingGoesIntoTheFirstBoxShown) {
    table = VocabularyFields(2);
    table.Record({"house", "", "das Heim"});
    scene.Put(table);
    scene.Open();
    scene.Type("das Heim");
    EXPECT_EQ(box(1).GetText(), "das Heim");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_EQ(window().Right, 1u);
    EXPECT_EQ(StoredCount(), " 1");
}

TEST_F(Drill, RateIsRoundedHalfUp) {
    Open();
    struct {
        uint32_t right, total;
        const char* text;
    } rates[] = {{1, 3, "Rate:33%"}, {2, 3, "Rate:67%"}, {1, 8, "Rate:13%"}, {0, 0, "Rate:0%"}};
    for (const auto& rate : rates) {
        window().Right = rate.right;
        window().Total = rate.total;
        window().UpdateStatus(1);
        EXPECT_EQ(Gadget(IDG_RATE), rate.text);
    }
}

TEST_F(Drill, ContinueDoesNothingWhileAQuestionIsOpen) {
    Open();
    Answer(0, "das");
    Press(CM_CONTINUE);
    Press(IDOK);
    EXPECT_EQ(box(0).GetText(), "das");
}

TEST_F(Drill, WhenNoWordIsLeftTheLearnerHasWon) {
    Open("Maximum Count=1\r\n");
    Answer(0, "das Haus");
    Answer(1, "das Heim");
    Press(CM_READY);
    EXPECT_EQ(window().Database->EligibleCount(), 0u);
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

// A whole question by keyboard only, as the learner types it.
TEST_F(Drill, AQuestionByKeyboard) {
    Open();
    scene.Type("das Haus");
    scene.Key(VK_TAB);
    EXPECT_EQ(GetParent(GetFocus()), box(1).GetHandle());
    scene.Type("das Heim");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(Gadget(IDG_RIGHT), "Right:2");
    EXPECT_EQ(StoredCount(), " 1");
    scene.Key(VK_RETURN);
    EXPECT_EQ(window().Answering, 1);
    EXPECT_EQ(GetParent(GetFocus()), box(0).GetHandle());
    scene.Type("das Haus");
    scene.Key(VK_F5); // a hint key on the way
    scene.Char(0x05, Ctrl);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(StoredCount(), " 0");
    EXPECT_EQ(Gadget(IDG_TOTAL), "Total:4");
}

TEST_F(Drill, MnemonicsPressTheDrillButtons) {
    Open();
    Answer(0, "das Haus");
    scene.Char('r', Alt);
    EXPECT_EQ(window().Answering, 0);
    scene.Char('c', Alt);
    EXPECT_EQ(window().Answering, 1);
    scene.Char('e', Alt);
    EXPECT_EQ(window().Answering, 0);
    EXPECT_EQ(window().OrderOk, 0);
}

} // namespace
