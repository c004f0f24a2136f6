// Any bytes as a settings file on disk: the file functions read and write what the in-memory
// ones give for the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>

#include "platform/profile.h"

namespace {

const std::string& ScratchFile() {
    static const std::string path =
        "/tmp/vocorix-fuzz-profile-file-" + std::to_string(getpid()) + ".ini";
    return path;
}

void Put(const std::string& bytes) {
    std::FILE* out = std::fopen(ScratchFile().c_str(), "wb");
    if (!out)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

std::string Contents() {
    std::string bytes;
    std::FILE* in = std::fopen(ScratchFile().c_str(), "rb");
    if (!in)
        std::abort();
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes.append(chunk, got);
    std::fclose(in);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Put(bytes);
    char fromFile[129];
    char fromBytes[129];
    for (const char* key : {"File Name", "Maximum Count", ""}) {
        const uint32_t got = ProfileRead(ScratchFile(), "Database", key, "d", fromFile, 129);
        if (got != ProfileReadBytes(bytes, "Database", key, "d", fromBytes, 129) ||
            std::strcmp(fromFile, fromBytes) != 0)
            std::abort();
    }
    if (!ProfileWrite(ScratchFile(), "Database", "File Name", "C:\\WORDS\\ENGLISH.DBF"))
        std::abort();
    const std::optional<std::string> written =
        ProfileWriteBytes(bytes, "Database", "File Name", "C:\\WORDS\\ENGLISH.DBF");
    if (Contents() != (written ? *written : bytes))
        std::abort();
    return 0;
}
