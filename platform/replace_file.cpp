#include "platform/replace_file.h"

#include <cstdio>

#ifdef _WIN32
// The one kernel call needed here; declared rather than pulling all of <windows.h> into the core.
extern "C" __declspec(dllimport) int __stdcall MoveFileExA(const char* existing, const char* target,
                                                           unsigned long flags);
#endif

namespace {

bool MoveOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    const unsigned long replaceExisting = 0x1, writeThrough = 0x8;
    return MoveFileExA(from.c_str(), to.c_str(), replaceExisting | writeThrough) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok && MoveOver(temporary, path))
        return true;
    std::remove(temporary.c_str());
    return false;
}
