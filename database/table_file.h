#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

// The table reader's access to its file: positioned reads and writes, so that the format code
// never depends on a shared file position and tests can put any file behind it.
class TTableFile {
public:
    virtual ~TTableFile() = default;

    // Reads up to `size` bytes at `offset`; returns how many were read (fewer at the end).
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t size) = 0;
    // Whether the file was opened for writing: false for one that may only be read, whose
    // every write fails.
    virtual bool IsWritable() const = 0;
    // Writes all `size` bytes at `offset` and flushes them to the disk, so that neither a crash
    // nor a power cut loses them; false when any of it failed.
    virtual bool WriteAt(uint64_t offset, const void* data, size_t size) = 0;
    // The file's length in bytes.
    virtual uint64_t Length() = 0;
};

// Opens a table (its path in UTF-8) for reading and writing, or for reading only where it may
// not be written; null when it cannot be opened.
using TTableOpener = std::function<std::unique_ptr<TTableFile>(const char* path)>;

// The real opener: the file through <cstdio>, binary, read/write; a table that may be read but
// not written (marked read-only, on a CD, in a folder the program may not write to) is opened
// for reading only.
std::unique_ptr<TTableFile> OpenTableFile(const char* path);
// The real opener with another flush to the disk in place of FlushToDisk: a test's, which sees
// what reaches the disk when.
std::unique_ptr<TTableFile> OpenTableFileFlushedBy(const char* path,
                                                   std::function<bool(std::FILE*)> flush);
// The same for a reader that only looks: a read-only table (a CD, a shared folder, a file
// marked read-only) opens, and every write fails.
std::unique_ptr<TTableFile> OpenTableFileForReading(const char* path);

// A table held in memory: a file read whole, or bytes that tests and fuzz targets make. Writes
// stay within the bytes, as the reader's writes do in a file; one that would extend them fails.
class TMemoryTableFile : public TTableFile {
public:
    // Writes change `bytes`.
    explicit TMemoryTableFile(std::string& bytes) : bytes_(bytes), writable_(&bytes) {}
    // Every write fails.
    explicit TMemoryTableFile(const std::string& bytes) : bytes_(bytes) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;
    bool IsWritable() const override;
    bool WriteAt(uint64_t offset, const void* data, size_t size) override;
    uint64_t Length() override { return bytes_.size(); }

private:
    const std::string& bytes_;
    std::string* writable_ = nullptr;
};
