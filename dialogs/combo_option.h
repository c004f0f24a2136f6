#pragma once

#include <cstdint>
#include <string>

#include "dialog_rules/combo_selection.h"
#include "framework/combo_box.h"

// A combo box or a list box of a dialog resource showing a list option (see TComboSelection).
// It handles its own selection-change notifications, and for a combo box the typing in its
// edit part. Instantiated for TAge and TKeys.
template <class T> class TComboOption : public TComboBox, public TComboSelection<T> {
public:
    TComboOption(TWindow* parent, int32_t resourceId, TOptionList<T>& list, bool isComboBox);

protected:
    void SetupWindow() override;
    // After OK the members' states and a pending typed text reach the list.
    void CleanupWindow() override;
    void CbnSelChange();
    void CbnEditChange();

    std::string TypedText() const override;
    int32_t AddText(const std::string& text) override;
    int32_t InsertText(const std::string& text, int32_t index) override;
    void DeleteText(int32_t index) override;
    int32_t FindText(const std::string& text) const override;
    int32_t Selection() const override;
    void Select(int32_t index) override;

    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    // A combo box's message (or style bit), or the list box's one.
    UINT Pick(UINT forComboBox, UINT forListBox) const {
        return isComboBox_ ? forComboBox : forListBox;
    }

    const bool isComboBox_; // else a list box, which has no edit part
};

extern template class TComboOption<TAge>;
extern template class TComboOption<TKeys>;
