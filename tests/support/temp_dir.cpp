#include "tests/support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

#ifdef __linux__
#include <sys/fsuid.h>
#include <unistd.h>
#endif
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

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
    // Joined as text: a library path would hand the name back in another encoding.
    const std::string folder =
        path_.string() + static_cast<char>(fs::path::preferred_separator) + name;
#ifdef _WIN32
    const int made = _mkdir(folder.c_str());
#else
    const int made = mkdir(folder.c_str(), 0700);
#endif
    if (made != 0)
        throw std::runtime_error("cannot create the folder " + folder);
    return folder;
}

ReadOnlyFile::ReadOnlyFile(std::string path)
    : path_(std::move(path)), original_(fs::status(path_).permissions()) {
    const fs::perms readable =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    // A folder keeps its search permission: its files can still be read.
    const fs::perms search = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(path_, readable | (original_ & search));
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
    fs::permissions(path_, original_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
