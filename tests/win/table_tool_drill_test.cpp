#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/vocorix_combo_box.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/support/table_tool_run.h"
#include "tests/win/drill_scene.h"

namespace {

// A table made by vocorix-table from a UTF-8 list is drilled with its texts in the Windows
// code page and its statistics written where the drill writes them.
TEST(TableToolDrill, ATableMadeFromAWordListIsDrilled) {
    DrillScene scene;
    const std::string list = scene.dir.File("words.csv");
    const std::string made = scene.dir.File("made.dbf");
    WriteFileBytes(list, "word,Part,German\r\nstreet,noun,Straße\r\n");
    ASSERT_EQ(RunTool({"new", list, made}).status, 0);
    scene.PutBytes(ReadFileBytes(made));

    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate the noun street");
    ASSERT_EQ(AnswerBoxCount(window), 1u);
    AnswerBox(window, 0).SetText("Straße");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(window.GetDrill().Right(), 1u);
    const std::string table = ReadFileBytes(scene.tablePath);
    EXPECT_EQ(table.substr(table.size() - 3, 2), " 1") << "COUNT of the one record";
}

// The program itself, as a console starts it: its arguments in UTF-16, whatever the system's code
// page; what it writes to a pipe in UTF-8.
std::string RunToolProgram(const std::wstring& arguments) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring tool = self;
    tool = tool.substr(0, tool.find_last_of(L'\\')) + L"\\..\\table_tool\\vocorix-table.exe";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0))
        return "no pipe";
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + tool + L"\" " + arguments;
    const bool started = CreateProcessW(tool.c_str(), command.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(read);
    if (!started)
        return "not started";
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return output;
}

TEST(TableToolDrill, TheToolTakesAPathInAnyScriptAndWritesUtf8ToAPipe) {
    DrillScene scene;
    const std::string folder =
        scene.dir.Folder("W\u00F6rter \u2013 \u0421\u043B\u043E\u0432\u0430");
    const std::string list = folder + "\\words.csv";
    WriteFileBytes(list, "word,Russian\nhouse,\u0434\u043E\u043C\n");
    const std::wstring quoted = L"\"" + Utf8ToUtf16(list) + L"\"";
    EXPECT_EQ(RunToolProgram(L"new " + quoted + L" \"" + Utf8ToUtf16(folder) + L"\\words.dbf\""),
              folder + "\\words.dbf: 1 word in code page 1251.\n");
    EXPECT_EQ(RunToolProgram(L"export \"" + Utf8ToUtf16(folder) + L"\\words.dbf\""),
              "WORD,RUSSIAN\r\nhouse,\u0434\u043E\u043C\r\n");
}

} // namespace
