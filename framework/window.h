#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/accelerators.h"
#include "framework/brush.h"
#include "framework/response_table.h"

// What Create gives the platform window.
struct TWindowAttr {
    DWORD Style = WS_CHILD | WS_VISIBLE;
    DWORD ExStyle = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t W = 0;
    int32_t H = 0;
    int32_t Id = 0;
    // Accelerator table resource, 0 for none.
    uint32_t AccelTable = 0;
};

// One object per platform window. Built in two phases: the constructor makes the object, its
// attributes and its children's objects; Create makes the platform window and runs SetupWindow,
// which creates the children. CleanupWindow runs before the platform window goes, while its
// children still exist. Messages reach response tables searched from the most derived class to
// its bases, then default processing.
class TWindow {
public:
    // Registers with the parent, which creates this window in its own SetupWindow. Texts given
    // and taken as `char` are UTF-8; the window holds them in UTF-16.
    TWindow(TWindow* parent, std::string_view title = "");
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    static TWindow* FromHandle(HWND handle);
    HWND GetHandle() const { return handle_; }
    TWindow* GetParentObject() const { return parent_; }
    int32_t GetId() const { return Attr.Id; }

    // Makes the platform window (or, for a control of a dialog resource, attaches to it) and
    // runs SetupWindow. Throws when the platform refuses.
    void Create();
    // Creates every child that has no platform window yet, in construction order.
    void CreateChildren();
    // Destroys the platform window; CleanupWindow runs first.
    void Destroy();
    // Ends this window; for the application's main window, ends the program with `result`.
    virtual void CloseWindow(int result = 0);

    // Platform window conveniences.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    std::string GetText() const;
    std::wstring GetWideText() const;
    void SetText(std::string_view text);
    void SetText(std::wstring_view text);
    void Show(int command);
    bool IsVisible() const;
    void Enable(bool enable);
    bool IsEnabled() const;
    void SetFocus();
    void SetWindowFont(HFONT font, bool redraw);
    HFONT GetWindowFont() const;
    void Invalidate(bool erase = true);
    void UpdateWindow();
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    // The window's rectangle in its parent's client coordinates.
    RECT GetRectInParent() const;
    // Paints the background of this window in this colour.
    void SetBkgndColor(COLORREF color);
    HACCEL GetAccelerators() const { return accelerators_.GetHandle(); }
    // Whether the message loop gives this window dialog-style keyboard handling.
    bool WantsDialogKeys() const { return dialogKeys_; }

    // Called by the message loop while the queue is empty, with the number of such calls
    // since the last message; returns whether more idle calls are wanted.
    virtual bool IdleAction(int32_t idleCount);
    // Sees every message the loop takes for this top-level window before anything else;
    // returns true when the message is used up.
    virtual bool PreProcessMsg(MSG& message);

    TWindowAttr Attr;

protected:
    virtual void SetupWindow();
    virtual void CleanupWindow();
    // Called for WM_PAINT by classes that route it to EvPaint.
    virtual void Paint(HDC dc, bool erase, const RECT& rect);
    // WM_COMMAND: a control's notification goes to the control's own table, any other command
    // to this window's table; unknown ones to default processing.
    virtual LRESULT EvCommand(uint32_t id, HWND control, uint32_t notifyCode);
    virtual const TResponseTable& Responses() const;
    // The class Create uses; a predefined class (a control) is subclassed after creation.
    virtual const wchar_t* ClassName() const;
    virtual bool IsPredefinedClass() const { return false; }
    // Dialogs answer "not handled" instead of calling a default window procedure.
    virtual LRESULT DefWindowProcedure(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void ChildRemoved(TWindow& child);
    // Default processing of the message being handled.
    LRESULT DefaultProcessing();
    LRESULT EvPaint(WPARAM, LPARAM);
    LRESULT EvEraseBkgnd(WPARAM wParam, LPARAM);
    // Takes over an existing platform window (a dialog's control, a control's own child); the
    // platform window stays its creator's to destroy.
    void Attach(HWND handle);
    // Marks this object as standing for the control `Attr.Id` of its parent's dialog resource.
    void UseResourceControl(int32_t resourceId);
    void EnableDialogKeys() { dialogKeys_ = true; }
    const std::vector<TWindow*>& Children() const { return children_; }
    HINSTANCE Module() const;

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

    struct TCurrentMessage {
        UINT Message = 0;
        WPARAM WParam = 0;
        LPARAM LParam = 0;
    };
    TCurrentMessage Current;

private:
    static LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK SubclassProcedure(HWND handle, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    friend class TDialog;
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND handle);
    void Subclass(HWND handle);
    void Unbind();

    TWindow* parent_;
    std::vector<TWindow*> children_;
    std::wstring title_;
    HWND handle_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    bool owned_ = false;
    bool fromResource_ = false;
    bool cleanedUp_ = false;
    bool dialogKeys_ = false;
    TAccelerators accelerators_;
    std::optional<TBrush> background_;
};
