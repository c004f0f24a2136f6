#pragma once

#include <windows.h>

#include <cstdint>

#include "dialog_rules/option_base.h"
#include "framework/brush.h"
#include "framework/dialog.h"
#include "framework/font.h"

// A settings dialog on a dialog resource: OK accepts its option, Cancel reloads it. It shows
// its controls in the given font on light gray. The font must outlive the dialog.
class TOptionDialog : public TDialog, public TOptionChain {
public:
    TOptionDialog(TWindow* parent, uint32_t resourceId, const TFont& font,
                  TOptionBase* option = nullptr);

protected:
    void SetupWindow() override;
    void CmOk() override;
    void CmCancel() override;
    virtual void AcceptOptions();
    virtual void RejectOptions();
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

// A settings dialog with many options: OK accepts each of them, Cancel reloads each of them.
class TOptionsDialog : public TOptionDialog {
public:
    TOptionsDialog(TWindow* parent, uint32_t resourceId, const TFont& font)
        : TOptionDialog(parent, resourceId, font) {}

protected:
    void AcceptOptions() override { AcceptAll(); }
    void RejectOptions() override { RejectAll(); }
};
