#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/window.h"

// A modal dialog from a dialog resource. Its controls are objects built with resource ids,
// attached when the dialog is set up (WM_INITDIALOG).
class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, uint32_t resourceId);

    // Runs the dialog; returns what it was closed with (IDOK, IDCANCEL) or -1 when it could
    // not be shown. What a handler threw meanwhile is thrown again here.
    int Execute();
    void CloseWindow(int result) override;

protected:
    virtual void CmOk();
    virtual void CmCancel();
    LRESULT DefWindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
    const TResponseTable& Responses() const override { return ResponseTable; }
    LRESULT EvInitDialog(WPARAM wParam, LPARAM lParam);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    static INT_PTR CALLBACK DialogProcedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    uint32_t resourceId_;
    bool unhandled_ = false;
};
