#include "table_tool/table_tool.h"

#include <CLI/CLI.hpp>

#include <new>
#include <optional>
#include <stdexcept>

#include "database/code_pages.h"
#include "table_tool/commands.h"
#include "table_tool/tool_error.h"

namespace {

constexpr const char* ProgramName = "vocorix-table";
// Every file is written whole through a temporary file, or not at all, and the commands say
// what they did only once it is written.
constexpr const char* NoMemoryText = ": there is not enough memory for this; no file was changed\n";

struct CommandLine {
    TNewCommand make;
    std::string makeCodePage;
    TUpdateCommand update;
    std::string updateCodePage;
    TCheckCommand check;
    TExportCommand exported;
    TResetCommand reset;
    std::string settings;
    std::string list;
    std::string exportCodePage;
    uint32_t listCodePage = 0;
    bool tab = false;
    bool comma = false;
    bool semicolon = false;

    // The separator a flag forces; none: the list's header row tells.
    std::optional<char> Separator() const {
        if (tab)
            return '\t';
        if (semicolon)
            return ';';
        if (comma)
            return ',';
        return std::nullopt;
    }
};

// The options that say how a word list is written, for new and update.
void DescribeList(CLI::App& command, CommandLine& line) {
    CLI::Option* tab = command.add_flag("--tab", line.tab, "the list is tab-separated");
    CLI::Option* comma =
        command.add_flag("--comma", line.comma, "the list is comma-separated")->excludes(tab);
    command.add_flag("--semicolon", line.semicolon, "the list is semicolon-separated")
        ->excludes(tab, comma);
    command.add_option("--input-code-page", line.listCodePage,
                       "the list's code page, when it is not UTF-8 (default 1252)");
}

// The option's value, when it was given.
std::optional<uint32_t> Given(CLI::App& command, const char* option, uint32_t value) {
    if (command.count(option) == 0)
        return std::nullopt;
    return value;
}

// The table's code page the option names, when it was given.
std::optional<uint32_t> GivenCodePage(CLI::App& command, const std::string& value) {
    if (command.count("--code-page") == 0)
        return std::nullopt;
    const std::optional<uint32_t> codePage = ParseCodePage(value);
    if (!codePage)
        throw TToolError("--code-page " + value + ": not a code page; a table's are " +
                         SupportedCodePages());
    return codePage;
}

void Describe(CLI::App& app, CommandLine& line) {
    app.description("Makes, updates, checks, exports and resets Vocorix vocabulary tables.");
    app.require_subcommand(1);
    // Paths may start with "/" on every platform.
    app.allow_windows_style_options(false);

    CLI::App* make = app.add_subcommand("new", "Make a table from a CSV or TSV word list.");
    make->add_option("WORDS", line.make.list,
                     "the word list (.csv, .tsv or .txt): comma-, semicolon- or tab-separated")
        ->required();
    make->add_option("TABLE", line.make.table, "the table to write (.dbf)")->required();
    make->add_option("--code-page", line.makeCodePage,
                     "the table's code page: " + SupportedCodePages() +
                         " (default: 1252 when it holds every text, else the first that does, "
                         "else UTF-8)");
    DescribeList(*make, line);
    make->add_flag("--force", line.make.force, "replace an existing table");

    CLI::App* update = app.add_subcommand(
        "update", "Make a table again from its edited word list; the words it still has keep "
                  "their statistics.");
    update->add_option("WORDS", line.update.list, "the edited word list")->required();
    update->add_option("TABLE", line.update.table, "the table to update (.dbf)")->required();
    update->add_option("--code-page", line.updateCodePage,
                       "the table's code page from now on (default: the one it has, unless the "
                       "list needs another)");
    DescribeList(*update, line);
    update->add_flag("--dry-run", line.update.dryRun, "only report what would be kept");

    CLI::App* check = app.add_subcommand("check", "Check a table and show when its words are due.");
    check->add_option("TABLE", line.check.table, "the table")->required();
    check->add_option("--settings", line.settings, "the settings file (vocorix.INI)");

    CLI::App* exported = app.add_subcommand("export", "Write a table's words as UTF-8 CSV.");
    exported->add_option("TABLE", line.exported.table, "the table")->required();
    exported->add_option("WORDS", line.list, "the CSV file to write; without it, the terminal");
    exported->add_option("--code-page", line.exportCodePage,
                         "the table's code page, when its header does not say");
    exported->add_flag("--force", line.exported.force, "replace an existing CSV file");

    CLI::App* reset = app.add_subcommand("reset", "Blank LASTCHANGE and COUNT of every record.");
    reset->add_option("TABLE", line.reset.table, "the table")->required();
}

int Run(CLI::App& app, CommandLine& line, std::ostream& out) {
    if (app.got_subcommand("new")) {
        line.make.separator = line.Separator();
        line.make.listCodePage =
            Given(*app.get_subcommand("new"), "--input-code-page", line.listCodePage);
        line.make.codePage = GivenCodePage(*app.get_subcommand("new"), line.makeCodePage);
        RunNew(line.make, out);
    } else if (app.got_subcommand("update")) {
        CLI::App* update = app.get_subcommand("update");
        line.update.separator = line.Separator();
        line.update.listCodePage = Given(*update, "--input-code-page", line.listCodePage);
        line.update.codePage = GivenCodePage(*update, line.updateCodePage);
        RunUpdate(line.update, out);
    } else if (app.got_subcommand("check")) {
        if (app.get_subcommand("check")->count("--settings") > 0)
            line.check.settings = line.settings;
        RunCheck(line.check, out);
    } else if (app.got_subcommand("export")) {
        CLI::App* exported = app.get_subcommand("export");
        if (exported->count("WORDS") > 0)
            line.exported.list = line.list;
        line.exported.codePage = GivenCodePage(*exported, line.exportCodePage);
        RunExport(line.exported, out);
    } else {
        RunReset(line.reset, out);
    }
    return 0;
}

} // namespace

int RunReported(const std::function<int()>& command, std::ostream& err) {
    try {
        return command();
    } catch (const TToolError& error) {
        err << ProgramName << ": " << error.what() << "\n";
    } catch (const std::bad_alloc&) {
        err << ProgramName << NoMemoryText;
    } catch (const std::length_error&) {
        // A text longer than a string may hold, as a 32-bit build's export may make.
        err << ProgramName << NoMemoryText;
    }
    return 1;
}

int RunTableTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return RunReported(
        [&] {
            CLI::App app(std::string(), ProgramName);
            CommandLine line;
            Describe(app, line);
            try {
                app.parse(argc, argv);
            } catch (const CLI::ParseError& error) {
                // Help goes to `out` with status 0; a wrong command line to `err` with its usage.
                return app.exit(error, out, err) == 0 ? 0 : 2;
            }
            return Run(app, line, out);
        },
        err);
}
