#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "framework/dc.h"
#include "framework/window_placement.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"
#include "tests/win/test_fonts.h"

namespace {

struct Shape {
    uint32_t translations;
    std::vector<std::string> optional;
    int32_t displayHeight;
};

// The table: one record whose translations are all filled, the widest one known.
TableBuilder ShapeTable(const Shape& shape, const std::string& widest) {
    TableBuilder table = VocabularyFields(shape.translations, 30, shape.optional);
    std::vector<std::string> values{"house"};
    for (size_t i = 0; i < shape.optional.size(); ++i)
        values.push_back("extra");
    for (uint32_t i = 0; i < shape.translations; ++i)
        values.push_back(i == 0 ? widest : "Haus");
    table.Record(values);
    return table;
}

int32_t BoldWidth(const std::string& text) {
    TScreenDC dc;
    TSelection font(dc, TestFonts().Bold);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT InParent(const TWindow& window) {
    return window.GetRectInParent();
}

class DrillWindowLayout : public testing::TestWithParam<Shape> {};

TEST_P(DrillWindowLayout, ClientSizeAndControlsFollowTheConstraints) {
    const Shape shape = GetParam();
    const std::string widest = "Wohnungsbaugenossenschaft";
    DrillScene scene;
    scene.Put(ShapeTable(shape, widest));
    TVocorixDlg& window = scene.Open();

    const int32_t h = shape.displayHeight;
    const RECT client = window.GetClientRect();
    const int32_t barHeight = StatusBarOf(window).DesiredHeight();
    // As wide as the translations need, or as the status bar does where that is wider.
    EXPECT_EQ(client.right, std::max(BoldWidth(widest) + 181, StatusBarOf(window).DesiredWidth()));
    EXPECT_EQ(client.bottom, 30 * static_cast<int32_t>(std::max<uint32_t>(shape.translations, 3)) +
                                 h + 35 + barHeight);

    const RECT display = InParent(WordDisplayOf(window));
    EXPECT_EQ(display.left, 20);
    EXPECT_EQ(display.top, 20);
    EXPECT_EQ(display.right, client.right - 20);
    EXPECT_EQ(display.bottom - display.top, h);

    ASSERT_EQ(AnswerBoxCount(window), shape.translations);
    for (uint32_t i = 0; i < shape.translations; ++i) {
        SCOPED_TRACE("translation field " + std::to_string(i));
        const RECT boxRect = InParent(AnswerBox(window, i));
        EXPECT_EQ(boxRect.left, 20);
        EXPECT_EQ(boxRect.top, 20 + h + 5 + 30 * static_cast<int32_t>(i));
        EXPECT_EQ(boxRect.right, client.right - 130);
        // Open, the box reaches 100 pixels down, less what the list's whole lines leave over.
        TVocorixComboBox& open = AnswerBox(window, i);
        open.ShowList(true);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(open.GetHandle(), &info);
        RECT list{};
        GetWindowRect(info.hwndList, &list);
        const int32_t reach = list.bottom - open.GetWindowRect().top;
        EXPECT_LE(reach, 100);
        EXPECT_GT(reach, 100 - static_cast<int32_t>(open.Send(CB_GETITEMHEIGHT, 0)));
        open.ShowList(false);

        const RECT button = InParent(Control(window, IDC_FIELD_BUTTON + i));
        EXPECT_EQ(button.left, boxRect.right + 6);
        EXPECT_EQ(button.top, boxRect.top);
        EXPECT_EQ(button.right - button.left, 18);
        EXPECT_EQ(button.bottom - button.top, 20);
        EXPECT_EQ(Control(window, IDC_FIELD_BUTTON + i).GetText(), "?");
        EXPECT_FALSE(GetWindowLongA(Control(window, IDC_FIELD_BUTTON + i).GetHandle(), GWL_STYLE) &
                     WS_TABSTOP);
    }

    const RECT firstButton = InParent(Control(window, IDC_FIELD_BUTTON + 0));
    int32_t top = 20 + h + 4;
    for (TWindow* button :
         {&Control(window, CM_READY), &Control(window, CM_REFUSE), &Control(window, CM_CONTINUE)}) {
        SCOPED_TRACE(button->GetText());
        const RECT rect = InParent(*button);
        EXPECT_EQ(rect.left, firstButton.right + 20);
        EXPECT_EQ(rect.top, top);
        EXPECT_EQ(rect.right, client.right - 20);
        EXPECT_EQ(rect.bottom - rect.top, 22);
        top += 30;
    }

    // Everything stands above the status bar, which runs along the whole bottom edge.
    const RECT bar = InParent(StatusBarOf(window));
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.top, client.bottom - barHeight);
    EXPECT_LE(InParent(Control(window, CM_CONTINUE)).bottom, bar.top);
}

INSTANTIATE_TEST_SUITE_P(TableShapes, DrillWindowLayout,
                         testing::Values(Shape{1, {}, 20}, Shape{2, {}, 20}, Shape{4, {}, 20},
                                         Shape{2, {"TRANSCRIPT"}, 36}, Shape{2, {"THIRDLANG"}, 36},
                                         Shape{1, {"PART", "TRANSCRIPT", "THIRDLANG"}, 52},
                                         Shape{4, {"PART"}, 20}));

TEST(DrillWindowPlacement, StandsAtTheStoredPositionOrAtTheDefault) {
    for (const std::string& settings :
         {std::string(), std::string("TopLeft Point=(230,170)\r\n")}) {
        DrillScene scene;
        scene.Put(ShapeTable({1, {}, 20}, "Haus"), settings);
        const RECT outer = scene.Open().GetWindowRect();
        const POINT expected = settings.empty() ? POINT{100, 100} : POINT{230, 170};
        EXPECT_EQ(outer.left, expected.x) << settings;
        EXPECT_EQ(outer.top, expected.y) << settings;
    }
}

TEST(DrillWindowPlacement, ClosingStoresThePositionTheWindowWasMovedTo) {
    DrillScene scene;
    scene.Put(ShapeTable({1, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    SetWindowPos(window.GetHandle(), nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    scene.Close();
    const std::string ini = ReadFileBytes(scene.ini->Path);
    EXPECT_NE(ini.find("TopLeft Point=(321,123)"), std::string::npos) << ini;
}

TEST(DrillWindowPlacement, ClosedWhileMinimizedItStoresWhereItWasRestored) {
    DrillScene scene;
    scene.Put(ShapeTable({1, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    SetWindowPos(window.GetHandle(), nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window.GetHandle(), SW_MINIMIZE);
    scene.Pump();
    ASSERT_TRUE(IsIconic(window.GetHandle()));
    scene.Close();
    const std::string ini = ReadFileBytes(scene.ini->Path);
    EXPECT_NE(ini.find("TopLeft Point=(321,123)"), std::string::npos) << ini;
}

// The platform keeps a minimized window's place relative to the work area, which a taskbar
// at the top or left moves away from the monitor's corner.
TEST(DrillWindowPlacement, WorkspaceCoordinatesAreTurnedIntoScreenCoordinates) {
    const POINT screen =
        WorkspaceToScreen({10, 10}, RECT{1024, 0, 2048, 768}, RECT{1084, 0, 2048, 768});
    EXPECT_EQ(screen.x, 70);
    EXPECT_EQ(screen.y, 10);
}

TEST(DrillWindowLook, AttributesAndFonts) {
    DrillScene scene;
    scene.Put(ShapeTable({2, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    EXPECT_EQ(window.GetText(), "Vocorix");
    // The platform adds WS_CLIPSIBLINGS to every top-level window.
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window.GetHandle(), GWL_STYLE));
    EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS) & 0xFFFF0000u, 0x10CE0000u);
    EXPECT_EQ(Control(window, CM_READY).GetText(), "&Ready");
    EXPECT_EQ(Control(window, CM_REFUSE).GetText(), "R&efuse");
    EXPECT_EQ(Control(window, CM_CONTINUE).GetText(), "&Continue");
    for (TWindow* control : {static_cast<TWindow*>(&Control(window, CM_READY)),
                             static_cast<TWindow*>(&Control(window, CM_REFUSE)),
                             static_cast<TWindow*>(&Control(window, CM_CONTINUE)),
                             static_cast<TWindow*>(&Control(window, IDC_FIELD_BUTTON + 0)),
                             static_cast<TWindow*>(&Control(window, IDC_FIELD_BUTTON + 1)),
                             static_cast<TWindow*>(&AnswerBox(window, 0)),
                             static_cast<TWindow*>(&StatusBarOf(window))}) {
        EXPECT_EQ(control->GetWindowFont(), TestFonts().Normal.GetHandle()) << control->GetText();
    }
    // Light grey behind the controls.
    TClientDC dc(window.GetHandle());
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(192, 192, 192));
}

TEST(DrillWindowLook, FontsAreTheProgramsOwn) {
    for (const TFont* font : {&TestFonts().Normal, &TestFonts().Bold}) {
        const LOGFONTW log = font->GetLogFont();
        EXPECT_STREQ(log.lfFaceName, L"Vocorix Font");
        EXPECT_EQ(log.lfHeight, 8);
        EXPECT_EQ(log.lfWidth, 0);
        EXPECT_EQ(log.lfItalic, 0);
        EXPECT_EQ(log.lfUnderline, 0);
        EXPECT_EQ(log.lfStrikeOut, 0);
        EXPECT_EQ(log.lfCharSet, DEFAULT_CHARSET);
    }
    EXPECT_EQ(TestFonts().Normal.GetLogFont().lfWeight, 400);
    EXPECT_EQ(TestFonts().Bold.GetLogFont().lfWeight, 700);
}

TEST(DrillWindowLook, EmptyTranslationHidesItsBoxAndButton) {
    DrillScene scene;
    TableBuilder table = VocabularyFields(3, 20);
    table.Record({"house", "das Haus", "", "das Heim"});
    scene.Put(table);
    TVocorixDlg& window = scene.Open();
    EXPECT_TRUE(AnswerBox(window, 0).IsVisible());
    EXPECT_FALSE(AnswerBox(window, 1).IsVisible());
    EXPECT_FALSE(Control(window, IDC_FIELD_BUTTON + 1).IsVisible());
    EXPECT_FALSE(window.GetDrill().IsActive(1));
    EXPECT_TRUE(AnswerBox(window, 2).IsVisible());
    EXPECT_TRUE(Control(window, IDC_FIELD_BUTTON + 2).IsVisible());
    // The hidden box's place shows the window's grey, not the box.
    const RECT place = AnswerBox(window, 1).GetRectInParent();
    TClientDC dc(window.GetHandle());
    EXPECT_EQ(GetPixel(dc, place.left + 5, place.top + 5), RGB(192, 192, 192));
}

TEST(DrillWindowLook, StatusGadgetsHoldTheirLongestTexts) {
    DrillScene scene;
    scene.Put(ShapeTable({1, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    const wchar_t* longest[] = {L"Right:999", L"Total:999",     L"Rate:100%",
                                L"Count:99",  L"Answer:\u2026", L"Order:\u00D7"};
    const uint32_t chars[] = {5, 5, 5, 5, 5, 4};
    TScreenDC dc;
    TSelection font(dc, TestFonts().Normal);
    int32_t right = 0;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(Utf16ToUtf8(longest[i]));
        const RECT field = StatusBarOf(window).FieldRect(i);
        right += StatusBarOf(window).GadgetWidth(chars[i]);
        EXPECT_EQ(field.right, right);
        SIZE text{};
        GetTextExtentPoint32W(dc, longest[i], static_cast<int>(wcslen(longest[i])), &text);
        EXPECT_GT(field.right - field.left, text.cx + 4);
    }
    EXPECT_LT(StatusBarOf(window).GadgetWidth(4), StatusBarOf(window).GadgetWidth(5));
    EXPECT_EQ(StatusText(window, 113), "Count:0");
}

TEST(DrillWindowLook, TheLastStatusFieldShowsCapsLock) {
    DrillScene scene;
    scene.Put(ShapeTable({1, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    auto capsField = [&] {
        char text[16] = "";
        StatusBarOf(window).Send(SB_GETTEXTA, 6, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE saved = keys[VK_CAPITAL];
    keys[VK_CAPITAL] = 1; // toggled on
    SetKeyboardState(keys);
    scene.Key(VK_SHIFT);
    EXPECT_EQ(capsField(), "CAPS");
    keys[VK_CAPITAL] = 0;
    SetKeyboardState(keys);
    scene.Key(VK_SHIFT);
    EXPECT_EQ(capsField(), "");
    keys[VK_CAPITAL] = saved;
    SetKeyboardState(keys);
}

} // namespace

// No font named "Vocorix Font" here: the marks are symbols that the substitute font draws.
TEST(DrillWindowLook, ResultMarksAreDrawnWithoutTheNamedFont) {
    ASSERT_EQ(InstalledMarkFont(), TMarkFont::Missing) << "this test needs the font absent";
    DrillScene scene;
    scene.Put(ShapeTable({1, {}, 20}, "Haus"));
    TVocorixDlg& window = scene.Open();
    AnswerBox(window, 0).SetText("Haus");
    scene.Key(VK_RETURN, Ctrl);
    EXPECT_EQ(StatusText(window, IDG_ANSWER), "Answer:\u221A");
    EXPECT_EQ(StatusText(window, IDG_ORDER), "Order:\u221A");
    TScreenDC dc;
    TSelection font(dc, StatusBarOf(window).GetWindowFont());
    const wchar_t marks[] = L"\u221A\u2026\u00D7";
    WORD glyphs[3] = {};
    ASSERT_EQ(GetGlyphIndicesW(dc, marks, 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(glyphs[i], 0xFFFF) << "mark " << i << " has no glyph in the bar's font";
}
