// The drill window's commands in its system menu, and its border that moves instead of sizing.
#include <windows.h>

#include "app/vocorix_dlg.h"
#include "framework/system_menu.h"
#include "resources/ids.h"

namespace {
const char LockText[] = "&Lock";
const char UnlockText[] = "Un&lock";
} // namespace

void TVocorixDlg::EditSystemMenu() {
    TSystemMenu menu(GetHandle());
    menu.SetItemText(SC_CLOSE, "&Close");
    if (menu.HasItem(SC_TASKLIST))
        menu.SetItemText(SC_TASKLIST, "S&witch...");
    menu.DeleteItem(SC_SIZE);
    menu.DeleteItem(SC_MAXIMIZE);
    menu.AppendSeparator();
    menu.AppendItem(CM_ABOUT, "&About...");
    menu.AppendItem(CM_OPTIONS, "&Options...");
    menu.AppendItem(CM_LOCK, LockText);
    menu.AppendItem(CM_HELP, "&Help");
}

LRESULT TVocorixDlg::EvSysCommand(WPARAM command, LPARAM) {
    const LRESULT result = DefaultProcessing();
    switch (command) {
    case CM_ABOUT:
        MessageBoxA(GetHandle(),
                    "Vocorix\r\nA vocabulary tutor: it drills the words of a dBASE table.\r\n"
                    "Version 1.0",
                    "About Vocorix", MB_OK);
        break;
    case CM_LOCK:
        Locked = !Locked;
        TSystemMenu(GetHandle()).SetItemText(CM_LOCK, Locked ? UnlockText : LockText);
        break;
    case CM_HELP:
        WinHelpA(GetHandle(), "VOCORIX.HLP", HELP_CONTENTS, 0);
        break;
    default:
        // Options (CM_OPTIONS) waits for the options dialog.
        break;
    }
    return result;
}

LRESULT TVocorixDlg::EvNCHitTest(WPARAM, LPARAM) {
    static const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    const LRESULT code = DefaultProcessing();
    if (code >= HTLEFT && code <= HTBORDER) {
        SetCursor(arrow);
        return HTCAPTION;
    }
    return code;
}
