#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCodePageText;

// The order in which sorted list boxes and combo boxes keep their items: locale-aware and
// without regard to case. Texts (in one code page) are compared through the sort keys of their
// UTF-16, the control's own texts, which order as the control's comparison does, so that a long
// list can be sorted here and handed to the control already in order.

std::string ListSortKey(const char* text, const TCodePageText& codePage);
// Puts the texts into the order a sorted list gives them when they are added to it one by one
// in their present order. Texts the control counts as equal (differing in case only, say)
// stand where its insertion puts each of them.
void SortForList(std::vector<const char*>& texts, const TCodePageText& codePage);

// Ranks, for a fixed set of texts, that put any selection of them into the list's order without
// sorting it again: a text's rank is its place in the sorted set, texts that the control counts
// as equal share one, and TiedRank marks a shared rank whose texts differ (in case, say).
constexpr uint32_t TiedRank = 0x80000000u;

// Works out the ranks of texts given one by one, so that the work can be spread over idle time.
// The texts must stay in place until Finish.
class TListRanking {
public:
    TListRanking(size_t texts, const TCodePageText& codePage);
    ~TListRanking();
    TListRanking(const TListRanking&) = delete;
    TListRanking& operator=(const TListRanking&) = delete;

    // The next text, in the order of the set.
    void Add(const char* text);
    size_t Count() const;
    // The rank of every text added, in the order they were added.
    std::vector<uint32_t> Finish();

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

// Puts texts into the order SortForList gives them, from their ranks (of one TListRanking, in
// the texts' order).
void SortByRanks(std::vector<const char*>& texts, const std::vector<uint32_t>& ranks);
