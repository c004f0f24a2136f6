#pragma once

#include <cstdio>
#include <string>

// The system calls behind TFileReplacement: replace_file_win.cpp or replace_file_posix.cpp.

namespace file_replacement {

// Renames `from` over `to`, replacing it; false when that failed and `to` is as it was.
bool MoveOver(const std::string& from, const std::string& to);

// A write stream on a file made under this name; null, with `taken` set when a file of that
// name exists already, when none can be made. The runtime of the Windows build ignores fopen's
// "x" mode, so the exclusive creation goes through open on both systems.
std::FILE* CreateExclusively(const std::string& path, bool& taken);

} // namespace file_replacement
