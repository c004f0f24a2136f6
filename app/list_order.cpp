#include "app/list_order.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "platform/text_codec.h"

namespace {

constexpr DWORD KeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
// How far ahead scattered reads are asked for.
constexpr size_t PrefetchAhead = 16;

// Sort keys of many texts back to back, each ending in its NUL.
class TSortKeys {
public:
    TSortKeys(size_t texts, const TCodePageText& codePage) : codePage_(codePage) {
        keys_.reserve(texts * 32);
    }

    // Appends the key of `text`; returns where it starts.
    uint32_t Add(const char* text) {
        const size_t start = keys_.size();
        // The control keeps its items in UTF-16, as the drill hands them over; keys of the same
        // texts order as it compares.
        wide_.clear();
        codePage_.AppendUtf16(text, wide_);
        unsigned char key[MaxKeyBytes];
        int size = LCMapStringW(LOCALE_USER_DEFAULT, KeyFlags, wide_.data(), -1,
                                reinterpret_cast<LPWSTR>(key), sizeof key);
        if (size > 0) {
            keys_.insert(keys_.end(), key, key + size);
        } else {
            // A key longer than the buffer: ask for its size.
            size = LCMapStringW(LOCALE_USER_DEFAULT, KeyFlags, wide_.data(), -1, nullptr, 0);
            keys_.resize(start + static_cast<size_t>(std::max(size, 1)), 0);
            if (size > 0)
                LCMapStringW(LOCALE_USER_DEFAULT, KeyFlags, wide_.data(), -1,
                             reinterpret_cast<LPWSTR>(keys_.data() + start), size);
        }
        // Starts are kept in 32 bits, which no hint list comes near.
        if (keys_.size() > UINT32_MAX)
            throw std::length_error("hint list too long to sort");
        return static_cast<uint32_t>(start);
    }
    const unsigned char* At(uint32_t start) const { return keys_.data() + start; }
    const TCodePageText& CodePage() const { return codePage_; }

private:
    static constexpr size_t MaxKeyBytes = 512;

