#pragma once

#include <filesystem>
#include <string>

// Paths in UTF-8, as the program keeps them, and as the library's path type.
std::string Utf8Path(const std::filesystem::path& path);
std::filesystem::path PathOf(const std::string& utf8);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of `name` (UTF-8) in this folder, in UTF-8.
    std::string File(const std::string& name) const { return Utf8Path(path_ / PathOf(name)); }
    // A folder made in this one under `name` (UTF-8); its path in UTF-8.
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

// Whole-file helpers for checking written bytes exactly; paths in UTF-8.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
