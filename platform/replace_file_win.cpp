#include "platform/replace_file_system.h"

#include <cerrno>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "platform/file.h"
#include "platform/text_codec.h"

// The one kernel call needed here; declared rather than pulling all of <windows.h> into the core.
extern "C" __declspec(dllimport) int __stdcall MoveFileExW(const wchar_t* existing,
                                                           const wchar_t* target,
                                                           unsigned long flags);

namespace file_replacement {

bool MoveOver(const std::string& from, const std::string& to) {
    const unsigned long replaceExisting = 0x1, writeThrough = 0x8;
    return MoveFileExW(Utf8ToUtf16(from).c_str(), Utf8ToUtf16(to).c_str(),
                       replaceExisting | writeThrough) != 0;
}

std::FILE* CreateExclusively(const std::string& path, bool& taken) {
    const int descriptor =
        _wopen(Utf8ToUtf16(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
    taken = descriptor < 0 && errno == EEXIST;
    if (descriptor < 0)
        return nullptr;
    if (std::FILE* stream = _fdopen(descriptor, "wb"))
        return stream;
    _close(descriptor);
    RemoveFile(path);
    return nullptr;
}

} // namespace file_replacement
