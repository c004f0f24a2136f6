#include "platform/replace_file_system.h"

// The system calls of a replacement, as console_streams_win.cpp has its own.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "platform/file.h"
#include "platform/text_codec.h"

// A replacement in progress holds its temporary file open until the file is in the target's
// place; a leftover is removed only through a handle that shares it with no one, which cannot be
// had while any process holds the file open.

namespace file_replacement {
namespace {

class RealWindowsSystem : public TSystem {
public:
    std::FILE* CreateExclusively(const std::string& path, bool& taken) override {
        // Shared for deletion, so that the rename can take the file while it is still open.
        const HANDLE file = CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        taken = file == INVALID_HANDLE_VALUE &&
                (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS);
        if (file == INVALID_HANDLE_VALUE)
            return nullptr;
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY);
        if (descriptor < 0) {
            CloseHandle(file);
            RemoveFile(path);
            return nullptr;
        }
        if (std::FILE* stream = _fdopen(descriptor, "wb"))
            return stream;
        _close(descriptor);
        RemoveFile(path);
        return nullptr;
    }

    bool FlushToDisk(std::FILE* stream) override { return ::FlushToDisk(stream); }

    bool MoveOver(const std::string& from, const std::string& to) override {
        // Write-through: the rename is on the disk when the call returns.
        return MoveFileExW(Utf8ToUtf16(from).c_str(), Utf8ToUtf16(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    std::vector<std::string> TemporaryFilesOf(const std::string& target) override {
        std::vector<std::string> found;
        const std::wstring folder = Utf8ToUtf16(target.substr(0, FileNameStart(target)));
        const std::wstring name = Utf8ToUtf16(target.substr(FileNameStart(target)));
        WIN32_FIND_DATAW entry;
        const HANDLE search = FindFirstFileW((folder + name + L".~????????.tmp").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            return found;
        do {
            // The pattern also matches short names and shorter hex parts: the whole name is
            // checked, its first part as the file system compares names.
            const std::wstring_view file = entry.cFileName;
            if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
                continue;
            if (file.size() != name.size() + TemporarySuffixLength ||
                CompareStringOrdinal(file.data(), static_cast<int>(name.size()), name.data(),
                                     static_cast<int>(name.size()), TRUE) != CSTR_EQUAL ||
                !IsTemporarySuffix(Utf16ToUtf8(file.substr(name.size()))))
                continue;
            found.push_back(Utf16ToUtf8(folder + std::wstring(file)));
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        return found;
    }

    bool RemoveUnlessOpen(const std::string& path) override {
        // Sharing nothing, this open fails while any other handle is open; closing it deletes.
        const HANDLE file =
            CreateFileW(Utf8ToUtf16(path).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(file);
        return true;
    }
};

} // namespace

TSystem& RealSystem() {
    static RealWindowsSystem system;
    return system;
}

} // namespace file_replacement
