#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "answer/vocorix_combo_box.h"
#include "framework/application.h"
#include "platform/xmsg.h"
#include "tests/win/drill_scene.h"

namespace {

// The program's start on a scene's settings file.
class SceneApp : public TApplication {
public:
    explicit SceneApp(TIniFile& ini) : ini_(ini) {}

protected:
    void InitMainWindow() override { SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, ini_)); }

private:
    TIniFile& ini_;
};

TEST(DrillStartUp, ATableThatCannotBeOpenedEndsTheProgramAfterItsMessage) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    DeleteFileA(scene.tablePath.c_str());
    SceneApp app(*scene.ini);
    EXPECT_EQ(app.Run(), -1);
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
    EXPECT_STREQ(window.WordDisplay.GetQuestion(), "Translate the noun house");
    EXPECT_TRUE(window.Drill.Answering());
    EXPECT_FALSE(window.ContinueButton.IsEnabled());
    EXPECT_TRUE(window.ReadyButton.IsEnabled());
    EXPECT_EQ(GetParent(GetFocus()), window.AnswerBoxes[0]->GetHandle());
}

// Duplicate removal runs in idle time, one word per idle call, once the user has been idle
// for more than 5000 calls.
TEST(DrillIdleTime, DuplicatesGoOneWordPerCallAfterFiveThousandIdleCalls) {
    DrillScene scene;
    scene.Put(WordTable({"Haus", "Baum", "Haus", "Haus", "Baum", "Tisch"}));
    TVocorixDlg& window = scene.Open();
    const TWordList& words = window.Database->Words();
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
