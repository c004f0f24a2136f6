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

void ReportRenamed(const TColumnPlan& plan, std::ostream& out) {
    for (const TPlannedField& field : plan.renamed)
        out << "The column \"" << field.header << "\" is the field " << field.fieldName << ".\n";
}

} // namespace

void RunNew(const TNewCommand& command, std::ostream& out) {
    if (!command.force)
        RefuseExisting(command.table);
    const TListTable made =
        MakeListTable(command.list, command.separator, command.codePage, nullptr);
    WriteCheckedTable(command.table, made.table.bytes);
    ReportRenamed(made.plan, out);
    out << command.table << ": " << made.records << (made.records == 1 ? " word" : " words")
        << " in code page " << command.codePage << ".\n";
}

void RunUpdate(const TUpdateCommand& command, std::ostream& out) {
    // A table not there yet is made: every word is new.
    std::optional<TTableBytes> old;
    if (FileExists(command.table))
        old = ReadCheckedTable(command.table);
    const uint32_t codePage =
        command.codePage.value_or(old ? TableCodePage(*old) : DefaultCodePage);
    const TListTable made =
        MakeListTable(command.list, command.separator, codePage, old ? &*old : nullptr);
    if (!command.dryRun)
        WriteCheckedTable(command.table, made.table.bytes);
    ReportRenamed(made.plan, out);
    out << UpdateReport(made.update.value_or(TUpdateCount{0, made.records, 0})) << "\n";
}

void RunCheck(const TCheckCommand& command, std::ostream& out) {
    if (command.settings && !FileExists(*command.settings))
        throw TToolError("the settings file " + *command.settings + " does not exist");
    // Without a settings file, every setting has its default.
    TIniFile ini(command.settings.value_or(std::string()));
    TOptions options(ini);
    options.FileName = character(command.table.c_str());

    TConsoleScreen screen;
    uint32_t eligible;
    {
        // Only looking: a table on a CD or marked read-only is checked like any other.
        TDBFile reader(options, screen, OpenTableFileForReading);
        if (!reader.IsLoaded()) {
            // Without a settings file the reader stays silent about a table it cannot open.
            throw TToolError(
                command.table + ": " +
                TerminalText(screen.problem.empty() ? CannotOpenText : screen.problem.c_str()));
        }
        eligible = reader.EligibleCount();
    }
    const TTableBytes table = ReadCheckedTable(command.table);
    const int32_t today = TDate().DayNumber();
    out << TableReport(command.table, table, CountWords(table, options, today), options,
                       command.settings.value_or("defaults"), eligible, today);
}

void RunExport(const TExportCommand& command, std::ostream& out) {
    if (command.list && !command.force)
        RefuseExisting(*command.list);
    if (command.codePage && !LanguageDriverOf(*command.codePage))
        throw TToolError("code page " + std::to_string(*command.codePage) +
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
