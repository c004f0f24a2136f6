// Any bytes as a vocabulary table: they load or give one of the "Database Problem" texts, the
// loading never changes them, and a question answered on a loaded table changes nothing but
// that record's 10 statistics bytes. Every other input is a table marked as UTF-8, whose texts
// are measured as the drill window measures them, bad bytes and all.

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "database/db_file.h"
#include "database/db_messages.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/date.h"
#include "platform/text_codec.h"
#include "settings/options.h"

namespace {

// The table file the tools use, with every write counted.
class MemoryTable : public TMemoryTableFile {
public:
    using TMemoryTableFile::TMemoryTableFile;

    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        if (!TMemoryTableFile::WriteAt(offset, data, size))
            std::abort(); // the reader wrote beyond the table
        ++writes;
        return true;
    }

    int writes = 0;
};

class SilentScreen : public TDBScreen {
public:
    int32_t TextWidth(const char* text, size_t length, uint32_t codePage) override {
        return static_cast<int32_t>(
            CodePageText(codePage).ToUtf16(std::string_view(text, length)).size());
    }
    void ShowProblem(const char* text) override {
        problem = text;
        ++problems;
    }
    void BeginWait() override {}
    void EndWait() override {}
    bool IsShiftDown() override { return false; }
    TDialogOutcome RunOptionsDialog(TOptions&) override { return TDialogOutcome::Unavailable; }
    TReadOnlyChoice AskReadOnly(const std::string&) override {
        return TReadOnlyChoice::WithoutRecording;
    }

    std::string problem;
    int problems = 0;
};

bool IsLoadMessage(const std::string& text) {
    for (const char* known : {NoRecordsText, TranslationWidthsText, NoLastChangeText, NoCountText,
                              SizeOrHeaderText, TooManyTranslationsText})
        if (text == known)
            return true;
    return false;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// A table path whose mark beside it says UTF-8; the table itself is the input, in memory.
const std::string& MarkedTable() {
    static const std::string path = [] {
        namespace fs = std::filesystem;
        const fs::path folder = fs::temp_directory_path() / "vocorix-fuzz-table";
        fs::create_directories(folder);
        std::FILE* mark = std::fopen((folder / "marked.cpg").string().c_str(), "wb");
        Check(mark != nullptr);
        std::fputs("UTF-8", mark);
        std::fclose(mark);
        return (folder / "marked.dbf").string();
    }();
    return path;
}

uint32_t Little16(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

uint32_t Little32(const std::string& bytes, size_t at) {
    return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

} // namespace

// `make fuzz` starts from an empty corpus folder; the committed test tables get the fuzzer
// past the header checks at once.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    namespace fs = std::filesystem;
    const fs::path tables = fs::path(__FILE__).parent_path().parent_path() / "data";
    std::error_code error;
    for (int i = 1; i < *argc; ++i) {
        const fs::path corpus = (*argv)[i];
        if ((*argv)[i][0] == '-' || !fs::is_directory(corpus, error) ||
            !fs::is_empty(corpus, error))
            continue;
        for (const auto& entry : fs::directory_iterator(tables, error))
            if (entry.path().extension() == ".dbf")
                fs::copy_file(entry.path(), corpus / entry.path().filename(), error);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TIniFile ini("/nonexistent/vocorix-fuzz.ini");
    static TOptions options(ini);
    options.MaxCount = 10;
    options.AgeList = {{1, 3}};
    SetTodayClock([] { return LocalDate{9, 5, 2024}; });
    int64_t seconds = 0;
    SetSecondClock([&seconds] { return seconds++; });

    const bool marked = size % 2 == 1;
    options.FileName = character(marked ? MarkedTable().c_str() : "");
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::string bytes = original;
    MemoryTable* table = nullptr;
    SilentScreen screen;
    TDBFile reader(options, screen, [&](const char*) {
        auto file = std::make_unique<MemoryTable>(bytes);
        table = file.get();
        return file;
    });

    Check(reader.IsLoaded() ? screen.problems == 0
                            : screen.problems == 1 && IsLoadMessage(screen.problem));
    Check(bytes == original);
    if (reader.IsLoaded()) {
        Check(!marked || reader.CodePage() == Utf8CodePage);
        // The progress figures count every record once, by the reader's own rule, and write
        // nothing.
        const std::optional<TProgress> progress = reader.Progress(TDate().DayNumber());
        Check(progress.has_value());
        uint32_t levels = 0;
        for (uint32_t words : progress->byCount)
            levels += words;
        uint32_t resting = 0;
        for (const auto& [day, words] : progress->comeDue)
            resting += words;
        Check(progress->records == Little32(original, 4) &&
              levels + progress->learnt + progress->deleted == progress->records &&
              progress->ToDrill() == reader.EligibleCount() && resting == progress->resting &&
              progress->neverAsked <= progress->byCount.at(0) && table->writes == 0);
    }
    if (!reader.IsLoaded() || reader.EligibleCount() == 0) {
        Check(!reader.IsLoaded() || !reader.Pick());
        return 0;
    }
    Check(table->writes == 0);

    Check(reader.Pick());
    std::string question(reader.QuestionSize(), '\0');
    int leadIn, word, transcription;
    reader.MakeQuestion(question.data(), leadIn, word, transcription);
    Check(leadIn + word + transcription <= static_cast<int>(std::strlen(question.c_str())));
    reader.Update(true);

    // Only the answered record's last 10 bytes may differ, by the header's own numbers.
    const uint64_t statistics =
        Little16(original, 8) +
        static_cast<uint64_t>(reader.CurrentIndex()) * Little16(original, 10) +
        Little16(original, 10) - 10;
    for (size_t i = 0; i < bytes.size(); ++i)
        Check(bytes[i] == original[i] || (i >= statistics && i < statistics + 10));
    return 0;
}
