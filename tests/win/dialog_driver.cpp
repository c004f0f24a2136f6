#include "tests/win/dialog_driver.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Script {
    TDialog* dialog = nullptr;
    std::vector<DialogStep> steps;
    size_t next = 0;
};

Script* running = nullptr;

// Milliseconds between two steps; WM_TIMER comes only once the queue is empty anyway.
constexpr UINT StepInterval = 10;

void CALLBACK PlayStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (running == nullptr)
        return;
    HWND handle = running->dialog->GetHandle();
    if (handle == nullptr)
        return; // not shown yet
    if (running->next < running->steps.size()) {
        running->steps[running->next++](handle);
        return;
    }
    KillTimer(nullptr, timer);
    ADD_FAILURE() << "the dialog was still open after its script";
    PostMessageA(handle, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

int RunDialog(TDialog& dialog, std::vector<DialogStep> steps) {
    Script script{&dialog, std::move(steps), 0};
    Script* outer = std::exchange(running, &script);
    const UINT_PTR timer = SetTimer(nullptr, 0, StepInterval, &PlayStep);
    const int result = dialog.Execute();
    KillTimer(nullptr, timer);
    running = outer;
    return result;
}

namespace {
DialogWatch* watching = nullptr;
} // namespace

DialogWatch::DialogWatch(std::string caption, std::vector<DialogStep> steps, std::string className)
    : caption_(std::move(caption)), steps_(std::move(steps)), className_(std::move(className)),
      timer_(SetTimer(nullptr, 0, StepInterval, &DialogWatch::Tick)) {
    watching = this;
}

DialogWatch::~DialogWatch() {
    KillTimer(nullptr, timer_);
    watching = nullptr;
    EXPECT_EQ(next_, steps_.size()) << "steps left for \"" << caption_ << "\"";
}

void CALLBACK DialogWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (watching == nullptr || watching->next_ == watching->steps_.size())
        return;
    // A dialog that was just closed may linger hidden until its loop ends.
    HWND dialog = FindWindowA(watching->className_.c_str(), watching->caption_.c_str());
    if (dialog != nullptr && IsWindowVisible(dialog))
        watching->steps_[watching->next_++](dialog);
}

void ClickButton(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ClickListItem(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, UINT key) {
    const LPARAM down = 1 | (MapVirtualKeyA(key, 0) << 16);
    PostMessageA(window, WM_KEYDOWN, key, down);
    PostMessageA(window, WM_KEYUP, key, down | (1u << 30) | (1u << 31));
}

void TypeText(HWND window, const std::string& text) {
    for (char c : text)
        PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND ComboList(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string ItemTexts(HWND listBox) {
    std::string texts;
    const int count = static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts += (i > 0 ? " " : "") + std::string(text);
    }
    return texts;
}

void ExpectDialogTemplate(HWND dialog, const char* caption,
                          const std::vector<TemplateControl>& expected, HFONT font) {
    char title[64] = "";
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, caption);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const TemplateControl& control : expected) {
        ASSERT_NE(child, nullptr) << control.caption;
        // A template of this form keeps ids in 16 bits: -1 reads back as 0xFFFF.
        EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, control.id & 0xFFFF) << control.caption;
        char text[64] = "";
        GetClassNameA(child, text, sizeof text);
        EXPECT_STREQ(text, control.className);
        GetWindowTextA(child, text, sizeof text);
        EXPECT_STREQ(text, control.caption);
        // The dialog manager draws a bordered control with a sunken edge instead.
        DWORD childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
            childStyle |= WS_BORDER;
        EXPECT_EQ(childStyle & ~(WS_CHILD | WS_VISIBLE), control.style) << control.caption;
        // The dialog manager converts the position and the size each on its own.
        RECT units = control.units;
        MapDialogRect(dialog, &units);
        units.right += units.left;
        units.bottom += units.top;
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        // A list box cuts its height to whole items (of the template's font, then).
        if (std::string(control.className) == "ListBox") {
            const LRESULT itemHeight = SendMessageA(child, LB_GETITEMHEIGHT, 0, 0);
            EXPECT_LE(actual.bottom, units.bottom);
            EXPECT_GT(actual.bottom, units.bottom - 2 * itemHeight);
            actual.bottom = units.bottom;
        }
        EXPECT_TRUE(EqualRect(&actual, &units)) << control.id;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)), font)
            << control.caption;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}
