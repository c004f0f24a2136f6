#pragma once

#include <windows.h>

#include <optional>
#include <string>

// One drill per table. A drill window claims the table it drills (a named mutex, held while it
// drills it, let go by the system when the program ends in any way) and marks itself with the
// claim's name (a window property), so that a start, a drop or the options dialog that would
// drill the same table finds that drill and hands over to it instead. Different tables are
// drilled at once, each in its own window.

// The name that stands for a table however its path is spelt: its full path, long form, upper
// case, hashed.
std::wstring DrillName(const std::string& table);

class TDrillClaim {
public:
    explicit TDrillClaim(std::wstring name);
    ~TDrillClaim();
    TDrillClaim(const TDrillClaim&) = delete;
    TDrillClaim& operator=(const TDrillClaim&) = delete;

    // False when another program's drill holds the table.
    bool Held() const { return held_; }
    const std::wstring& Name() const { return name_; }
    // The window that drills the table, for starts to find; unmarked as the claim ends.
    void Mark(HWND window);

private:
    std::wstring name_;
    HANDLE mutex_ = nullptr;
    bool held_ = false;
    HWND marked_ = nullptr;
};

// Whether another program's drill holds the table of this name.
bool DrilledElsewhere(const std::wstring& name);
// Brings the drill of another program that holds `table` to the front and gives it `file` (none
// when empty). Waits a few seconds for its window, which shows a moment after the claim. False
// when no other drill holds the table or none answered: the caller drills it itself.
bool HandOverToDrillOf(const std::string& table, const std::string& file);

// The receiving end, a drill window's WM_COPYDATA: the file handed over (empty for none);
// nothing when the message is no hand-over.
std::optional<std::string> HandedOverFile(LPARAM copyData);
// A drill window handed over to: restored if minimised, and in front, or the dialog it shows.
void ComeToTheFront(HWND window);
