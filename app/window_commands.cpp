// The drill window's commands in its system menu, and its border that moves instead of sizing.
#include <windows.h>

#include "app/progress_window.h"
#include "app/vocorix_dlg.h"
#include "database/db_messages.h"
#include "dialogs/given_file.h"
#include "dialogs/vocorix_options.h"
#include "framework/dpi.h"
#include "framework/help.h"
#include "framework/system_menu.h"
#include "platform/date.h"
#include "resources/ids.h"
#include "table_tool/list_table.h"

#include <vector>

namespace {
const char LockText[] = "&Lock";
const char UnlockText[] = "Un&lock";

bool IsSystemMenuCommand(uint32_t command) {
    return command == CM_ABOUT || command == CM_OPTIONS || command == CM_PROGRESS ||
           command == CM_LOCK || command == CM_HELP || command == CM_ZOOM_IN ||
           command == CM_ZOOM_OUT;
}

// Whether an accelerator row stands for this key message, with the modifiers now held.
bool Matches(const ACCEL& row, const MSG& message) {
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (row.fVirt & FVIRTKEY) {
        if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
            return false;
        return message.wParam == row.key && alt == ((row.fVirt & FALT) != 0) &&
               ctrl == ((row.fVirt & FCONTROL) != 0) && shift == ((row.fVirt & FSHIFT) != 0);
    }
    if (message.message == WM_CHAR)
        return !(row.fVirt & FALT) && message.wParam == row.key;
    if (message.message == WM_SYSCHAR)
        return (row.fVirt & FALT) && message.wParam == row.key;
    return false;
}
} // namespace

bool TVocorixDlg::PreProcessMsg(MSG& message) {
    // An open hint list holds the mouse capture, and while any window holds it the platform
    // sends no command for an accelerator that names a menu item: the system-menu keys are
    // looked up here then.
    if (GetCapture() != nullptr && message.message >= WM_KEYFIRST &&
        message.message <= WM_KEYLAST && GetAccelerators() != nullptr) {
        std::vector<ACCEL> rows(
            static_cast<size_t>(CopyAcceleratorTableW(GetAccelerators(), nullptr, 0)));
        CopyAcceleratorTableW(GetAccelerators(), rows.data(), static_cast<int>(rows.size()));
        for (const ACCEL& row : rows)
            if (IsSystemMenuCommand(row.cmd) && Matches(row, message)) {
                ReleaseCapture();
                Send(WM_SYSCOMMAND, row.cmd);
                return true;
            }
    }
    return TDecoratedFrame::PreProcessMsg(message);
}

void TVocorixDlg::EditSystemMenu() {
    TSystemMenu menu(GetHandle());
    menu.SetItemText(SC_CLOSE, "&Close");
    if (menu.HasItem(SC_TASKLIST))
        menu.SetItemText(SC_TASKLIST, "S&witch...");
    menu.DeleteItem(SC_SIZE);
    menu.DeleteItem(SC_MAXIMIZE);
    menu.AppendSeparator();
    menu.AppendItem(CM_ZOOM_IN, "Larger Text");
    menu.AppendItem(CM_ZOOM_OUT, "Smaller Text");
    menu.AppendSeparator();
    menu.AppendItem(CM_ABOUT, "&About...");
    menu.AppendItem(CM_OPTIONS, "&Options...");
    menu.AppendItem(CM_PROGRESS, "&Progress...");
    menu.AppendItem(CM_LOCK, LockText);
    menu.AppendItem(CM_HELP, "&Help");
}

LRESULT TVocorixDlg::EvSysCommand(WPARAM command, LPARAM) {
    const LRESULT result = DefaultProcessing();
    switch (command) {
    case CM_ABOUT:
        MessageBoxW(GetHandle(),
                    L"Vocorix\r\nA vocabulary tutor: it drills the words of a dBASE table.\r\n"
                    L"Version 1.0",
                    L"About Vocorix", MB_OK);
        break;
    case CM_OPTIONS:
        ChangeOptions();
        break;
    case CM_PROGRESS:
        ShowProgress();
        break;
    case CM_LOCK:
        Locked = !Locked;
        TSystemMenu(GetHandle()).SetItemText(CM_LOCK, Locked ? UnlockText : LockText);
        break;
    case CM_HELP:
        ShowHelp(GetHandle(), THelpTopic::Drilling);
        break;
    case CM_ZOOM_IN:
    case CM_ZOOM_OUT:
        CmZoom(static_cast<uint32_t>(command));
        break;
    default:
        break;
    }
    return result;
}

