#include "table_tool/commands.h"

#include <filesystem>

#include "database/code_pages.h"
#include "database/db_file.h"
#include "database/db_messages.h"
#include "platform/date.h"
#include "settings/options.h"
#include "table_tool/console_screen.h"
#include "table_tool/delimited_text.h"
#include "table_tool/list_table.h"
#include "table_tool/table_bytes.h"
#include "table_tool/table_export.h"
#include "table_tool/table_report.h"
#include "table_tool/table_reset.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

void RefuseExisting(const std::string& path) {
    if (FileExists(path))
        throw TToolError(path + " exists already; give --force to replace it");
}

// What new and update say, made before the table is written: once it is, nothing is left
// that could run out of memory and make the report a lie.
std::string Report(const std::string& list, std::optional<uint32_t> listCodePage,
                   const TListTable& made) {
    std::string report;
    for (const TPlannedField& field : made.plan.renamed)
        report += "The column \"" + field.header + "\" is the field " + field.fieldName + ".\n";
    // A list in the wrong code page still makes a table, with other letters than were meant.
    if (made.listCodePage) {
        report += list + " is not UTF-8: read in code page " + std::to_string(*made.listCodePage);
        report += listCodePage ? ".\n" : " (--input-code-page names another).\n";
    }
    return report;
}

} // namespace

void RunNew(const TNewCommand& command, std::ostream& out) {
    if (!command.force)
        RefuseExisting(command.table);
    const TListTable made = MakeListTable(command.list, command.separator,
                                          TCodePageRule{command.codePage, DefaultCodePage}, nullptr,
                                          0, command.listCodePage.value_or(DefaultCodePage));
    const std::string report = Report(command.list, command.listCodePage, made) + command.table +
                               ": " + std::to_string(made.records) +
                               (made.records == 1 ? " word" : " words") + " in code page " +
                               CodePageName(made.codePage) + ".\n";
    WriteCheckedTable(command.table, made.table.bytes, made.codePage);
    out << report;
}

void RunUpdate(const TUpdateCommand& command, std::ostream& out) {
    // A table not there yet is made: every word is new.
    std::optional<TTableBytes> old;
    if (FileExists(command.table))
        old = ReadCheckedTable(command.table);
    const uint32_t oldCodePage = old ? TableCodePage(*old) : DefaultCodePage;
    const TListTable made = MakeListTable(
        command.list, command.separator, TCodePageRule{command.codePage, oldCodePage},
        old ? &*old : nullptr, oldCodePage, command.listCodePage.value_or(DefaultCodePage));
    std::string report = Report(command.list, command.listCodePage, made);
    if (old && !command.codePage && made.codePage != oldCodePage)
        report += "The table is in code page " + CodePageName(made.codePage) + " from now on.\n";
    report += UpdateReport(made.update.value_or(TUpdateCount{0, made.records, 0})) + "\n";
    if (!command.dryRun) {
        // As the program does: the table as it was stays beside it until the next update.
        if (old) {
            KeepBackup(command.table);
            report += BackupReport(command.table) + "\n";
        }
        WriteCheckedTable(command.table, made.table.bytes, made.codePage);
    }
    out << report;
}

void RunCheck(const TCheckCommand& command, std::ostream& out) {
    if (command.settings && !FileExists(*command.settings))
        throw TToolError("the settings file " + *command.settings + " does not exist");
    // Without a settings file, every setting has its default.
    TIniFile ini(command.settings.value_or(std::string()));
    TOptions options(ini);
    options.FileName = character(command.table.c_str());

    TConsoleScreen screen;
    std::optional<TProgress> progress;
    {
        // Only looking: a table on a CD or marked read-only is checked like any other.
        TDBFile reader(options, screen, OpenTableFileForReading);
        if (!reader.IsLoaded()) {
            // Without a settings file the reader stays silent about a table it cannot open.
            throw TToolError(
                command.table + ": " +
                TerminalText(screen.problem.empty() ? CannotOpenText : screen.problem.c_str()));
        }
        // The drill's progress window counts with the same reader.
        progress = reader.Progress(TDate().DayNumber());
        if (!progress)
            throw TToolError(command.table + ": " + TerminalText(CannotReadText));
    }
    const TTableBytes table = ReadCheckedTable(command.table);
    out << TableReport(command.table, table, *progress, options,
                       command.settings.value_or("defaults"));
}

void RunExport(const TExportCommand& command, std::ostream& out) {
    if (command.list && !command.force)
        RefuseExisting(*command.list);
    if (command.codePage && !LanguageDriverOf(*command.codePage))
        throw TToolError("code page " + CodePageName(*command.codePage) +
                         " is not one a table can have; these are: " + SupportedCodePages());
    const TTableBytes table = ReadCheckedTable(command.table);
    const TExportedList list =
        ExportTable(table, command.codePage.value_or(TableCodePage(table)), command.table);
    if (!command.list) {
        out << list.csv;
        return;
    }
    // The mark tells spreadsheet programs that the text is UTF-8.
    WriteWholeFile(*command.list, std::string(ByteOrderMark) + list.csv);
    out << *command.list << ": " << list.words << (list.words == 1 ? " word" : " words");
    if (list.deleted > 0)
        out << "; " << list.deleted << " deleted records left out";
    out << ".\n";
}

void RunReset(const TResetCommand& command, std::ostream& out) {
    TTableBytes table = ReadCheckedTable(command.table);
    const uint32_t records = ResetStatistics(table);
    WriteWholeFile(command.table, table.bytes);
    out << command.table << ": LASTCHANGE and COUNT blanked in " << records << " records.\n";
}
