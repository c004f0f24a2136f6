#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "framework/instance.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"

namespace {

// The accelerator table of a resource as the program's loader builds it.
std::vector<ACCEL> TableEntries(uint32_t id) {
    TAccelerators table(ModuleInstance(), id);
    const int count = CopyAcceleratorTableW(table.GetHandle(), nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    CopyAcceleratorTableW(table.GetHandle(), entries.data(), count);
    return entries;
}

using Row = std::tuple<int, int, int>; // flags (without FNOINVERT), key, command

std::set<Row> Rows(uint32_t id) {
    std::set<Row> rows;
    for (const ACCEL& entry : TableEntries(id))
        rows.insert({entry.fVirt & ~FNOINVERT, entry.key, entry.cmd});
    return rows;
}

TEST(KeyboardTables, DrillTableHoldsExactlyItsRows) {
    const int V = FVIRTKEY;
    const std::set<Row> expected{
        {V, VK_F1, CM_HELP},
        {FALT, '/', CM_CHECK_FIELD},
        {V | FCONTROL, 0xBF, CM_CHECK_FIELD},
        {V | FCONTROL, VK_RETURN, CM_READY},
        {V | FALT, VK_RETURN, CM_READY},
        {V, VK_RETURN, CM_CONTINUE},
        {0, 0x12, CM_READY},
        {FALT, 0x043A, CM_READY}, // к
        {0, 0x05, CM_REFUSE},
        {FALT, 0x0443, CM_REFUSE},   // у
        {FALT, 0x0441, CM_CONTINUE}, // с
        {0, 0x0F, CM_OPTIONS},
        {FALT, 'o', CM_OPTIONS},
        {FALT, 0x0449, CM_OPTIONS}, // щ
        {0, 0x01, CM_ABOUT},
        {FALT, 'a', CM_ABOUT},
        {FALT, 0x0444, CM_ABOUT}, // ф
        {0, 0x0C, CM_LOCK},
        {FALT, 'l', CM_LOCK},
        {FALT, 0x0434, CM_LOCK}, // д
        {0, 0x10, CM_PROGRESS},
        {FALT, 'p', CM_PROGRESS},
        {FALT, 0x0437, CM_PROGRESS}, // з
        {V | FCONTROL, VK_OEM_PLUS, CM_ZOOM_IN},
        {V | FCONTROL | FSHIFT, VK_OEM_PLUS, CM_ZOOM_IN},
        {V | FCONTROL, VK_ADD, CM_ZOOM_IN},
        {V | FCONTROL, VK_OEM_MINUS, CM_ZOOM_OUT},
        {V | FCONTROL, VK_SUBTRACT, CM_ZOOM_OUT},
        {V | FCONTROL, '0', CM_ZOOM_RESET},
        {V | FCONTROL, VK_NUMPAD0, CM_ZOOM_RESET},
    };
    // Character keys are the UTF-16 of the characters: the Cyrillic letters of Windows-1251 on
    // every system.
    EXPECT_EQ(Rows(IDA_DRILL), expected);
    EXPECT_EQ(TableEntries(IDA_DRILL).size(), expected.size());
}

TEST(KeyboardTables, ProgressWindowTableHoldsExactlyItsRows) {
    const std::set<Row> expected{{0, 0x03, CM_PROGRESS_COPY},
                                 {FVIRTKEY | FCONTROL, VK_INSERT, CM_PROGRESS_COPY}};
    EXPECT_EQ(Rows(IDA_PROGRESS), expected);
    EXPECT_EQ(TableEntries(IDA_PROGRESS).size(), expected.size());
}

TEST(KeyboardTables, AnswerBoxTableHoldsExactlyItsRows) {
    const int V = FVIRTKEY;
    const std::set<Row> expected{
        {V, VK_F2, CM_STARTING_WORD},       {V, VK_F3, CM_CONTIGUOUS_WORD},
        {V, VK_F4, CM_TOGGLE_HINTS},        {V, VK_F5, CM_STARTING_CHARS},
        {V, VK_F6, CM_CONTIGUOUS_CHARS},    {V, VK_F7, CM_INTERLACING_CHARS},
        {V, VK_F8, CM_INTERLACING_PHRASES}, {V, VK_F9, CM_WILDCARD_MATCHES},
        {V, VK_DOWN, CM_NEXT_HINT},         {V | FCONTROL, VK_DELETE, CM_CLEAR_HINTS},
    };
    EXPECT_EQ(Rows(IDA_ANSWER_BOX), expected);
}

// The drill keys pressed in answer box 0, through the message loop.
class DrillKeys : public testing::Test {
protected:
    void SetUp() override {
        TableBuilder table = VocabularyFields(2);
        table.Record({"house", "das Haus", "das Heim"});
        table.Record({"tree", "der Baum", "der Stamm"});
        scene.Put(table);
        scene.Open();
        AnswerBox(window(), 0).SetFocus();
    }
    TVocorixDlg& window() { return *scene.window; }
    // The question is closed: the boxes show their translations.
    bool Judged() { return !window().GetDrill().Answering(); }

    DrillScene scene;
};

TEST_F(DrillKeys, ReadyKeysCloseTheQuestion) {
    const std::vector<std::pair<const char*, std::function<void()>>> presses{
        {"Ctrl+Enter", [&] { scene.Key(VK_RETURN, Ctrl); }},
        {"Alt+Enter", [&] { scene.Key(VK_RETURN, Alt); }},
        {"Ctrl+R", [&] { scene.Char(0x12, Ctrl); }},
        {"Alt+Cyrillic ka", [&] { scene.WideChar(L'\u043A', Alt); }},
    };
    for (const auto& [name, press] : presses) {
        SCOPED_TRACE(name);
        const uint32_t total = window().GetDrill().Total();
        ASSERT_TRUE(window().GetDrill().Answering());
        press();
        EXPECT_TRUE(Judged());
        EXPECT_EQ(window().GetDrill().Total(), total + 2);
        EXPECT_EQ(AnswerBox(window(), 0).GetText(), window().GetDatabase().Translation(0));
        scene.Key(VK_RETURN); // Continue
        EXPECT_TRUE(window().GetDrill().Answering());
        AnswerBox(window(), 0).SetFocus();
    }
}

TEST_F(DrillKeys, RefuseKeysRevealTheAnswers) {
    for (auto press : {std::function<void()>([&] { scene.Char(0x05, Ctrl); }),
                       std::function<void()>([&] { scene.WideChar(L'\u0443', Alt); })}) {
        ASSERT_TRUE(window().GetDrill().Answering());
        press();
        EXPECT_TRUE(Judged());
        EXPECT_FALSE(window().GetDrill().OrderOk());
        EXPECT_EQ(AnswerBox(window(), 1).GetText(), window().GetDatabase().Translation(1));
        scene.WideChar(L'\u0441', Alt); // Continue by its Cyrillic key
        EXPECT_TRUE(window().GetDrill().Answering());
        AnswerBox(window(), 0).SetFocus();
    }
}

TEST_F(DrillKeys, EnterContinuesOnlyOnceTheQuestionIsClosed) {
    scene.Type("x");
    scene.Key(VK_RETURN);
    EXPECT_TRUE(window().GetDrill().Answering());
    EXPECT_EQ(AnswerBox(window(), 0).GetText(), "x");
}

TEST_F(DrillKeys, CheckKeysJudgeTheFocusedBox) {
    AnswerBox(window(), 1).SetFocus();
    scene.Key(0xBF, Ctrl); // Ctrl + the slash and question mark key
    EXPECT_TRUE(window().GetDrill().IsJudged(1));
    EXPECT_FALSE(window().GetDrill().IsJudged(0));
    scene.Char('/', Alt);
    EXPECT_TRUE(window().GetDrill().IsJudged(0));
    EXPECT_TRUE(Judged());
}

TEST_F(DrillKeys, EscapeDoesNothing) {
    scene.Type("das");
    scene.Key(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window().GetHandle()));
    EXPECT_TRUE(window().GetDrill().Answering());
    EXPECT_EQ(AnswerBox(window(), 0).GetText(), "das");
}

TEST_F(DrillKeys, WhileLockedNoCommandReachesItsHandler) {
    ToggleLock(window());
    ASSERT_TRUE(IsLocked(window()));
    scene.Key(VK_RETURN, Ctrl);
    scene.Char(0x05, Ctrl);
    Control(window(), CM_READY).Send(BM_CLICK);
    scene.Pump();
    window().Send(WM_COMMAND, CM_REFUSE);
    window().Send(WM_COMMAND, IDC_FIELD_BUTTON);
    EXPECT_TRUE(window().GetDrill().Answering());
    EXPECT_EQ(window().GetDrill().Total(), 0u);
    EXPECT_FALSE(window().GetDrill().IsJudged(0));
    ToggleLock(window());
    ASSERT_FALSE(IsLocked(window()));
    Control(window(), CM_READY).Send(BM_CLICK);
    scene.Pump();
    EXPECT_TRUE(Judged());
}

// The lock blocks the drill's commands only: the boxes still hear from their own controls.
TEST_F(DrillKeys, WhileLockedTheBoxesWorkAsUsual) {
    ToggleLock(window());
    ASSERT_TRUE(IsLocked(window()));
    TVocorixComboBox& box = AnswerBox(window(), 0);
    scene.Key(VK_F5);
    EXPECT_GT(box.GetCount(), 0);
    // Typing empties the hint list, so that Down fills it anew instead of taking a hint.
    scene.Type("x");
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_EQ(box.GetCount(), 0);
    scene.Key(VK_DOWN);
    EXPECT_NE(box.GetText().find('x'), std::string::npos) << box.GetText();
}

} // namespace
