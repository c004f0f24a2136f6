#include "settings/ini_file.h"

#include <cstdio>
#include <utility>

#include "platform/file.h"
#include "platform/utf8.h"

TIniFile::TIniFile(std::string iniPath)
    : Path(std::move(iniPath)), Size(static_cast<uint32_t>(Path.size() + 1)) {}

TIniFile TIniFile::ForProgram(const std::string& programFile) {
    // Positional: whatever the last three characters are, they become "INI".
    const size_t characters = Utf8Length(programFile);
    const std::string path = characters >= 3
                                 ? programFile.substr(0, Utf8Prefix(programFile, characters - 3))
                                 : std::string();
    return TIniFile(path + "INI");
}

bool TIniFile::Exists() const {
    std::FILE* file = OpenFile(Path, "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

void TIniFile::WriteFailed() {
    if (report_ == nullptr || reported_)
        return;
    reported_ = true;
    report_->CannotSave(Path);
}
