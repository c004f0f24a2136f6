// Speed of the drill window on a large table: from the window's construction to its first
// question on the screen, and F5 on an empty answer box (every word into the sorted hint list).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/drill_fonts.h"
#include "app/list_order.h"
#include "app/vocorix_combo_box.h"
#include "app/vocorix_dlg.h"
#include "database/table_format.h"
#include "database/table_writer.h"
#include "framework/application.h"
#include "resources/ids.h"

namespace {

constexpr uint32_t Records = 100000;
constexpr uint32_t Translations = 3;
constexpr uint32_t WordWidth = 20;
constexpr uint32_t TranslationWidth = 30;

// German-looking words from syllables: many distinct ones, some repeated, as a real table.
std::string MakeWord(uint32_t& seed, uint32_t syllables) {
    static const char* const parts[] = {"ber", "gen", "haus", "lich", "sch", "ter",  "an",
                                        "ver", "ung", "keit", "ein",  "mal", "stra", "ße",
                                        "üb",  "ör",  "wald", "feld", "tag", "nacht"};
    std::string word;
    for (uint32_t i = 0; i < syllables; ++i) {
        seed = seed * 1103515245u + 12345u;
        word += parts[(seed >> 16) % 20];
    }
    return word;
}

void WriteTable(const std::string& path) {
    std::vector<TTableField> fields = {{"WORD", table_format::TextType, WordWidth}};
    for (uint32_t t = 0; t < Translations; ++t)
        fields.push_back(
            {"TRANS" + std::to_string(t + 1), table_format::TextType, TranslationWidth});
    fields.push_back(LastChangeField());
    fields.push_back(CountField());
    std::string bytes = TableHeader(fields, Records, 0, TDate());
    uint32_t seed = 2024;
    std::vector<std::string> texts;
    for (uint32_t r = 0; r < Records; ++r) {
        texts = {MakeWord(seed, 2)};
        for (uint32_t t = 0; t < Translations; ++t)
            texts.push_back(MakeWord(seed, 2 + (seed >> 24) % 3));
        texts.resize(fields.size());
        AppendRecord(bytes, fields, texts);
    }
    AppendEndOfFile(bytes);
    std::ofstream(path, std::ios::binary) << bytes;
}

double Milliseconds(std::chrono::steady_clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What no way of sorting or handing over the words can go below: the system's sort key of
// every word, and the list control's own work for every item, its window procedure called
// directly with texts already in wide characters and room reserved as the fill does.
void PrintFloors(TWindow& parent, const std::vector<const char*>& texts) {
    std::vector<std::wstring> wide;
    wide.reserve(texts.size());
    wchar_t buffer[256];
    unsigned char key[512];
    const auto t0 = std::chrono::steady_clock::now();
    for (const char* text : texts) {
        MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 256);
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, buffer, -1,
                     reinterpret_cast<LPWSTR>(key), sizeof key);
    }
    const auto t1 = std::chrono::steady_clock::now();
    for (const char* text : texts) {
        MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 256);
        wide.emplace_back(buffer);
    }
    TComboBox box(&parent, 998, 0, 0, 10, 10, CBS_DROPDOWN | CBS_SORT, 0);
    box.Attr.Style &= ~WS_VISIBLE;
    box.Create();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(box.GetHandle(), &info);
    const auto procedure =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(info.hwndList, GWLP_WNDPROC));
    CallWindowProcW(procedure, info.hwndList, WM_SETREDRAW, FALSE, 0);
    const auto t2 = std::chrono::steady_clock::now();
    for (size_t i = 0; i < wide.size(); ++i) {
        if (i % 4096 == 0)
            CallWindowProcW(procedure, info.hwndList, LB_INITSTORAGE, wide.size() - i, 0);
        CallWindowProcW(procedure, info.hwndList, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(wide[i].c_str()));
    }
    const auto t3 = std::chrono::steady_clock::now();
    std::printf("floors: sort keys alone %.0f ms, the list control's insertions alone %.0f ms\n",
                Milliseconds(t1 - t0), Milliseconds(t3 - t2));
}

} // namespace

int main() {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "vocorix-bench-drill-window";
    std::filesystem::create_directories(dir);
    const std::string table = (dir / "large.dbf").string();
    const std::string iniPath = (dir / "bench.INI").string();
    WriteTable(table);
    std::ofstream(iniPath, std::ios::binary) << "[Database]\r\nFile Name=" << table << "\r\n";
    TIniFile ini(iniPath);
    const TDrillFonts fonts;
    TApplication app;

    std::vector<double> starts;
    std::vector<double> hints;
    for (int run = 0; run < 5; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        auto window = std::make_unique<TVocorixDlg>(nullptr, ini, fonts);
        window->Create();
        const auto shown = std::chrono::steady_clock::now();
        starts.push_back(Milliseconds(shown - begin));
        app.PumpWaitingMessages();

        TVocorixComboBox& box = *dynamic_cast<TVocorixComboBox*>(
            TWindow::FromHandle(GetDlgItem(window->GetHandle(), IDC_ANSWER_BOX)));
        box.SetFocus();
        box.SetText("");
        const auto before = std::chrono::steady_clock::now();
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_F5, 1);
        app.PumpWaitingMessages();
        const auto after = std::chrono::steady_clock::now();
        hints.push_back(Milliseconds(after - before));
        if (run == 0) {
            std::printf("words in the list: %u, hints listed: %d\n",
                        window->GetDatabase().Words().Count(), box.GetCount());
            // Where F5's time goes: sorting the words, and handing them to the list control.
            std::vector<const char*> texts;
            const TWordList& words = window->GetDatabase().Words();
            for (uint32_t i = 0; i < words.Count(); ++i)
                texts.push_back(words.Item(i).data());
            const auto t0 = std::chrono::steady_clock::now();
            SortForList(texts);
            const auto t1 = std::chrono::steady_clock::now();
            TComboBox list(window.get(), 999, 0, 0, 10, 10, CBS_DROPDOWN | CBS_SORT, 0);
            list.Attr.Style &= ~WS_VISIBLE;
            list.Create();
            const auto t2 = std::chrono::steady_clock::now();
            list.AppendItems(texts);
            const auto t3 = std::chrono::steady_clock::now();
            std::printf("of F5: sorting %.0f ms, filling the list control %.0f ms\n",
                        Milliseconds(t1 - t0), Milliseconds(t3 - t2));
            PrintFloors(*window, texts);
        }
        window->Destroy();
        window.reset();
        app.PumpWaitingMessages();
    }
    std::printf("table: %u records, %u translation fields\n", Records, Translations);
    std::printf("start to first question: median %.0f ms (runs:", Median(starts));
    for (double t : starts)
        std::printf(" %.0f", t);
    std::printf(")\nF5 on an empty answer box: median %.0f ms (runs:", Median(hints));
    for (double t : hints)
        std::printf(" %.0f", t);
    std::printf(")\n");
    std::filesystem::remove_all(dir);
    return 0;
}
