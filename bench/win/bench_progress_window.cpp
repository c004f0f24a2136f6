// Speed of the progress window on a large table, as the learner feels it: from the key that
// opens it until it has painted its figures. Its words stand at every COUNT level, some new,
// some learnt, many resting under the first-start age ranges.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/drill_fonts.h"
#include "app/vocorix_dlg.h"
#include "bench/bench_table.h"
#include "database/table_writer.h"
#include "framework/application.h"
#include "platform/date.h"
#include "resources/ids.h"

namespace {

constexpr uint32_t Records = 100000;
constexpr uint32_t Translations = 3;
constexpr int Runs = 15;

void WriteTable(const std::string& path) {
    const std::vector<TTableField> fields = BenchTableFields(20, Translations, 30);
    const TDate today;
    std::string bytes = TableHeader(fields, Records, 0, today);
    std::vector<std::string> texts(fields.size());
    for (uint32_t r = 0; r < Records; ++r) {
        texts[0] = "word" + std::to_string(r);
        for (uint32_t t = 1; t <= Translations; ++t)
            texts[t] = "translation" + std::to_string(r * Translations + t);
        // One word in seven never asked; the others answered up to 60 days ago, at COUNT 0 to 10.
        if (r % 7 == 0) {
            texts[fields.size() - 2] = texts[fields.size() - 1] = "";
        } else {
            const TDate changed = TDate::FromDayNumber(today.DayNumber() - (r * 13) % 61);
            char statistics[16];
            std::snprintf(statistics, sizeof statistics, "%04u%02u%02u", changed.Year(),
                          changed.Month(), changed.Day());
            texts[fields.size() - 2] = statistics;
            std::snprintf(statistics, sizeof statistics, "%2u", r % 11);
            texts[fields.size() - 1] = statistics;
        }
        AppendRecord(bytes, fields, texts);
    }
    AppendEndOfFile(bytes);
    std::ofstream(path, std::ios::binary) << bytes;
}

double Milliseconds(std::chrono::steady_clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// One opening: its start, and the moment the window had painted.
struct TOpening {
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point shown;
    bool seen = false;
};
TOpening* opening = nullptr;

// A timer message comes only once no message and no paint is left in the queue: the window has
// painted by then. The timer is due long before that, after 10 ms.
void CALLBACK Painted(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND progress = FindWindowW(L"VocorixWindow", L"Progress");
    if (opening == nullptr || progress == nullptr || !IsWindowVisible(progress) ||
        GetUpdateRect(progress, nullptr, FALSE) ||
        GetUpdateRect(GetDlgItem(progress, IDC_PROGRESS_FIGURES), nullptr, FALSE))
        return;
    opening->shown = std::chrono::steady_clock::now();
    opening->seen = true;
    KillTimer(nullptr, timer);
    PostMessageW(progress, WM_CLOSE, 0, 0);
}

} // namespace

int main() {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "vocorix-bench-progress-window";
    std::filesystem::create_directories(dir);
    const std::string table = (dir / "large.dbf").string();
    const std::string iniPath = (dir / "bench.INI").string();
    WriteTable(table);
    std::ofstream(iniPath, std::ios::binary)
        << "[Database]\r\nFile Name=" << table
        << "\r\n[Ages]\r\nAges=9\r\nAge0=1:1\r\nAge1=2:2\r\nAge2=3:4\r\nAge3=4:8\r\nAge4=5:16\r\n"
           "Age5=6:32\r\nAge6=7:64\r\nAge7=8:128\r\nAge8=9:256\r\n";
    TIniFile ini(iniPath);
    const TDrillFonts fonts;
    TApplication app;
    auto window = std::make_unique<TVocorixDlg>(nullptr, ini, fonts);
    window->Create();
    app.PumpWaitingMessages();

    std::vector<double> runs;
    for (int run = 0; run < Runs; ++run) {
        TOpening measured;
        opening = &measured;
        measured.start = std::chrono::steady_clock::now();
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Painted);
        window->Send(WM_SYSCOMMAND, CM_PROGRESS);
        app.PumpWaitingMessages();
        opening = nullptr;
        if (!measured.seen) {
            std::printf("run %d: the window was not seen painted\n", run);
            continue;
        }
        runs.push_back(Milliseconds(measured.shown - measured.start));
    }
    window->Destroy();
    window.reset();
    app.PumpWaitingMessages();
    std::filesystem::remove_all(dir);

    if (runs.empty())
        return 1;
    std::string list;
    for (double value : runs) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.1f", list.empty() ? "" : " ", value);
        list += number;
    }
    std::vector<double> sorted = runs;
    std::sort(sorted.begin(), sorted.end());
    std::printf("table: %u records, %u translation fields\n", Records, Translations);
    std::printf("progress window: median %.0f ms (goal: at most 100 ms; runs: %s)\n",
                sorted[sorted.size() / 2], list.c_str());
    return 0;
}
