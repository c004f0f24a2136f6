#pragma once

#include <string>

#include "dialog_rules/option_base.h"
#include "settings/entry.h"

// The working copy of one stored setting while a dialog is open. Instantiated for character,
// unsigned int and int.
template <class T> class TOption : public TOptionBase {
public:
    // Copies the entry's value and is bound to the dialog.
    TOption(TOptionBindings& dialog, TEntry<T>& entry);
    // After OK the working copy goes into the entry, which writes its key.
    ~TOption() override;
    TOption(const TOption&) = delete;
    TOption& operator=(const TOption&) = delete;

    void Reload() override;

    T Value; // the working copy

private:
    TEntry<T>* Entry; // not owned: it belongs to the settings object, which outlives the dialog
};

extern template class TOption<character>;
extern template class TOption<unsigned int>;
extern template class TOption<int>;

// The texts of the controls are UTF-8, and their limits count characters. The text an edit
// control shows for a working copy: what the entry would write, so at most 128 characters.
std::string OptionText(const character& value);
std::string OptionText(unsigned int value);

// Reads an edit control's text back into a working copy. Returns false, and leaves the value
// as it was, when the text does not start with a value: an unsigned number may carry a "+" but
// not a "-". A text is taken up to its first line break and cut to the 128 characters an entry
// stores.
bool ReadOptionText(const std::string& text, character& value);
// Whether ReadOptionText keeps all of a text, up to its first line break: a longer one would be
// cut to what an entry stores.
bool FitsOptionText(const std::string& text);
// What the options dialog's OK does with the file name's text.
enum class TFileNameAtOk {
    Store,         // the settings keep it
    DrillThisOnce, // the table drilled now, longer than the settings keep: drilled, not stored
    Refuse         // longer than the settings keep, and not the table drilled now
};
// `drilled`: the whole name of the table drilled now, as the dialog showed it; empty when the
// settings keep it.
TFileNameAtOk FileNameAtOk(const std::string& text, const std::string& drilled);
bool ReadOptionText(const std::string& text, unsigned int& value);
