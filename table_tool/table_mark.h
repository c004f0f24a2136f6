#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The mark beside a table that vocorix-table and the program's import write
// (database/code_page_mark.h): a UTF-8 table has one that says UTF-8, a single-byte table none
// that says so, so that the mark never tells a reader a wrong page. A mark that names another
// encoding is not ours and stays beside a single-byte table.

// Gives the table's mark what a table in `codePage` needs, before the table itself is written,
// and puts the mark back as it was unless Keep() is called: a table that could not be written
// leaves the mark as it was too. Throws TToolError, having changed nothing, when the mark
// cannot be written or removed.
class TTableMarkChange {
public:
    TTableMarkChange(const std::string& table, uint32_t codePage);
    ~TTableMarkChange();
    TTableMarkChange(const TTableMarkChange&) = delete;
    TTableMarkChange& operator=(const TTableMarkChange&) = delete;

    // The table has been written: the mark stays as it is now.
    void Keep() { changed_.clear(); }

private:
    void Restore();

    // Each mark changed, with its contents before; none when there was no file.
    std::vector<std::pair<std::string, std::optional<std::string>>> changed_;
};

// Where the mark of a table's backup is kept: NAME.cpg.bak beside NAME.dbf.bak.
std::string MarkBackupOf(const std::string& table);
// Copies the table's mark to its backup's place, or removes a backup mark where the table has
// none, so that the backup and its mark are the table as it was. False when that failed.
bool KeepMarkBackup(const std::string& table);
