// Any bytes as a settings file: reading never crashes or reads out of bounds, and a key written
// into the file reads back as written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/profile.h"

namespace {

std::string ScratchFile() {
    static const std::string path =
        "/tmp/vocorix-fuzz-profile-" + std::to_string(getpid()) + ".ini";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = ScratchFile();
    if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }

    static const char* const sections[] = {"Database", "Ages", "Keys", "", "a]b"};
    static const char* const keys[] = {"File Name", "Ages", "Age0", "Key3", ""};
    char buffer[129];
    for (const char* section : sections)
        for (const char* key : keys)
            for (uint32_t length : {1u, 5u, 129u}) {
                uint32_t got = ProfileRead(file, section, key, "default", buffer, length);
                if (got >= length || std::strlen(buffer) != got)
                    std::abort();
            }

    if (!ProfileWrite(file, "Database", "File Name", "C:\\WORDS\\ENGLISH.DBF"))
        std::abort();
    ProfileRead(file, "Database", "File Name", "", buffer, sizeof buffer);
    if (std::strcmp(buffer, "C:\\WORDS\\ENGLISH.DBF") != 0)
        std::abort();
    if (!ProfileWrite(file, "Fresh Section", "New Key", "12"))
        std::abort();
    ProfileRead(file, "fresh section", "new key", "", buffer, sizeof buffer);
    if (std::strcmp(buffer, "12") != 0)
        std::abort();
    return 0;
}
