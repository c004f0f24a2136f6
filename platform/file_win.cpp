#include "platform/file.h"

#include <io.h>
#include <sys/stat.h>

#include "platform/text_codec.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(Utf8ToUtf16(path).c_str(), Utf8ToUtf16(mode).c_str());
}

bool PathExists(const std::string& path) {
    struct _stat64 status;
    return _wstat64(Utf8ToUtf16(path).c_str(), &status) == 0;
}

bool RemoveFile(const std::string& path) {
    return _wremove(Utf8ToUtf16(path).c_str()) == 0;
}

bool FlushToDisk(std::FILE* file) {
    // _commit is FlushFileBuffers on the file's handle.
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}