    const TCodePageText& codePage_;
    std::wstring wide_;
    std::vector<unsigned char> keys_;
};

// One text to sort: 8 bytes of its key, the first most significant.
struct TEntry {
    uint64_t prefix;
    uint32_t key;
    uint32_t index;
};

uint64_t KeyPrefix(const unsigned char* key) {
    uint64_t prefix = 0;
    for (int i = 0; i < 8; ++i) {
        prefix = prefix << 8 | key[i];
        // The NUL ends a key; the bytes after it count as 0.
        if (key[i] == 0) {
            prefix <<= 8 * (7 - i);
            break;
        }
    }
    return prefix;
}

// Counts of texts already added below a position of the sorted order.
class TPrefixCounts {
public:
    explicit TPrefixCounts(size_t size) : counts_(size + 1, 0) {}
    void Add(uint32_t position) {
        for (size_t i = position + 1; i < counts_.size(); i += i & (~i + 1))
            ++counts_[i];
    }
    // How many added positions lie below `position`.
    uint32_t Below(uint32_t position) const {
        uint32_t count = 0;
        for (size_t i = position; i > 0; i -= i & (~i + 1))
            count += counts_[i];
        return count;
    }

private:
    std::vector<uint32_t> counts_;
};

// Where the control's binary search puts a new text among `items` already listed, of which
// `below` come before the new text and `equal` compare equal to it: at the first equal item
// the search meets, or after those below.
uint32_t InsertionOffset(uint32_t items, uint32_t below, uint32_t equal) {
    int64_t low = 0;
    int64_t high = int64_t{items} - 1;
    while (low <= high) {
        const int64_t middle = (low + high) / 2;
        if (middle < below)
            low = middle + 1;
        else if (middle >= int64_t{below} + equal)
            high = middle - 1;
        else
            return static_cast<uint32_t>(middle - below);
    }
    return 0;
}

struct TRun {
    uint32_t start;
    uint32_t size;
};

// Sorts the entries by their keys and texts with equal keys by first appearance, eight key
// bytes at a time: by the prefixes in hand, then each run of equal prefixes by the next eight
// bytes of its keys. Keys are read once per entry and depth, never in a chain of comparisons
// that would wait for one scattered key after another. Returns the runs of equal keys.
std::vector<TRun> SortByKeys(std::vector<TEntry>& entries, const TSortKeys& keys) {
    struct Pending {
        uint32_t start;
        uint32_t end;
        uint32_t depth;
    };
    std::vector<TRun> equal;
    std::vector<Pending> pending{{0, static_cast<uint32_t>(entries.size()), 0}};
    const auto begin = entries.begin();
    while (!pending.empty()) {
        const Pending part = pending.back();
        pending.pop_back();
        // Keys in a run have not ended within `depth` bytes, so there is more to read.
        if (part.depth > 0) {
            for (uint32_t p = part.start; p < part.end; ++p) {
                // The keys lie scattered: ask for the coming ones early.
                if (p + PrefetchAhead < part.end)
                    __builtin_prefetch(keys.At(entries[p + PrefetchAhead].key) + part.depth);
                entries[p].prefix = KeyPrefix(keys.At(entries[p].key) + part.depth);
            }
        }
        std::sort(begin + part.start, begin + part.end,
                  [](const TEntry& a, const TEntry& b) { return a.prefix < b.prefix; });
        for (uint32_t start = part.start; start < part.end;) {
            uint32_t end = start + 1;
            while (end < part.end && entries[end].prefix == entries[start].prefix)
                ++end;
            if (end - start > 1) {
                // A NUL within the prefix ends the keys: they are equal.
                if ((entries[start].prefix & 0xFF) == 0) {
                    std::sort(begin + start, begin + end,
                              [](const TEntry& a, const TEntry& b) { return a.index < b.index; });
                    equal.push_back({start, end - start});
                } else {
                    pending.push_back({start, end, part.depth + 8});
                }
            }
            start = end;
        }
    }
    return equal;
}

// Texts with equal keys still need the order the control's insertions give them. Runs of one
// text repeated look the same in any order.
void ArrangeEqualTexts(std::vector<TEntry>& entries, const std::vector<TRun>& equal,
                       const std::vector<const char*>& texts) {
    const uint32_t count = static_cast<uint32_t>(entries.size());
    std::vector<TRun> runs;
    for (const TRun& run : equal) {
        const char* first = texts[entries[run.start].index];
        for (uint32_t p = run.start + 1; p < run.start + run.size; ++p) {
            if (std::strcmp(first, texts[entries[p].index]) != 0) {
                runs.push_back(run);
                break;
            }
        }
    }
    if (runs.empty())
        return;

    // Replays the insertions in the given order. What decides where the control puts a text of
    // a run is how many texts listed before it sort below the run, so the texts are counted by
    // the runs they stand between (a bucket per run start): few enough counters to stay in the
    // processor's cache.
    std::sort(runs.begin(), runs.end(),
              [](const TRun& a, const TRun& b) { return a.start < b.start; });
    // Per text: its bucket, the number of run starts at or before its place, with the top bit
    // set for a text of a run, which is then run bucket - 1.
    constexpr uint32_t InRun = 0x80000000u;
    std::vector<uint32_t> bucketOf(count);
    uint32_t startsPassed = 0;
    for (uint32_t p = 0; p < count; ++p) {
        while (startsPassed < runs.size() && runs[startsPassed].start <= p)
            ++startsPassed;
        bucketOf[entries[p].index] = startsPassed;
    }
    for (const TRun& run : runs)
        for (uint32_t p = run.start; p < run.start + run.size; ++p)
            bucketOf[entries[p].index] |= InRun;
    // Each run's texts as the control has listed them so far, in the run's own places.
    std::vector<uint32_t> listed(count);
    std::vector<uint32_t> listedCount(runs.size(), 0);
    // A text sorts below run r exactly when at most r run starts lie at or before it.
    TPrefixCounts added(runs.size() + 1);
    for (uint32_t index = 0; index < count; ++index) {
        const uint32_t bucket = bucketOf[index] & ~InRun;
        if ((bucketOf[index] & InRun) != 0) {
            const uint32_t r = bucket - 1;
            uint32_t* run = listed.data() + runs[r].start;
            const uint32_t offset = InsertionOffset(index, added.Below(r + 1), listedCount[r]);
            std::copy_backward(run + offset, run + listedCount[r], run + listedCount[r] + 1);
            run[offset] = index;
            ++listedCount[r];
        }
        added.Add(bucket);
    }
    for (const TRun& run : runs)
        for (uint32_t p = run.start; p < run.start + run.size; ++p)
            entries[p].index = listed[p];
}

void Gather(std::vector<const char*>& texts, const std::vector<TEntry>& entries) {
    std::vector<const char*> sorted(texts.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + PrefetchAhead < entries.size())
            __builtin_prefetch(&texts[entries[i + PrefetchAhead].index]);
        sorted[i] = texts[entries[i].index];
    }
    texts.swap(sorted);
}

} // namespace

