#include "dialogs/vocorix_options.h"

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_rules/browse_path.h"
#include "dialog_rules/key_list_size.h"
#include "dialogs/drill_claim.h"
#include "dialogs/given_file.h"
#include "dialogs/keys_dialog.h"
#include "framework/help.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

namespace {

constexpr uint32_t BrowseFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                                 OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN;

// The whole current directory, however long, in UTF-8; empty when it cannot be read.
std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return {};
    std::vector<wchar_t> buffer(size + 1, L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    return length < buffer.size() ? Utf16ToUtf8(std::wstring_view(buffer.data(), length))
                                  : std::string();
}

} // namespace

const TResponse TVocorixOptions::ResponseRows[] = {
    OnCommand<&TVocorixOptions::CmAgeAdd>(CM_AGE_ADD),
    OnCommand<&TVocorixOptions::CmBrowse>(CM_BROWSE),
    OnCommand<&TVocorixOptions::CmAgeReplace>(CM_AGE_REPLACE),
    OnCommand<&TVocorixOptions::CmAgeDelete>(CM_AGE_DELETE),
    OnCommand<&TVocorixOptions::CmFuncs>(CM_FUNCS),
    OnCommand<&TVocorixOptions::CmHelp>(CM_HELP),
    OnCommand<&TVocorixOptions::CmOk>(IDOK),
};

const TResponseTable TVocorixOptions::ResponseTable{&TOptionDialog::ResponseTable, ResponseRows};

TVocorixOptions::TVocorixOptions(TWindow* parent, TOptions& options, const TFont& font)
    : TOptionDialog(parent, IDD_OPTIONS, font),
      FileData(BrowseFlags,
               "Database Files (*.dbf)|*.DBF|Word lists (*.csv;*.tsv;*.tab;*.txt)|"
               "*.csv;*.tsv;*.tab;*.txt|",
               nullptr, nullptr, "dbf"),
      FileNameOption(*this, options.FileNameEntry),
      FileNameBox(this, IDC_FILE_NAME, FileNameOption),
      MaxCountOption(*this, options.MaxCountEntry),
      MaxCountBox(this, IDC_MAX_COUNT, MaxCountOption),
      PartOfSpeechOption(*this, options.PartOfSpeechEntry),
      TranscriptionOption(*this, options.TranscriptionEntry),
      ThirdLanguageOption(*this, options.ThirdLanguageEntry),
      PartOfSpeechBox(this, IDC_PART_OF_SPEECH, PartOfSpeechOption),
      TranscriptionBox(this, IDC_TRANSCRIPTION, TranscriptionOption),
      ThirdLanguageBox(this, IDC_THIRD_LANGUAGE, ThirdLanguageOption),
      AgesList(*this, options.AgeList, options.AgeEntries), AgesBox(this, IDC_AGES, AgesList, true),
      KeysList(*this, options.KeyList, options.KeyEntries), font_(font) {}

TVocorixOptions::~TVocorixOptions() {
    // COUNT has two digits in the table: a larger maximum would never retire a word, and the
    // settings file reads it back as the limit anyway.
    MaxCountOption.Value = std::min(MaxCountOption.Value, TOptions::MaxCountLimit);
}

void TVocorixOptions::SetupWindow() {
    TOptionDialog::SetupWindow();
    // A table drilled from a longer path than the settings keep is shown whole: cut, its name
    // would look like a file that is not there.
    if (!FitsOptionText(FileNameOption.Value.Text)) {
        FileNameBox.SetText(FileNameOption.Value.Text);
        // As the box shows it: in lower case.
        drilledOnce_ = FileNameBox.GetText();
    }
}

void TVocorixOptions::CmAgeAdd() {
    AgesBox.AddItem();
}

void TVocorixOptions::CmAgeReplace() {
    AgesBox.SyncSelection();
}

void TVocorixOptions::CmAgeDelete() {
    AgesBox.DeleteItem();
}

void TVocorixOptions::CmBrowse() {
    TFileOpenDialog dialog(this, FileData);
    if (dialog.Execute() != IDOK || FileData.Error != 0)
        return;
    std::string chosen = FileData.FileName;
    BrowsedList_.clear();
    BrowsedText_.clear();
    if (KindOfFile(chosen) == TFileKind::WordList) {
        // A list that cannot become a table leaves the file box as it was. It is read again at
        // OK: it may be saved again meanwhile.
        const std::optional<TTableImport> import = PrepareGivenFile(GetHandle(), chosen);
        if (!import)
            return;
        BrowsedList_ = chosen;
        chosen = import->table;
    }
    const std::string text = ShortenBrowsedPath(CurrentDirectory(), chosen);
    FileNameBox.SetText(text);
    if (!BrowsedList_.empty())
        BrowsedText_ = FileNameBox.GetText(); // as the box shows it: in lower case
}

void TVocorixOptions::AdjustKeys() {
    SizeKeyList(KeysList.Items, MaxCountBox.GetText());
}

void TVocorixOptions::CmFuncs() {
    AdjustKeys();
    {
        TKeysDialog keys(this, font_, KeysList);
        keys.Execute();
    }
    // The keys dialog's OK only keeps its edits in the working list: they are stored when this
    // dialog ends with OK, never because the keys dialog did.
    KeysList.Withdraw();
}

void TVocorixOptions::CmHelp() {
    ShowHelp(GetHandle(), THelpTopic::Options);
}

void TVocorixOptions::CmOk() {
    static_assert(TEntry<character>::TextLimit == 128, "the messages name the limit");
    const std::string fileName = FileNameBox.GetText();
    // Browse may bring a path longer than the settings file holds; cut, it would name a file
    // that is not there, and the table could never be opened again.
    const TFileNameAtOk atOk = FileNameAtOk(fileName, drilledOnce_);
    if (atOk == TFileNameAtOk::Refuse) {
        MessageBoxW(GetHandle(),
                    L"The file name is longer than 128 characters. Move the table to a shorter "
                    L"path.",
                    L"Vocorix Options", MB_OK | MB_ICONEXCLAMATION);
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FileNameBox.GetHandle()), TRUE);
        return;
    }
    const bool browsedList = !BrowsedList_.empty() && fileName == BrowsedText_;
    // One drill per table: another program's is not given a second one, nor its table
    // rewritten under it.
    const std::string table = browsedList ? TableOfGivenFile(BrowsedList_) : fileName;
    if (!table.empty() && DrilledElsewhere(DrillName(table))) {
        const std::string text = FileNameOf(table) +
                                 " is drilled in another Vocorix window. Close that window "
                                 "first, or choose another table here.";
        MessageBoxW(GetHandle(), Utf8ToUtf16(text).c_str(), L"Vocorix Options",
                    MB_OK | MB_ICONEXCLAMATION);
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FileNameBox.GetHandle()), TRUE);
        return;
    }
    // The browsed list counts only while its table is the one named here.
    std::optional<TTableImport> list;
    if (browsedList) {
        list = PrepareGivenFile(GetHandle(), BrowsedList_);
        if (!list || !MayReplaceTable(GetHandle(), *list))
            return;
    }
    if (atOk == TFileNameAtOk::DrillThisOnce)
        MessageBoxW(GetHandle(),
                    L"The file name is longer than 128 characters: this table is drilled this "
                    L"time only, and the settings keep the file name they had. Move the table to "
                    L"a shorter path to keep it.",
                    L"Vocorix Options", MB_OK | MB_ICONINFORMATION);
    AdjustKeys();
    TOptionDialog::CmOk();
    ChosenList_ = std::move(list);
    if (atOk == TFileNameAtOk::DrillThisOnce)
        FileNameOption.Withdraw();
}
