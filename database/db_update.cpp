#include "database/db_file.h"

#include "database/db_messages.h"
#include "database/field_text.h"

bool TDBFile::Update(bool right) {
    if (!IsLoaded() || current_ < 0)
        return false;
    // Nothing is counted that is not on disk: the word stays as it was.
    if (!recording_)
        return IsEligible(0);
    const bool writeCount = right || count_ != 0;
    // COUNT has two digits on disk; counting on past its limit would need a third.
    using table_format::CountLimit;
    const uint32_t newCount = right ? (count_ < CountLimit ? count_ + 1 : CountLimit) : 0;
    const TDate today;
    char statistics[table_format::StatisticsWidth];
    FormatStatistics(statistics, today.Year(), today.Month(), today.Day(), newCount);
    // At the record's own offset, whatever was read or written since it was picked.
    const uint64_t offset = layout_.StatisticsOffset(static_cast<uint32_t>(current_));
    if (!file_->WriteAt(offset, statistics,
                        writeCount ? table_format::StatisticsWidth
                                   : table_format::LastChangeWidth)) {
        // Nothing is counted that is not on disk; the drill goes on.
        screen_.ShowProblem(CannotWriteText);
        return true;
    }
    count_ = newCount;
    const bool eligible = IsEligible(0);
    if (!eligible && eligibleCount_ > 0)
        --eligibleCount_;
    return eligible;
}
