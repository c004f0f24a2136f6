#include "framework/clipboard.h"

#include <cstring>

namespace {
class TOpenClipboard {
public:
    explicit TOpenClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~TOpenClipboard() {
        if (open_)
            CloseClipboard();
    }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// Global memory until the clipboard takes it over.
class TGlobalText {
public:
    explicit TGlobalText(std::wstring_view text)
        : memory_(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (memory_ == nullptr)
            return;
        auto* copy = static_cast<wchar_t*>(GlobalLock(memory_));
        std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
        copy[text.size()] = L'\0';
        GlobalUnlock(memory_);
    }
    ~TGlobalText() {
        if (memory_ != nullptr)
            GlobalFree(memory_);
    }
    TGlobalText(const TGlobalText&) = delete;
    TGlobalText& operator=(const TGlobalText&) = delete;
    HGLOBAL Get() const { return memory_; }
    void Release() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};
} // namespace

bool CopyToClipboard(HWND owner, std::wstring_view text) {
    TGlobalText memory(text);
    TOpenClipboard clipboard(owner);
    if (memory.Get() == nullptr || !clipboard.IsOpen() || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr)
        return false;
    memory.Release();
    return true;
}
