#include "settings/ini_file.h"

#include <cstdio>
#include <utility>

TIniFile::TIniFile(std::string iniPath)
    : Path(std::move(iniPath)), Size(static_cast<uint32_t>(Path.size() + 1)) {}

TIniFile TIniFile::ForProgram(const std::string& programFile) {
    // Positional: whatever the last three characters are, they become "INI".
    std::string path =
        programFile.size() >= 3 ? programFile.substr(0, programFile.size() - 3) : std::string();
    return TIniFile(path + "INI");
}

bool TIniFile::Exists() const {
    std::FILE* file = std::fopen(Path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}
