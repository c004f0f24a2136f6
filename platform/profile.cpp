#include "platform/profile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/file.h"
#include "platform/replace_file.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"

namespace {

// The bytes every line of a file is tested against, looked up rather than compared: white space
// of the profile functions (0x09 to 0x0D, the blank and 0x1A), and names compared without
// regard to ASCII letter case.
struct TByteClasses {
    bool blank[256] = {};
    char folded[256] = {};
};

constexpr TByteClasses ByteClasses = [] {
    TByteClasses classes;
    for (int c = 0; c < 256; ++c)
        classes.folded[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (int c = 0x09; c <= 0x0D; ++c)
        classes.blank[c] = true;
    classes.blank[0x20] = classes.blank[0x1A] = true;
    return classes;
}();

bool IsBlank(char c) {
    return ByteClasses.blank[static_cast<unsigned char>(c)];
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ByteClasses.folded[static_cast<unsigned char>(a[i])] !=
            ByteClasses.folded[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

// One line of the file as it stands, with the line end it had, so that a write can give back
// every line it does not change byte for byte.
struct Line {
    std::string_view text;
    std::string_view end;
};

// The lines of a file's bytes, one after the other, without copying them anywhere. The next
// CR and the next LF are each looked for once and kept until the walk has passed them.
class Lines {
public:
    explicit Lines(std::string_view bytes)
        : text_(bytes.data()), end_(bytes.data() + bytes.size()), nextCr_(Find('\r', text_)),
          nextLf_(Find('\n', text_)) {}

    bool Next(Line& line) {
        if (text_ == end_)
            return false;
        if (nextCr_ < text_)
            nextCr_ = Find('\r', text_);
        if (nextLf_ < text_)
            nextLf_ = Find('\n', text_);
        const char* stop = std::min(nextCr_, nextLf_);
        const char* after = stop;
        if (stop != end_)
            after += *stop == '\r' && stop + 1 != end_ && stop[1] == '\n' ? 2 : 1;
        line = {std::string_view(text_, static_cast<size_t>(stop - text_)),
                std::string_view(stop, static_cast<size_t>(after - stop))};
        text_ = after;
        return true;
    }
    // Whether the line last returned was the file's last.
    bool AtEnd() const { return text_ == end_; }

private:
    const char* Find(char c, const char* from) const {
        if (from == end_)
            return end_;
        const void* found = std::memchr(from, c, static_cast<size_t>(end_ - from));
        return found != nullptr ? static_cast<const char*>(found) : end_;
    }

    const char* text_;
    const char* end_;
    const char* nextCr_;
    const char* nextLf_;
};

enum class LineKind { Other, Comment, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    bool hasValue = false;
};

ParsedLine Parse(std::string_view raw) {
    ParsedLine parsed;
    std::string_view text = Trim(raw);
    if (text.empty())
        return parsed;
    if (text.front() == ';') {
        parsed.kind = LineKind::Comment;
        return parsed;
    }
    if (text.front() == '[') {
        size_t close = text.rfind(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::Section;
            parsed.name = Trim(text.substr(1, close - 1));
            return parsed;
        }
    }
    parsed.kind = LineKind::Key;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        parsed.name = text;
        return parsed;
    }
    parsed.name = Trim(text.substr(0, equals));
    parsed.value = Trim(text.substr(equals + 1));
    parsed.hasValue = true;
    return parsed;
}

// Where a key stands in the file: its line, or, when the file lacks it, the line after which a
// new key goes: the last key or comment of its section (or the header), else the file's last.
struct Location {
    bool section = false;
    std::optional<Line> key;
    Line lastInSection;
    Line last;
};

Location Find(std::string_view bytes, std::string_view section, std::string_view key) {
    Location where;
    Lines lines(bytes);
    Line line;
    while (lines.Next(line)) {
        where.last = line;
        // Before the section only its header matters, and a header starts with "[".
        if (!where.section) {
            size_t first = 0;
            while (first < line.text.size() && IsBlank(line.text[first]))
                ++first;
            if (first == line.text.size() || line.text[first] != '[')
                continue;
        }
        ParsedLine parsed = Parse(line.text);
        if (!where.section) {
            if (parsed.kind == LineKind::Section && SameName(parsed.name, section)) {
                where.section = true;
                where.lastInSection = line;
            }
            continue;
        }
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind != LineKind::Other)
            where.lastInSection = line;
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            where.key = line;
            break;
        }
    }
    return where;
}

enum class FileState { Read, Missing, Unreadable };

FileState ReadWholeFile(const std::string& path, std::string& bytes) {
    errno = 0;
    std::FILE* file = OpenFile(path, "rb");
    if (!file)
        return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok ? FileState::Read : FileState::Unreadable;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

uint32_t CopyOut(std::string_view text, char* buffer, uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    const size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<uint32_t>(length);
}

// The default text without its trailing blanks.
std::string_view Fallback(const char* defaultText) {
    std::string_view fallback = defaultText ? defaultText : "";
    while (!fallback.empty() && IsBlank(fallback.back()))
        fallback.remove_suffix(1);
    return fallback;
}

} // namespace

namespace {

// The value of a key that stands in the file with a value, as it reads.
std::optional<std::string_view> ValueOf(std::string_view bytes, std::string_view section,
                                        std::string_view key) {
    const Location where = Find(bytes, Trim(section), Trim(key));
    if (!where.key)
        return std::nullopt;
    const ParsedLine parsed = Parse(where.key->text);
    if (!parsed.hasValue)
        return std::nullopt;
    // A value is a C string: it ends at a NUL byte, and what stands before it is trimmed anew.
    const std::string_view value = parsed.value;
    return Unquote(Trim(value.substr(0, value.find('\0'))));
}

// What marks a settings file whose texts are UTF-16, little-endian: Windows' own profile
// functions read and write such a file in UTF-16 too.
constexpr std::string_view Utf16Mark = "\xFF\xFE";

bool IsUtf16(std::string_view bytes) {
    return bytes.substr(0, Utf16Mark.size()) == Utf16Mark;
}

// The texts of a file in UTF-16 (after its mark), in UTF-8 for the line rules above, as far as
// they are valid UTF-16; false when they are not all (a surrogate without its partner, an odd
// last byte).
bool Utf16FileToUtf8(std::string_view bytes, std::string& text) {
    return Utf16ToUtf8(bytes.substr(Utf16Mark.size()), false, text) ==
           bytes.size() - Utf16Mark.size();
}

// The whole file in UTF-16, mark first.
std::string Utf16File(std::string_view utf8) {
    std::string bytes(Utf16Mark);
    for (const TUtf16Char unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string AnsiToUtf8(std::string_view bytes) {
    return Utf16ToUtf8(CodePageText(SystemCodePage()).ToUtf16(bytes));
}

} // namespace

uint32_t ProfileReadBytes(std::string_view bytes, std::string_view section, std::string_view key,
                          const char* defaultText, char* buffer, uint32_t size) {
    const std::optional<std::string_view> value = ValueOf(bytes, section, key);
    return CopyOut(value ? *value : Fallback(defaultText), buffer, size);
}

std::optional<std::string> ProfileWriteBytes(std::string_view bytes, std::string_view section,
                                             std::string_view key, std::string_view value) {
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::string_view newValue = Trim(value);
    const Location where = Find(bytes, sectionName, keyName);
    // Every other line stays byte for byte: the bytes before and after the change are copied
    // whole.
    const auto upTo = [bytes](const char* at) {
        return bytes.substr(0, static_cast<size_t>(at - bytes.data()));
    };
    const auto after = [bytes](const Line& line) {
        return bytes.substr(static_cast<size_t>(line.end.data() + line.end.size() - bytes.data()));
    };
    // A line that gets a successor needs a line end of its own.
    const auto endOf = [](const Line& line) {
        return line.end.empty() ? std::string_view("\r\n") : line.end;
    };
    std::string result;
    result.reserve(bytes.size() + keyName.size() + newValue.size() + sectionName.size() + 8);
    if (where.key) {
        const ParsedLine old = Parse(where.key->text);
        if (old.hasValue && old.value == newValue)
            return std::nullopt;
        result.append(upTo(where.key->text.data())).append(old.name).append("=").append(newValue);
        result.append(endOf(*where.key)).append(after(*where.key));
        return result;
    }
    const auto appendKey = [&] {
        result.append(keyName).append("=").append(newValue).append("\r\n");
    };
    if (where.section) {
        const Line& line = where.lastInSection;
        result.append(upTo(line.text.data() + line.text.size())).append(endOf(line));
        appendKey();
        result.append(after(line));
        return result;
    }
    if (!bytes.empty())
        result.append(upTo(where.last.text.data() + where.last.text.size()))
            .append(endOf(where.last));
    result.append("[").append(sectionName).append("]\r\n");
    appendKey();
    return result;
}

uint32_t ProfileRead(const std::string& file, const char* section, const char* key,
                     const char* defaultText, char* buffer, uint32_t size) {
    std::string bytes;
    if (!section || !key || ReadWholeFile(file, bytes) != FileState::Read)
        return CopyOut(Fallback(defaultText), buffer, size);
    return ProfileReadBytes(bytes, section, key, defaultText, buffer, size);
}

bool ProfileWrite(const std::string& file, const char* section, const char* key,
                  const char* value) {
    if (!section || !key)
        return false;
    std::string bytes;
    // Replacing a file that is there but cannot be read would lose every other setting in it.
    if (ReadWholeFile(file, bytes) == FileState::Unreadable)
        return false;
    const std::optional<std::string> result =
        ProfileWriteBytes(bytes, section, key, value ? value : "");
    return !result || ReplaceFileContents(file, *result);
}

std::string ProfileReadText(const std::string& file, std::string_view section, std::string_view key,
                            const char* defaultText) {
    std::string bytes;
    if (ReadWholeFile(file, bytes) == FileState::Read) {
        const bool utf16 = IsUtf16(bytes);
        std::string text;
        if (utf16)
            Utf16FileToUtf8(bytes, text);
        if (const std::optional<std::string_view> value =
                ValueOf(utf16 ? text : bytes, section, key))
            return utf16 ? std::string(*value) : AnsiToUtf8(*value);
    }
    return std::string(Fallback(defaultText));
}

bool ProfileWriteText(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view value) {
    std::string bytes;
    if (ReadWholeFile(file, bytes) == FileState::Unreadable)
        return false;
    const TCodePageText& ansi = CodePageText(SystemCodePage());
    std::string text;
    if (!IsUtf16(bytes) && ansi.FromUtf16(Utf8ToUtf16(value), text)) {
        // Every text fits the system's code page: the file stays as Windows itself keeps it.
        const std::optional<std::string> result = ProfileWriteBytes(bytes, section, key, text);
        return !result || ReplaceFileContents(file, *result);
    }
    // A file in UTF-16 stays so; one that a value does not fit becomes so, every other text
    // kept. Bytes that would not come back as they were (invalid UTF-16, a byte the code page
    // leaves undefined) leave the file as it is.
    bool faithful;
    if (IsUtf16(bytes)) {
        faithful = Utf16FileToUtf8(bytes, text);
    } else {
        text = AnsiToUtf8(bytes);
        faithful = ansi.FromUtf16(Utf8ToUtf16(text)) == bytes;
    }
    if (!faithful)
        return false;
    const std::optional<std::string> result = ProfileWriteBytes(text, section, key, value);
    return !result || ReplaceFileContents(file, Utf16File(*result));
}
