// Files the learner gives the drill window: on the command line and dropped onto it.
#include <windows.h>

#include <shellapi.h>

#include "app/vocorix_dlg.h"
#include "dialog_rules/option.h"
#include "dialogs/given_file.h"
#include "platform/text_codec.h"

namespace {

// The files of one drop, released however the handler ends.
class TDroppedFiles {
public:
    explicit TDroppedFiles(HDROP drop) : drop_(drop) {}
    ~TDroppedFiles() { DragFinish(drop_); }
    TDroppedFiles(const TDroppedFiles&) = delete;
    TDroppedFiles& operator=(const TDroppedFiles&) = delete;

    // The first file; several dropped at once are one too many to drill.
    std::string First() const {
        const UINT length = DragQueryFileW(drop_, 0, nullptr, 0);
        if (length == 0)
            return {};
        std::wstring file(length + 1, L'\0');
        file.resize(DragQueryFileW(drop_, 0, file.data(), length + 1));
        return Utf16ToUtf8(file);
    }

private:
    HDROP drop_;
};

} // namespace

std::unique_ptr<TDBFile> TVocorixDlg::OpenTable(const std::string& table) {
    if (table.empty())
        return std::make_unique<TDBFile>(Options, Screen, Opener);
    Options.FileName = character(table.c_str());
    auto reader = std::make_unique<TDBFile>(Options, Screen, Opener);
    // A path longer than the settings keep would come back cut, naming no file: such a table is
    // drilled this once.
    if (reader->IsLoaded() && FitsOptionText(Options.FileName.Text))
        Options.FileNameEntry.Write();
    return reader;
}

void TVocorixDlg::OpenGivenFile(const std::string& file) {
    const std::optional<TTableImport> import = PrepareGivenFile(GetHandle(), file);
    if (!import)
        return;
    const character previous = Options.FileName;
    // The old reader is closed before the table is written: it may be the same file.
    Reopen([&]() -> std::unique_ptr<TDBFile> {
        if (CommitGivenFile(nullptr, *import)) {
            std::unique_ptr<TDBFile> reader = OpenTable(import->table);
            if (reader->IsLoaded())
                return reader;
        }
        // Given up: back to the table the drill had.
        Options.FileName = previous;
        return OpenTable(previous.Text);
    });
}

LRESULT TVocorixDlg::EvDropFiles(WPARAM drop, LPARAM) {
    const std::string file = TDroppedFiles(reinterpret_cast<HDROP>(drop)).First();
    // Not under a dialog or message box of the drill's own: it is busy with its table.
    if (!file.empty() && IsWindowEnabled(GetHandle()))
        OpenGivenFile(file);
    return 0;
}
