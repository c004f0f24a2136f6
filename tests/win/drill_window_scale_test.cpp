#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/vocorix_combo_box.h"
#include "framework/dc.h"
#include "framework/dpi.h"
#include "framework/system_menu.h"
#include "resources/ids.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"
#include "tests/win/screenshot.h"
#include "tests/win/test_fonts.h"

namespace {

const std::string Widest = "Wohnungsbaugenossenschaft";

TableBuilder TwoFieldTable() {
    TableBuilder table = VocabularyFields(2, 30, {});
    table.Record({"house", Widest, "Haus"});
    return table;
}

int32_t Scaled(int32_t pixels, uint32_t percent) {
    return MulDiv(pixels, static_cast<int>(percent), 100);
}

int32_t FontHeight(HFONT font) {
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont.lfHeight;
}

// The width of the widest translation in a bold font of this height, made here.
int32_t BoldWidth(int32_t height) {
    TFont bold("Vocorix Font", height, 0, 0, 0, FW_BOLD);
    TScreenDC dc;
    TSelection font(dc, bold);
    SIZE size{};
    GetTextExtentPoint32A(dc, Widest.c_str(), static_cast<int>(Widest.size()), &size);
    return size.cx;
}

// The window's sizes at this scale (percent of the 96-DPI sizes): the client area fits the
// table, every control's font is as high as the scale makes it.
void ExpectScaledWindow(const TVocorixDlg& window, uint32_t percent) {
    const int32_t height = Scaled(TDrillFonts::DefaultHeight, percent);
    for (const int id : {CM_READY, CM_REFUSE, CM_CONTINUE, IDC_FIELD_BUTTON})
        EXPECT_EQ(FontHeight(Control(window, id).GetWindowFont()), height) << id << " " << percent;
    EXPECT_EQ(FontHeight(AnswerBox(window, 0).GetWindowFont()), height) << percent;
    // The hint list's items are as high as a line of that font.
    EXPECT_NEAR(AnswerBox(window, 0).Send(CB_GETITEMHEIGHT, 0), height, 2) << percent;
    EXPECT_EQ(FontHeight(StatusBarOf(window).GetWindowFont()), height) << percent;

    const RECT client = window.GetClientRect();
    // As wide as the translations need, or as the status bar does where that is wider.
    EXPECT_EQ(client.right, std::max(BoldWidth(height) + Scaled(181, percent),
                                     StatusBarOf(window).DesiredWidth()))
        << percent;
    const RECT bar = StatusBarOf(window).GetRectInParent();
    // Three rows for two fields, the word display without optional fields (20), margins (35).
    EXPECT_EQ(client.bottom - (bar.bottom - bar.top),
              3 * Scaled(30, percent) + Scaled(20, percent) + Scaled(35, percent))
        << percent;
    const RECT ready = Control(window, CM_READY).GetRectInParent();
    EXPECT_EQ(ready.bottom - ready.top, Scaled(22, percent)) << percent;
    EXPECT_EQ(client.right - ready.right, Scaled(20, percent)) << percent;
    const RECT box1 = AnswerBox(window, 1).GetRectInParent();
    const RECT box0 = AnswerBox(window, 0).GetRectInParent();
    EXPECT_EQ(box1.top - box0.top, Scaled(30, percent)) << percent;
}

// The font height of the options dialog's controls, opened with the drill window's key.
int32_t OptionsDialogFontHeight(DrillScene& scene) {
    int32_t height = 0;
    DialogWatch options("Vocorix Options", {[&](HWND dialog) {
                            height = FontHeight(reinterpret_cast<HFONT>(
                                SendDlgItemMessageA(dialog, IDC_FILE_NAME, WM_GETFONT, 0, 0)));
                            ClickButton(dialog, IDCANCEL);
                        }});
    scene.Char(0x0F, Ctrl);
    return height;
}

uint32_t StoredZoom(const DrillScene& scene) {
    return GetPrivateProfileIntA("Database", "Zoom", 0, scene.dir.File("vocorix.INI").c_str());
}

} // namespace

// Run by the test script at 96, 144 and 192 DPI (the Wine prefix's screen): the window opens at
// the screen's DPI; at 96 every size is as it always was.
TEST(DrillWindowDpi, OpensScaledToTheScreen) {
    DrillScene scene;
    scene.Put(TwoFieldTable());
    TVocorixDlg& window = scene.Open();
    const uint32_t dpi = ScreenDpi();
    EXPECT_EQ(window.GetScale().Dpi(), dpi);
    ExpectScaledWindow(window, dpi * 100 / 96);
    if (dpi == 96) {
        EXPECT_EQ(Control(window, CM_READY).GetWindowFont(), TestFonts().Normal.GetHandle());
    }
    // The README's pictures of the window at 100 % and at 200 %.
    SaveScreenshot("drill-window-" + std::to_string(dpi * 100 / 96) + "pct");
    // The dialogs grow with the DPI (their templates' font), and their controls' font with them.
    EXPECT_EQ(OptionsDialogFontHeight(scene), MulDiv(TDrillFonts::DefaultHeight, dpi, 96));
}

