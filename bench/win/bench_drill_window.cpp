// Speed of the drill window on a large table, as the learner feels it: from the window's
// construction to its first question, and each hint key from its press until the list holds its
// hints and the box shows the first one, against the floor for that many hints: their sort keys
// alone plus the list control's own insertions alone.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "answer/character_words.h"
#include "answer/hint_search.h"
#include "answer/separators.h"
#include "app/drill_fonts.h"
#include "app/vocorix_combo_box.h"
#include "app/vocorix_dlg.h"
#include "bench/bench_table.h"
#include "database/table_writer.h"
#include "framework/application.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "resources/ids.h"

namespace {

constexpr uint32_t Records = 100000;
constexpr uint32_t Translations = 3;
constexpr uint32_t WordWidth = 20;
constexpr uint32_t TranslationWidth = 30;
constexpr int Runs = 5;
// The lists a learner reads through; beyond this many hints the list is only a completion.
constexpr int32_t ShortList = 20000;

uint32_t Next(uint32_t& seed) {
    seed = seed * 1103515245u + 12345u;
    return seed >> 16;
}

// German-looking words from syllables: many distinct ones, some repeated, some capitalised.
std::string MakeWord(uint32_t& seed, uint32_t syllables) {
    static const char* const parts[] = {"ber", "gen", "haus", "lich", "sch", "ter",  "an",
                                        "ver", "ung", "keit", "ein",  "mal", "stra", "ße",
                                        "üb",  "ör",  "wald", "feld", "tag", "nacht"};
    std::string word;
    for (uint32_t i = 0; i < syllables; ++i)
        word += parts[Next(seed) % 20];
    if (Next(seed) % 4 == 0 && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

// A translation as tables hold them: mostly single words, some phrases, alternatives, groups,
// comments, and a few one-letter words.
std::string MakeEntry(uint32_t& seed) {
    switch (Next(seed) % 20) {
    case 0:
        return "to " + MakeWord(seed, 2);
    case 1:
        return "a " + MakeWord(seed, 2);
    case 2:
        return MakeWord(seed, 1) + " " + MakeWord(seed, 2);
    case 3:
        return MakeWord(seed, 2) + ", " + MakeWord(seed, 2);
    case 4:
        return MakeWord(seed, 2) + " (" + MakeWord(seed, 1) + ")";
    case 5:
        return MakeWord(seed, 2) + " [" + MakeWord(seed, 1) + "]";
    case 6:
        return Next(seed) % 10 == 0 ? std::string(1, "aeiouy"[Next(seed) % 6]) : MakeWord(seed, 1);
    default:
        return MakeWord(seed, 2 + Next(seed) % 3);
    }
}

// The table, its texts in code page 1252 or, for `utf8`, in Japanese letters in UTF-8 with the
// mark that says so beside it.
void WriteTable(const std::string& path, bool utf8) {
    const std::vector<TTableField> fields =
        BenchTableFields(utf8 ? 3 * WordWidth : WordWidth, Translations,
                         utf8 ? 3 * TranslationWidth : TranslationWidth);
    std::string bytes = TableHeader(fields, Records, 0, TDate());
    uint32_t seed = 2024;
    std::vector<std::string> texts;
    for (uint32_t r = 0; r < Records; ++r) {
        texts = {MakeWord(seed, 2)};
        for (uint32_t t = 0; t < Translations; ++t)
            texts.push_back(MakeEntry(seed));
        if (utf8)
            for (std::string& text : texts)
                text = InJapaneseLetters(text);
        texts.resize(fields.size());
        AppendRecord(bytes, fields, texts);
    }
    AppendEndOfFile(bytes);
    std::ofstream(path, std::ios::binary) << bytes;
    const std::filesystem::path mark = std::filesystem::path(path).replace_extension(".cpg");
    if (utf8)
        std::ofstream(mark, std::ios::binary) << "UTF-8";
    else
        std::filesystem::remove(mark);
}

double Milliseconds(std::chrono::steady_clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string RunList(const std::vector<double>& values) {
    std::string text;
    char number[32];
    for (double value : values) {
        std::snprintf(number, sizeof number, "%s%.1f", text.empty() ? "" : " ", value);
        text += number;
    }
    return text;
}

struct THintKeyName {
    const char* name;
    UINT key;
    THintMode mode;
};

const THintKeyName HintKeyNames[] = {
    {"F2", VK_F2, THintMode::StartingWord},     {"F3", VK_F3, THintMode::ContiguousWord},
    {"F5", VK_F5, THintMode::StartingChars},    {"F6", VK_F6, THintMode::ContiguousChars},
    {"F7", VK_F7, THintMode::InterlacingChars}, {"F8", VK_F8, THintMode::InterlacingPhrases},
    {"F9", VK_F9, THintMode::WildcardMatches},
};

bool IsSeparator(wchar_t c) {
    return IsWordSeparatorCharacter(static_cast<uint32_t>(c));
}

// Two neighbouring letters swapped: the slip the interlacing keys forgive.
std::wstring WithSlip(std::wstring text) {
    for (size_t i = text.size() / 2; i + 1 < text.size() && i > 0; ++i)
        if (!IsSeparator(text[i]) && !IsSeparator(text[i + 1]) && text[i] != text[i + 1]) {
            std::swap(text[i], text[i + 1]);
            break;
        }
    return text;
}

// What a learner who knows this entry might have typed, `length` characters, before pressing
// the key; nothing when the entry gives no such text.
std::optional<std::wstring> TypedFor(THintMode mode, std::wstring_view entry, size_t length) {
    switch (mode) {
    case THintMode::StartingWord:
        // A whole first word.
        if (entry.size() >= length && !IsSeparator(entry[length - 1]) &&
            (entry.size() == length || IsSeparator(entry[length])))
            return std::wstring(entry.substr(0, length));
        return std::nullopt;
    case THintMode::ContiguousWord:
        // A whole word of the entry, from inside it where there is one.
        for (bool inside : {true, false}) {
            for (size_t start = 0; start < entry.size();) {
                size_t end = start;
                while (end < entry.size() && !IsSeparator(entry[end]))
                    ++end;
                if (end - start == length && (start > 0 || !inside))
                    return std::wstring(entry.substr(start, length));
                start = end + 1;
            }
        }
        return std::nullopt;
    case THintMode::StartingChars:
        if (entry.size() > length)
            return std::wstring(entry.substr(0, length));
        return std::nullopt;
    case THintMode::ContiguousChars:
        if (entry.size() > length + 1)
            return std::wstring(entry.substr(1, length));
        return std::nullopt;
    case THintMode::InterlacingChars:
        if (entry.size() > length)
            return WithSlip(std::wstring(entry.substr(0, length)));
        return std::nullopt;
    case THintMode::InterlacingPhrases:
        // Three quarters of the longer text must agree: an entry about as long as the text.
        if (entry.size() >= length && entry.size() <= length + 2)
            return WithSlip(std::wstring(entry.substr(0, length)));
        return std::nullopt;
    case THintMode::WildcardMatches:
        if (length == 1)
            return entry.size() == 1 ? std::optional<std::wstring>(L"?") : std::nullopt;
        if (entry.size() > length)
            return L"*" + std::wstring(entry.substr(1, length - 2)) + L"*";
        return std::nullopt;
    }
    return std::nullopt;
}

// The first text the entries from the middle of the list on give that the key accepts for its
// own entry: a text that finds hints, in the table's code page.
std::optional<std::string> ChooseTyped(THintMode mode, const TWordList& words, size_t length,
                                       const TCodePageText& codePage) {
    for (uint32_t i = words.Count() / 3; i < words.Count(); ++i) {
        const std::optional<std::wstring> typed =
            TypedFor(mode, codePage.ToUtf16(words.Item(i)), length);
        if (!typed || typed->size() != length)
            continue;
        const std::string bytes = codePage.FromUtf16(*typed);
        if (THintSearch(mode, bytes, codePage).Accepts(words.Item(i)))
            return bytes;
    }
    return std::nullopt;
}

// The list's items as the table holds them, in its code page.
std::vector<std::string> Items(const TComboBox& box, const TCodePageText& codePage) {
    std::vector<std::string> items(static_cast<size_t>(std::max(box.GetCount(), 0)));
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = codePage.FromUtf16(box.GetWideString(static_cast<int32_t>(i)));
    return items;
}

// What no way of finding, sorting, handing over and showing these hints can go below, each part
// measured alone: the search of the word list, the system's sort key of each hint, the list
// control's own work for each item (its window procedure called directly with texts already in
// wide characters and room reserved), and a bare combo box of the answer box's size holding them
// taking the first into its edit part and opening its list.
struct TFloor {
    double search = 0;
    double keys = 0;
    double insertions = 0;
    double dropDown = 0;
    double Total() const { return search + keys + insertions + dropDown; }
};

// Measures floors with a bare combo box that stands where the answer box stands, with its font
// and size, made once and opened once before, as the answer box's list has been.
class TFloorBench {
public:
    TFloorBench(TApplication& app, TVocorixComboBox& answerBox)
        : app_(app),
          box_(answerBox.GetParentObject(), 998, 0, 0, 10, 10, CBS_DROPDOWN | CBS_SORT, 0) {
        box_.Create();
        box_.SetWindowFont(reinterpret_cast<HFONT>(answerBox.Send(WM_GETFONT)), false);
        RECT place = answerBox.GetWindowRect();
        MapWindowPoints(nullptr, answerBox.GetParentObject()->GetHandle(),
                        reinterpret_cast<POINT*>(&place), 2);
        // The height the drill window's layout gives the answer box: its own and its list's.
        SetWindowPos(box_.GetHandle(), HWND_TOP, place.left, place.top, place.right - place.left,
                     answerBox.Layout().Height.Value, SWP_NOACTIVATE);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(box_.GetHandle(), &info);
        list_ = info.hwndList;
        procedure_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list_, GWLP_WNDPROC));
        for (int i = 0; i < 100; ++i)
            box_.AddString("warm");
        box_.ShowList(true);
        app_.PumpWaitingMessages();
        box_.ShowList(false);
        box_.ClearList();
        app_.PumpWaitingMessages();
    }
    ~TFloorBench() { box_.Destroy(); }

    // `characters`: those of a UTF-8 table's words, worked out before, as the window has them.
    TFloor Measure(const TWordList& words, THintMode mode, const std::string& typed,
                   const std::vector<std::string>& texts, const TCodePageText& codePage,
                   const TCharacterWords* characters) {
        TFloor floor;
        const auto t0 = std::chrono::steady_clock::now();
        THintSearch search(mode, typed, codePage, characters);
        uint32_t accepted = 0;
        for (uint32_t i = 0; i < words.Count(); ++i)
            accepted += search.Accepts(words.Item(i), i) ? 1 : 0;
        const auto t1 = std::chrono::steady_clock::now();
        floor.search = Milliseconds(t1 - t0);
        if (accepted < texts.size())
            std::printf("the search accepts fewer words than the list holds\n");

        std::vector<std::wstring> wide;
        wide.reserve(texts.size());
        TUtf16 buffer;
        unsigned char key[1024];
        const auto t2 = std::chrono::steady_clock::now();
        for (const std::string& text : texts) {
            buffer.clear();
            codePage.AppendUtf16(text, buffer);
            LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, buffer.c_str(), -1,
                         reinterpret_cast<LPWSTR>(key), sizeof key);
        }
        const auto t3 = std::chrono::steady_clock::now();
        floor.keys = Milliseconds(t3 - t2);
        for (const std::string& text : texts)
            wide.push_back(codePage.ToUtf16(text));

        Send(WM_SETREDRAW, FALSE, 0);
        const auto t4 = std::chrono::steady_clock::now();
        for (size_t i = 0; i < wide.size(); ++i) {
            if (i % 4096 == 0)
                Send(LB_INITSTORAGE, wide.size() - i, 0);
            Send(LB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(wide[i].c_str()));
        }
        const auto t5 = std::chrono::steady_clock::now();
        floor.insertions = Milliseconds(t5 - t4);
        Send(WM_SETREDRAW, TRUE, 0);
        // With the focus, as the answer box has it when its key is pressed.
        const HWND focus = GetFocus();
        box_.SetFocus();
        app_.PumpWaitingMessages();

        // The box shows the first hint in its edit part, and opens the list.
        const auto t6 = std::chrono::steady_clock::now();
        box_.SetSelIndex(wide.empty() ? -1 : 0);
        box_.ShowList(true);
        app_.PumpWaitingMessages();
        const auto t7 = std::chrono::steady_clock::now();
        floor.dropDown = Milliseconds(t7 - t6);
        box_.ShowList(false);
        box_.ClearList();
        ::SetFocus(focus);
        app_.PumpWaitingMessages();
        return floor;
    }

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(procedure_, list_, message, wParam, lParam);
    }

