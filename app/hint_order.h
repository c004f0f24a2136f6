#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/list_order.h"

class TCodePageText;
class TWordList;

// The order in which the answer boxes' sorted lists keep the words of one word list, worked out
// once and in steps while the learner reads the question, so that a hint key lists its hints
// without sorting them: each word's rank goes into the word list as its tag, where it stays
// with the word while duplicates are removed.
class THintOrder {
public:
    // The words are in this code page.
    THintOrder(TWordList& words, const TCodePageText& codePage);

    // Does one step of the work; false once the ranks are in place.
    bool Step();
    // Whatever work is left, at once.
    void Complete();
    bool IsComplete() const;

    // The words at these indices of the word list (each accepted by a search, in list order),
    // in the order the list control would give them. Before the ranks are in place, the words
    // are sorted themselves.
    std::vector<const char*> Sort(const std::vector<uint32_t>& indices) const;
    // A key that two words share exactly when the list control counts them as equal.
    std::string EqualityKey(uint32_t index) const;

private:
    TWordList& words_;
    const TCodePageText& codePage_;
    std::unique_ptr<TListRanking> ranking_;
    uint32_t counted_ = 0; // the words the ranking was begun for
};
