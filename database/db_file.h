#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "database/day_numbers.h"
#include "database/db_screen.h"
#include "database/progress.h"
#include "database/table_file.h"
#include "database/table_layout.h"
#include "database/word_list.h"
#include "platform/date.h"

class TOptions;

// The open vocabulary table: checks and loads it, picks records to ask, writes their
// statistics back in place.
class TDBFile {
public:
    // Opens the table named in the settings. While Shift is held or the table cannot be loaded,
    // the options dialog is offered; only its OK leads to another attempt. Use IsLoaded() after.
    TDBFile(TOptions& options, TDBScreen& screen, TTableOpener opener = OpenTableFile);
    ~TDBFile();
    TDBFile(const TDBFile&) = delete;
    TDBFile& operator=(const TDBFile&) = delete;

    // Opens, checks and loads the table; false, with the file closed, on any failure.
    bool Load();
    // Closes the file and shows the "Database Problem" box with this text; returns false.
    bool Problem(const char* text);
    // Reads the record at the current position into the buffers and sets `age` to its age in
    // days. False when the file cannot be read there: the buffers stay as they were.
    bool ReadRecord(uint32_t& age);
    bool IsEligible(uint32_t age) const;
    void Close();
    bool RemoveNextDuplicate() { return words_.RemoveNextDuplicate(); }

    // Makes a random eligible record current, never the one just asked directly. False when
    // nothing is eligible (the drill is over), or when the table can no longer be read: then
    // the file is closed and the problem shown.
    bool Pick();
    // `question` must hold QuestionSize() bytes.
    void MakeQuestion(char* question, int& leadIn, int& wordLength, int& transcriptionLength) const;
    // Records an answer to the current record; returns whether it is still eligible. A table
    // drilled without recording is left as it is.
    bool Update(bool right);
    // Every record's statistics counted afresh from the file, ages from the day number `today`;
    // nothing when the file cannot be read to its end. Changes nothing the drill uses.
    std::optional<TProgress> Progress(int32_t today);

    bool IsLoaded() const { return file_ != nullptr; }
    // False for a read-only table that the learner drills without recording.
    bool IsRecording() const { return recording_; }
    uint32_t TranslationCount() const { return layout_.TranslationCount; }
    // Translation width + 1: the text limit of every answer box.
    uint32_t TranslationSize() const { return layout_.TranslationWidth + 1; }
    const char* Translation(uint32_t index) const { return translations_[index].data(); }
    // The translation field's name as the table has it ("GERMAN").
    const std::string& TranslationName(uint32_t index) const { return translationNames_[index]; }
    const char* Word() const { return word_.data(); }
    // Null when the table lacks the field.
    const char* Part() const { return TextOrNull(part_); }
    const char* Transcript() const { return TextOrNull(transcript_); }
    const char* ThirdLang() const { return TextOrNull(thirdLang_); }
    uint32_t Count() const { return count_; }
    int64_t CurrentIndex() const { return current_; }
    uint32_t EligibleCount() const { return eligibleCount_; }
    uint32_t QuestionSize() const { return questionSize_; }
    int32_t WidestTranslation() const { return widestTranslation_; }
    // The code page of the table's texts: UTF-8 where the mark beside the table says so, else
    // the one its header names, else the system's.
    uint32_t CodePage() const { return codePage_; }
    const TWordList& Words() const { return words_; }
    // For the tags that the hint lists keep beside the words.
    TWordList& Words() { return words_; }

private:
    static const char* TextOrNull(const std::vector<char>& text) {
        return text.empty() ? nullptr : text.data();
    }
    bool OpenAndCheck();
    // Makes record `index` current and reads it; false, with the problem shown, when it
    // cannot be read.
    bool PickAt(uint64_t index, bool& eligible);
    void AllocateBuffers();
    bool LoadRecords();
    // Calls `visit` with the bytes of every record in file order; false when the file could
    // not be read to its end.
    template <class Visit> bool ForEachRecord(Visit visit);
    bool ReadAllRecords();
    // The eligible count anew, for the day that ages now count from; false when the file could
    // not be read to its end (the count is then left as it was).
    bool CountEligible();
    // Fills the buffers, flag and COUNT from one record's bytes; returns its age.
    uint32_t DecodeRecord(const unsigned char* record);
    void DecodeTexts(const unsigned char* record);
    void DecodeTranslations(const unsigned char* record);
    // Flag and COUNT only; returns the age.
    uint32_t DecodeStatistics(const unsigned char* record);
    // Makes the record's flag and COUNT current and applies IsEligible; the date is decoded
    // only when an age range needs the age.
    bool IsEligibleRecord(const unsigned char* record);
    // The eligibility rule; `age` gives the current record's age when asked.
    template <class Age> bool Eligible(Age age) const;
    // Age in days of a record with these LASTCHANGE bytes.
    uint32_t AgeOf(const char* lastChange) {
        const TChangeDate changed = ReadChangeDate(lastChange);
        // A date after today gives a negative difference: as an unsigned age, very old, so
        // that a date written while the clock was set wrong never rests a word for ever.
        return static_cast<uint32_t>(today_ -
                                     dayNumbers_.Of(changed.day, changed.month, changed.year));
    }

    TOptions& options_;
    TDBScreen& screen_;
    TTableOpener opener_;
    std::unique_ptr<TTableFile> file_;
    TTableLayout layout_;

    char deletionFlag_ = ' ';
    uint64_t position_ = 0;
    int64_t current_ = -1;
    std::vector<unsigned char> record_;
    std::vector<char> word_;
    std::vector<char> part_;
    std::vector<char> transcript_;
    std::vector<char> thirdLang_;
    std::vector<std::vector<char>> translations_;
    std::vector<std::string> translationNames_;

    // Ages count from this day; picking moves it on, so that a drill past midnight lets the
    // words answered that day rest, and counts again what may be asked on the new day.
    int32_t today_ = TDate().DayNumber();
    TDayNumbers dayNumbers_;
    TWordList words_;
    uint32_t count_ = 0;
    uint32_t questionSize_ = 0;
    int32_t widestTranslation_ = 0;
    uint32_t eligibleCount_ = 0;
    uint32_t codePage_ = 0;
    bool recording_ = true;
};
