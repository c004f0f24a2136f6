#pragma once

#include <cstdio>
#include <string>

// Files named by paths in UTF-8, the encoding of every path the portable core holds. On Windows
// the name goes to the system's wide functions, so that a file in any folder Windows can name is
// found; elsewhere the path's bytes are the name.

// As std::fopen; null when the file cannot be opened.
std::FILE* OpenFile(const std::string& path, const char* mode);
// Whether anything (a file or a folder) stands at the path.
bool PathExists(const std::string& path);
// As std::remove; false when nothing was removed.
bool RemoveFile(const std::string& path);
// Sends what the stream and the system hold of its file's data to the disk (fflush, then fsync
// or FlushFileBuffers); false when either failed.
bool FlushToDisk(std::FILE* file);
