#pragma once

#include <windows.h>

// Device contexts that release themselves, and a selection that restores the previous object.

// The whole screen's device context (GetDC of no window).
class TScreenDC {
public:
    TScreenDC() : handle_(GetDC(nullptr)) {}
    ~TScreenDC() { ReleaseDC(nullptr, handle_); }
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    operator HDC() const { return handle_; }

private:
    HDC handle_;
};

// The client area of one window.
class TClientDC {
public:
    explicit TClientDC(HWND window) : window_(window), handle_(GetDC(window)) {}
    ~TClientDC() { ReleaseDC(window_, handle_); }
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;
    operator HDC() const { return handle_; }

private:
    HWND window_;
    HDC handle_;
};

// BeginPaint/EndPaint around one WM_PAINT.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : window_(window) { handle_ = BeginPaint(window, &paint_); }
    ~TPaintDC() { EndPaint(window_, &paint_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    operator HDC() const { return handle_; }
    bool Erase() const { return paint_.fErase != FALSE; }
    const RECT& Rect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC handle_;
};

// Selects a GDI object into a device context for one scope.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelection() { SelectObject(dc_, previous_); }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a device context's state for one scope (colours, modes, alignment, selections).
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(dc_, saved_); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};
