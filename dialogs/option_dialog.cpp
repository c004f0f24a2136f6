#include "dialogs/option_dialog.h"

const TResponse TOptionDialog::ResponseRows[] = {
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORBTN),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORDLG),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORSCROLLBAR),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORSTATIC),
};

const TResponseTable TOptionDialog::ResponseTable{&TDialog::ResponseTable, ResponseRows};

TOptionDialog::TOptionDialog(TWindow* parent, uint32_t resourceId, const TFont& font,
                             TOptionBase* option)
    : TDialog(parent, resourceId), TOptionChain(option), font_(font), lightGray_(TColor::LtGray) {}

void TOptionDialog::SetupWindow() {
    TDialog::SetupWindow();
    SetWindowFont(font_, false);
    for (HWND child = GetWindow(GetHandle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetHandle()), FALSE);
}

void TOptionDialog::CmOk() {
    AcceptOptions();
    TDialog::CmOk();
}

void TOptionDialog::CmCancel() {
    RejectOptions();
    TDialog::CmCancel();
}

void TOptionDialog::AcceptOptions() {
    if (Option != nullptr)
        Option->Accepted = 1;
}

void TOptionDialog::RejectOptions() {
    if (Option != nullptr) {
        Option->Accepted = 0;
        Option->Reload();
    }
}

LRESULT TOptionDialog::EvCtlColor(WPARAM dc, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<LRESULT>(lightGray_.GetHandle());
}
