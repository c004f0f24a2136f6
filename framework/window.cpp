#include "framework/window.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "framework/dc.h"
#include "framework/instance.h"
#include "framework/pending_exception.h"
#include "platform/text_codec.h"

namespace {
const wchar_t WindowClass[] = L"VocorixWindow";

// The object of every window we handle. Kept here rather than in a window property: every
// message looks its object up, and a property costs a call into the window server.
std::unordered_map<HWND, TWindow*>& Objects() {
    static std::unordered_map<HWND, TWindow*> objects;
    return objects;
}
} // namespace

const TResponse TWindow::ResponseRows[] = {
    OnMessage<&TWindow::EvEraseBkgnd>(WM_ERASEBKGND),
};

const TResponseTable TWindow::ResponseTable{nullptr, ResponseRows};

TWindow::TWindow(TWindow* parent, std::string_view title)
    : parent_(parent), title_(Utf8ToUtf16(title)) {
    if (parent_ != nullptr)
        parent_->children_.push_back(this);
}

TWindow::~TWindow() {
    if (handle_ != nullptr) {
        if (owned_) {
            DestroyWindow(handle_);
        } else {
            Unbind();
        }
    }
    for (TWindow* child : children_)
        child->parent_ = nullptr;
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->ChildRemoved(*this);
    }
}

TWindow* TWindow::FromHandle(HWND handle) {
    const auto found = Objects().find(handle);
    return found != Objects().end() ? found->second : nullptr;
}

HINSTANCE TWindow::Module() const {
    return ModuleInstance();
}

void TWindow::Create() {
    if (handle_ != nullptr)
        return;
    HWND parentHandle = parent_ != nullptr ? parent_->handle_ : nullptr;
    if (fromResource_) {
        HWND item = GetDlgItem(parentHandle, Attr.Id);
        if (item == nullptr)
            throw std::runtime_error("Dialog control not found.");
        Attach(item);
    } else {
        HMENU idOrMenu = (Attr.Style & WS_CHILD)
                             ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Attr.Id))
                             : nullptr;
        if (!IsPredefinedClass()) {
            static const bool registered = [] {
                WNDCLASSEXW windowClass{};
                windowClass.cbSize = sizeof windowClass;
                windowClass.style = CS_DBLCLKS;
                windowClass.lpfnWndProc = &TWindow::WindowProcedure;
                windowClass.hInstance = ModuleInstance();
                windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
                windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
                windowClass.lpszClassName = WindowClass;
                return RegisterClassExW(&windowClass) != 0 ||
                       GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
            }();
            if (!registered)
                throw std::runtime_error("Cannot register the window class.");
        }
        HWND created =
            CreateWindowExW(Attr.ExStyle, ClassName(), title_.c_str(), Attr.Style, Attr.X, Attr.Y,
                            Attr.W, Attr.H, parentHandle, idOrMenu, Module(), this);
        if (created == nullptr)
            throw std::runtime_error("Cannot create a window.");
        if (IsPredefinedClass())
            Subclass(created);
        owned_ = true;
    }
    cleanedUp_ = false;
    if (Attr.AccelTable != 0)
        accelerators_ = TAccelerators(Module(), Attr.AccelTable);
    SetupWindow();
}

void TWindow::CreateChildren() {
    // A copy: a child's set-up may add further children.
    const std::vector<TWindow*> children = children_;
    for (TWindow* child : children)
        if (child->handle_ == nullptr)
            child->Create();
}

void TWindow::Destroy() {
    if (handle_ == nullptr)
        return;
    if (owned_) {
        DestroyWindow(handle_);
    } else {
        if (!cleanedUp_) {
            cleanedUp_ = true;
            CleanupWindow();
        }
        Unbind();
    }
}

void TWindow::CloseWindow(int) {
    Destroy();
}

void TWindow::SetupWindow() {
    CreateChildren();
}

void TWindow::CleanupWindow() {}

void TWindow::Paint(HDC, bool, const RECT&) {}

bool TWindow::IdleAction(int32_t) {
    return false;
}

bool TWindow::PreProcessMsg(MSG&) {
    return false;
}

void TWindow::ChildRemoved(TWindow&) {}

const TResponseTable& TWindow::Responses() const {
    return ResponseTable;
}

const wchar_t* TWindow::ClassName() const {
    return WindowClass;
}

LRESULT TWindow::EvCommand(uint32_t id, HWND control, uint32_t notifyCode) {
    if (control != nullptr && notifyCode != BN_CLICKED) {
        if (TWindow* child = FromHandle(control))
            if (const TResponse* row = child->Responses().Find(TResponse::Notify, notifyCode))
                return row->Handler(*child, Current.WParam, Current.LParam);
        return DefaultProcessing();
    }
    if (const TResponse* row = Responses().Find(TResponse::Command, id))
        return row->Handler(*this, Current.WParam, Current.LParam);
    return DefaultProcessing();
}

