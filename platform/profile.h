#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The same two operations on the bytes of a settings file that exists, held in memory: the
// file functions above read the file, hand its bytes here and write back what comes out.
uint32_t ProfileReadBytes(std::string_view bytes, std::string_view section, std::string_view key,
                          const char* defaultText, char* buffer, uint32_t size);
// The file's bytes after the write, or nothing when the key already holds this value and the
// file is to stay untouched.
std::optional<std::string> ProfileWriteBytes(std::string_view bytes, std::string_view section,
                                             std::string_view key, std::string_view value);

// The settings file's texts, in UTF-8 whatever the file is in. A file that starts with the
// UTF-16 byte-order mark (FF FE) holds UTF-16, as Windows' own profile functions read and write
// it; any other holds the system's ANSI code page, as they read that (every file of an earlier
// version is one of these).

// One key's value, or the default text (without its trailing blanks), read as ProfileRead reads
// it but of any length.
std::string ProfileReadText(const std::string& file, std::string_view section, std::string_view key,
                            const char* defaultText);
// Writes one key as ProfileWrite does. While the file is in the ANSI code page and the value fits
// that page, the value goes in as its bytes there and the file stays byte for byte as Windows
// would keep it; a value that does not fit turns the whole file into UTF-16, every other text
// kept, so that every text reads back exactly.
bool ProfileWriteText(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view value);
