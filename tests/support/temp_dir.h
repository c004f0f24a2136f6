#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // A folder made in this one under `name`, its bytes as the system's C library takes them
    // (the ANSI code page on Windows); its path in the same bytes.
    std::string Folder(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Marks a file (or a folder) read-only while it lives. Root may write to any file, so a test run as
// root makes this thread's file accesses as an ordinary user meanwhile (Linux): the mark then holds
// for the code under test as it would for a learner.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

private:
    std::string path_;
    std::filesystem::perms original_;
    bool ordinaryUser_ = false;
};

// Whole-file helpers for checking written bytes exactly.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
