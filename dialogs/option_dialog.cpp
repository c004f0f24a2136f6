#include "dialogs/option_dialog.h"

#include "framework/theme.h"

const TResponse TOptionDialog::ResponseRows[] = {
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORBTN),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORDLG),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORSCROLLBAR),
    OnMessage<&TOptionDialog::EvCtlColor>(WM_CTLCOLORSTATIC),
};

const TResponseTable TOptionDialog::ResponseTable{&TDialog::ResponseTable, ResponseRows};

TOptionDialog::TOptionDialog(TWindow* parent, uint32_t resourceId, const TFont& font)
    : TDialog(parent, resourceId), font_(font), lightGray_(TColor::LtGray) {}

void TOptionDialog::SetupWindow() {
    TDialog::SetupWindow();
    SetWindowFont(font_, false);
    for (HWND child = GetWindow(GetHandle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetHandle()), FALSE);
}

void TOptionDialog::CmOk() {
    AcceptAll();
    TDialog::CmOk();
}

void TOptionDialog::CmCancel() {
    RejectAll();
    TDialog::CmCancel();
}

LRESULT TOptionDialog::EvCtlColor(WPARAM dc, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    // Under a contrast theme the system's colours, which the theme makes readable together.
    if (HighContrastOn()) {
        SetTextColor(reinterpret_cast<HDC>(dc), FaceTextColor());
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return reinterpret_cast<LRESULT>(lightGray_.GetHandle());
}
