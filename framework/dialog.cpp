#include "framework/dialog.h"

#include "framework/pending_exception.h"

const TResponse TDialog::ResponseRows[] = {
    OnMessage<&TDialog::EvInitDialog>(WM_INITDIALOG),
    OnCommand<&TDialog::CmOk>(IDOK),
    OnCommand<&TDialog::CmCancel>(IDCANCEL),
};

const TResponseTable TDialog::ResponseTable{&TWindow::ResponseTable, ResponseRows};

TDialog::TDialog(TWindow* parent, uint32_t resourceId) : TWindow(parent), resourceId_(resourceId) {}

int TDialog::Execute() {
    TWindow* parent = GetParentObject();
    const INT_PTR result = DialogBoxParamW(
        Module(), MAKEINTRESOURCEW(resourceId_), parent != nullptr ? parent->GetHandle() : nullptr,
        &TDialog::DialogProcedure, reinterpret_cast<LPARAM>(this));
    ResumeException();
    return static_cast<int>(result);
}

void TDialog::CloseWindow(int result) {
    EndDialog(GetHandle(), result);
}

void TDialog::CmOk() {
    CloseWindow(IDOK);
}

void TDialog::CmCancel() {
    CloseWindow(IDCANCEL);
}

LRESULT TDialog::EvInitDialog(WPARAM, LPARAM) {
    SetupWindow();
    return TRUE;
}

LRESULT TDialog::DefWindowProcedure(UINT, WPARAM, LPARAM) {
    unhandled_ = true;
    return 0;
}

INT_PTR CALLBACK TDialog::DialogProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = static_cast<TDialog*>(FromHandle(handle));
    if (dialog == nullptr && message == WM_INITDIALOG) {
        dialog = reinterpret_cast<TDialog*>(lParam);
        dialog->Bind(handle);
    }
    if (dialog == nullptr)
        return FALSE;
    const bool outer = dialog->unhandled_;
    dialog->unhandled_ = false;
    const LRESULT result = dialog->Receive(message, wParam, lParam);
    const bool unhandled = dialog->unhandled_;
    dialog->unhandled_ = outer;
    if (unhandled)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return static_cast<INT_PTR>(result);
    default:
        SetWindowLongPtrW(handle, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
