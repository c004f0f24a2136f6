#pragma once

#include <cstdint>
#include <string>

// The location of the initialization file. The program makes its one instance from the
// program file's path and hands it to whoever reads settings; the tests make their own on
// explicit paths.
class TIniFile {
public:
    // The initialization file at exactly this path.
    explicit TIniFile(std::string iniPath);
    // The program's initialization file: the program file's full path with its last three
    // characters replaced by "INI", positionally (C:\TUTOR\PROG.EXE gives C:\TUTOR\PROG.INI).
    static TIniFile ForProgram(const std::string& programFile);

    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    // Whether the file exists now (the database loader asks this).
    bool Exists() const;

    std::string Path;  // full path of the initialization file, in UTF-8
    uint32_t Size = 0; // bytes of Path including its terminating zero
};
