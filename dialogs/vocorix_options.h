#pragma once

#include <optional>

#include "dialog_rules/option.h"
#include "dialog_rules/option_list.h"
#include "dialogs/check_option.h"
#include "dialogs/combo_option.h"
#include "dialogs/edit_option.h"
#include "dialogs/option_dialog.h"
#include "framework/file_dialog.h"
#include "settings/options.h"
#include "table_tool/list_table.h"

// The options dialog: the table's file, the maximum count, the ages and (through the function
// keys dialog) the keys of each count level; the three optional-field flags shown read-only.
// Whoever runs it destroys it at once: the accepted settings are stored by that destruction.
class TVocorixOptions : public TOptionDialog {
public:
    // Without a parent when the table reader asks for it. The font must outlive the dialog.
    TVocorixOptions(TWindow* parent, TOptions& options, const TFont& font);
    ~TVocorixOptions() override;

    // The word list chosen with Browse whose table OK accepted, read at OK and made into that
    // table in memory. Whoever ran the dialog writes it after OK, once its own reader has let go
    // of the table it may replace.
    const std::optional<TTableImport>& ChosenList() const { return ChosenList_; }

protected:
    void SetupWindow() override;
    void CmAgeAdd();
    void CmBrowse();
    void CmAgeReplace();
    void CmAgeDelete();
    void CmFuncs();
    void CmHelp();
    void CmOk() override;
    // One keys element per count below the typed maximum count.
    void AdjustKeys();

    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    // In this order: the options are stored the other way round.
    TOpenSaveDialog::TData FileData;
    TOption<character> FileNameOption;
    TEditOption<character> FileNameBox;
    TOption<unsigned int> MaxCountOption;
    TEditOption<unsigned int> MaxCountBox;
    TOption<int> PartOfSpeechOption;
    TOption<int> TranscriptionOption;
    TOption<int> ThirdLanguageOption;
    TCheckOption PartOfSpeechBox;
    TCheckOption TranscriptionBox;
    TCheckOption ThirdLanguageBox;
    TOptionList<TAge> AgesList;
    TComboOption<TAge> AgesBox;
    TOptionList<TKeys> KeysList;
    const TFont& font_;
    // The path of a table drilled now that the settings cannot keep, as the file box showed it.
    std::string drilledOnce_;
    // The list last chosen with Browse, and its table's name as the file box showed it.
    std::string BrowsedList_;
    std::string BrowsedText_;
    std::optional<TTableImport> ChosenList_;
};
