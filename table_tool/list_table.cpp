#include "table_tool/list_table.h"

#include <new>
#include <stdexcept>

#include "database/code_page_mark.h"
#include "database/code_pages.h"
#include "database/table_format.h"
#include "platform/code_page.h"
#include "platform/replace_file.h"
#include "table_tool/delimited_text.h"
#include "table_tool/list_text.h"
#include "table_tool/table_export.h"
#include "table_tool/table_maker.h"
#include "table_tool/table_mark.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

namespace {

// Paths are taken as the system gave them, byte for byte: a library path type would hand them
// back in another encoding, naming another file.

// Where the file's name begins, after its folder.
size_t NameStart(const std::string& path) {
    const size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? 0 : separator + 1;
}

// Where the name's extension begins (at its dot), or the path's end when it has none.
size_t ExtensionStart(const std::string& path) {
    const size_t nameStart = NameStart(path);
    const size_t dot = path.rfind('.');
    // A name that begins with its only dot has no extension.
    return dot != std::string::npos && dot > nameStart ? dot : path.size();
}

std::string Extension(const std::string& path) {
    return AsciiLower(path.substr(ExtensionStart(path)));
}

// Whether two tables hold the same, whatever day each was written on.
bool SameBesideDate(const std::string& made, const std::string& old) {
    const size_t dateEnd = table_format::LastUpdateAt + 3;
    return made.size() == old.size() &&
           made.compare(0, table_format::LastUpdateAt, old, 0, table_format::LastUpdateAt) == 0 &&
           made.compare(dateEnd, std::string::npos, old, dateEnd, std::string::npos) == 0;
}

// Where the header row holds as many of one separator as of another.
char PreferredSeparator(const std::string& list) {
    // Flash-card programs export their notes as tab-separated .txt files.
    const std::string extension = Extension(list);
    return extension == ".tsv" || extension == ".tab" || extension == ".txt" ? '\t' : ',';
}

std::string Words(uint32_t count) {
    return std::to_string(count) + (count == 1 ? " word" : " words");
}

// A list on a CD, in a shared folder or among the programs cannot have its table beside it.
std::string UnwritableFolderText(const std::string& list, const std::string& table) {
    std::string folder = list.substr(0, NameStart(list));
    // Without its last separator, unless it is a root ("C:\", "/").
    if (folder.size() > 1 && folder[folder.size() - 2] != ':')
        folder.pop_back();
    return FileNameOf(list) + " is in a folder Vocorix may not write to (" + folder +
           "), so its table " + FileNameOf(table) + " cannot be kept beside it. Copy " +
           FileNameOf(list) + " into a folder of your own, such as Documents, and open the copy.";
}

} // namespace

TFileKind KindOfFile(const std::string& path) {
    const std::string extension = Extension(path);
    if (extension == ".dbf")
        return TFileKind::Table;
    if (extension == ".csv" || extension == ".tsv" || extension == ".tab" || extension == ".txt")
        return TFileKind::WordList;
    return TFileKind::Other;
}

std::string TableBesideList(const std::string& list) {
    return list.substr(0, ExtensionStart(list)) + ".dbf";
}

TListTable MakeListTable(const std::string& list, std::optional<char> separator,
                         const TCodePageRule& codePage, const TTableBytes* old,
                         uint32_t oldCodePage, std::optional<uint32_t> listCodePage) {
    // A 32-bit program has room for less than the disk: such a list is refused like a bad one.
    const std::string noMemory = list + ": there is not enough memory to make its table";
    try {
        const TListText decoded =
            DecodeList(ReadWholeFile(list), listCodePage.value_or(codePage.preferred), list);
        const char chosen =
            separator ? *separator : DetectSeparator(decoded.utf8, PreferredSeparator(list));
        const TDelimitedText text = ReadDelimitedText(decoded.utf8, chosen);
        if (!text.error.empty())
            throw TToolError(list + ", line " + std::to_string(text.errorLine) + ": " + text.error);
        TListTable result;
        result.codePage = ChooseCodePage(text.rows, codePage);
        TMadeTable made = MakeTable(text.rows, result.codePage, list);
        // The reader's own checks on the result, before anything is written: what they refuse
        // would never drill.
        if (const char* problem = CheckTableBytes(made.bytes, result.table.layout))
            throw TToolError(list + ": the table would not load: " + TerminalText(problem));
        result.table.bytes = std::move(made.bytes);
        result.table.codePage = result.codePage;
        result.records = made.records;
        result.plan = std::move(made.plan);
        result.listCodePage = decoded.codePage;
        if (old != nullptr)
            result.update = KeepStatistics(result.table, result.codePage, *old, oldCodePage);
        return result;
    } catch (const std::bad_alloc&) {
        throw TToolError(noMemory);
    } catch (const std::length_error&) {
        throw TToolError(noMemory);
    }
}

