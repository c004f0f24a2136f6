#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "answer/hint_search.h"
#include "framework/combo_box.h"
#include "framework/edit.h"
#include "framework/layout.h"

class TCodePageText;
class TDrill;
class THintCharacters;
class THintOrder;
class TWordList;

// What every answer box of one table is given: they must outlive the boxes.
struct TAnswerBoxSource {
    const TDrill& drill;           // tells which hint keys the open record's COUNT level grants
    const TWordList& words;        // the hints are found here
    const THintOrder& order;       // and put into the list's order
    THintCharacters& characters;   // what the search reads of each word of a UTF-8 table
    const TCodePageText& codePage; // the table's texts are in it
    uint32_t textLimit;            // the table's translation size
    HFONT normalFont;              // for typed text and right answers
    HFONT boldFont;                // for wrong and given-up answers
};

// One answer box of the drill window: a drop-down combo box whose edit part takes the answer
// for translation field `Index` and whose list part holds the hints that the function keys
// find in the table's word list. The drill tells it which keys the open record's COUNT level
// grants; the drill window tells it what to show.
class TVocorixComboBox : public TComboBox {
public:
    // `top` places the box: below the word display, or below the box before it.
    TVocorixComboBox(TWindow* parent, uint32_t index, const TEdgeConstraint& top,
                     const TAnswerBoxSource& source);
    ~TVocorixComboBox() override;

    // For the record just picked: shown with empty text and list when active, else hidden.
    void Reset(bool active);
    // The box judged: its own translation (in the table's code page, as every text the box is
    // given), in NormalFont when right, else BoldFont.
    void ShowResult(bool right, const char* translation);
    // The box given up: its own translation in BoldFont.
    void Reveal(const char* translation);
    // A near miss: the box takes the focus with all its text selected for a correction.
    void SelectForCorrection();
    // What a screen reader says of the box beside its name (UTF-8; empty for nothing): on the
    // box and on its edit part, which holds the focus.
    void Describe(std::string_view description);

    // Fonts for a new DPI or zoom: the box keeps showing what it shows, in the matching new
    // font. The fonts must outlive the box.
    void SetFonts(HFONT normal, HFONT bold);

    // Removes the hints and puts back the text and selection they replaced.
    void CloseHints();
    // Empties the list part, keeping the text and selection.
    void EmptyList();
    // Lists every word of the word list that the mode's matcher accepts for the typed text,
    // sorted, and completes the text with the first one.
    void FillHints(THintMode mode, bool show);
    // The box's text in the table's code page, at most the translation size less one; a
    // character the page lacks is a NUL byte, which matches nothing.
    std::string ReadText() const;
    // Where the drill window lays the box out.
    const TLayoutMetrics& Layout() const { return Constraints; }

protected:
    void SetupWindow() override;
    void CleanupWindow() override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    // F2, F3, F5 to F9: the hint key of this command.
    void CmHint(uint32_t id);
    void CmToggleHints();
    void CmNextHint();
    void CmClearHints();
    void EvEditChange();

    // Whether the open record's COUNT level grants this hint key.
    bool Granted(THintMode mode) const;
    // The hint a closed, empty list gets from F4 and Down.
    void FillFirstHints();
    void TakeFrameRect();

    uint32_t Index;
    // The edit part's place in the drill window, grown by 2 pixels: repainted when hidden.
    RECT FrameRect{};
    std::unique_ptr<TEdit> Edit;
    // The list part holds the hints of a hint key.
    bool HintList = false;
    TLayoutMetrics Constraints;
    TAnswerBoxSource source_;
};
