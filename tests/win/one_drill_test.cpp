#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/support/table_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/win/drill_scene.h"

// The program itself, started as the learner starts it: twice on one table, on two tables, and
// ended abruptly in the middle of a drill.

namespace {

// vocorix.exe copied into a test's folder, where its settings file is the test's.
std::string ProgramIn(const TempDir& dir, const std::string& settings) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path built =
        std::filesystem::path(self).parent_path().parent_path() / "app" / "vocorix.exe";
    const std::string program = dir.File("vocorix.exe");
    std::filesystem::copy_file(built, PathOf(program));
    WriteFileBytes(dir.File("vocorix.INI"), settings);
    return program;
}

// One run of the program, started in `folder` with `argument` (a file) on its command line;
// ended abruptly if it still runs when the test is over.
class Started {
public:
    Started(const std::string& program, const std::string& folder,
            const std::string& argument = "") {
        std::wstring command = L"\"" + Utf8ToUtf16(program) + L"\"";
        if (!argument.empty())
            command += L" \"" + Utf8ToUtf16(argument) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ =
            CreateProcessW(Utf8ToUtf16(program).c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, Utf8ToUtf16(folder).c_str(), &startup, &process_) != 0;
        EXPECT_TRUE(started_) << program;
    }
    ~Started() {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            Kill();
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // Its exit code once it has ended within the time; STILL_ACTIVE while it runs.
    DWORD End(DWORD milliseconds = 20000) const {
        DWORD code = STILL_ACTIVE;
        if (started_ && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    // The end a power cut or the task manager gives: no handler runs.
    void Kill() const {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 20000);
    }

    // Its visible top-level window of this class, once there: the drill window ("VocorixWindow")
    // with a question asked, or a message box ("#32770"). Null after the time.
    HWND Window(const wchar_t* windowClass, DWORD milliseconds = 20000) const {
        for (DWORD waited = 0; started_ && waited < milliseconds; waited += 50) {
            // Once it has done what showing the window started.
            if (const HWND found = Find(windowClass)) {
                WaitForInputIdle(process_.hProcess, milliseconds);
                return found;
            }
            Sleep(50);
        }
        return nullptr;
    }

private:
    HWND Find(const wchar_t* windowClass) const {
        struct Search {
            DWORD process;
            const wchar_t* windowClass;
            HWND found = nullptr;
        } search{process_.dwProcessId, windowClass};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& search = *reinterpret_cast<Search*>(data);
                DWORD process = 0;
                wchar_t name[64] = L"";
                GetWindowThreadProcessId(window, &process);
                GetClassNameW(window, name, 64);
                const HWND ready = GetDlgItem(window, CM_READY);
                const bool asking = std::wstring(name) != L"VocorixWindow" ||
                                    (ready != nullptr && IsWindowEnabled(ready));
                if (process != search.process || std::wstring(name) != search.windowClass ||
                    !IsWindowVisible(window) || !asking)
                    return TRUE;
                search.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

// A message box's text, read across processes.
std::string BoxText(HWND box) {
    wchar_t text[1024] = L"";
    SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return Utf16ToUtf8(text);
}

std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[9];
    std::snprintf(date, sizeof date, "%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
    return date;
}

} // namespace

TEST(OneDrill, ASecondStartOnTheTableHandsOverToTheDrillAndAnotherTableGetsADrillOfItsOwn) {
    TempDir dir;
    WriteFileBytes(dir.File("words.dbf"), WordTable({"Haus", "Baum"}).Bytes());
    WriteFileBytes(dir.File("other.dbf"), WordTable({"Hund"}).Bytes());
    // Relative: taken from the folder each start is started in.
    const std::string program = ProgramIn(dir, "[Database]\r\nFile Name=words.dbf\r\n");

    Started first(program, Utf8Path(dir.Path()));
    const HWND drill = first.Window(L"VocorixWindow");
    ASSERT_NE(drill, nullptr);
    ShowWindow(drill, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(drill));

    {
        Started again(program, Utf8Path(dir.Path()));
        EXPECT_EQ(again.End(), 0u) << "the second start ends";
    }
    EXPECT_FALSE(IsIconic(drill)) << "the drill is restored";
    EXPECT_EQ(GetForegroundWindow(), drill);

    // The table's word list, given to a start, is taken by the drill as a drop.
    const std::string list = dir.File("words.csv");
    WriteFileBytes(list, "word,trans1\nw0,Haus\nw1,Baum\nw2,Katze\n");
    {
        Started withList(program, Utf8Path(dir.Path()), list);
        EXPECT_EQ(withList.End(), 0u);
    }
    const HWND report = first.Window(L"#32770");
    ASSERT_NE(report, nullptr) << "the drill reports the update";
    EXPECT_NE(BoxText(report).find("1 new"), std::string::npos) << BoxText(report);
    PostMessageW(report, WM_COMMAND, IDOK, 0);
    EXPECT_NE(ReadFileBytes(dir.File("words.dbf")).find("Katze"), std::string::npos);

    // Another table: a drill of its own, beside the first.
    {
        Started other(program, Utf8Path(dir.Path()), dir.File("other.dbf"));
        const HWND second = other.Window(L"VocorixWindow");
        ASSERT_NE(second, nullptr);
        EXPECT_NE(second, drill);
        PostMessageW(second, WM_CLOSE, 0, 0);
        EXPECT_EQ(other.End(), 0u);
    }
    ASSERT_EQ(first.End(0), STILL_ACTIVE);
    PostMessageW(drill, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.End(), 0u);
}

TEST(OneDrill, AProgramEndedAbruptlyLosesAtMostTheQuestionAsked) {
    TempDir dir;
    // Every word has the same translation, and one right answer retires a word: each answer
    // writes a record of its own, whichever is asked.
    const std::string original = WordTable({"x", "x", "x", "x", "x", "x"}).Bytes();
    WriteFileBytes(dir.File("words.dbf"), original);
    const std::string program =
        ProgramIn(dir, "[Database]\r\nMaximum Count=1\r\nFile Name=words.dbf\r\n");

    Started drill(program, Utf8Path(dir.Path()));
    const HWND window = drill.Window(L"VocorixWindow");
    ASSERT_NE(window, nullptr);
    const int answers = 3;
    for (int i = 0; i < answers; ++i) {
        SendMessageW(GetDlgItem(window, IDC_ANSWER_BOX), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"x"));
        SendMessageW(window, WM_COMMAND, CM_READY, 0);
        SendMessageW(window, WM_COMMAND, CM_CONTINUE, 0);
    }
    // The next question asked, its answer typed but not given.
    SendMessageW(GetDlgItem(window, IDC_ANSWER_BOX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
    drill.Kill();

    const std::string table = ReadFileBytes(dir.File("words.dbf"));
    ASSERT_EQ(table.size(), original.size());
    const TableBuilder layout = WordTable({});
    const size_t records = 6, length = layout.RecordBytes();
    const size_t statistics = length - 10;
    EXPECT_EQ(table.substr(0, layout.HeaderBytes()), original.substr(0, layout.HeaderBytes()));
    int answered = 0;
    for (size_t r = 0; r < records; ++r) {
        const size_t at = layout.RecordOffset(static_cast<uint32_t>(r));
        EXPECT_EQ(table.substr(at, statistics), original.substr(at, statistics)) << r;
        const std::string written = table.substr(at + statistics, 10);
        if (written == original.substr(at + statistics, 10))
            continue;
        EXPECT_EQ(written, Today() + " 1") << r;
        ++answered;
    }
    EXPECT_EQ(answered, answers);
    EXPECT_EQ(table.substr(layout.RecordOffset(records)),
              original.substr(layout.RecordOffset(records)));
}
