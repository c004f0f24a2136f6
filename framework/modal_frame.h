#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/frame_window.h"

// A top-level window shown modally over its owner, as a dialog is: the owner takes no input
// while it is open. It runs the program's own message loop meanwhile, so that its accelerators
// and dialog-style keys work as in every window of the program. It closes with CloseWindow,
// with the system menu's Close and with Alt+F4.
class TModalFrame : public TFrameWindow {
public:
    TModalFrame(TWindow* owner, std::string_view title);

    // Creates the window, shows it and runs the loop until it is closed; returns what it was
    // closed with (IDCANCEL for Close). What a handler threw meanwhile is thrown again here, once
    // the window is gone and its owner takes input again.
    int Execute();
    void CloseWindow(int result) override;

protected:
    const TResponseTable& Responses() const override { return ResponseTable; }
    LRESULT EvClose(WPARAM, LPARAM);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    bool open_ = false;
    int result_ = IDCANCEL;
};
