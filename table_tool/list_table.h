#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "table_tool/code_page_choice.h"
#include "table_tool/column_plan.h"
#include "table_tool/table_bytes.h"
#include "table_tool/table_update.h"

// Word lists made into tables: vocorix-table's new and update, and the program's own way in for
// a list it is given. Every function throws TToolError on bad input, having written nothing.

enum class TFileKind { Table, WordList, Other };
// By the name's extension, in any letter case.
TFileKind KindOfFile(const std::string& path);
// The table of the same name beside the list: words.csv gives words.dbf.
std::string TableBesideList(const std::string& list);

struct TListTable {
    TTableBytes table; // made and passed by the reader's checks
    uint32_t codePage = 0;
    uint32_t records = 0;
    TColumnPlan plan;
    std::optional<TUpdateCount> update;   // when an old table's statistics were kept
    std::optional<uint32_t> listCodePage; // when the list was not UTF-8
};

// Reads the list and makes its table in the code page the rule gives; with `old` (whose texts
// are in `oldCodePage`), each word keeps the statistics it has there. Without a `separator` the
// header row tells (a tie goes to ',' for .csv, a tab for .tsv, .tab and .txt). A list that is
// not UTF-8 is read in `listCodePage`, or else in the rule's preferred page. Running out of
// memory is a TToolError too.
TListTable MakeListTable(const std::string& list, std::optional<char> separator,
                         const TCodePageRule& codePage, const TTableBytes* old = nullptr,
                         uint32_t oldCodePage = 0,
                         std::optional<uint32_t> listCodePage = std::nullopt);

// Writes the table through a temporary file, reads that back and checks it, and only then puts
// it in the place of the file at `path`; its mark beside it says UTF-8 when `codePage` is
// UTF-8, and no mark says so otherwise (table_tool/table_mark.h).
void WriteCheckedTable(const std::string& path, const std::string& bytes, uint32_t codePage);

// What the program drills when it is given a file.
struct TTableImport {
    std::string table;
    // New contents for the table, to be written before it is opened; none when it is current.
    std::optional<std::string> bytes;
    uint32_t codePage = 0; // of the new contents
    std::string list;      // the word list the new contents come from
    uint32_t words = 0;    // records of the new contents
    // What the new contents do with the words of the table they replace, when there is one.
    std::optional<TUpdateCount> update;
};

// A table is itself. A word list's table is the one beside it: made when there is none, updated
// when the list gives other contents than it holds, else taken as it is. The system's code page
// is the one a new table prefers and the one an old table without a named page is in. A list
// whose table would have to be written into a folder the program may not write to is refused
// here.
TTableImport PrepareTableFor(const std::string& file, uint32_t systemCodePage);
// Keeps the table as it is on disk as its backup, then writes the new contents over it.
void CommitTableImport(const TTableImport& import);

// The one backup of a table that a list replaced: the table as it was before the last time.
std::string BackupOf(const std::string& table);
// Copies the table to its backup, and its mark (NAME.cpg) to NAME.cpg.bak, where it has one
// (else a backup mark goes); a copy that fails is an error that has changed nothing.
void KeepBackup(const std::string& table);
// "lesson.dbf as it was is kept as lesson.dbf.bak." (", its mark lesson.cpg as lesson.cpg.bak."
// where it had one)
std::string BackupReport(const std::string& table);
// The file's name without its folder.
std::string FileNameOf(const std::string& path);
// The question to ask before an import drops practised words of the table that the list lacks;
// empty when it drops none.
std::string ReplaceQuestion(const TTableImport& import);
// What an import did to the table it replaced; empty when it replaced none.
std::string ImportReport(const TTableImport& import);
