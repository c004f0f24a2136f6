#include "database/db_file.h"

#include <cstdio>
#include <cstring>

#include "database/db_messages.h"
#include "platform/clock.h"
#include "platform/random.h"

namespace {
// Attempts of the random walk per record before a plain scan takes over: a walk whose strides
// repeat in a cycle (its clock changes the stride at every attempt) can miss the eligible
// records for ever, while an honest walk has found one long before.
constexpr uint64_t WalkAttemptsPerRecord = 16;
} // namespace

bool TDBFile::PickAt(uint64_t index, bool& eligible) {
    current_ = static_cast<int64_t>(index);
    position_ = layout_.RecordOffset(static_cast<uint32_t>(index));
    uint32_t age = 0;
    // A table that cannot be read any more (a removed stick) would be walked for ever.
    if (!ReadRecord(age))
        return Problem(CannotReadText);
    eligible = IsEligible(age);
    return true;
}

bool TDBFile::Pick() {
    const uint32_t records = layout_.RecordCount;
    if (!IsLoaded())
        return false;
    const int32_t today = TDate().DayNumber();
    if (today != today_) {
        // Past midnight words rest or wake by other ages: the count of the day before would
        // miss the woken ones, and their retirement would take it below what is left to ask.
        today_ = today;
        if (!CountEligible())
            return Problem(CannotReadText);
    }
    // With nothing eligible the walk below would never end.
    if (eligibleCount_ == 0)
        return false;
    bool eligible = false;
    for (uint64_t attempt = 0; attempt < WalkAttemptsPerRecord * records; ++attempt) {
        // Every attempt seeds anew, so attempts within one second share a stride.
        SeedRandom(static_cast<uint32_t>(Seconds()));
        const uint64_t random = static_cast<uint64_t>(NextRandom());
        uint64_t index;
        if (current_ == -1)
            index = random % records;
        else if (records == 1)
            index = 0;
        else
            index = (static_cast<uint64_t>(current_) + 1 + random % (records - 1)) % records;
        if (!PickAt(index, eligible))
            return false;
        if (eligible)
            return true;
    }
    for (uint32_t step = 0; step < records; ++step) {
        if (!PickAt((static_cast<uint64_t>(current_) + 1) % records, eligible))
            return false;
        if (eligible)
            return true;
    }
    // Only a table changed by another program since it was counted gets here.
    eligibleCount_ = 0;
    return false;
}

void TDBFile::MakeQuestion(char* question, int& leadIn, int& wordLength,
                           int& transcriptionLength) const {
    const bool part = layout_.HasPart;
    const bool transcript = layout_.HasTranscript;
    const bool thirdLang = layout_.HasThirdLang;
    std::snprintf(question, questionSize_, "Translate %s%s%s%s%s%s%s%s", part ? "the " : "",
                  part ? Part() : "", part ? " " : "", Word(), transcript ? " " : "",
                  transcript ? Transcript() : "", thirdLang ? " " : "",
                  thirdLang ? ThirdLang() : "");
    leadIn = 10 + (part ? static_cast<int>(std::strlen(Part())) + 5 : 0);
    wordLength = static_cast<int>(std::strlen(Word())) + (transcript || thirdLang ? 1 : 0);
    transcriptionLength =
        transcript ? static_cast<int>(std::strlen(Transcript())) + (thirdLang ? 1 : 0) : 0;
}
