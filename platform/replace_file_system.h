#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The system calls behind TFileReplacement: replace_file_win.cpp or replace_file_posix.cpp. A
// test may stand in for them to see what is called, in which order, or to make a call fail.

namespace file_replacement {

class TSystem {
public:
    virtual ~TSystem() = default;

    // A write stream on a file made under this name; null, with `taken` set when a file of that
    // name exists already, when none can be made. The file stays marked as in use while the
    // stream is open, so that no other replacement takes it for one left by a crash.
    virtual std::FILE* CreateExclusively(const std::string& path, bool& taken) = 0;
    // Sends what was written to the stream to the disk; false when that failed.
    virtual bool FlushToDisk(std::FILE* stream) = 0;
    // Renames `from` over `to`, replacing it, and makes the rename durable; false when the
    // rename failed and `to` is as it was. `from` may still be open.
    virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
    // The paths of the files beside `target` named as its temporary files are.
    virtual std::vector<std::string> TemporaryFilesOf(const std::string& target) = 0;
    // Removes a regular file that no process holds open; false when it stays.
    virtual bool RemoveUnlessOpen(const std::string& path) = 0;
};

// The system's own calls.
TSystem& RealSystem();

// Whether this is what a temporary file's name adds to its target's: ".~", eight hex digits as
// TFileReplacement writes them (lower case), ".tmp".
bool IsTemporarySuffix(std::string_view suffix);
// The length of that suffix.
inline constexpr size_t TemporarySuffixLength = 14;
// Where a path's file name starts: after its last separator.
size_t FileNameStart(const std::string& path);

} // namespace file_replacement
