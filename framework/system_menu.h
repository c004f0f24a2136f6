#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A window's system menu. The menu belongs to the window; this object only edits it.
class TSystemMenu {
public:
    explicit TSystemMenu(HWND window) : menu_(GetSystemMenu(window, FALSE)) {}

    HMENU GetHandle() const { return menu_; }
    // Gives the item with this command a new text (UTF-8, as every text here), keeping its
    // command.
    bool SetItemText(uint32_t command, const char* text);
    bool DeleteItem(uint32_t command);
    bool AppendItem(uint32_t command, const char* text);
    bool AppendSeparator();
    // The item's text, empty when there is no such item.
    std::string GetItemText(uint32_t command) const;
    bool HasItem(uint32_t command) const;

private:
    HMENU menu_;
};
