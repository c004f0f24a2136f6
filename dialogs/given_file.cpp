#include "dialogs/given_file.h"

#include <vector>

#include "platform/text_codec.h"
#include "table_tool/tool_error.h"

namespace {

// The maker quotes the list's cells and its path in UTF-8.
void ShowListProblem(HWND owner, const std::string& text) {
    MessageBoxW(owner, Utf8ToUtf16(text).c_str(), L"Word List Problem", MB_OK | MB_ICONSTOP);
}

} // namespace

std::string FullPathOf(const std::string& file) {
    const std::wstring given = Utf8ToUtf16(file);
    const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return file;
    std::vector<wchar_t> path(size + 1, L'\0');
    const DWORD length = GetFullPathNameW(given.c_str(), size + 1, path.data(), nullptr);
    return length > 0 && length <= size ? Utf16ToUtf8(std::wstring_view(path.data(), length))
                                        : file;
}

std::string TableOfGivenFile(const std::string& file) {
    const std::string path = FullPathOf(file);
    switch (KindOfFile(path)) {
    case TFileKind::Table:
        return path;
    case TFileKind::WordList:
        return TableBesideList(path);
    case TFileKind::Other:
        break;
    }
    return {};
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
    return question.empty() || MessageBoxW(owner, Utf8ToUtf16(question).c_str(), L"Vocorix",
                                           MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION) == IDYES;
}

void ShowImportReport(HWND owner, const TTableImport& import) {
    const std::string report = ImportReport(import);
    if (!report.empty())
        MessageBoxW(owner, Utf8ToUtf16(report).c_str(), L"Vocorix", MB_OK | MB_ICONINFORMATION);
}

std::string TableToStartWith(const std::string& file) {
    const std::optional<TTableImport> import = PrepareGivenFile(nullptr, file);
    if (!import || !MayReplaceTable(nullptr, *import) || !CommitGivenFile(nullptr, *import))
        return {};
    ShowImportReport(nullptr, *import);
    return import->table;
}
