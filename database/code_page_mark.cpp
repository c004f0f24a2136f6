#include "database/code_page_mark.h"

#include <cstdio>
#include <memory>

#include "database/code_pages.h"
#include "platform/code_page.h"
#include "platform/file.h"

namespace {

// A mark longer than this says more than the name of an encoding.
constexpr size_t MaxMarkSize = 64;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The mark's contents; none when it cannot be read or is too long to be one.
std::optional<std::string> ReadMark(const std::string& path) {
    const std::unique_ptr<std::FILE, FileCloser> file(OpenFile(path, "rb"));
    if (!file)
        return std::nullopt;
    char buffer[MaxMarkSize + 1];
    const size_t read = std::fread(buffer, 1, sizeof buffer, file.get());
    if (read > MaxMarkSize || std::ferror(file.get()))
        return std::nullopt;
    return std::string(buffer, read);
}

} // namespace

std::string CodePageMarkPath(const std::string& table) {
    const size_t separator = table.find_last_of("\\/:");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const size_t dot = table.rfind('.');
    // A name that begins with its only dot has no extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return table.substr(0, hasExtension ? dot : table.size()) + ".cpg";
}

std::optional<std::string> FindCodePageMark(const std::string& table) {
    std::string path = CodePageMarkPath(table);
    if (PathExists(path))
        return path;
    path.replace(path.size() - 3, 3, "CPG");
    if (PathExists(path))
        return path;
    return std::nullopt;
}

bool MarkSaysUtf8(std::string_view contents) {
    while (!contents.empty() && IsBlank(contents.front()))
        contents.remove_prefix(1);
    while (!contents.empty() && IsBlank(contents.back()))
        contents.remove_suffix(1);
    return NamesUtf8(contents);
}

std::optional<uint32_t> CodePageOfTable(const std::string& table, uint8_t languageDriver) {
    if (const std::optional<std::string> mark = FindCodePageMark(table)) {
        const std::optional<std::string> contents = ReadMark(*mark);
        if (contents && MarkSaysUtf8(*contents))
            return Utf8CodePage;
    }
    return CodePageOfDriver(languageDriver);
}