std::string ListSortKey(const char* text, const TCodePageText& codePage) {
    TSortKeys keys(1, codePage);
    const uint32_t start = keys.Add(text);
    return reinterpret_cast<const char*>(keys.At(start));
}

void SortForList(std::vector<const char*>& texts, const TCodePageText& codePage) {
    TSortKeys keys(texts.size(), codePage);
    std::vector<TEntry> entries;
    entries.reserve(texts.size());
    for (uint32_t i = 0; i < texts.size(); ++i) {
        const uint32_t key = keys.Add(texts[i]);
        entries.push_back({KeyPrefix(keys.At(key)), key, i});
    }
    ArrangeEqualTexts(entries, SortByKeys(entries, keys), texts);
    Gather(texts, entries);
}

struct TListRanking::TState {
    TState(size_t count, const TCodePageText& codePage) : keys(count, codePage) {
        entries.reserve(count);
        texts.reserve(count);
    }
    TSortKeys keys;
    std::vector<TEntry> entries;
    std::vector<const char*> texts;
};

TListRanking::TListRanking(size_t texts, const TCodePageText& codePage)
    : state_(std::make_unique<TState>(texts, codePage)) {}

TListRanking::~TListRanking() = default;

void TListRanking::Add(const char* text) {
    const uint32_t key = state_->keys.Add(text);
    state_->entries.push_back(
        {KeyPrefix(state_->keys.At(key)), key, static_cast<uint32_t>(state_->entries.size())});
    state_->texts.push_back(text);
}

size_t TListRanking::Count() const {
    return state_->entries.size();
}

std::vector<uint32_t> TListRanking::Finish() {
    std::vector<TEntry>& entries = state_->entries;
    const std::vector<TRun> equal = SortByKeys(entries, state_->keys);
    // A text's rank is its place in the sorted set; equal keys take the place of the first.
    std::vector<uint32_t> byPlace(entries.size());
    for (uint32_t p = 0; p < byPlace.size(); ++p)
        byPlace[p] = p;
    for (const TRun& run : equal) {
        const char* first = state_->texts[entries[run.start].index];
        bool differ = false;
        for (uint32_t p = run.start + 1; p < run.start + run.size && !differ; ++p)
            differ = std::strcmp(first, state_->texts[entries[p].index]) != 0;
        for (uint32_t p = run.start; p < run.start + run.size; ++p)
            byPlace[p] = run.start | (differ ? TiedRank : 0);
    }
    std::vector<uint32_t> ranks(entries.size());
    for (uint32_t p = 0; p < entries.size(); ++p)
        ranks[entries[p].index] = byPlace[p];
    state_ = std::make_unique<TState>(0, state_->keys.CodePage());
    return ranks;
}

void SortByRanks(std::vector<const char*>& texts, const std::vector<uint32_t>& ranks) {
    const uint32_t count = static_cast<uint32_t>(texts.size());
    uint32_t limit = 0;
    for (uint32_t rank : ranks)
        limit = std::max(limit, (rank & ~TiedRank) + 1);
    std::vector<TEntry> entries(count);
    if (count > limit / 32) {
        // Many texts: counted into their places, which keeps equal ranks in text order.
        std::vector<uint32_t> starts(size_t{limit} + 1, 0);
        for (uint32_t i = 0; i < count; ++i)
            ++starts[(ranks[i] & ~TiedRank) + 1];
        for (uint32_t r = 0; r < limit; ++r)
            starts[r + 1] += starts[r];
        for (uint32_t i = 0; i < count; ++i)
            entries[starts[ranks[i] & ~TiedRank]++] = {ranks[i], 0, i};
    } else {
        std::vector<uint64_t> order(count);
        for (uint32_t i = 0; i < count; ++i)
            order[i] = uint64_t{ranks[i] & ~TiedRank} << 32 | i;
        std::sort(order.begin(), order.end());
        for (uint32_t p = 0; p < count; ++p) {
            const uint32_t i = static_cast<uint32_t>(order[p]);
            entries[p] = {ranks[i], 0, i};
        }
    }
    // Texts that differ but count as equal still need the order the control's insertions give.
    std::vector<TRun> tied;
    for (uint32_t start = 0; start < count;) {
        uint32_t end = start + 1;
        while (end < count && entries[end].prefix == entries[start].prefix)
            ++end;
        if (end - start > 1 && (entries[start].prefix & TiedRank) != 0)
            tied.push_back({start, end - start});
        start = end;
    }
    ArrangeEqualTexts(entries, tied, texts);
    Gather(texts, entries);
}
