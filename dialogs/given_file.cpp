#include "dialogs/given_file.h"

#include <vector>

#include "table_tool/tool_error.h"

namespace {

// The maker quotes the list's cells as UTF-8; a path from the system comes in the ANSI code
// page. A text that is valid UTF-8 throughout is shown as such, any other as ANSI.
void ShowListProblem(HWND owner, const std::string& text) {
    constexpr UINT style = MB_OK | MB_ICONSTOP;
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) {
        MessageBoxA(owner, text.c_str(), "Word List Problem", style);
        return;
    }
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    MessageBoxW(owner, wide.data(), L"Word List Problem", style);
}

} // namespace

std::string FullPathOf(const std::string& file) {
    const DWORD size = GetFullPathNameA(file.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return file;
    std::vector<char> path(size + 1, '\0');
    const DWORD length = GetFullPathNameA(file.c_str(), size + 1, path.data(), nullptr);
    return length > 0 && length <= size ? std::string(path.data(), length) : file;
}

std::optional<TTableImport> PrepareGivenFile(HWND owner, const std::string& file) {
    try {
        return PrepareTableFor(FullPathOf(file), GetACP());
    } catch (const TToolError& error) {
        ShowListProblem(owner, error.what());
        return std::nullopt;
    }
}

bool CommitGivenFile(HWND owner, const TTableImport& import) {
    try {
        CommitTableImport(import);
        return true;
    } catch (const TToolError& error) {
        ShowListProblem(owner, error.what());
        return false;
    }
}

bool MayReplaceTable(HWND owner, const TTableImport& import) {
    const std::string question = ReplaceQuestion(import);
    return question.empty() || MessageBoxA(owner, question.c_str(), "Vocorix",
                                           MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION) == IDYES;
}

void ShowImportReport(HWND owner, const TTableImport& import) {
    const std::string report = ImportReport(import);
    if (!report.empty())
        MessageBoxA(owner, report.c_str(), "Vocorix", MB_OK | MB_ICONINFORMATION);
}

std::string TableToStartWith(const std::string& file) {
    const std::optional<TTableImport> import = PrepareGivenFile(nullptr, file);
    if (!import || !MayReplaceTable(nullptr, *import) || !CommitGivenFile(nullptr, *import))
        return {};
    ShowImportReport(nullptr, *import);
    return import->table;
}
