#pragma once

#include <cstdint>
#include <string>

// Told when the settings cannot be saved. The Windows side shows it; tests record it.
class TSaveProblemReport {
public:
    virtual ~TSaveProblemReport() = default;
    // The settings file at `path` (UTF-8) could not be written: what was to be kept is lost.
    virtual void CannotSave(const std::string& path) = 0;
};

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

    // Where a write that fails is reported: only the first, so that the learner hears of it
    // once per start; every later write is still tried. None: failures go unreported.
    void SetSaveReport(TSaveProblemReport* report) { report_ = report; }
    // A write to the file failed.
    void WriteFailed();

    std::string Path;  // full path of the initialization file, in UTF-8
    uint32_t Size = 0; // bytes of Path including its terminating zero

private:
    TSaveProblemReport* report_ = nullptr;
    bool reported_ = false;
};
