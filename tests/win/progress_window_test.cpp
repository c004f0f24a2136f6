#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/progress_window.h"
#include "app/vocorix_combo_box.h"
#include "framework/dpi.h"
#include "platform/clock.h"
#include "platform/date.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/support/table_tool_run.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"
#include "tests/win/screenshot.h"

namespace {

// Words at several COUNT levels, new and answered wrong, resting under two age ranges (one
// of them longer than the window looks ahead), learnt and deleted; today is 10 March 2024.
TableBuilder ProgressTable() {
    TableBuilder table = VocabularyFields(1);
    table.Record({"new", "neu"})
        .Record({"other", "ander"})
        .Record({"wrong", "falsch", "20240309", " 0"})
        .Record({"one", "eins", "20240309", " 1"})
        .Record({"again", "wieder", "20240310", " 1"})
        .Record({"two", "zwei", "20240301", " 2"})
        .Record({"three", "drei", "20240301", " 3"})
        .Record({"late", "spaet", "20240309", " 3"})
        .Record({"done", "fertig", "20240101", " 4"})
        .Record({"gone", "weg", "20240310", " 1"}, '*');
    return table;
}

const char ProgressSettings[] = "Maximum Count=4\r\n[Ages]\r\nAges=2\r\nAge0=1:2\r\nAge1=3:40\r\n";

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(the clipboard could not be opened)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf16ToUtf8(text);
}

// The scene holds Ctrl or Alt while the key that opened the window is handled; the keys pressed
// in the window are pressed without them.
void ReleaseModifiers() {
    BYTE state[256];
    GetKeyboardState(state);
    for (int key : {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU, VK_SHIFT, VK_LSHIFT})
        state[key] = 0;
    SetKeyboardState(state);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string LineStarting(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0)
            return line;
    return "(no line starting \"" + start + "\")";
}

// The figures either text gives: words by COUNT, new and wrong ones, and dates with words.
struct Figures {
    std::vector<uint32_t> byCount;
    std::string zeroParts;
    std::map<std::string, uint32_t> comeDue;
};

// The figures in lines of one of the two forms: a level's line gives its COUNT's words in its
// second group and COUNT 0's parts in its third; a day's line its date and words.
Figures ReadFigures(const std::vector<std::string>& lines, const std::regex& level,
                    const std::regex& day) {
    Figures figures;
    std::smatch match;
    for (const std::string& line : lines) {
        if (std::regex_match(line, match, level)) {
            figures.byCount.push_back(static_cast<uint32_t>(std::stoul(match[2])));
            if (match[3].matched)
                figures.zeroParts = match[3];
        } else if (std::regex_match(line, match, day)) {
            figures.comeDue[match[1]] = static_cast<uint32_t>(std::stoul(match[2]));
        }
    }
    return figures;
}

Figures WindowFigures(const std::vector<std::string>& lines) {
    return ReadFigures(
        lines, std::regex(R"(^COUNT (\d+): (\d+) words?(?: (\(\d+ new, \d+ answered wrong\)))?$)"),
        std::regex(R"(^(\d{4}-\d\d-\d\d) \(\w{3}\): (\d+) words?$)"));
}

Figures CheckFigures(const std::vector<std::string>& lines) {
    return ReadFigures(
        lines, std::regex(R"(^ +(\d+) +(\d+)(?: #+)?(?:  (\(\d+ new, \d+ answered wrong\)))?$)"),
        std::regex(R"(^  (\d{4}-\d\d-\d\d)  (\d+) words?$)"));
}

class ProgressWindowScene : public testing::Test {
protected:
    void SetUp() override {
        SetTodayClock([] { return LocalDate{10, 3, 2024}; });
        scene.Put(ProgressTable(), ProgressSettings);
        scene.Open();
        AnswerBox(window(), 0).SetFocus();
        scene.Type("Woh");
        question = WordDisplayOf(window()).GetQuestion();
    }
    TVocorixDlg& window() { return *scene.window; }

