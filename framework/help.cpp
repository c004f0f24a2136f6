#include "framework/help.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <utility>

#include "framework/com_scope.h"
#include "framework/program_file.h"
#include "platform/text_codec.h"

namespace {
std::string ProgramFileFolder() {
    return ProgramFolder(Utf16ToUtf8(ProgramFile()));
}

bool ShowWithHelpEngine(HWND owner, const std::string& file) {
    return WinHelpW(owner, Utf8ToUtf16(file).c_str(), HELP_CONTENTS, 0) != FALSE;
}

// A file URL handed to ShellExecute as a document loses its section on some systems: the URL
// goes to the program that opens .html pages as its argument, and only to the shell when no
// such program is known.
bool OpenInBrowser(HWND owner, const std::string& url) {
    // The shell may hand the URL to a handler made with COM.
    const TComScope com;
    wchar_t browser[MAX_PATH] = L"";
    DWORD size = MAX_PATH;
    const auto opened = [](HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; };
    const std::wstring page = Utf8ToUtf16(url);
    if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, L".html", L"open", browser,
                          &size) == S_OK &&
        GetFileAttributesW(browser) != INVALID_FILE_ATTRIBUTES) {
        const std::wstring argument = L"\"" + page + L"\"";
        if (opened(
                ShellExecuteW(owner, L"open", browser, argument.c_str(), nullptr, SW_SHOWNORMAL)))
            return true;
    }
    return opened(ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

THelpShell& CurrentShell() {
    static THelpShell shell{ProgramFileFolder, ShowWithHelpEngine, OpenInBrowser};
    return shell;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

void ShowHelp(HWND owner, THelpTopic topic) {
    const THelpShell& shell = CurrentShell();
    const std::string folder = shell.folder();
    const std::string helpFile = folder + "\\" + HelpEngineFileName;
    if (FileExists(helpFile) && shell.showHelpFile(owner, helpFile))
        return;
    const std::string page = folder + "\\" + HelpPageName;
    const bool present = FileExists(page);
    if (present && shell.openPage(owner, HelpPageUrl(page, HelpAnchor(topic))))
        return;
    const std::string text =
        present ? "The help cannot be shown: no program here opens web pages.\r\n"
                  "The help is the page " +
                      page + "; open it in a web browser."
                : "The help cannot be shown: the help page is missing.\r\nIt belongs beside the "
                  "program, as " +
                      page + ".";
    MessageBoxW(owner, Utf8ToUtf16(text).c_str(), L"Vocorix Help", MB_OK | MB_ICONINFORMATION);
}

TScopedHelpShell::TScopedHelpShell(THelpShell shell)
    : previous_(std::exchange(CurrentShell(), std::move(shell))) {}

TScopedHelpShell::~TScopedHelpShell() {
    CurrentShell() = std::move(previous_);
}
