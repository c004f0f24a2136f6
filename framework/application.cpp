#include "framework/application.h"

#include <exception>
#include <new>

#include "framework/frame_window.h"
#include "framework/pending_exception.h"
#include "framework/program_file.h"
#include "platform/text_codec.h"

TApplication* TApplication::current_ = nullptr;

namespace {
// Messages that do not end idle time: the user has not done anything.
bool KeepsIdle(const MSG& message) {
    switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case 0x0118: // the caret's blink timer
        return true;
    default:
        return false;
    }
}
} // namespace

TApplication::TApplication(const char* name) : name_(name), previous_(current_) {
    current_ = this;
}

TApplication::~TApplication() {
    mainWindow_.reset();
    current_ = previous_;
}

void TApplication::InitMainWindow() {}

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> window) {
    mainWindow_ = std::move(window);
}

int TApplication::Run() {
    try {
        InitMainWindow();
        if (mainWindow_ == nullptr)
            return exitCodeWithoutWindow_;
        mainWindow_->Create();
        ResumeException();
        return MessageLoop();
    } catch (const std::bad_alloc&) {
        // From the loop, a handler or idle time alike (a hint list, the hint lists' order): no
        // file is left half-written, since each answer is written whole as it is given.
        ReportException(OutOfMemoryText);
    } catch (const std::exception& exception) {
        ReportException(exception.what());
    } catch (...) {
        ReportException("Unknown exception.");
    }
    return -1;
}

bool TApplication::ProcessAppMsg(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    TWindow* top = TWindow::FromHandle(root);
    if (top != nullptr && top->PreProcessMsg(message))
        return true;

    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        HWND window = GetFocus();
        if (window == nullptr)
            window = message.hwnd;
        while (window != nullptr) {
            TWindow* object = TWindow::FromHandle(window);
            if (object != nullptr && object->GetAccelerators() != nullptr &&
                TranslateAcceleratorW(window, object->GetAccelerators(), &message))
                return true;
            if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
                break;
            window = GetParent(window);
        }
    }

    return top != nullptr && top->WantsDialogKeys() && IsDialogMessageW(root, &message);
}

void TApplication::Dispatch(MSG& message) {
    if (!ProcessAppMsg(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    ResumeException();
}

int TApplication::MessageLoop() {
    int32_t idleCount = 0;
    bool idle = true;
    MSG message;
    for (;;) {
        while (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            idle = IdleAction(idleCount++);
            ResumeException();
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return -1;
        if (!KeepsIdle(message)) {
            idle = true;
            idleCount = 0;
        }
        Dispatch(message);
    }
}

bool TApplication::PumpWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for whoever runs the real loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Dispatch(message);
    }
    return true;
}

bool TApplication::IdleAction(int32_t idleCount) {
    return mainWindow_ != nullptr && mainWindow_->IdleAction(idleCount);
}

void ReportException(const char* text) {
    if (text == nullptr || *text == '\0')
        return;
    // Captioned with the program file's name: the report may come before any window exists.
    std::wstring caption = ProgramFile();
    caption.erase(0, caption.find_last_of(L"\\/") + 1);
    caption = caption.substr(0, caption.find_last_of(L'.'));
    MessageBoxW(nullptr, Utf8ToUtf16(text).c_str(), caption.c_str(),
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