    TApplication& app_;
    TComboBox box_;
    HWND list_ = nullptr;
    WNDPROC procedure_ = nullptr;
};

struct TCase {
    const THintKeyName* key;
    std::string typed;
    int32_t hints = 0;
    double median = 0;
    double floor = 0;
    double Ratio() const { return floor > 0 ? median / floor : 0; }
};

class TBench {
public:
    // `prefix` begins each line printed.
    TBench(TApplication& app, TVocorixDlg& window, const char* prefix = "")
        : app_(app), window_(window), floors_(app, Box()), prefix_(prefix) {
        const TWordList& words = window.GetDatabase().Words();
        if (TableText().CodePage() == Utf8CodePage)
            characters_ = std::make_unique<TCharacterWords>(
                words.Count(), [&words](uint32_t i) { return words.Item(i); });
    }

    TVocorixComboBox& Box() {
        return *dynamic_cast<TVocorixComboBox*>(
            TWindow::FromHandle(GetDlgItem(window_.GetHandle(), IDC_ANSWER_BOX)));
    }

    const TCodePageText& TableText() const {
        return CodePageText(window_.GetDatabase().CodePage());
    }

    // The box as the learner leaves it after typing `typed` (the table's bytes): hints gone,
    // caret at the end.
    void Type(const std::string& typed) {
        TVocorixComboBox& box = Box();
        box.CloseHints();
        const TUtf16 wide = TableText().ToUtf16(typed);
        box.SetText(wide);
        box.SetEditSel(static_cast<uint32_t>(wide.size()), static_cast<uint32_t>(wide.size()));
        app_.PumpWaitingMessages();
    }

