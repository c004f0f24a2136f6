#pragma once

#include <string>
#include <string_view>

// Valid UTF-8 as UTF-16 bytes after their byte-order mark, as spreadsheets save "Unicode text".
std::string Utf16Bytes(std::string_view utf8, bool bigEndian);
