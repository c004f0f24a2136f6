#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

// The commands of vocorix-table. Each prints what it did to `out` and throws TToolError
// on bad input, having written nothing.

struct TNewCommand {
    std::string list;                     // WORDS.csv or WORDS.tsv
    std::string table;                    // TABLE.dbf
    std::optional<uint32_t> codePage;     // none: the first that holds every text, 1252 first,
                                          // UTF-8 last
    std::optional<char> separator;        // none: from the list's header row
    std::optional<uint32_t> listCodePage; // for a list that is not UTF-8; none: 1252, said so
    bool force = false;                   // replace an existing table
};
void RunNew(const TNewCommand& command, std::ostream& out);

// Makes the table again from its edited word list; every word that the list still has keeps
// its LASTCHANGE and COUNT.
struct TUpdateCommand {
    std::string list;
    std::string table;
    std::optional<uint32_t> codePage;     // none: the table's own, or one its list needs
    std::optional<char> separator;        // none: from the list's header row
    std::optional<uint32_t> listCodePage; // for a list that is not UTF-8; none: 1252, said so
    bool dryRun = false;                  // report only, write nothing
};
void RunUpdate(const TUpdateCommand& command, std::ostream& out);

struct TCheckCommand {
    std::string table;
    std::optional<std::string> settings; // none: the defaults
};
void RunCheck(const TCheckCommand& command, std::ostream& out);

struct TExportCommand {
    std::string table;
    std::optional<std::string> list;  // none: to `out`
    std::optional<uint32_t> codePage; // none: what the table says
    bool force = false;               // replace an existing list
};
void RunExport(const TExportCommand& command, std::ostream& out);

struct TResetCommand {
    std::string table;
};
void RunReset(const TResetCommand& command, std::ostream& out);