    // Opens the window with `open`, reads what it shows and closes it with `close`; returns the
    // figures' text, after checking that Ctrl+C copies the same.
    std::string ReadProgress(const std::function<void()>& open,
                             const std::function<void(HWND)>& close) {
        std::string shown;
        bool ownerDisabled = false;
        DialogWatch watch("Progress",
                          {[&](HWND progress) {
                               ReleaseModifiers();
                               ownerDisabled = !IsWindowEnabled(window().GetHandle());
                               HWND figures = GetDlgItem(progress, IDC_PROGRESS_FIGURES);
                               EXPECT_EQ(GetFocus(), figures) << "the figures take the focus";
                               shown = WindowText(figures);
                               EmptyClipboardForTest();
                               PostMessageW(figures, WM_CHAR, 0x03, 1); // Ctrl+C
                           },
                           [&](HWND progress) {
                               EXPECT_EQ(Utf16ToUtf8(ClipboardText()), shown);
                               close(progress);
                           }},
                          "VocorixWindow");
        open();
        EXPECT_EQ(watch.Played(), 2u);
        EXPECT_TRUE(ownerDisabled) << "modal to the drill window";
        EXPECT_EQ(FindWindowA("VocorixWindow", "Progress"), nullptr) << "closed";
        // The drill is as it was.
        EXPECT_TRUE(IsWindowEnabled(window().GetHandle()));
        EXPECT_EQ(WordDisplayOf(window()).GetQuestion(), question);
        EXPECT_EQ(AnswerBox(window(), 0).ReadText(), "Woh");
        EXPECT_TRUE(window().GetDrill().Answering());
        return shown;
    }

    static void EmptyClipboardForTest() {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }

    ScopedClocks clocks;
    DrillScene scene;
    std::string question;
};

void PressInWindow(UINT key) {
    PressKey(GetFocus(), key);
}

TEST_F(ProgressWindowScene, OpensFromKeysAndMenuAlsoLockedAndShowsTheFiguresOfCheck) {
    const std::string table = ReadFileBytes(scene.tablePath);
    // Ctrl+P, closed with Escape.
    const std::string text =
        ReadProgress([&] { scene.Char(0x10, Ctrl); }, [](HWND) { PressInWindow(VK_ESCAPE); });
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 2u) << text;
    EXPECT_EQ(lines[0], "words.dbf: 9 words");

    // The same figures as vocorix-table check, given the same table and settings.
    const ToolRun check =
        RunTool({"check", scene.tablePath, "--settings", scene.dir.File("vocorix.INI")});
    ASSERT_EQ(check.status, 0) << check.err;
    const std::vector<std::string> report = Lines(check.out);
    EXPECT_EQ(LineStarting(report, "  10 records"), "  10 records, 1 deleted") << check.out;
    EXPECT_EQ(LineStarting(lines, "Today, "), LineStarting(report, "Today, "));
    EXPECT_EQ(LineStarting(lines, "Today, "), "Today, 2024-03-10: 4 words to drill, 4 resting");
    EXPECT_EQ(LineStarting(lines, "Learnt "), LineStarting(report, "Learnt "));
    const Figures shown = WindowFigures(lines);
    const Figures checked = CheckFigures(report);
    EXPECT_EQ(shown.byCount, (std::vector<uint32_t>{3, 2, 1, 2}));
    EXPECT_EQ(shown.byCount, checked.byCount);
    EXPECT_EQ(shown.zeroParts, "(2 new, 1 answered wrong)");
    EXPECT_EQ(shown.zeroParts, checked.zeroParts);
    // Check lists every date; the window the next 30 days, and the later words apart.
    std::map<std::string, uint32_t> soon = checked.comeDue;
    soon.erase(soon.upper_bound("2024-04-09"), soon.end());
    EXPECT_EQ(shown.comeDue, soon);
    EXPECT_EQ(shown.comeDue,
              (std::map<std::string, uint32_t>{{"2024-03-11", 1}, {"2024-03-12", 1}}));
    EXPECT_EQ(checked.comeDue.size(), 4u) << check.out;
    EXPECT_EQ(LineStarting(lines, "Later: "), "Later: 2 words");

    // Alt+P and the system menu, also while the drill is locked; Enter and the Close button.
    EXPECT_EQ(ReadProgress([&] { scene.Char('p', Alt); }, [](HWND) { PressInWindow(VK_RETURN); }),
              text);
    // Alt with the Cyrillic letter on the P key.
    EXPECT_EQ(ReadProgress([&] { scene.WideChar(L'\u0437', Alt); },
                           [](HWND) { PressInWindow(VK_ESCAPE); }),
              text);
    ToggleLock(window());
    ASSERT_TRUE(IsLocked(window()));
    EXPECT_EQ(ReadProgress([&] { scene.Char(0x10, Ctrl); },
                           [](HWND progress) { ClickButton(progress, IDOK); }),
              text);
    EXPECT_EQ(ReadProgress([&] { window().Send(WM_SYSCOMMAND, CM_PROGRESS); },
                           [](HWND progress) { PostMessageW(progress, WM_CLOSE, 0, 0); }),
              text);
    EXPECT_EQ(ReadFileBytes(scene.tablePath), table) << "the window writes nothing";
}

