#include "database/table_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/file.h"
#ifndef _WIN32
#include <sys/types.h>

// A narrower off_t would wrap positions past 4 GiB and write a record's statistics into
// another record's bytes.
static_assert(sizeof(off_t) >= sizeof(uint64_t), "build with _FILE_OFFSET_BITS=64");
#endif

namespace {

// 64-bit seeks: a plain fseek takes a long, which is 32 bits on Windows.
bool SeekTo(std::FILE* file, uint64_t offset) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

int64_t LengthOf(std::FILE* file) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return -1;
    return _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return -1;
    return ftello(file);
#endif
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class StdioTableFile : public TTableFile {
public:
    StdioTableFile(std::FILE* file, bool writable, std::function<bool(std::FILE*)> flush)
        : file_(file), writable_(writable), flush_(std::move(flush)) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        // Reads that follow each other need no seek, which would also drop the stream's buffer.
        if (offset != readEnd_ && !SeekTo(file_.get(), offset)) {
            readEnd_ = NoPosition;
            return 0;
        }
        const size_t read = std::fread(buffer, 1, size, file_.get());
        readEnd_ = read == size ? offset + read : NoPosition;
        return read;
    }

    bool IsWritable() const override { return writable_; }

    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        // A write must seek (the stream may not go from reading to writing without it), and
        // the next read seeks again.
        readEnd_ = NoPosition;
        if (!SeekTo(file_.get(), offset))
            return false;
        const bool written = std::fwrite(data, 1, size, file_.get()) == size;
        // Flush even after a short write, so that the stream's error does not linger. The
        // statistics reach the disk before the next question is asked: an answer given is
        // kept through a power cut.
        const bool flushed = flush_(file_.get());
        return written && flushed;
    }

    uint64_t Length() override {
        readEnd_ = NoPosition;
        const int64_t length = LengthOf(file_.get());
        return length < 0 ? 0 : static_cast<uint64_t>(length);
    }

private:
    static constexpr uint64_t NoPosition = UINT64_MAX;

    std::unique_ptr<std::FILE, FileCloser> file_;
    bool writable_;
    std::function<bool(std::FILE*)> flush_;
    // Where the last complete read ended, the stream's position; NoPosition when unknown.
    uint64_t readEnd_ = NoPosition;
};

std::unique_ptr<TTableFile> Open(const char* path, bool writable,
                                 std::function<bool(std::FILE*)> flush = FlushToDisk) {
    std::FILE* file = OpenFile(path, writable ? "r+b" : "rb");
    if (file == nullptr)
        return nullptr;
    // Reads come in whole batches or single records and writes are flushed at once: a stream
    // buffer would only add a copy and split batch reads in two.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return std::make_unique<StdioTableFile>(file, writable, std::move(flush));
}

} // namespace

std::unique_ptr<TTableFile> OpenTableFile(const char* path) {
    if (auto file = Open(path, true))
        return file;
    return Open(path, false);
}

std::unique_ptr<TTableFile> OpenTableFileFlushedBy(const char* path,
                                                   std::function<bool(std::FILE*)> flush) {
    return Open(path, true, std::move(flush));
}

std::unique_ptr<TTableFile> OpenTableFileForReading(const char* path) {
    return Open(path, false);
}

size_t TMemoryTableFile::ReadAt(uint64_t offset, void* buffer, size_t size) {
    if (offset >= bytes_.size())
        return 0;
    const size_t read = static_cast<size_t>(std::min<uint64_t>(size, bytes_.size() - offset));
    std::memcpy(buffer, bytes_.data() + offset, read);
    return read;
}

bool TMemoryTableFile::IsWritable() const {
    return writable_ != nullptr;
}

bool TMemoryTableFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (writable_ == nullptr || offset > bytes_.size() || size > bytes_.size() - offset)
        return false;
    std::memcpy(writable_->data() + offset, data, size);
    return true;
}
