#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/icon.h"
#include "framework/window.h"

// A top-level window: icon, focus kept on the child that had it, and, when asked for,
// dialog-style keyboard handling by the message loop. When it is the application's main
// window, destroying it ends the program.
class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, std::string_view title);

    void SetIcon(HINSTANCE module, uint32_t resourceId);
    // Tab, arrow keys and mnemonics move among the children, as in a dialog.
    void EnableKBHandler() { EnableDialogKeys(); }
    void CloseWindow(int result = 0) override;

protected:
    void SetupWindow() override;
    const TResponseTable& Responses() const override { return ResponseTable; }
    LRESULT EvActivate(WPARAM wParam, LPARAM lParam);
    LRESULT EvSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT EvDestroy(WPARAM wParam, LPARAM lParam);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    void ApplyIcon();

    HINSTANCE iconModule_ = nullptr;
    uint32_t iconId_ = 0;
    TIcon bigIcon_;
    TIcon smallIcon_;
    HWND focusChild_ = nullptr;
    int exitCode_ = 0;
};
