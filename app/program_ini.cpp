#include <windows.h>

#include "app/program_ini.h"

namespace {
std::string ProgramFile() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}
} // namespace

TIniFile IniFile = TIniFile::ForProgram(ProgramFile());
