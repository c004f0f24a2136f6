#include "tests/win/drill_scene.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/status_bar.h"
#include "framework/system_menu.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

MessageBoxWatcher* MessageBoxWatcher::current_ = nullptr;

MessageBoxWatcher::MessageBoxWatcher()
    : hook_(SetWindowsHookExA(WH_CBT, &MessageBoxWatcher::Hook, nullptr, GetCurrentThreadId())),
      previous_(current_) {
    current_ = this;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    current_ = previous_;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    auto isDialog = [&] {
        char className[32] = "";
        GetClassNameA(window, className, sizeof className);
        return std::string(className) == "#32770";
    };
    // The program's own dialogs are windows of the framework: only message boxes are not.
    auto isBox = [&] { return isDialog() && TWindow::FromHandle(window) == nullptr; };
    if (current_ != nullptr && code == HCBT_ACTIVATE && isBox()) {
        const LRESULT defaultId = SendMessageA(window, DM_GETDEFID, 0, 0);
        int answer = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
        std::deque<int>& answers = current_->answers;
        if (!answers.empty() && GetDlgItem(window, answers.front()) != nullptr) {
            answer = answers.front();
            answers.pop_front();
        }
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    } else if (current_ != nullptr && code == HCBT_DESTROYWND && isBox()) {
        // Read as it goes: by then the box has been filled in.
        char caption[256] = "";
        char text[1024] = "";
        GetWindowTextA(window, caption, sizeof caption);
        Box box{caption, "", GetWindow(window, GW_OWNER), nullptr, {}};
        // The message text is the box's static control that is not its icon.
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char childClass[32] = "";
            GetClassNameA(child, childClass, sizeof childClass);
            const std::string kind = childClass;
            if (kind == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                box.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            else if (kind == "Static" &&
                     GetWindowTextLengthA(child) > static_cast<int>(strlen(text)))
                GetWindowTextA(child, text, sizeof text);
            // By now the box itself is hidden: the buttons' own style tells which it offered.
            else if (kind == "Button" && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
                box.buttons.push_back(GetDlgCtrlID(child));
        }
        box.text = text;
        current_->boxes.push_back(box);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HeldKeys::HeldKeys(unsigned modifiers) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    auto hold = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
    hold(VK_CONTROL, modifiers & Ctrl);
    hold(VK_LCONTROL, modifiers & Ctrl);
    hold(VK_MENU, modifiers & Alt);
    hold(VK_LMENU, modifiers & Alt);
    hold(VK_SHIFT, modifiers & Shift);
    hold(VK_LSHIFT, modifiers & Shift);
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

DrillScene::DrillScene() : tablePath(dir.File("words.dbf")) {}

DrillScene::~DrillScene() {
    Close();
}

void DrillScene::Put(const TableBuilder& table, const std::string& moreSettings) {
    PutBytes(table.Bytes(), moreSettings);
}

void DrillScene::PutBytes(const std::string& table, const std::string& moreSettings) {
    WriteFileBytes(tablePath, table);
    const std::string iniPath = dir.File("vocorix.INI");
    WriteFileBytes(iniPath, "[Database]\r\nFile Name=" + tablePath + "\r\n" + moreSettings);
    ini = std::make_unique<TIniFile>(iniPath);
}

TVocorixDlg& DrillScene::Open() {
    window = std::make_unique<TVocorixDlg>(nullptr, *ini, TestFonts(), opener, startTable);
    window->Create();
    Pump();
    return *window;
}

void DrillScene::Close() {
    if (window != nullptr) {
        window->Destroy();
        window.reset();
        Pump();
    }
}

void DrillScene::Pump() {
    app.PumpWaitingMessages();
}

void DrillScene::Key(UINT key, unsigned modifiers) {
    HeldKeys held(modifiers);
    HWND focus = GetFocus();
    const bool alt = modifiers & Alt;
    const UINT scan = MapVirtualKeyA(key, 0);
    const LPARAM down = 1 | (scan << 16) | (alt ? (1 << 29) : 0);
    const LPARAM up = down | (1u << 30) | (1u << 31);
    PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
    PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, up);
    Pump();
}

void DrillScene::Char(unsigned char character, unsigned modifiers) {
    HeldKeys held(modifiers);
    const bool alt = modifiers & Alt;
    PostMessageA(GetFocus(), alt ? WM_SYSCHAR : WM_CHAR, character, 1 | (alt ? (1 << 29) : 0));
    Pump();
}

void DrillScene::WideChar(wchar_t character, unsigned modifiers) {
    HeldKeys held(modifiers);
    const bool alt = modifiers & Alt;
    PostMessageW(GetFocus(), alt ? WM_SYSCHAR : WM_CHAR, character, 1 | (alt ? (1 << 29) : 0));
    Pump();
}

void DrillScene::Type(const std::string& text) {
    for (char c : text)
        Char(static_cast<unsigned char>(c));
}

void DrillScene::Type(const std::wstring& text) {
    for (wchar_t c : text)
        WideChar(c);
}

namespace {
// The object of a child window; the test fails at once when there is none.
template <class T> T& ObjectOf(HWND child) {
    T* object = dynamic_cast<T*>(TWindow::FromHandle(child));
    if (object == nullptr)
        throw std::runtime_error("the drill window has no such control");
    return *object;
}

uint32_t CountIds(const TVocorixDlg& window, int first) {
    uint32_t count = 0;
    while (GetDlgItem(window.GetHandle(), first + static_cast<int>(count)) != nullptr)
        ++count;
    return count;
}
} // namespace

TWindow& Control(const TVocorixDlg& window, int id) {
    return ObjectOf<TWindow>(GetDlgItem(window.GetHandle(), id));
}

TVocorixComboBox& AnswerBox(const TVocorixDlg& window, uint32_t field) {
    return ObjectOf<TVocorixComboBox>(
        GetDlgItem(window.GetHandle(), IDC_ANSWER_BOX + static_cast<int>(field)));
}

TVocorixStatic& WordDisplayOf(const TVocorixDlg& window) {
    return ObjectOf<TVocorixStatic>(GetDlgItem(window.GetHandle(), IDC_WORD_DISPLAY));
}

TStatusBar& StatusBarOf(const TVocorixDlg& window) {
    return ObjectOf<TStatusBar>(
        FindWindowExA(window.GetHandle(), nullptr, STATUSCLASSNAMEA, nullptr));
}

bool IsLocked(const TVocorixDlg& window) {
    return TSystemMenu(window.GetHandle()).GetItemText(CM_LOCK) == "Un&lock";
}

void ToggleLock(TVocorixDlg& window) {
    window.Send(WM_SYSCOMMAND, CM_LOCK);
}

uint32_t AnswerBoxCount(const TVocorixDlg& window) {
    return CountIds(window, IDC_ANSWER_BOX);
}

uint32_t FieldButtonCount(const TVocorixDlg& window) {
    return CountIds(window, IDC_FIELD_BUTTON);
}

std::string StatusText(const TVocorixDlg& window, int id) {
    const WPARAM part = static_cast<WPARAM>(id - IDG_RIGHT);
    TStatusBar& bar = StatusBarOf(window);
    std::wstring text(LOWORD(bar.Send(SB_GETTEXTLENGTHW, part)), L'\0');
    bar.Send(SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    return Utf16ToUtf8(text);
}

TableBuilder WordTable(const std::vector<std::string>& translations) {
    TableBuilder table = VocabularyFields(1);
    int n = 0;
    for (const std::string& translation : translations)
        table.Record({"w" + std::to_string(n++), translation});
    return table;
}
