#include "platform/replace_file_system.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file.h"

namespace file_replacement {

bool MoveOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::FILE* CreateExclusively(const std::string& path, bool& taken) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    taken = descriptor < 0 && errno == EEXIST;
    if (descriptor < 0)
        return nullptr;
    if (std::FILE* stream = fdopen(descriptor, "wb"))
        return stream;
    close(descriptor);
    RemoveFile(path);
    return nullptr;
}

} // namespace file_replacement
