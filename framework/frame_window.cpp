#include "framework/frame_window.h"

#include "framework/application.h"

const TResponse TFrameWindow::ResponseRows[] = {
    OnMessage<&TFrameWindow::EvActivate>(WM_ACTIVATE),
    OnMessage<&TFrameWindow::EvSetFocus>(WM_SETFOCUS),
    OnMessage<&TFrameWindow::EvDestroy>(WM_DESTROY),
};

const TResponseTable TFrameWindow::ResponseTable{&TWindow::ResponseTable, ResponseRows};

TFrameWindow::TFrameWindow(TWindow* parent, std::string_view title) : TWindow(parent, title) {
    Attr.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    Attr.X = Attr.Y = Attr.W = Attr.H = CW_USEDEFAULT;
}

void TFrameWindow::SetIcon(HINSTANCE module, uint32_t resourceId) {
    iconModule_ = module;
    iconId_ = resourceId;
    if (GetHandle() != nullptr)
        ApplyIcon();
}

void TFrameWindow::ApplyIcon() {
    if (iconId_ == 0)
        return;
    auto load = [&](int size) {
        return TIcon(static_cast<HICON>(LoadImageW(iconModule_, MAKEINTRESOURCEW(iconId_),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    };
    bigIcon_ = load(GetSystemMetrics(SM_CXICON));
    smallIcon_ = load(GetSystemMetrics(SM_CXSMICON));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.GetHandle()));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.GetHandle()));
}

void TFrameWindow::SetupWindow() {
    TWindow::SetupWindow();
    ApplyIcon();
}

void TFrameWindow::CloseWindow(int result) {
    exitCode_ = result;
    Destroy();
}

LRESULT TFrameWindow::EvActivate(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(GetHandle(), focus))
            focusChild_ = focus;
    }
    return DefaultProcessing();
}

LRESULT TFrameWindow::EvSetFocus(WPARAM, LPARAM) {
    HWND target = focusChild_;
    if (target == nullptr || !IsWindow(target) || !IsChild(GetHandle(), target))
        target = GetNextDlgTabItem(GetHandle(), nullptr, FALSE);
    if (target != nullptr && target != GetHandle())
        ::SetFocus(target);
    return 0;
}

LRESULT TFrameWindow::EvDestroy(WPARAM, LPARAM) {
    TApplication* application = TApplication::Current();
    if (application != nullptr && application->GetMainWindow() == this)
        PostQuitMessage(exitCode_);
    return DefaultProcessing();
}
