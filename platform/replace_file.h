#pragma once

#include <string>

// Replaces a file's contents through a temporary file in the same folder and a rename, so that
// a crash leaves the old file or the new one, never half of one. Returns false, leaving the old
// file as it was, when the new contents could not be written.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);
