// The table reader on a 100,000-record table with three 40-byte translations: the loading
// pass against a plain read of the same bytes, and one question's Pick, MakeQuestion, Update;
// then the loading pass of a UTF-8 table of as many Japanese words against its plain read.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_table.h"
#include "database/code_page_mark.h"
#include "database/db_file.h"
#include "database/field_text.h"
#include "database/table_format.h"
#include "database/table_writer.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"
#include "settings/options.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t Records = 100000;
constexpr uint32_t WordWidth = 30;
constexpr uint32_t TranslationWidth = 40;
constexpr uint32_t Translations = 3;

const fs::path& TablePath() {
    static const fs::path path =
        fs::temp_directory_path() / ("vocorix-bench-" + std::to_string(std::rand()) + ".dbf");
    return path;
}

const fs::path& Utf8TablePath() {
    static const fs::path path = [] {
        fs::path utf8 = TablePath();
        utf8.replace_extension(".utf8.dbf");
        return utf8;
    }();
    return path;
}

// The questions write their statistics: into a copy, so that the loading pass keeps finding
// every record eligible whatever order the benchmarks run in.
const fs::path& QuestionTablePath() {
    static const fs::path path = [] {
        fs::path copy = TablePath();
        copy.replace_extension(".questions.dbf");
        return copy;
    }();
    return path;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void WriteUtf8Table() {
    WriteFile(Utf8TablePath(), MakeUtf8BenchTable(Records, Translations));
    WriteFile(CodePageMarkPath(Utf8TablePath().string()), std::string(Utf8MarkText));
}

void WriteTable() {
    const std::vector<TTableField> fields =
        BenchTableFields(WordWidth, Translations, TranslationWidth);
    std::string bytes = TableHeader(fields, Records, 0, TDate());
    bytes.reserve(bytes.size() + size_t{Records} * RecordLengthOf(fields) + 1);
    // Vocabulary as tables hold it: single words and short phrases, 3 to 33 bytes.
    const char* const stems[] = {"Haus",
                                 "maison",
                                 "to run away",
                                 "Baum",
                                 "to look forward to",
                                 "schnell",
                                 "eau",
                                 "the day after tomorrow",
                                 "Brot"};
    char statistics[table_format::StatisticsWidth];
    std::vector<std::string> texts;
    for (uint32_t r = 0; r < Records; ++r) {
        texts = {"word " + std::to_string(r)};
        for (uint32_t t = 0; t < Translations; ++t)
            texts.push_back(std::string(stems[(r + 4 * t) % 9]) + " " + std::to_string(r));
        FormatStatistics(statistics, 2023, r % 12 + 1, r % 28 + 1, r % 10);
        texts.emplace_back(statistics, table_format::LastChangeWidth);
        texts.emplace_back(statistics + table_format::LastChangeWidth, table_format::CountWidth);
        AppendRecord(bytes, fields, texts);
    }
    AppendEndOfFile(bytes);
    WriteFile(TablePath(), bytes);
}

class BenchScreen : public TDBScreen {
public:
    int32_t TextWidth(const char*, size_t length, uint32_t) override {
        return 7 * static_cast<int32_t>(length);
    }
    void ShowProblem(const char*) override {}
    void BeginWait() override {}
    void EndWait() override {}
    bool IsShiftDown() override { return false; }
    TDialogOutcome RunOptionsDialog(TOptions&) override { return TDialogOutcome::Unavailable; }
    TReadOnlyChoice AskReadOnly(const std::string&) override {
        return TReadOnlyChoice::WithoutRecording;
    }
};

struct Settings {
    explicit Settings(const fs::path& table)
        : ini((fs::temp_directory_path() / "vocorix-bench-absent.ini").string()), options(ini) {
        options.FileName = character(table.string().c_str());
    }
    TIniFile ini;
    TOptions options;
};

void Load(benchmark::State& state, const fs::path& table, uint32_t codePage) {
    Settings settings(table);
    BenchScreen screen;
    for (auto _ : state) {
        auto reader = std::make_unique<TDBFile>(settings.options, screen);
        if (!reader->IsLoaded() || reader->EligibleCount() != Records ||
            reader->CodePage() != codePage) {
            state.SkipWithError("the table did not load");
            break;
        }
        benchmark::DoNotOptimize(reader->Words().Count());
        // Releasing the word list is not part of loading.
        state.PauseTiming();
        reader.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * fs::file_size(table));
}

void LoadingPass(benchmark::State& state) {
    // The table names no code page: the system's.
    Load(state, TablePath(), SystemCodePage());
}
// The fastest of the repetitions: what the work itself costs when nothing else on the machine
// gets in its way.
double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(LoadingPass)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

void Read(benchmark::State& state, const fs::path& table) {
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        std::FILE* file = std::fopen(table.string().c_str(), "rb");
        size_t total = 0;
        size_t read;
        while ((read = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
            total += read;
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * fs::file_size(table));
}

void PlainRead(benchmark::State& state) {
    Read(state, TablePath());
}
BENCHMARK(PlainRead)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

void Utf8LoadingPass(benchmark::State& state) {
    Load(state, Utf8TablePath(), Utf8CodePage);
}
BENCHMARK(Utf8LoadingPass)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

void Utf8PlainRead(benchmark::State& state) {
    Read(state, Utf8TablePath());
}
BENCHMARK(Utf8PlainRead)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

void AskOneQuestion(benchmark::State& state) {
    Settings settings(QuestionTablePath());
    BenchScreen screen;
    TDBFile reader(settings.options, screen);
    std::vector<char> question(reader.QuestionSize());
    int leadIn, word, transcription;
    bool right = true;
    for (auto _ : state) {
        reader.Pick();
        reader.MakeQuestion(question.data(), leadIn, word, transcription);
        // Alternating answers keep every record eligible.
        reader.Update(right);
        right = !right;
    }
}
BENCHMARK(AskOneQuestion)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's fastest and median real time per iteration, for the ratio printed at
// the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate)
                continue;
            const std::string name = run.run_name.function_name;
            if (run.aggregate_name == "min")
                fastest[name] = run.GetAdjustedRealTime();
            else if (run.aggregate_name == "median")
                medians[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> fastest;
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv) {
    WriteTable();
    WriteUtf8Table();
    std::error_code ignored;
    fs::copy_file(TablePath(), QuestionTablePath(), fs::copy_options::overwrite_existing, ignored);
    // Unless told otherwise: repetitions of the two passes taken in turns, so that whatever else
    // the machine does falls on both alike.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=15";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_display_aggregates_only=true";
    std::string minTime = "--benchmark_min_time=0.1";
    if (std::none_of(args.begin(), args.end(), [](const char* arg) {
            return std::string_view(arg).starts_with("--benchmark_repetitions");
        }))
        for (std::string* arg : {&repetitions, &interleaving, &aggregates, &minTime})
            args.push_back(arg->data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [](std::map<std::string, double>& times, const std::string& prefix,
                          const std::string& loading, const std::string& reading) {
        const double load = times[prefix + loading];
        const double read = times[prefix + reading];
        return load > 0 && read > 0 ? load / read : 0.0;
    };
    for (const auto& [prefix, label] : {std::pair<std::string, std::string>{"", ""},
                                        std::pair<std::string, std::string>{"Utf8", "UTF-8 "}}) {
        const double fastest = ratio(reporter.fastest, prefix, "LoadingPass", "PlainRead");
        if (fastest > 0)
            std::printf("%sloading pass / plain read: %.2f, fastest runs (medians: %.2f; goal: "
                        "at most 3)\n",
                        label.c_str(), fastest,
                        ratio(reporter.medians, prefix, "LoadingPass", "PlainRead"));
    }
    fs::remove(TablePath(), ignored);
    fs::remove(Utf8TablePath(), ignored);
    fs::remove(CodePageMarkPath(Utf8TablePath().string()), ignored);
    fs::remove(QuestionTablePath(), ignored);
    benchmark::Shutdown();
    return 0;
}
