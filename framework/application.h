#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class TFrameWindow;

// The program's application object: makes the main window, runs the message loop with
// accelerators, dialog-style keys and idle processing, and reports what start-up or a handler
// throws. One runs at a time.
class TApplication {
public:
    explicit TApplication(const char* name = "");
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // InitMainWindow, create and show the main window, run the loop; returns the exit code.
    // What is thrown is reported in a message box and ends the run with -1; running out of
    // memory with OutOfMemoryText.
    int Run();
    // Takes ownership: the application deletes its main window when it is destroyed.
    void SetMainWindow(std::unique_ptr<TFrameWindow> window);
    TFrameWindow* GetMainWindow() const { return mainWindow_.get(); }
    const std::string& GetName() const { return name_; }

    // The message loop until WM_QUIT; returns its exit code.
    int MessageLoop();
    // Handles every message already queued as the loop does, without idle calls; false when
    // WM_QUIT was among them.
    bool PumpWaitingMessages();
    // Accelerators of the focus window and its ancestors, nearest first, then dialog-style
    // keys for a top-level window that asks for them; true when the message was used up.
    bool ProcessAppMsg(MSG& message);
    // Called while the queue is empty with the number of such calls since the last message;
    // asks the main window. Returns whether more idle calls are wanted.
    virtual bool IdleAction(int32_t idleCount);

    static TApplication* Current() { return current_; }

protected:
    virtual void InitMainWindow();
    // What Run returns when InitMainWindow makes no main window; -1 unless set.
    void SetExitCodeWithoutWindow(int code) { exitCodeWithoutWindow_ = code; }

private:
    void Dispatch(MSG& message);

    std::string name_;
    std::unique_ptr<TFrameWindow> mainWindow_;
    int exitCodeWithoutWindow_ = -1;
    TApplication* previous_;
    static TApplication* current_;
};

// The top-level report of a std::bad_alloc, which says nothing a learner could act on.
inline constexpr const char* OutOfMemoryText =
    "There is not enough memory to go on, and the program ends.\r\nEvery answer given so far "
    "is saved.";

// The top-level report: a message box with the text (UTF-8). An empty text shows nothing,
// because whoever threw it has already told the user why.
void ReportException(const char* text);
