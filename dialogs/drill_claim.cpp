#include "dialogs/drill_claim.h"

#include <cstdint>
#include <vector>

#include "dialogs/given_file.h"
#include "platform/text_codec.h"

namespace {

// "VCRX": a WM_COPYDATA from another program of ours, not from a stranger.
constexpr ULONG_PTR HandOverTag = 0x56435258;
constexpr DWORD HandOverWaitMs = 10000;

// A long path where the file is there: "C:\PROGRA~1\..." and "C:\Program Files\..." are one.
std::wstring LongPathOf(const std::wstring& path) {
    const DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return path;
    std::vector<wchar_t> buffer(size + 1, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), buffer.data(), size + 1);
    return length > 0 && length <= size ? std::wstring(buffer.data(), length) : path;
}

struct TDrillWindowSearch {
    const std::wstring& name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDrillWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TDrillWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || GetPropW(window, search.name.c_str()) == nullptr)
        return TRUE;
    search.found = window;
    return FALSE;
}

// Another program's window marked with this claim's name.
HWND DrillWindowOf(const std::wstring& name) {
    TDrillWindowSearch search{name};
    EnumWindows(MatchDrillWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HandOver(HWND window, const std::string& file) {
    // The drill comes to the front itself: this start, which the learner made, lets it.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    COPYDATASTRUCT data{HandOverTag, static_cast<DWORD>(file.size()),
                        const_cast<char*>(file.data())};
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, HandOverWaitMs, &answer) != 0 &&
           answer == TRUE;
}

} // namespace

std::wstring DrillName(const std::string& table) {
    std::wstring path = LongPathOf(Utf8ToUtf16(FullPathOf(table)));
    CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    // FNV-1a over the UTF-16 units: a mutex name may not hold the path's backslashes.
    uint64_t hash = 0xCBF29CE484222325u;
    for (const wchar_t unit : path) {
        hash ^= static_cast<uint16_t>(unit);
        hash *= 0x100000001B3u;
    }
    std::wstring name = L"Vocorix.Drill.";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += L"0123456789abcdef"[(hash >> shift) & 0xF];
    return name;
}

TDrillClaim::TDrillClaim(std::wstring name) : name_(std::move(name)) {
    mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
    if (mutex_ == nullptr)
        return;
    // Abandoned: its drill ended without letting go, and the table is this one's now.
    const DWORD waited = WaitForSingleObject(mutex_, 0);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

TDrillClaim::~TDrillClaim() {
    if (marked_ != nullptr && IsWindow(marked_))
        RemovePropW(marked_, name_.c_str());
    if (held_)
        ReleaseMutex(mutex_);
    if (mutex_ != nullptr)
        CloseHandle(mutex_);
}

void TDrillClaim::Mark(HWND window) {
    if (!held_ || marked_ == window)
        return;
    SetPropW(window, name_.c_str(), reinterpret_cast<HANDLE>(1));
    marked_ = window;
}

bool DrilledElsewhere(const std::wstring& name) {
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str());
    if (mutex == nullptr)
        return false;
    // This program's own claim is taken again (a mutex counts its owner's waits).
    const DWORD waited = WaitForSingleObject(mutex, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        ReleaseMutex(mutex);
    CloseHandle(mutex);
    return waited == WAIT_TIMEOUT;
}

bool HandOverToDrillOf(const std::string& table, const std::string& file) {
    if (table.empty())
        return false;
    const std::wstring name = DrillName(table);
    for (DWORD waited = 0; waited < HandOverWaitMs && DrilledElsewhere(name); waited += 50) {
        if (const HWND window = DrillWindowOf(name))
            return HandOver(window, file);
        Sleep(50);
    }
    return false;
}

std::optional<std::string> HandedOverFile(LPARAM copyData) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    if (data == nullptr || data->dwData != HandOverTag)
        return std::nullopt;
    if (data->cbData == 0 || data->lpData == nullptr)
        return std::string();
    return std::string(static_cast<const char*>(data->lpData), data->cbData);
}

void ComeToTheFront(HWND window) {
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(window));
}
