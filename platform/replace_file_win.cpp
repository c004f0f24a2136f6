#include "platform/replace_file_system.h"

#include <fcntl.h>
#include <io.h>

#include <cstdint>

#include "platform/file.h"
#include "platform/text_codec.h"

// The file calls of a replacement; declared rather than pulling all of <windows.h> into the core.
namespace {
struct TFileTime {
    uint32_t low;
    uint32_t high;
};
// WIN32_FIND_DATAW
struct TFindData {
    unsigned long attributes;
    TFileTime created;
    TFileTime accessed;
    TFileTime written;
    unsigned long sizeHigh;
    unsigned long sizeLow;
    unsigned long reserved0;
    unsigned long reserved1;
    wchar_t cFileName[260];
    wchar_t shortName[14];
};
} // namespace

extern "C" {
__declspec(dllimport) void* __stdcall CreateFileW(const wchar_t* name, unsigned long access,
                                                  unsigned long share, void* security,
                                                  unsigned long disposition, unsigned long flags,
                                                  void* templateFile);
__declspec(dllimport) int __stdcall CloseHandle(void* handle);
__declspec(dllimport) unsigned long __stdcall GetLastError();
__declspec(dllimport) int __stdcall MoveFileExW(const wchar_t* existing, const wchar_t* target,
                                                unsigned long flags);
__declspec(dllimport) void* __stdcall FindFirstFileW(const wchar_t* pattern, TFindData* found);
__declspec(dllimport) int __stdcall FindNextFileW(void* search, TFindData* found);
__declspec(dllimport) int __stdcall FindClose(void* search);
__declspec(dllimport) int __stdcall CompareStringOrdinal(const wchar_t* a, int aLength,
                                                         const wchar_t* b, int bLength,
                                                         int ignoreCase);
}

namespace {
void* const InvalidHandle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
constexpr unsigned long GenericWrite = 0x40000000;
constexpr unsigned long Delete = 0x00010000;
constexpr unsigned long ShareAll = 0x1 | 0x2 | 0x4; // read, write, delete
constexpr unsigned long CreateNew = 1;
constexpr unsigned long OpenExisting = 3;
constexpr unsigned long NormalFile = 0x80;
constexpr unsigned long DeleteOnClose = 0x04000000;
constexpr unsigned long ErrorFileExists = 80;
constexpr unsigned long ErrorAlreadyExists = 183;
constexpr unsigned long ReplaceExisting = 0x1;
constexpr unsigned long WriteThrough = 0x8;
constexpr unsigned long DirectoryAttribute = 0x10;
constexpr unsigned long ReparsePointAttribute = 0x400;
constexpr int CompareEqual = 2; // CSTR_EQUAL
} // namespace

// A replacement in progress holds its temporary file open until the file is in the target's
// place; a leftover is removed only through a handle that shares it with no one, which cannot be
// had while any process holds the file open.

namespace file_replacement {
namespace {

class RealWindowsSystem : public TSystem {
public:
    std::FILE* CreateExclusively(const std::string& path, bool& taken) override {
        // Shared for deletion, so that the rename can take the file while it is still open.
        void* const file = CreateFileW(Utf8ToUtf16(path).c_str(), GenericWrite, ShareAll, nullptr,
                                       CreateNew, NormalFile, nullptr);
        taken = file == InvalidHandle &&
                (GetLastError() == ErrorFileExists || GetLastError() == ErrorAlreadyExists);
        if (file == InvalidHandle)
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
                           ReplaceExisting | WriteThrough) != 0;
    }

    std::vector<std::string> TemporaryFilesOf(const std::string& target) override {
        std::vector<std::string> found;
        const std::wstring folder = Utf8ToUtf16(target.substr(0, FileNameStart(target)));
        const std::wstring name = Utf8ToUtf16(target.substr(FileNameStart(target)));
        TFindData entry{};
        void* const search = FindFirstFileW((folder + name + L".~????????.tmp").c_str(), &entry);
        if (search == InvalidHandle)
            return found;
        do {
            // The pattern also matches short names and shorter hex parts: the whole name is
            // checked, its first part as the file system compares names.
            const std::wstring_view file = entry.cFileName;
            if (entry.attributes & (DirectoryAttribute | ReparsePointAttribute))
                continue;
            if (file.size() != name.size() + TemporarySuffixLength ||
                CompareStringOrdinal(file.data(), static_cast<int>(name.size()), name.data(),
                                     static_cast<int>(name.size()), 1) != CompareEqual ||
                !IsTemporarySuffix(Utf16ToUtf8(file.substr(name.size()))))
                continue;
            found.push_back(Utf16ToUtf8(folder + std::wstring(file)));
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        return found;
    }

    bool RemoveUnlessOpen(const std::string& path) override {
        // Sharing nothing, this open fails while any other handle is open; closing it deletes.
        void* const file = CreateFileW(Utf8ToUtf16(path).c_str(), Delete, 0, nullptr, OpenExisting,
                                       NormalFile | DeleteOnClose, nullptr);
        if (file == InvalidHandle)
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
