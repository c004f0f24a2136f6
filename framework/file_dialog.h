#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class TWindow;

namespace TOpenSaveDialog {
// What a file dialog starts from and what it gives back, every text in UTF-8; it may live
// across several runs and keeps the last chosen file name.
struct TData {
    // `filter` pairs of description and pattern, each ended by "|".
    TData(uint32_t flags, const char* filter, const char* customFilter = nullptr,
          const char* initialDir = nullptr, const char* defExt = nullptr, uint32_t maxPath = 0);

    uint32_t Flags;
    // CommDlgExtendedError of the last run, 0 when it succeeded or was cancelled.
    uint32_t Error = 0;
    std::string FileName;
    std::string Filter; // with NUL separators, as the platform wants it
    std::string InitialDir;
    std::string DefExt;
    uint32_t MaxPath;
};
} // namespace TOpenSaveDialog

// The platform's file open dialog.
class TFileOpenDialog {
public:
    TFileOpenDialog(TWindow* parent, TOpenSaveDialog::TData& data);

    // IDOK with the chosen path in the data's FileName, else IDCANCEL.
    int Execute();

private:
    TWindow* parent_;
    TOpenSaveDialog::TData& data_;
};