LRESULT TWindow::DefaultProcessing() {
    return DefWindowProcedure(Current.Message, Current.WParam, Current.LParam);
}

LRESULT TWindow::DefWindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc_ != nullptr)
        return CallWindowProcW(previousProc_, handle_, message, wParam, lParam);
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT TWindow::EvPaint(WPARAM, LPARAM) {
    TPaintDC dc(handle_);
    Paint(dc, dc.Erase(), dc.Rect());
    return 0;
}

LRESULT TWindow::EvEraseBkgnd(WPARAM wParam, LPARAM) {
    if (!background_)
        return DefaultProcessing();
    RECT client = GetClientRect();
    FillRect(reinterpret_cast<HDC>(wParam), &client, *background_);
    return 1;
}

void TWindow::Attach(HWND handle) {
    Subclass(handle);
    owned_ = false;
}

void TWindow::UseResourceControl(int32_t resourceId) {
    Attr.Id = resourceId;
    fromResource_ = true;
}

void TWindow::Bind(HWND handle) {
    handle_ = handle;
    Objects()[handle] = this;
}

void TWindow::Subclass(HWND handle) {
    Bind(handle);
    previousProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::SubclassProcedure)));
}

void TWindow::Unbind() {
    if (handle_ == nullptr)
        return;
    if (previousProc_ != nullptr) {
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        previousProc_ = nullptr;
    }
    Objects().erase(handle_);
    handle_ = nullptr;
}

LRESULT CALLBACK TWindow::WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* window = FromHandle(handle);
    if (window == nullptr && message == WM_NCCREATE) {
        window = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->Bind(handle);
    }
    if (window == nullptr)
        return DefWindowProcW(handle, message, wParam, lParam);
    return window->Receive(message, wParam, lParam);
}

LRESULT CALLBACK TWindow::SubclassProcedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    return FromHandle(handle)->Receive(message, wParam, lParam);
}

LRESULT TWindow::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
    const TCurrentMessage outer = Current;
    Current = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = Dispatch(message, wParam, lParam);
    } catch (...) {
        SuspendException(std::current_exception());
    }
    Current = outer;
    if (message == WM_NCDESTROY)
        Unbind();
    return result;
}

LRESULT TWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        return EvCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    if (message == WM_DESTROY && !cleanedUp_) {
        cleanedUp_ = true;
        CleanupWindow();
    }
    if (const TResponse* row = Responses().Find(TResponse::Message, message))
        return row->Handler(*this, wParam, lParam);
    return DefaultProcessing();
}

LRESULT TWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(handle_, message, wParam, lParam);
}

std::string TWindow::GetText() const {
    return Utf16ToUtf8(GetWideText());
}

std::wstring TWindow::GetWideText() const {
    if (handle_ == nullptr)
        return title_;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TWindow::SetText(std::string_view text) {
    SetText(Utf8ToUtf16(text));
}

void TWindow::SetText(std::wstring_view text) {
    title_ = text;
    if (handle_ != nullptr)
        SetWindowTextW(handle_, title_.c_str());
}

void TWindow::Show(int command) {
    if (handle_ != nullptr)
        ShowWindow(handle_, command);
    else if (command == SW_HIDE)
        Attr.Style &= ~WS_VISIBLE;
    else
        Attr.Style |= WS_VISIBLE;
}

bool TWindow::IsVisible() const {
    return handle_ != nullptr ? IsWindowVisible(handle_) != FALSE : (Attr.Style & WS_VISIBLE);
}

void TWindow::Enable(bool enable) {
    EnableWindow(handle_, enable ? TRUE : FALSE);
}

bool TWindow::IsEnabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}

void TWindow::SetFocus() {
    ::SetFocus(handle_);
}

void TWindow::SetWindowFont(HFONT font, bool redraw) {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT TWindow::GetWindowFont() const {
    return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

void TWindow::Invalidate(bool erase) {
    InvalidateRect(handle_, nullptr, erase ? TRUE : FALSE);
}

void TWindow::UpdateWindow() {
    ::UpdateWindow(handle_);
}

RECT TWindow::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(handle_, &rect);
    return rect;
}

RECT TWindow::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(handle_, &rect);
    return rect;
}

RECT TWindow::GetRectInParent() const {
    RECT rect = GetWindowRect();
    HWND parent = ::GetParent(handle_);
    if (parent != nullptr && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void TWindow::SetBkgndColor(COLORREF color) {
    background_.emplace(color);
    if (handle_ != nullptr)
        Invalidate(true);
}