    // One press of the key, from its message to the filled list with the first hint shown.
    double Press(UINT key) {
        const auto before = std::chrono::steady_clock::now();
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1 | (MapVirtualKeyA(key, 0) << 16));
        app_.PumpWaitingMessages();
        const auto after = std::chrono::steady_clock::now();
        return Milliseconds(after - before);
    }

    TCase Measure(const THintKeyName& key, const std::string& typed) {
        TCase result{&key, typed};
        std::vector<double> runs;
        for (int run = 0; run < Runs; ++run) {
            Type(typed);
            runs.push_back(Press(key.key));
        }
        TVocorixComboBox& box = Box();
        result.hints = box.GetCount();
        if (result.hints > 0 && box.GetText() != box.GetString(0))
            std::printf("%shint %s \"%s\": the box does not show the first hint\n", prefix_,
                        key.name, typed.c_str());
        const std::vector<std::string> hints = Items(box, TableText());
        Type("");
        std::vector<TFloor> floors;
        for (int run = 0; run < Runs; ++run)
            floors.push_back(floors_.Measure(window_.GetDatabase().Words(), key.mode, typed, hints,
                                             TableText(), characters_.get()));
        // Each part's median.
        TFloor floor;
        const auto part = [&](double TFloor::*member) {
            std::vector<double> values;
            for (const TFloor& f : floors)
                values.push_back(f.*member);
            floor.*member = Median(values);
        };
        for (double TFloor::*member :
             {&TFloor::search, &TFloor::keys, &TFloor::insertions, &TFloor::dropDown})
            part(member);
        result.median = Median(runs);
        result.floor = floor.Total();
        std::printf("%shint %s \"%s\": %d hints, median %.1f ms, floor %.1f ms, ratio %.2f "
                    "(runs: %s; floor: search %.1f, sort keys %.1f, insertions %.1f, "
                    "drop-down %.1f)\n",
                    prefix_, key.name, typed.c_str(), result.hints, result.median, result.floor,
                    result.Ratio(), RunList(runs).c_str(), floor.search, floor.keys,
                    floor.insertions, floor.dropDown);
        std::fflush(stdout);
        return result;
    }

