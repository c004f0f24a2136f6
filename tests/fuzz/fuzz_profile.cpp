// Any bytes as a settings file, in memory: reading never crashes or reads out of bounds, a key
// written into the file reads back as written, and a write changes no other key's value.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace {

const char* const Sections[] = {"Database", "Ages", "Keys", "", "a]b"};
const char* const Keys[] = {"File Name", "Ages", "Age0", "Key3", ""};
constexpr uint32_t KeyCount = std::size(Sections) * std::size(Keys);

// Every probed key's value as a full buffer reads it; the cut buffers must give its start.
void ReadAll(std::string_view bytes, std::string (&values)[KeyCount]) {
    char buffer[129];
    uint32_t n = 0;
    for (const char* section : Sections)
        for (const char* key : Keys) {
            for (uint32_t length : {129u, 5u, 1u}) {
                const uint32_t got =
                    ProfileReadBytes(bytes, section, key, "default", buffer, length);
                if (got >= length || std::strlen(buffer) != got)
                    std::abort();
                if (length == 129)
                    values[n].assign(buffer, got);
                else if (values[n].compare(0, got, buffer) != 0 ||
                         got != std::min<size_t>(values[n].size(), length - 1))
                    std::abort();
            }
            ++n;
        }
}

// Writes the key and checks that it reads back and that every other probed key kept its value.
std::string WriteAndCheck(const std::string& bytes, const char* section, const char* key,
                          const char* value, const std::string (&before)[KeyCount]) {
    const std::optional<std::string> written = ProfileWriteBytes(bytes, section, key, value);
    const std::string after = written ? *written : bytes;
    char buffer[129];
    ProfileReadBytes(after, section, key, "", buffer, sizeof buffer);
    if (std::strcmp(buffer, value) != 0)
        std::abort();
    std::string values[KeyCount];
    ReadAll(after, values);
    uint32_t n = 0;
    for (const char* s : Sections)
        for (const char* k : Keys) {
            const bool same = std::strcmp(s, section) == 0 && std::strcmp(k, key) == 0;
            if (!same && values[n] != before[n])
                std::abort();
            ++n;
        }
    return after;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string values[KeyCount];
    ReadAll(bytes, values);
    const std::string first =
        WriteAndCheck(bytes, "Database", "File Name", "C:\\WORDS\\ENGLISH.DBF", values);
    ReadAll(first, values);
    WriteAndCheck(first, "Fresh Section", "New Key", "12", values);
    return 0;
}
