#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "framework/system_menu.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"

namespace {

class WindowCommands : public testing::Test {
protected:
    void SetUp() override {
        scene.Put(WordTable({"das Haus"}));
        scene.Open();
        AnswerBox(window(), 0).SetFocus();
    }
    TVocorixDlg& window() { return *scene.window; }

    DrillScene scene;
};

TEST_F(WindowCommands, TheSystemMenuHoldsTheProgramsCommands) {
    TSystemMenu menu(window().GetHandle());
    EXPECT_FALSE(menu.HasItem(SC_SIZE));
    EXPECT_FALSE(menu.HasItem(SC_MAXIMIZE));
    EXPECT_TRUE(menu.HasItem(SC_MOVE));
    EXPECT_EQ(menu.GetItemText(SC_CLOSE), "&Close");
    const int count = GetMenuItemCount(menu.GetHandle());
    ASSERT_GE(count, 6);
    std::vector<UINT> last;
    for (int i = count - 6; i < count; ++i)
        last.push_back(GetMenuItemID(menu.GetHandle(), i));
    EXPECT_EQ(last, (std::vector<UINT>{0, CM_ABOUT, CM_OPTIONS, CM_PROGRESS, CM_LOCK, CM_HELP}));
    EXPECT_EQ(menu.GetItemText(CM_ABOUT), "&About...");
    EXPECT_EQ(menu.GetItemText(CM_OPTIONS), "&Options...");
    EXPECT_EQ(menu.GetItemText(CM_PROGRESS), "&Progress...");
    EXPECT_EQ(menu.GetItemText(CM_LOCK), "&Lock");
    EXPECT_EQ(menu.GetItemText(CM_HELP), "&Help");
}

TEST_F(WindowCommands, LockKeysBlockTheDrillUntilPressedAgain) {
    scene.Char(0x0C, Ctrl);
    EXPECT_TRUE(IsLocked(window()));
    EXPECT_EQ(TSystemMenu(window().GetHandle()).GetItemText(CM_LOCK), "Un&lock");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_TRUE(window().GetDrill().Answering());
    scene.Char('l', Alt);
    EXPECT_FALSE(IsLocked(window()));
    EXPECT_EQ(TSystemMenu(window().GetHandle()).GetItemText(CM_LOCK), "&Lock");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_FALSE(window().GetDrill().Answering());
}

// An open hint list holds the mouse capture; the system-menu keys work all the same.
TEST_F(WindowCommands, SystemMenuKeysWorkWhileAHintListIsOpen) {
    scene.Key(VK_F5);
    ASSERT_NE(GetCapture(), nullptr);
    scene.Char(0x0C, Ctrl);
    EXPECT_TRUE(IsLocked(window()));
    scene.Key(VK_F5);
    ASSERT_NE(GetCapture(), nullptr);
    scene.Char('l', Alt);
    EXPECT_FALSE(IsLocked(window()));
    scene.Key(VK_F5);
    scene.Char(0x01, Ctrl);
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    EXPECT_EQ(scene.messages.boxes[0].caption, "About Vocorix");
}

TEST_F(WindowCommands, AboutKeysShowTheProgramsNameAndVersion) {
    scene.Char(0x01, Ctrl);
    scene.WideChar(L'\u0444', Alt); // Alt + Cyrillic ef
    ASSERT_EQ(scene.messages.boxes.size(), 2u);
    for (const auto& box : scene.messages.boxes) {
        EXPECT_EQ(box.caption, "About Vocorix");
        EXPECT_EQ(box.text.rfind("Vocorix\r\n", 0), 0u);
        EXPECT_NE(box.text.find("\r\nVersion 1.0"), std::string::npos);
        EXPECT_EQ(box.owner, window().GetHandle());
    }
}

TEST_F(WindowCommands, TheBorderMovesTheWindowInsteadOfSizingIt) {
    const RECT outer = window().GetWindowRect();
    const LPARAM leftEdge = MAKELPARAM(outer.left + 1, (outer.top + outer.bottom) / 2);
    const LPARAM bottomRight = MAKELPARAM(outer.right - 1, outer.bottom - 1);
    EXPECT_EQ(window().Send(WM_NCHITTEST, 0, leftEdge), HTCAPTION);
    EXPECT_EQ(window().Send(WM_NCHITTEST, 0, bottomRight), HTCAPTION);
    const RECT client = window().GetClientRect();
    POINT inside{client.right / 2, 5};
    ClientToScreen(window().GetHandle(), &inside);
    EXPECT_EQ(window().Send(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
}

TEST_F(WindowCommands, CloseFromTheSystemMenuEndsTheWindowAndStoresItsPlace) {
    SetWindowPos(window().GetHandle(), nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window().Send(WM_SYSCOMMAND, SC_CLOSE);
    scene.Pump();
    EXPECT_EQ(window().GetHandle(), nullptr);
    EXPECT_NE(ReadFileBytes(scene.ini->Path).find("TopLeft Point=(150,160)"), std::string::npos);
}

} // namespace
