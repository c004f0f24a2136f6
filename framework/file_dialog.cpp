#include "framework/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/window.h"
#include "platform/text_codec.h"

TOpenSaveDialog::TData::TData(uint32_t flags, const char* filter, const char*,
                              const char* initialDir, const char* defExt, uint32_t maxPath)
    : Flags(flags), Filter(filter != nullptr ? filter : ""),
      InitialDir(initialDir != nullptr ? initialDir : ""), DefExt(defExt != nullptr ? defExt : ""),
      MaxPath(maxPath != 0 ? maxPath : MAX_PATH) {
    std::replace(Filter.begin(), Filter.end(), '|', '\0');
    Filter.push_back('\0');
}

TFileOpenDialog::TFileOpenDialog(TWindow* parent, TOpenSaveDialog::TData& data)
    : parent_(parent), data_(data) {}

int TFileOpenDialog::Execute() {
    std::vector<wchar_t> file(data_.MaxPath, L'\0');
    Utf8ToUtf16(data_.FileName).copy(file.data(), file.size() - 1);
    const std::wstring filter = Utf8ToUtf16(data_.Filter);
    const std::wstring initialDir = Utf8ToUtf16(data_.InitialDir);
    const std::wstring defExt = Utf8ToUtf16(data_.DefExt);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent_ != nullptr ? parent_->GetHandle() : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = data_.MaxPath;
    dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    dialog.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    dialog.Flags = data_.Flags;
    if (GetOpenFileNameW(&dialog)) {
        data_.Error = 0;
        data_.FileName = Utf16ToUtf8(file.data());
        return IDOK;
    }
    data_.Error = CommDlgExtendedError();
    return IDCANCEL;
}
