#include "app/hint_order.h"

#include <algorithm>

#include "database/word_list.h"

namespace {

// Words given their sort keys per step: a few milliseconds' work, short enough that the learner's
// next key is not kept waiting.
constexpr uint32_t WordsPerStep = 8192;

} // namespace

THintOrder::THintOrder(TWordList& words, const TCodePageText& codePage)
    : words_(words), codePage_(codePage) {}

bool THintOrder::Step() {
    if (words_.HasTags())
        return false;
    const uint32_t count = words_.Count();
    // The ranking keeps pointers to the words: a list changed meanwhile is ranked afresh.
    if (ranking_ == nullptr || count != counted_) {
        ranking_ = std::make_unique<TListRanking>(count, codePage_);
        counted_ = count;
    }
    const uint32_t from = static_cast<uint32_t>(ranking_->Count());
    const uint32_t to = std::min(count, from + WordsPerStep);
    for (uint32_t i = from; i < to; ++i)
        ranking_->Add(words_.Item(i).data());
    if (to < count)
        return true;
    words_.SetTags(ranking_->Finish());
    ranking_.reset();
    return false;
}

void THintOrder::Complete() {
    while (Step()) {
    }
}

bool THintOrder::IsComplete() const {
    return words_.HasTags();
}

std::vector<const char*> THintOrder::Sort(const std::vector<uint32_t>& indices) const {
    std::vector<const char*> texts(indices.size());
    for (size_t i = 0; i < indices.size(); ++i)
        texts[i] = words_.Item(indices[i]).data();
    if (!IsComplete()) {
        SortForList(texts, codePage_);
        return texts;
    }
    std::vector<uint32_t> ranks(indices.size());
    for (size_t i = 0; i < indices.size(); ++i)
        ranks[i] = words_.Tag(indices[i]);
    SortByRanks(texts, ranks);
    return texts;
}

std::string THintOrder::EqualityKey(uint32_t index) const {
    if (!IsComplete())
        return ListSortKey(words_.Item(index).data(), codePage_);
    const uint32_t rank = words_.Tag(index) & ~TiedRank;
    return std::string(reinterpret_cast<const char*>(&rank), sizeof rank);
}
