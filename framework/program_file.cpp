#include "framework/program_file.h"

#include <windows.h>

std::wstring ProgramFile() {
    // The system cuts the path to the buffer it is given: a longer one is asked for until the
    // path fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