// Run by the test script at 96, 144 and 192 DPI: the window opens at the drill window's DPI and
// zoom, in its fonts, and follows a move to a monitor of another DPI.
TEST(ProgressWindowDpi, OpensAtTheDrillWindowsScale) {
    ScopedClocks clocks;
    SetTodayClock([] { return LocalDate{10, 3, 2024}; });
    const uint32_t dpi = ScreenDpi();
    for (const uint32_t zoom : {100u, 150u}) {
        DrillScene scene;
        scene.Put(ProgressTable(), "Zoom=" + std::to_string(zoom) + "\r\n" + ProgressSettings);
        TVocorixDlg& window = scene.Open();
        const TDrillScale scale(dpi, zoom);
        ASSERT_EQ(window.GetScale(), scale);
        DialogWatch watch(
            "Progress",
            {[&](HWND progress) {
                 ReleaseModifiers();
                 const auto* shown = dynamic_cast<TProgressWindow*>(TWindow::FromHandle(progress));
                 ASSERT_NE(shown, nullptr);
                 EXPECT_EQ(shown->GetScale(), scale);
                 HWND close = GetDlgItem(progress, IDOK);
                 LOGFONTW font{};
                 GetObjectW(reinterpret_cast<HFONT>(SendMessageW(close, WM_GETFONT, 0, 0)),
                            sizeof font, &font);
                 EXPECT_EQ(font.lfHeight, scale(TDrillFonts::DefaultHeight)) << zoom;
                 RECT button{};
                 GetWindowRect(close, &button);
                 EXPECT_EQ(button.bottom - button.top, scale(22)) << zoom;
                 // Over the drill window, on the screen.
                 RECT place{};
                 GetWindowRect(progress, &place);
                 const RECT drill = window.GetWindowRect();
                 EXPECT_GE(place.left, 0);
                 EXPECT_GE(place.top, 0);
                 // Centred over it where the screen has room.
                 const int32_t width = place.right - place.left;
                 if (width / 2 <= (drill.left + drill.right) / 2) {
                     EXPECT_LE(std::abs((place.left + place.right) - (drill.left + drill.right)), 1)
                         << zoom;
                 }
                 if (zoom == 100)
                     SaveScreenshot("progress-window-" + std::to_string(dpi * 100 / 96) + "pct");
             },
             [&](HWND progress) {
                 // A move to a monitor of twice the DPI.
                 RECT suggested{50, 40, 450, 640};
                 SendMessageW(progress, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                              reinterpret_cast<LPARAM>(&suggested));
                 RECT place{};
                 GetWindowRect(progress, &place);
                 EXPECT_EQ(place.left, 50);
                 EXPECT_EQ(place.top, 40);
                 RECT button{};
                 GetWindowRect(GetDlgItem(progress, IDOK), &button);
                 EXPECT_EQ(button.bottom - button.top, TDrillScale(2 * dpi, zoom)(22)) << zoom;
                 PressInWindow(VK_ESCAPE);
             }},
            "VocorixWindow");
        scene.Char(0x10, Ctrl);
        EXPECT_EQ(watch.Played(), 2u);
    }
}

} // namespace
