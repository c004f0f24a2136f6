#include "platform/replace_file_system.h"

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file.h"

// A replacement in progress holds a lock on its temporary file (flock: the lock goes with the
// open file, and with the process when it dies), which is how a file left by a crash is told
// from one being written.

namespace file_replacement {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the path still names the open file: a leftover's removal may have taken the name
// between its creation and its lock.
bool NamesIt(const std::string& path, int descriptor) {
    struct stat named, open;
    return stat(path.c_str(), &named) == 0 && fstat(descriptor, &open) == 0 &&
           SameFile(named, open);
}

std::string FolderOf(const std::string& path) {
    const size_t start = FileNameStart(path);
    return start == 0 ? std::string(".") : path.substr(0, start);
}

class RealPosixSystem : public TSystem {
public:
    std::FILE* CreateExclusively(const std::string& path, bool& taken) override {
        const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        taken = descriptor < 0 && errno == EEXIST;
        if (descriptor < 0)
            return nullptr;
        // Taken by a removal of leftovers before the lock: another name is tried.
        if (flock(descriptor, LOCK_EX | LOCK_NB) != 0 || !NamesIt(path, descriptor)) {
            close(descriptor);
            taken = true;
            return nullptr;
        }
        if (std::FILE* stream = fdopen(descriptor, "wb"))
            return stream;
        close(descriptor);
        RemoveFile(path);
        return nullptr;
    }

    bool FlushToDisk(std::FILE* stream) override { return ::FlushToDisk(stream); }

    bool MoveOver(const std::string& from, const std::string& to) override {
        if (std::rename(from.c_str(), to.c_str()) != 0)
            return false;
        // The new name on the disk too. The rename is done whatever this says, and some file
        // systems cannot sync a folder: its failure is no failure of the replacement.
        const int folder = open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }

    std::vector<std::string> TemporaryFilesOf(const std::string& target) override {
        std::vector<std::string> found;
        const std::string name = target.substr(FileNameStart(target));
        DIR* folder = opendir(FolderOf(target).c_str());
        if (folder == nullptr)
            return found;
        while (const dirent* entry = readdir(folder)) {
            const std::string_view file = entry->d_name;
            if (file.size() == name.size() + TemporarySuffixLength &&
                file.substr(0, name.size()) == name && IsTemporarySuffix(file.substr(name.size())))
                found.push_back(target.substr(0, FileNameStart(target)) + std::string(file));
        }
        closedir(folder);
        return found;
    }

    bool RemoveUnlessOpen(const std::string& path) override {
        const int descriptor =
            open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (descriptor < 0)
            return false;
        struct stat status;
        const bool removed = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
                             flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
                             NamesIt(path, descriptor) && unlink(path.c_str()) == 0;
        close(descriptor);
        return removed;
    }
};

} // namespace

TSystem& RealSystem() {
    static RealPosixSystem system;
    return system;
}

} // namespace file_replacement
