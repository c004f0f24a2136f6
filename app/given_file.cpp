// Files the learner gives the drill window: on the command line and dropped onto it.
#include <windows.h>

#include <shellapi.h>

#include "app/vocorix_dlg.h"
#include "dialog_rules/option.h"
#include "dialogs/drill_claim.h"
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

    UINT Count() const { return DragQueryFileW(drop_, 0xFFFFFFFF, nullptr, 0); }
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
    if (reader->IsLoaded() && FitsOptionText(Options.FileName.Text)) {
        Options.FileNameEntry.Write();
        Options.StoreFirstStartAges();
    }
    return reader;
}

bool TVocorixDlg::HoldsItsTable() const {
    return Claim != nullptr && Claim->Held();
}

void TVocorixDlg::ClaimTable() {
    std::wstring name = DrillName(Options.FileName.Text);
    if (Claim != nullptr && Claim->Name() == name)
        return;
    Claim.reset();
    Claim = std::make_unique<TDrillClaim>(std::move(name));
    if (GetHandle() != nullptr)
        Claim->Mark(GetHandle());
}

void TVocorixDlg::OpenGivenFile(const std::string& file) {
    // One drill per table: a table drilled by another program's window goes to that drill.
    if (HandOverToDrillOf(TableOfGivenFile(file), file))
        return;
    const std::optional<TTableImport> import = PrepareGivenFile(GetHandle(), file);
    if (!import || !MayReplaceTable(GetHandle(), *import))
        return;
    const character previous = Options.FileName;
    bool written = false;
    // The old reader is closed before the table is written: it may be the same file.
    Reopen([&]() -> std::unique_ptr<TDBFile> {
        written = CommitGivenFile(nullptr, *import);
        if (written) {
            std::unique_ptr<TDBFile> reader = OpenTable(import->table);
            if (reader->IsLoaded())
                return reader;
        }
        // Given up: back to the table the drill had.
        Options.FileName = previous;
        return OpenTable(previous.Text);
    });
    if (written)
        ShowImportReport(GetHandle(), *import);
}

LRESULT TVocorixDlg::EvDropFiles(WPARAM drop, LPARAM) {
    std::string file;
    UINT count = 0;
    {
        const TDroppedFiles dropped(reinterpret_cast<HDROP>(drop));
        file = dropped.First();
        count = dropped.Count();
    }
    OpenDroppedFile(file, count);
    return 0;
}

void TVocorixDlg::OpenDroppedFile(const std::string& file, UINT count) {
    // Not under a dialog or message box of the drill's own: it is busy with its table.
    if (file.empty() || !IsWindowEnabled(GetHandle()))
        return;
    if (count > 1) {
        const std::string text =
            "Only one table is drilled at a time: of the " + std::to_string(count) +
            " files dropped, Vocorix drills the first, " + FileNameOf(file) + ".";
        MessageBoxW(GetHandle(), Utf8ToUtf16(text).c_str(), L"Vocorix", MB_OK | MB_ICONINFORMATION);
    }
    OpenGivenFile(file);
}

LRESULT TVocorixDlg::EvCopyData(WPARAM, LPARAM data) {
    const std::optional<std::string> file = HandedOverFile(data);
    if (!file)
        return DefaultProcessing();
    ComeToTheFront(GetHandle());
    const bool ownTable = KindOfFile(*file) == TFileKind::Table && Claim != nullptr &&
                          DrillName(*file) == Claim->Name();
    if (!file->empty() && !ownTable) {
        // Taken once the start, which waits for this answer, has ended.
        HandedOver.push_back(*file);
        PostMessageW(GetHandle(), HandedOverMessage, 0, 0);
    }
    return TRUE;
}

LRESULT TVocorixDlg::EvHandedOver(WPARAM, LPARAM) {
    if (HandedOver.empty())
        return 0;
    const std::string file = std::move(HandedOver.front());
    HandedOver.pop_front();
    OpenDroppedFile(file, 1);
    return 0;
}