void WriteCheckedTable(const std::string& path, const std::string& bytes, uint32_t codePage) {
    const std::string failed = "cannot write " + path + "; it is as it was";
    // The mark first: one that cannot be written has changed nothing, and a table that cannot
    // be written puts it back.
    TTableMarkChange mark(path, codePage);
    TFileReplacement replacement(path);
    if (replacement.Stream() == nullptr)
        throw TToolError(failed);
    std::fwrite(bytes.data(), 1, bytes.size(), replacement.Stream());
    if (std::fflush(replacement.Stream()) != 0 || std::ferror(replacement.Stream()))
        throw TToolError(failed);
    // What reached the disk, not what was meant to: a full disk may cut the file short.
    std::string written;
    try {
        written = ReadWholeFile(replacement.TemporaryPath());
    } catch (const TToolError&) {
        throw TToolError(failed);
    }
    TTableLayout layout;
    if (written != bytes || CheckTableBytes(written, layout) != nullptr || !replacement.Commit())
        throw TToolError(failed);
    mark.Keep();
}

TTableImport PrepareTableFor(const std::string& file, uint32_t systemCodePage) {
    switch (KindOfFile(file)) {
    case TFileKind::Table: {
        TTableImport itself;
        itself.table = file;
        return itself;
    }
    case TFileKind::Other:
        throw TToolError(file + " is neither a table (.dbf) nor a word list (.csv, .tsv, .tab "
                                "or .txt)");
    case TFileKind::WordList:
        break;
    }
    TTableImport import;
    import.table = TableBesideList(file);
    import.list = file;
    if (!FileExists(file))
        throw TToolError("cannot open " + file);
    std::optional<TTableBytes> old;
    if (FileExists(import.table))
        old = ReadCheckedTable(import.table);
    // The list is read every time, not only when saved after its table: every answer rewrites
    // the table, so a list edited during a drill would look older and its edits be lost. A list
    // that gives the table as it is writes nothing, so a start does not rewrite the table.
    // An old table keeps its page unless the list needs another.
    const uint32_t oldCodePage = old ? TableCodePage(*old, systemCodePage) : systemCodePage;
    // A system set to UTF-8 as its own page makes new tables as any other does: UTF-8 only
    // for a list that no single-byte page holds.
    const uint32_t preferred =
        old || systemCodePage != Utf8CodePage ? oldCodePage : DefaultCodePage;
    TListTable made = MakeListTable(file, std::nullopt, TCodePageRule{std::nullopt, preferred},
                                    old ? &*old : nullptr, oldCodePage, systemCodePage);
    // The same bytes in another page (a UTF-8 table that lost its mark) are another table.
    if (old && SameBesideDate(made.table.bytes, old->bytes) && made.codePage == oldCodePage)
        return import;
    // Said now, before the learner is asked anything or the drill lets go of its table.
    if (const TFileReplacement probe(import.table); probe.Stream() == nullptr)
        throw TToolError(UnwritableFolderText(file, import.table));
    import.bytes = std::move(made.table.bytes);
    import.codePage = made.codePage;
    import.words = made.records;
    import.update = made.update;
    return import;
}

void CommitTableImport(const TTableImport& import) {
    if (!import.bytes)
        return;
    if (FileExists(import.table))
        KeepBackup(import.table);
    WriteCheckedTable(import.table, *import.bytes, import.codePage);
}

void KeepBackup(const std::string& table) {
    const std::string backup = BackupOf(table);
    try {
        WriteWholeFile(backup, ReadWholeFile(table));
        // Its mark with it: the two are the table as it was.
        if (!KeepMarkBackup(table))
            throw TToolError(backup);
    } catch (const TToolError&) {
        throw TToolError("cannot keep " + table + " as " + backup + "; " + table + " is as it was");
    }
}

std::string BackupReport(const std::string& table) {
    const std::string kept =
        FileNameOf(table) + " as it was is kept as " + FileNameOf(BackupOf(table));
    const std::string markBackup = MarkBackupOf(table);
    if (!FileExists(markBackup))
        return kept + ".";
    const std::string mark = FileNameOf(CodePageMarkPath(table));
    return kept + ", its mark " + mark + " as " + FileNameOf(markBackup) + ".";
}

std::string BackupOf(const std::string& table) {
    // Not a second .dbf: the learner's other programs would list it as a table of its own.
    return table + ".bak";
}

std::string FileNameOf(const std::string& path) {
    return path.substr(NameStart(path));
}

std::string ReplaceQuestion(const TTableImport& import) {
    if (!import.bytes || !import.update || import.update->practisedLeftOut == 0)
        return {};
    const std::string list = FileNameOf(import.list);
    const std::string table = FileNameOf(import.table);
    const uint32_t practised = import.update->practisedLeftOut;
    return list + " does not hold " + Words(import.update->leftOut) + " of " + table + "; " +
           std::to_string(practised) + " of them " + (practised == 1 ? "is" : "are") +
           " practised. Replace " + table + " with the " + Words(import.words) + " of " + list +
           "?";
}

std::string ImportReport(const TTableImport& import) {
    if (!import.bytes || !import.update)
        return {};
    const TUpdateCount& count = *import.update;
    return Words(count.kept) + " kept with their practice, " + std::to_string(count.added) +
           " new, " + std::to_string(count.leftOut) + " left out.\r\n" + BackupReport(import.table);
}
