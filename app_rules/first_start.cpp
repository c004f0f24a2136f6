#include "app_rules/first_start.h"

#include <cstdio>
#include <memory>

#include "platform/file.h"
#include "platform/replace_file.h"

namespace {

constexpr const char* SettingsTemplate = "vocorix.INI";
constexpr const char* SampleTable = "vocabulary.dbf";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Copies a small file whole; a target that is there is left alone.
void CopyIfAbsent(const std::string& from, const std::string& to) {
    if (PathExists(to))
        return;
    FileHandle file(OpenFile(from, "rb"));
    if (!file)
        return;
    std::string bytes;
    char buffer[64 * 1024];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, read);
    if (!std::ferror(file.get()))
        ReplaceFileContents(to, bytes);
}

} // namespace

void PutFirstStartFiles(const std::string& settingsPath) {
    if (PathExists(settingsPath))
        return;
    const size_t separator = settingsPath.find_last_of("\\/");
    const std::string folder =
        separator == std::string::npos ? std::string() : settingsPath.substr(0, separator + 1);
    const std::string templates = folder + FirstStartFolder + "/";
    // The table first: the settings name it.
    CopyIfAbsent(templates + SampleTable, folder + SampleTable);
    CopyIfAbsent(templates + SettingsTemplate, settingsPath);
}
