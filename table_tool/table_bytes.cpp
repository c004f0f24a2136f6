#include "table_tool/table_bytes.h"

#include <cstdio>
#include <memory>

#include "database/code_page_mark.h"
#include "database/db_messages.h"
#include "database/table_file.h"
#include "platform/file.h"
#include "platform/replace_file.h"
#include "table_tool/tool_error.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

std::string ReadWholeFile(const std::string& path) {
    FileHandle file(OpenFile(path, "rb"));
    if (!file)
        throw TToolError("cannot open " + path);
    std::string bytes;
    char buffer[64 * 1024];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, read);
    if (std::ferror(file.get()))
        throw TToolError("cannot read " + path);
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    if (!ReplaceFileContents(path, bytes))
        throw TToolError("cannot write " + path + "; it is as it was");
}

bool FileExists(const std::string& path) {
    return PathExists(path);
}

std::string TerminalText(const char* problem) {
    std::string text = problem;
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    return text;
}

const char* CheckTableBytes(const std::string& bytes, TTableLayout& layout) {
    // The reader's checks run on the bytes already in memory.
    TMemoryTableFile file(bytes);
    return ReadTableLayout(file, layout);
}

TTableBytes ReadCheckedTable(const std::string& path) {
    TTableBytes table;
    try {
        table.bytes = ReadWholeFile(path);
    } catch (const TToolError&) {
        throw TToolError(path + ": " + TerminalText(CannotOpenText));
    }
    if (const char* problem = CheckTableBytes(table.bytes, table.layout))
        throw TToolError(path + ": " + TerminalText(problem));
    table.codePage = CodePageOfTable(path, table.layout.LanguageDriver);
    return table;
}
