#include "framework/modal_frame.h"

#include "framework/application.h"
#include "framework/pending_exception.h"

const TResponse TModalFrame::ResponseRows[] = {
    OnMessage<&TModalFrame::EvClose>(WM_CLOSE),
};

const TResponseTable TModalFrame::ResponseTable{&TFrameWindow::ResponseTable, ResponseRows};

TModalFrame::TModalFrame(TWindow* owner, std::string_view title) : TFrameWindow(owner, title) {
    Attr.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    Attr.ExStyle = WS_EX_DLGMODALFRAME;
    Attr.X = Attr.Y = Attr.W = Attr.H = 0;
    EnableKBHandler();
}

namespace {
// Gives the owner its input back before the window goes, so that the system activates the owner
// and not some other program's window; on every way out of the loop.
class TOwnerHold {
public:
    TOwnerHold(HWND owner, TWindow& window)
        : owner_(owner), window_(window),
          enabled_(owner != nullptr && IsWindowEnabled(owner) != FALSE) {
        if (enabled_)
            EnableWindow(owner_, FALSE);
    }
    ~TOwnerHold() {
        if (enabled_)
            EnableWindow(owner_, TRUE);
        window_.Destroy();
    }
    TOwnerHold(const TOwnerHold&) = delete;
    TOwnerHold& operator=(const TOwnerHold&) = delete;

private:
    HWND owner_;
    TWindow& window_;
    bool enabled_;
};
} // namespace

int TModalFrame::Execute() {
    TWindow* owner = GetParentObject();
    result_ = IDCANCEL;
    open_ = true;
    Create();
    TOwnerHold hold(owner != nullptr ? owner->GetHandle() : nullptr, *this);
    Show(SW_SHOW);
    TApplication* application = TApplication::Current();
    MSG message;
    while (open_ && GetHandle() != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Left for the program's own loop, which ends on it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1)
            break;
        if (application == nullptr || !application->ProcessAppMsg(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        ResumeException();
    }
    return result_;
}

void TModalFrame::CloseWindow(int result) {
    result_ = result;
    open_ = false;
}

LRESULT TModalFrame::EvClose(WPARAM, LPARAM) {
    CloseWindow(IDCANCEL);
    return 0;
}
