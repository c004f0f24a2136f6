#include "tests/support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <utility>

#ifdef __linux__
#include <sys/fsuid.h>
#include <unistd.h>
#endif
#include "platform/file.h"

namespace fs = std::filesystem;

std::string Utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vocorix-test-" << stamp << "-" << serial++ << "-" << attempt;
        fs::path candidate = fs::temp_directory_path() / name.str();
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::Folder(const std::string& name) const {
    const std::string folder = File(name);
    if (!fs::create_directory(PathOf(folder)))
        throw std::runtime_error("cannot create the folder " + folder);
    return folder;
}

ReadOnlyFile::ReadOnlyFile(std::string path)
    : path_(std::move(path)), original_(fs::status(PathOf(path_)).permissions()) {
    const fs::perms readable =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    // A folder keeps its search permission: its files can still be read.
    const fs::perms search = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(PathOf(path_), readable | (original_ & search));
#ifdef __linux__
    if (geteuid() == 0) {
        // Only this thread's file accesses change, and a fsuid other than 0 drops the
        // capabilities that let root ignore a file's mode.
        const uid_t nobody = 65534;
        setfsuid(nobody);
        // setfsuid answers with the id before the call: the second call tells whether the
        // first one took.
        ordinaryUser_ = static_cast<uid_t>(setfsuid(nobody)) == nobody;
    }
#endif
}

ReadOnlyFile::~ReadOnlyFile() {
#ifdef __linux__
    if (ordinaryUser_)
        setfsuid(0);
#endif
    // Writable again, so that the folder can be removed on Windows too.
    std::error_code ignored;
    fs::permissions(PathOf(path_), original_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = OpenFile(path, "rb")) {
        char chunk[4096];
        size_t read;
        while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, read);
        std::fclose(file);
    }
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    if (std::FILE* file = OpenFile(path, "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}
