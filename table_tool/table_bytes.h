#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "database/table_layout.h"

// A table file read whole into memory, for the commands that work on its bytes.
struct TTableBytes {
    std::string bytes;
    TTableLayout layout;
    // The code page of the texts as the table names it, by its header or the mark beside it;
    // none when it names none.
    std::optional<uint32_t> codePage;
};

// Reads the file and checks it with the table reader's own checks, and its code page as the
// drill reads it. Throws TToolError with the reader's message when Vocorix could not load the
// table.
TTableBytes ReadCheckedTable(const std::string& path);

// The reader's checks on a table's bytes: null when it would load, else the reader's message.
const char* CheckTableBytes(const std::string& bytes, TTableLayout& layout);

// Paths are UTF-8, as everywhere in the portable core.
// The whole file; throws TToolError when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Writes through a temporary file and a rename; throws TToolError when that fails.
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// A "Database Problem" text as lines for a terminal.
std::string TerminalText(const char* problem);
