#pragma once

#include <windows.h>

#include <cstdint>

#include "dialog_rules/option_base.h"
#include "framework/brush.h"
#include "framework/dialog.h"
#include "framework/font.h"

// A settings dialog on a dialog resource: OK accepts each of its bindings, Cancel reloads each
// of them. It shows its controls in the given font on light gray. The font must outlive the
// dialog.
class TOptionDialog : public TDialog, public TOptionBindings {
public:
    TOptionDialog(TWindow* parent, uint32_t resourceId, const TFont& font);

protected:
    void SetupWindow() override;
    void CmOk() override;
    void CmCancel() override;
    // WM_CTLCOLOR* of buttons, the dialog, scroll bars and statics: light gray behind them.
    LRESULT EvCtlColor(WPARAM dc, LPARAM);
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    const TFont& font_;
    // Handed out with every colour message, so it must outlive them all.
    TBrush lightGray_;
};
