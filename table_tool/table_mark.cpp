#include "table_tool/table_mark.h"

#include "database/code_page_mark.h"
#include "platform/code_page.h"
#include "platform/file.h"
#include "platform/replace_file.h"
#include "table_tool/table_bytes.h"
#include "table_tool/tool_error.h"

namespace {

// The two names a mark may have (on Windows one file); upper case only as shapelib reads it.
std::vector<std::string> MarkPaths(const std::string& table) {
    const std::string lower = CodePageMarkPath(table);
    std::string upper = lower;
    upper.replace(upper.size() - 3, 3, "CPG");
    return {lower, upper};
}

// A mark's contents; none when there is none that can be read.
std::optional<std::string> Contents(const std::string& path) {
    if (!FileExists(path))
        return std::nullopt;
    try {
        return ReadWholeFile(path);
    } catch (const TToolError&) {
        return std::nullopt;
    }
}

} // namespace

TTableMarkChange::TTableMarkChange(const std::string& table, uint32_t codePage) {
    const bool utf8 = codePage == Utf8CodePage;
    try {
        if (utf8) {
            const std::string path = FindCodePageMark(table).value_or(CodePageMarkPath(table));
            const std::optional<std::string> before = Contents(path);
            if (before && MarkSaysUtf8(*before))
                return;
            // One that cannot be read could not be put back.
            if ((!before && FileExists(path)) ||
                !ReplaceFileContents(path, std::string(Utf8MarkText)))
                throw TToolError("cannot write " + path + "; " + table + " is as it was");
            changed_.emplace_back(path, before);
            return;
        }
        for (const std::string& path : MarkPaths(table)) {
            const std::optional<std::string> before = Contents(path);
            if (!before || !MarkSaysUtf8(*before))
                continue;
            if (!RemoveFile(path))
                throw TToolError("cannot remove " + path + ", which says the table is UTF-8; " +
                                 table + " is as it was");
            changed_.emplace_back(path, before);
        }
    } catch (const TToolError&) {
        Restore();
        throw;
    }
}

TTableMarkChange::~TTableMarkChange() {
    Restore();
}

void TTableMarkChange::Restore() {
    // Last change first; what cannot be put back stays as it is, the table's bytes being safe.
    for (auto change = changed_.rbegin(); change != changed_.rend(); ++change) {
        if (change->second)
            ReplaceFileContents(change->first, *change->second);
        else
            RemoveFile(change->first);
    }
    changed_.clear();
}

std::string MarkBackupOf(const std::string& table) {
    return CodePageMarkPath(table) + ".bak";
}

bool KeepMarkBackup(const std::string& table) {
    const std::string backup = MarkBackupOf(table);
    if (const std::optional<std::string> mark = FindCodePageMark(table))
        return ReplaceFileContents(backup, ReadWholeFile(*mark));
    return !FileExists(backup) || RemoveFile(backup);
}
