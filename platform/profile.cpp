#include "platform/profile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/replace_file.h"

namespace {

bool IsBlank(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
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
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// One line of the file as it stands, with the line end it had, so that a write can give back
// every line it does not change byte for byte.
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines.push_back({bytes.substr(start), {}});
            break;
        }
        size_t endLength =
            bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
        lines.push_back({bytes.substr(start, stop - start), bytes.substr(stop, endLength)});
        start = stop + endLength;
    }
    return lines;
}

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

// Where a key stands in the file: the index of its section's header (or none), the index of
// the key's own line (or none) and the index of the line after which a new key would go.
struct Location {
    static constexpr size_t none = static_cast<size_t>(-1);
    size_t section = none;
    size_t key = none;
    size_t lastInSection = none;
};

Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location where;
    for (size_t i = 0; i < lines.size(); ++i) {
        ParsedLine parsed = Parse(lines[i].text);
        if (where.section == Location::none) {
            if (parsed.kind == LineKind::Section && SameName(parsed.name, section)) {
                where.section = i;
                where.lastInSection = i;
            }
            continue;
        }
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind != LineKind::Other)
            where.lastInSection = i;
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            where.key = i;
            break;
        }
    }
    return where;
}

enum class FileState { Read, Missing, Unreadable };

FileState ReadWholeFile(const std::string& path, std::string& bytes) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
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

uint32_t ProfileReadBytes(std::string_view bytes, std::string_view section, std::string_view key,
                          const char* defaultText, char* buffer, uint32_t size) {
    const std::vector<Line> lines = SplitLines(bytes);
    const Location where = Find(lines, Trim(section), Trim(key));
    if (where.key == Location::none)
        return CopyOut(Fallback(defaultText), buffer, size);
    const ParsedLine parsed = Parse(lines[where.key].text);
    if (!parsed.hasValue)
        return CopyOut(Fallback(defaultText), buffer, size);
    // A value is a C string: it ends at a NUL byte, and what stands before it is trimmed anew.
    const std::string_view value = parsed.value;
    return CopyOut(Unquote(Trim(value.substr(0, value.find('\0')))), buffer, size);
}

std::optional<std::string> ProfileWriteBytes(std::string_view bytes, std::string_view section,
                                             std::string_view key, std::string_view value) {
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::string_view newValue = Trim(value);
    const std::vector<Line> lines = SplitLines(bytes);
    const Location where = Find(lines, sectionName, keyName);

    std::string keyLine;
    keyLine.append(keyName).append("=").append(newValue);
    std::string result;
    result.reserve(bytes.size() + keyLine.size() + sectionName.size() + 8);
    auto appendLine = [&](size_t i) {
        result.append(lines[i].text);
        // A line that gets a successor needs a line end of its own.
        result.append(lines[i].end.empty() ? std::string_view("\r\n") : lines[i].end);
    };

    if (where.key != Location::none) {
        const ParsedLine old = Parse(lines[where.key].text);
        if (old.hasValue && old.value == newValue)
            return std::nullopt;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i != where.key) {
                result.append(lines[i].text).append(lines[i].end);
                continue;
            }
            result.append(old.name).append("=").append(newValue);
            result.append(lines[i].end.empty() ? std::string_view("\r\n") : lines[i].end);
        }
    } else if (where.section != Location::none) {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i == where.lastInSection) {
                appendLine(i);
                result.append(keyLine).append("\r\n");
            } else {
                result.append(lines[i].text).append(lines[i].end);
            }
        }
    } else {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i + 1 == lines.size())
                appendLine(i);
            else
                result.append(lines[i].text).append(lines[i].end);
        }
        result.append("[").append(sectionName).append("]\r\n");
        result.append(keyLine).append("\r\n");
    }
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
