#include "table_tool/table_bytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "database/db_messages.h"
#include "database/table_file.h"
#include "platform/replace_file.h"
#include "table_tool/tool_error.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The reader's checks run on the bytes already in memory.
class MemoryTableFile : public TTableFile {
public:
    explicit MemoryTableFile(const std::string& bytes) : bytes_(bytes) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        if (offset >= bytes_.size())
            return 0;
        const size_t read = std::min<uint64_t>(size, bytes_.size() - offset);
        std::memcpy(buffer, bytes_.data() + offset, read);
        return read;
    }
    bool WriteAt(uint64_t, const void*, size_t) override { return false; }
    uint64_t Length() override { return bytes_.size(); }

private:
    const std::string& bytes_;
};

} // namespace

std::string ReadWholeFile(const std::string& path) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
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
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string TerminalText(const char* problem) {
    std::string text = problem;
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    return text;
}

const char* CheckTableBytes(const std::string& bytes, TTableLayout& layout) {
    MemoryTableFile file(bytes);
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
    return table;
}
