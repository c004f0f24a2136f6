#include "database/db_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "database/code_page_mark.h"
#include "database/day_numbers.h"
#include "database/db_messages.h"
#include "database/field_text.h"
#include "platform/text_codec.h"
#include "settings/options.h"

namespace {

// Restores the cursor on every way out of the loading pass.
class WaitCursor {
public:
    explicit WaitCursor(TDBScreen& screen) : screen_(screen) { screen_.BeginWait(); }
    ~WaitCursor() { screen_.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    TDBScreen& screen_;
};

// Records are read in batches of about this many bytes rather than one small read per field:
// few enough reads that their cost vanishes, and a batch still stays in the processor's cache
// while it is decoded.
constexpr size_t ReadBatchBytes = 384 * 1024;
// Bounds on what a loading pass reserves for the word list at once; a larger table grows it.
constexpr uint64_t MaxWordReservation = 1u << 20;
constexpr uint64_t MaxByteReservation = 64u << 20;

} // namespace

TDBFile::TDBFile(TOptions& options, TDBScreen& screen, TTableOpener opener)
    : options_(options), screen_(screen), opener_(std::move(opener)) {
    for (;;) {
        const bool shift = screen_.IsShiftDown();
        if (!shift && Load())
            return;
        const TDialogOutcome outcome = screen_.RunOptionsDialog(options_);
        if (outcome == TDialogOutcome::Unavailable) {
            // Without a dialog, Shift has nothing to offer: make the one attempt anyway.
            if (shift)
                Load();
            return;
        }
        if (outcome != TDialogOutcome::Ok)
            return;
    }
}

TDBFile::~TDBFile() {
    if (IsLoaded())
        Close();
}

bool TDBFile::Problem(const char* text) {
    Close();
    screen_.ShowProblem(text);
    return false;
}

void TDBFile::Close() {
    file_.reset();
    record_ = {};
    word_ = {};
    part_ = {};
    transcript_ = {};
    thirdLang_ = {};
    translations_ = {};
}

bool TDBFile::Load() {
    Close();
    current_ = -1;
    if (!OpenAndCheck())
        return false;
    try {
        AllocateBuffers();
        return LoadRecords();
    } catch (const std::bad_alloc&) {
        // A table larger than a 32-bit program's memory: what was loaded goes, so that the
        // options dialog has room to offer another table.
        words_.Release();
        return Problem(TooLargeText);
    }
}

bool TDBFile::OpenAndCheck() {
    file_ = opener_(options_.FileName.Text);
    if (!file_) {
        // At a first start there is neither table nor settings file: the options dialog comes
        // next without a message.
        if (!options_.Ini().Exists())
            return false;
        return Problem(CannotOpenText);
    }
    layout_ = TTableLayout{};
    const char* problem = ReadTableLayout(*file_, layout_);
    if (layout_.OptionalFieldsKnown) {
        options_.PartOfSpeech = layout_.HasPart;
        options_.Transcription = layout_.HasTranscript;
        options_.ThirdLanguage = layout_.HasThirdLang;
    }
    if (problem != nullptr)
        return Problem(problem);
    translationNames_ = ReadTranslationNames(*file_, layout_);
    codePage_ =
        CodePageOfTable(options_.FileName.Text, layout_.LanguageDriver).value_or(SystemCodePage());
    recording_ = file_->IsWritable();
    if (!recording_ && screen_.AskReadOnly(ReadOnlyTableText(options_.FileName.Text)) ==
                           TReadOnlyChoice::Options) {
        Close();
        return false;
    }
    return true;
}

void TDBFile::AllocateBuffers() {
    const auto text = [](bool present, uint32_t width) {
        return present ? std::vector<char>(width + size_t{1}, '\0') : std::vector<char>{};
    };
    record_.assign(layout_.RecordLength, 0);
    word_ = text(true, layout_.WordWidth);
    part_ = text(layout_.HasPart, layout_.PartWidth);
    transcript_ = text(layout_.HasTranscript, layout_.TranscriptWidth);
    thirdLang_ = text(layout_.HasThirdLang, layout_.ThirdLangWidth);
    translations_.assign(layout_.TranslationCount, text(true, layout_.TranslationWidth));
    questionSize_ = layout_.WordWidth + 19 + layout_.PartWidth + layout_.TranscriptWidth +
                    layout_.ThirdLangWidth;
}

bool TDBFile::LoadRecords() {
    bool complete;
    {
        WaitCursor wait(screen_);
        complete = ReadAllRecords();
    }
    // The size check passed, so a short read means the file changed under us.
    return complete || Problem(SizeOrHeaderText);
}

template <class Age> bool TDBFile::Eligible(Age age) const {
    if (deletionFlag_ != table_format::LiveRecord || count_ >= options_.MaxCount)
        return false;
    for (const TAge& rest : options_.AgeList) {
        if (count_ >= rest.Count && age() < rest.Days)
            return false;
    }
    return true;
}

bool TDBFile::IsEligible(uint32_t age) const {
    return Eligible([age] { return age; });
}

bool TDBFile::IsEligibleRecord(const unsigned char* record) {
    deletionFlag_ = static_cast<char>(record[0]);
    const char* statistics = reinterpret_cast<const char*>(record) + layout_.RecordLength -
                             table_format::StatisticsWidth;
    count_ = static_cast<uint32_t>(ReadCount(statistics + table_format::LastChangeWidth));
    // Most records are decided by flag and COUNT, or by ranges their COUNT is below.
    std::optional<uint32_t> age;
    return Eligible([&] {
        if (!age)
            age = AgeOf(statistics);
        return *age;
    });
}

template <class Visit> bool TDBFile::ForEachRecord(Visit visit) {
    const uint32_t recordLength = layout_.RecordLength;
    const uint64_t batchRecords = std::max<size_t>(1, ReadBatchBytes / recordLength);
    std::vector<unsigned char> batch(batchRecords * recordLength);
    for (uint64_t first = 0; first < layout_.RecordCount; first += batchRecords) {
        const uint64_t records = std::min(batchRecords, layout_.RecordCount - first);
        const size_t bytes = records * recordLength;
        if (file_->ReadAt(layout_.RecordOffset(static_cast<uint32_t>(first)), batch.data(),
                          bytes) != bytes)
            return false;
        // Tables pad with blanks: a batch without any NUL needs no search for one in each text.
        const bool nulFree = std::memchr(batch.data(), '\0', bytes) == nullptr;
        for (const unsigned char* record = batch.data(); record != batch.data() + bytes;
             record += recordLength)
            visit(record, nulFree);
    }
    position_ = layout_.RecordOffset(layout_.RecordCount);
    return true;
}

bool TDBFile::ReadAllRecords() {
    eligibleCount_ = 0;
    widestTranslation_ = 0;
    words_.Clear();
    // Room for every translation of every record at its full width, up to a bound: an
    // untouched reservation costs little, and a table too large for it grows the list as usual.
    const uint64_t words = std::min<uint64_t>(
        uint64_t{layout_.RecordCount} * layout_.TranslationCount, MaxWordReservation);
    words_.Reserve(static_cast<size_t>(words),
                   static_cast<size_t>(
                       std::min<uint64_t>(words * layout_.TranslationWidth, MaxByteReservation)));

    // Locals, not members: the width callback could change members as far as the compiler
    // knows, which would make it reload them for every translation.
    const uint32_t translations = layout_.TranslationCount;
    const uint32_t width = layout_.TranslationWidth;
    const uint32_t translationsOffset = layout_.TranslationsOffset();
    // A translation is followed by at least the 10 statistics bytes of its record: its width
    // rounded up to eight bytes may be read.
    const size_t readable = (size_t{width} + 7) / 8 * 8;
    uint32_t eligible = 0;
    int32_t widest = 0;
    const bool complete = ForEachRecord([&](const unsigned char* record, bool nulFree) {
        // Only eligibility and the translations matter here: the buffers are filled when
        // a record is picked.
        if (!IsEligibleRecord(record))
            return;
        ++eligible;
        const char* field = reinterpret_cast<const char*>(record) + translationsOffset;
        for (uint32_t t = 0; t < translations; ++t, field += width) {
            const size_t length = nulFree ? field_text::WithoutTrailingBlanks(field, width)
                                          : TrimmedLength(field, width);
            if (length == 0)
                continue;
            widest = std::max(widest, screen_.TextWidth(field, length, codePage_));
            words_.AddField(field, length, readable);
        }
    });
    eligibleCount_ = eligible;
    widestTranslation_ = widest;
    return complete;
}

bool TDBFile::CountEligible() {
    uint32_t eligible = 0;
    const bool complete = ForEachRecord([&](const unsigned char* record, bool) {
        if (IsEligibleRecord(record))
            ++eligible;
    });
    if (!complete)
        return false;
    eligibleCount_ = eligible;
    return true;
}

std::optional<TProgress> TDBFile::Progress(int32_t today) {
    if (!IsLoaded())
        return std::nullopt;
    TProgressCount count(options_.MaxCount, options_.AgeList, today);
    const uint64_t position = position_;
    const uint32_t recordLength = layout_.RecordLength;
    const bool complete =
        ForEachRecord([&](const unsigned char* record, bool) { count.Add(record, recordLength); });
    position_ = position;
    if (!complete)
        return std::nullopt;
    return count.Figures();
}
