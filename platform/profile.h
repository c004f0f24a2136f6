#pragma once

#include <cstdint>
#include <string>

// The two operations of the Windows profile (initialization) file functions, portable, with the
// semantics of Windows itself.

// Reads one key into buffer (size bytes, NUL included) and returns the length copied. A missing
// or unreadable file, section or key gives defaultText (without its trailing blanks). A value
// ends at a NUL byte in the file, as a C string would.
uint32_t ProfileRead(const std::string& file, const char* section, const char* key,
                     const char* defaultText, char* buffer, uint32_t size);

// Writes one key, creating the file, section and key as needed. Returns false when the file
// could not be written, or exists and could not be read; the old file then stands unchanged.
bool ProfileWrite(const std::string& file, const char* section, const char* key, const char* value);
