#include "framework/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/window.h"

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
    std::vector<char> file(data_.MaxPath, '\0');
    data_.FileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent_ != nullptr ? parent_->GetHandle() : nullptr;
    dialog.lpstrFilter = data_.Filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = data_.MaxPath;
    dialog.lpstrInitialDir = data_.InitialDir.empty() ? nullptr : data_.InitialDir.c_str();
    dialog.lpstrDefExt = data_.DefExt.empty() ? nullptr : data_.DefExt.c_str();
    dialog.Flags = data_.Flags;
    if (GetOpenFileNameA(&dialog)) {
        data_.Error = 0;
        data_.FileName = file.data();
        return IDOK;
    }
    data_.Error = CommDlgExtendedError();
    return IDCANCEL;
}
