#pragma once

#include <cstddef>
#include <string>

// The longest current directory, and the longest relative path, that Browse uses.
inline constexpr size_t BrowsePathLimit = 128;

// The text Browse puts into the file box for the chosen full path `chosen`: the path below the
// current directory, else the shorter of a relative path climbing out of it and the path
// without its drive letter (on the same drive), else the full path. A current directory that
// is empty (unknown) or longer than the limit is not used: the file box gets the full path.
std::string ShortenBrowsedPath(const std::string& currentDirectory, const std::string& chosen);