private:
    TApplication& app_;
    TVocorixDlg& window_;
    TFloorBench floors_;
    const char* prefix_;
    std::unique_ptr<TCharacterWords> characters_;
};

// Runs the window's idle work as the loop does while the learner reads the question, up to the
// point where the idle-time duplicate removal would begin: how long it took in all, and its
// longest step, the longest a key may wait for it.
struct TIdleWork {
    double total = 0;
    double longestStep = 0;
};

TIdleWork IdleUntilDuplicateRemoval(TVocorixDlg& window) {
    TIdleWork work;
    for (int32_t count = 1; count <= 5000; ++count) {
        const auto before = std::chrono::steady_clock::now();
        const bool more = window.IdleAction(count);
        const double step = Milliseconds(std::chrono::steady_clock::now() - before);
        work.total += step;
        work.longestStep = std::max(work.longestStep, step);
        if (!more)
            break;
    }
    return work;
}

// Every hint key on the window's table, for typed texts of 1, 3 and 8 characters, and the worst
// ratio and the worst short list among them; each line begins with `prefix`.
void MeasureHintKeys(TApplication& app, TVocorixDlg& window,
                     const std::function<bool(const char*)>& wanted, const char* prefix) {
    const TWordList& words = window.GetDatabase().Words();
    std::vector<TCase> cases;
    TBench bench(app, window, prefix);
    bench.Box().SetFocus();
    if (wanted("F5"))
        cases.push_back(bench.Measure(HintKeyNames[2], ""));
    for (const THintKeyName& key : HintKeyNames) {
        if (!wanted(key.name))
            continue;
        for (size_t length : {1u, 3u, 8u}) {
            const std::optional<std::string> typed =
                ChooseTyped(key.mode, words, length, bench.TableText());
            if (!typed) {
                std::printf("%shint %s: no text of %zu characters finds hints\n", prefix, key.name,
                            length);
                continue;
            }
            cases.push_back(bench.Measure(key, *typed));
        }
    }

    const TCase* worstRatio = nullptr;
    const TCase* worstShort = nullptr;
    for (const TCase& c : cases) {
        if (worstRatio == nullptr || c.Ratio() > worstRatio->Ratio())
            worstRatio = &c;
        if (c.hints <= ShortList && (worstShort == nullptr || c.median > worstShort->median))
            worstShort = &c;
    }
    if (worstRatio != nullptr)
        std::printf("%sworst ratio: %.2f (%s \"%s\"; goal: at most 1.25)\n", prefix,
                    worstRatio->Ratio(), worstRatio->key->name, worstRatio->typed.c_str());
    if (worstShort != nullptr)
        std::printf("%sworst median of lists of at most %d hints: %.1f ms (%s \"%s\", %d hints; "
                    "goal: below 50 ms)\n",
                    prefix, ShortList, worstShort->median, worstShort->key->name,
                    worstShort->typed.c_str(), worstShort->hints);
}

} // namespace

