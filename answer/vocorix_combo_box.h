#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "answer/hint_search.h"
#include "framework/combo_box.h"
#include "framework/edit.h"
#include "framework/layout.h"
#include "settings/keys.h"

// One answer box of the drill window: a drop-down combo box whose edit part takes the answer
// for translation field `Index` and whose list part holds the hints that the function keys
// find in the table's word list. The box reaches the drill window through DrillWindow.
class TVocorixComboBox : public TComboBox {
public:
    // Chains its layout below the box made before it since the last ResetCounter.
    TVocorixComboBox(TWindow* parent, uint32_t index);
    ~TVocorixComboBox() override;

    // The drill window calls this before it makes a new set of boxes.
    static void ResetCounter() { Created = 0; }

    // For the record just picked: shown with empty text and list when its translation is not
    // empty, else hidden together with its "?" button.
    void Reset();
    // The drill's checks; an inactive or judged box ignores them.
    void CheckAnswer();
    void CheckInterlaced();
    void ShowResult();
    void Reveal();

    // Removes the hints and puts back the text and selection they replaced.
    void CloseHints();
    // Empties the list part, keeping the text and selection.
    void EmptyList();
    // Lists every word of the word list that the mode's matcher accepts for the typed text,
    // sorted, and completes the text with the first one.
    void FillHints(THintMode mode, bool show);
    // Reads the box's text into the text buffer (at most the translation size).
    const char* ReadText();

    uint32_t Index;
    // The edit part's place in the drill window, grown by 2 pixels: repainted when hidden.
    RECT FrameRect{};
    std::vector<char> TextBuffer;
    std::unique_ptr<TEdit> Edit;
    int HintList = 0;
    int Judged = 0;
    int Active = 0;
    // 0, or 1 + the number of the translation the last check accepted.
    uint32_t RightResult = 0;
    TLayoutMetrics Constraints;

protected:
    void SetupWindow() override;
    void CleanupWindow() override;
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    void CmStartingWord();
    void CmContiguousWord();
    void CmStartingChars();
    void CmContiguousChars();
    void CmInterlacingChars();
    void CmInterlacingPhrases();
    void CmWildcardMatches();
    void CmToggleHints();
    void CmNextHint();
    void CmClearHints();
    void EvEditChange();

    // Whether the current record's COUNT level grants this switch.
    bool Granted(int32_t TKeys::*key) const;
    // The hint a closed, empty list gets from F4 and Down.
    void FillFirstHints();
    void TakeFrameRect();

    static uint32_t Created;
};
