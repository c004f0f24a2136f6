#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "table_tool/list_table.h"

// A file the learner gives the program to drill (on its command line, dropped onto its window,
// or chosen with Browse): a table, or a word list whose table beside it is made or updated in
// the system's ANSI code page when that holds its words, else in the first that does.

// Reads the list when its table needs it. None, after a message box owned by `owner` has said
// why, when the list cannot be made into a table; nothing is written either way.
std::optional<TTableImport> PrepareGivenFile(HWND owner, const std::string& file);
// Writes what PrepareGivenFile made. False, after the message box, when it could not be written;
// the old table is then as it was.
bool CommitGivenFile(HWND owner, const TTableImport& import);
// Asks, before a list's table drops practised words that the list lacks, whether to replace it
// (Yes/No, No the default). True when the learner says Yes or nothing practised would go.
bool MayReplaceTable(HWND owner, const TTableImport& import);
// After CommitGivenFile: what an update did to the table it replaced, if it replaced one.
void ShowImportReport(HWND owner, const TTableImport& import);
// The file's full path, as the settings should keep it.
std::string FullPathOf(const std::string& file);

// The table a given file would be drilled as, with nothing read or written: the table itself,
// or the one beside a word list; empty for any other file.
std::string TableOfGivenFile(const std::string& file);

// The table to drill for a file given on the command line, made or updated as needed; empty,
// after a message box, when the file gives none or the learner keeps the table as it is.
std::string TableToStartWith(const std::string& file);