// Arguments: the hint keys to measure (F2 ... F9); all of them when none is given.
int main(int argc, char** argv) {
    const std::function<bool(const char*)> wanted = [&](const char* name) {
        return argc < 2 || std::any_of(argv + 1, argv + argc, [name](const char* arg) {
                   return std::strcmp(arg, name) == 0;
               });
    };
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "vocorix-bench-drill-window";
    std::filesystem::create_directories(dir);
    const std::string table = (dir / "large.dbf").string();
    const std::string iniPath = (dir / "bench.INI").string();
    WriteTable(table, false);
    std::ofstream(iniPath, std::ios::binary) << "[Database]\r\nFile Name=" << table << "\r\n";
    TIniFile ini(iniPath);
    const TDrillFonts fonts;
    TApplication app;

    // Each start with a key pressed at once after the first question, before any idle time.
    std::vector<double> starts;
    std::vector<double> atOnce;
    std::string firstTyped;
    int32_t firstHints = 0;
    for (int run = 0; run < 3; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        auto window = std::make_unique<TVocorixDlg>(nullptr, ini, fonts);
        window->Create();
        app.PumpWaitingMessages();
        starts.push_back(Milliseconds(std::chrono::steady_clock::now() - begin));
        {
            TBench bench(app, *window);
            bench.Box().SetFocus();
            firstTyped = ChooseTyped(THintMode::StartingChars, window->GetDatabase().Words(), 1,
                                     bench.TableText())
                             .value_or("");
            bench.Type(firstTyped);
            atOnce.push_back(bench.Press(VK_F5));
            firstHints = bench.Box().GetCount();
        }
        window->Destroy();
        window.reset();
        app.PumpWaitingMessages();
    }

    auto window = std::make_unique<TVocorixDlg>(nullptr, ini, fonts);
    window->Create();
    app.PumpWaitingMessages();
    std::printf("table: %u records, %u translation fields, %u words in the list\n", Records,
                Translations, window->GetDatabase().Words().Count());
    std::printf("start to first question: median %.0f ms (runs: %s)\n", Median(starts),
                RunList(starts).c_str());
    std::printf("F5 \"%s\" at once after the first question, before idle time: median %.0f ms, "
                "%d hints (runs: %s)\n",
                firstTyped.c_str(), Median(atOnce), firstHints, RunList(atOnce).c_str());
    const TIdleWork idle = IdleUntilDuplicateRemoval(*window);
    std::printf("idle work before duplicate removal: %.0f ms, longest step %.0f ms\n", idle.total,
                idle.longestStep);
    MeasureHintKeys(app, *window, wanted, "");
    window->Destroy();
    window.reset();
    app.PumpWaitingMessages();

    // The same words in Japanese letters in a UTF-8 table.
    const std::string utf8Table = (dir / "japanese.dbf").string();
    const std::string utf8IniPath = (dir / "japanese.INI").string();
    WriteTable(utf8Table, true);
    std::ofstream(utf8IniPath, std::ios::binary)
        << "[Database]\r\nFile Name=" << utf8Table << "\r\n";
    TIniFile utf8Ini(utf8IniPath);
    window = std::make_unique<TVocorixDlg>(nullptr, utf8Ini, fonts);
    window->Create();
    app.PumpWaitingMessages();
    if (window->GetDatabase().CodePage() != Utf8CodePage)
        std::printf("utf-8 table: not read as UTF-8\n");
    IdleUntilDuplicateRemoval(*window);
    MeasureHintKeys(app, *window, wanted, "utf-8 ");
    window->Destroy();
    window.reset();
    app.PumpWaitingMessages();
    std::filesystem::remove_all(dir);
    return 0;
}
