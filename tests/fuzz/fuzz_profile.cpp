// Any bytes as a settings file, in memory: reading never crashes or reads out of bounds, a key
// written into the file reads back as written, and the write changes no other key's value. The
// input's first byte picks the key that is probed and the buffer it is read into, the second the
// key that is written; the rest is the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace {

const char* const Sections[] = {"Database", "Ages", "Keys", "", "a]b", "Fresh Section"};
const char* const Keys[] = {"File Name", "Ages", "Age0", "Key3", "", "New Key"};
// A file name with the characters a path has, and a number.
const char* const Values[] = {"C:\\WORDS\\ENGLISH.DBF", "12"};

struct TKey {
    const char* section;
    const char* key;
    bool operator==(const TKey& other) const {
        return std::strcmp(section, other.section) == 0 && std::strcmp(key, other.key) == 0;
    }
};

TKey KeyOf(uint8_t pick) {
    return {Sections[pick % std::size(Sections)],
            Keys[pick / std::size(Sections) % std::size(Keys)]};
}

struct TValue {
    char text[129];
    uint32_t length;
    std::string_view View() const { return {text, length}; }
};

// Reads the key into a buffer of `size` bytes; the result must fit it and end at its NUL.
TValue Read(std::string_view bytes, const TKey& key, uint32_t size) {
    TValue value;
    value.length = ProfileReadBytes(bytes, key.section, key.key, "default", value.text, size);
    if (value.length >= size || std::strlen(value.text) != value.length)
        std::abort();
    return value;
}

// Settings files are short; a longer input reaches nothing new in the parser and only makes
// every run slower.
constexpr size_t LongestInput = 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > LongestInput)
        return 0;
    const TKey probe = KeyOf(data[0]);
    // 1, 5 or the full 129 bytes: the cut values and the whole one.
    const uint32_t probeSize = data[0] >= 144 ? 129u : data[0] >= 72 ? 5u : 1u;
    const TKey written = KeyOf(data[1]);
    const char* const value = Values[data[1] / 128];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    const TValue before = Read(bytes, probe, probeSize);
    const std::optional<std::string> changed =
        ProfileWriteBytes(bytes, written.section, written.key, value);
    const std::string_view after = changed ? std::string_view(*changed) : bytes;
    if (Read(after, written, 129).View() != value)
        std::abort();
    if (!(probe == written) && Read(after, probe, probeSize).View() != before.View())
        std::abort();
    return 0;
}