// A move to a monitor of another DPI: the window takes the place the system suggests, lays
// itself out for that DPI, and keeps what it shows; back at the first DPI it is as before.
TEST(DrillWindowDpi, FollowsAMoveToAnotherMonitor) {
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "the move starts from a 96-DPI screen";
    DrillScene scene;
    scene.Put(TwoFieldTable());
    TVocorixDlg& window = scene.Open();
    const RECT before = window.GetWindowRect();
    const std::string question = WordDisplayOf(window).GetQuestion();
    AnswerBox(window, 0).SetFocus();
    scene.Type("Woh");

    for (const uint32_t dpi : {144u, 192u}) {
        RECT suggested{300, 200, 300 + 2 * (before.right - before.left),
                       200 + 2 * (before.bottom - before.top)};
        window.Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        scene.Pump();
        EXPECT_EQ(window.GetScale().Dpi(), dpi);
        const RECT now = window.GetWindowRect();
        EXPECT_EQ(now.left, 300);
        EXPECT_EQ(now.top, 200);
        ExpectScaledWindow(window, dpi * 100 / 96);
        EXPECT_EQ(WordDisplayOf(window).GetQuestion(), question);
        EXPECT_EQ(AnswerBox(window, 0).ReadText(), "Woh");
    }

    RECT back = before;
    window.Send(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
    scene.Pump();
    const RECT after = window.GetWindowRect();
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(AnswerBox(window, 0).GetWindowFont(), TestFonts().Normal.GetHandle());
}

// The zoom keys change the window's size in steps of 25 % between 100 % and 300 %, store the
// zoom at once, and keep the question and the typed answer.
TEST(DrillWindowZoom, KeysChangeAndStoreTheZoom) {
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "sizes are checked at 96 DPI";
    DrillScene scene;
    scene.Put(TwoFieldTable());
    TVocorixDlg& window = scene.Open();
    const std::string question = WordDisplayOf(window).GetQuestion();
    AnswerBox(window, 0).SetFocus();
    scene.Type("Woh");

    scene.Key(VK_OEM_PLUS, Ctrl);
    EXPECT_EQ(window.GetScale().Zoom(), 125u);
    EXPECT_EQ(StoredZoom(scene), 125u);
    ExpectScaledWindow(window, 125);
    scene.Key(VK_OEM_PLUS, Ctrl | Shift);
    scene.Key(VK_ADD, Ctrl);
    EXPECT_EQ(StoredZoom(scene), 175u);
    for (int i = 0; i < 8; ++i)
        scene.Key(VK_ADD, Ctrl);
    EXPECT_EQ(window.GetScale().Zoom(), 300u);
    ExpectScaledWindow(window, 300);
    // The zoom is the drill window's: the dialogs keep their size.
    EXPECT_EQ(OptionsDialogFontHeight(scene), TDrillFonts::DefaultHeight);
    // At the limit the menu offers no larger text.
    EXPECT_TRUE(
        GetMenuState(TSystemMenu(window.GetHandle()).GetHandle(), CM_ZOOM_IN, MF_BYCOMMAND) &
        MF_GRAYED);
    scene.Key(VK_OEM_MINUS, Ctrl);
    EXPECT_EQ(StoredZoom(scene), 275u);
    scene.Key(VK_SUBTRACT, Ctrl);
    EXPECT_EQ(StoredZoom(scene), 250u);
    scene.Key('0', Ctrl);
    EXPECT_EQ(StoredZoom(scene), 100u);
    ExpectScaledWindow(window, 100);
    EXPECT_EQ(AnswerBox(window, 0).GetWindowFont(), TestFonts().Normal.GetHandle());

    // The system menu's items.
    TSystemMenu menu(window.GetHandle());
    EXPECT_EQ(menu.GetItemText(CM_ZOOM_IN), "Larger Text");
    EXPECT_EQ(menu.GetItemText(CM_ZOOM_OUT), "Smaller Text");
    window.Send(WM_SYSCOMMAND, CM_ZOOM_IN);
    EXPECT_EQ(StoredZoom(scene), 125u);
    window.Send(WM_SYSCOMMAND, CM_ZOOM_OUT);
    EXPECT_EQ(StoredZoom(scene), 100u);

    EXPECT_EQ(WordDisplayOf(window).GetQuestion(), question);
    EXPECT_EQ(AnswerBox(window, 0).ReadText(), "Woh");
}

TEST(DrillWindowZoom, StoredZoomIsUsedAtStartOrTakenAsNormal) {
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "sizes are checked at 96 DPI";
    const struct {
        const char* line;
        uint32_t zoom;
    } cases[] = {{"Zoom=150\r\n", 150},
                 {"Zoom=400\r\n", 100},
                 {"Zoom=75\r\n", 100},
                 {"Zoom=big\r\n", 100},
                 {"", 100}};
    for (const auto& c : cases) {
        DrillScene scene;
        scene.Put(TwoFieldTable(), c.line);
        TVocorixDlg& window = scene.Open();
        EXPECT_EQ(window.GetScale().Zoom(), c.zoom) << c.line;
        ExpectScaledWindow(window, c.zoom);
    }
}

// A table of short words gives a window narrower than its status bar would need: the window is
// as wide as the bar, at every zoom, so that no field is cut off at the right edge.
TEST(DrillWindowZoom, EveryStatusFieldFitsAtEveryZoom) {
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "at 300 % of a larger DPI the window outgrows the test's screen";
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    TVocorixDlg& window = scene.Open();
    for (uint32_t zoom = 100; zoom <= 300; zoom += 25) {
        EXPECT_EQ(window.GetScale().Zoom(), zoom);
        const RECT client = window.GetClientRect();
        TStatusBar& bar = StatusBarOf(window);
        EXPECT_EQ(client.right, bar.DesiredWidth()) << zoom;
        const RECT barRect = bar.GetRectInParent();
        EXPECT_EQ(barRect.right, client.right) << zoom;
        // The six gadgets and the Caps Lock field.
        for (int field = 0; field < 7; ++field)
            EXPECT_LE(bar.FieldRect(field).right, client.right) << zoom << " " << field;
        scene.Key(VK_OEM_PLUS, Ctrl);
    }
}