void TVocorixDlg::ShowProgress() {
    if (Database == nullptr || !Database->IsLoaded())
        return;
    Screen.BeginWait();
    const std::optional<TProgress> progress = Database->Progress(TDate().DayNumber());
    Screen.EndWait();
    if (!progress) {
        // The drill goes on: its next answer tells whether the table is still there.
        Screen.ShowProblem(CannotReadText);
        return;
    }
    TProgressWindow window(this, *progress, FileNameOf(Options.FileName.Text), fonts_, Scale);
    window.Execute();
}

namespace {
// The window draws nothing while its controls are rebuilt, however the rebuild ends.
class TDrawingLock {
public:
    explicit TDrawingLock(HWND window) { LockWindowUpdate(window); }
    ~TDrawingLock() { LockWindowUpdate(nullptr); }
    TDrawingLock(const TDrawingLock&) = delete;
    TDrawingLock& operator=(const TDrawingLock&) = delete;
};

// The window takes no input while it has no table: the reader may show its dialogs meanwhile,
// and they have no owner to keep the learner out of a drill without answer boxes.
class TInputHold {
public:
    explicit TInputHold(HWND window) : window_(window) { EnableWindow(window_, FALSE); }
    ~TInputHold() { EnableWindow(window_, TRUE); }
    TInputHold(const TInputHold&) = delete;
    TInputHold& operator=(const TInputHold&) = delete;

private:
    HWND window_;
};
} // namespace

void TVocorixDlg::ChangeOptions() {
    int result;
    std::optional<TTableImport> chosenList;
    {
        // Its destruction stores what was accepted.
        TVocorixOptions dialog(this, Options, DialogFont());
        result = dialog.Execute();
        chosenList = dialog.ChosenList();
    }
    if (result != IDOK)
        return;
    bool written = false;
    Reopen([&] {
        // The list's table may be the one the old reader had open.
        if (chosenList)
            written = CommitGivenFile(nullptr, *chosenList);
        return std::make_unique<TDBFile>(Options, Screen, Opener);
    });
    if (written)
        ShowImportReport(GetHandle(), *chosenList);
}

void TVocorixDlg::Reopen(const std::function<std::unique_ptr<TDBFile>()>& open) {
    UpdateWindow();
    TDrawingLock drawing(GetHandle());
    StoreTopLeft();
    DeleteFieldControls();
    {
        TInputHold hold(GetHandle());
        // A message box owned by the window would enable it again as it closes.
        Screen.Owner = nullptr;
        Database = open();
        Screen.Owner = GetHandle();
    }
    CreateFieldControls();
    ClaimTable();
    // The window may have moved to a monitor of another DPI meanwhile.
    if (const TDrillScale here(WindowDpi(GetHandle()), GetScale().Zoom()); !(here == GetScale()))
        SetScale(here);
    CreateChildren();
    FitWindow();
    Layout();
}

void TVocorixDlg::CmZoom(uint32_t command) {
    const uint32_t zoom = command == CM_ZOOM_IN    ? zoom::Larger(Scale.Zoom())
                          : command == CM_ZOOM_OUT ? zoom::Smaller(Scale.Zoom())
                                                   : zoom::Smallest;
    if (zoom != Options.Zoom) {
        Options.Zoom = zoom;
        Options.ZoomEntry.Write();
    }
    Rescale(TDrillScale(Scale.Dpi(), zoom));
    ShowZoomLimits();
}

void TVocorixDlg::ShowZoomLimits() {
    const HMENU menu = TSystemMenu(GetHandle()).GetHandle();
    EnableMenuItem(menu, CM_ZOOM_IN,
                   MF_BYCOMMAND | (Scale.Zoom() < zoom::Largest ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, CM_ZOOM_OUT,
                   MF_BYCOMMAND | (Scale.Zoom() > zoom::Smallest ? MF_ENABLED : MF_GRAYED));
}

LRESULT TVocorixDlg::EvNCHitTest(WPARAM, LPARAM) {
    static const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const LRESULT code = DefaultProcessing();
    if (code >= HTLEFT && code <= HTBORDER) {
        SetCursor(arrow);
        return HTCAPTION;
    }
    return code;
}
