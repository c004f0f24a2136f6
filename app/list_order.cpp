#include "app/list_order.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

constexpr DWORD KeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
// How far ahead scattered reads are asked for.
constexpr size_t PrefetchAhead = 16;

// Sort keys of many texts back to back, each ending in its NUL.
class TSortKeys {
public:
    explicit TSortKeys(size_t texts) { keys_.reserve(texts * 32); }

    // Appends the key of `text`; returns where it starts.
    uint32_t Add(const char* text) {
        const size_t start = keys_.size();
        // The control keeps its items in wide characters, converted as a message in ANSI
        // characters is on its way to it; keys of the same text order as it compares.
        const int length = static_cast<int>(std::strlen(text)) + 1;
        if (wide_.size() < static_cast<size_t>(length))
            wide_.resize(static_cast<size_t>(length));
        if (MultiByteToWideChar(CP_ACP, 0, text, length, wide_.data(), length) == 0)
            wide_[0] = L'\0';
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

private:
    static constexpr size_t MaxKeyBytes = 512;

    std::vector<wchar_t> wide_;
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

    // Replays the insertions in the given order.
    constexpr uint32_t NoRun = UINT32_MAX;
    std::vector<uint32_t> position(count);
    std::vector<uint32_t> runOf(count, NoRun);
    for (uint32_t p = 0; p < count; ++p)
        position[entries[p].index] = p;
    for (uint32_t r = 0; r < runs.size(); ++r)
        for (uint32_t p = runs[r].start; p < runs[r].start + runs[r].size; ++p)
            runOf[entries[p].index] = r;
    std::vector<std::vector<uint32_t>> listed(runs.size());
    TPrefixCounts added(count);
    for (uint32_t index = 0; index < count; ++index) {
        if (const uint32_t r = runOf[index]; r != NoRun) {
            std::vector<uint32_t>& run = listed[r];
            const uint32_t offset = InsertionOffset(index, added.Below(runs[r].start),
                                                    static_cast<uint32_t>(run.size()));
            run.insert(run.begin() + offset, index);
        }
        added.Add(position[index]);
    }
    for (uint32_t r = 0; r < runs.size(); ++r)
        for (uint32_t i = 0; i < runs[r].size; ++i)
            entries[runs[r].start + i].index = listed[r][i];
}

} // namespace

std::string ListSortKey(const char* text) {
    TSortKeys keys(1);
    const uint32_t start = keys.Add(text);
    return reinterpret_cast<const char*>(keys.At(start));
}

void SortForList(std::vector<const char*>& texts) {
    TSortKeys keys(texts.size());
    std::vector<TEntry> entries;
    entries.reserve(texts.size());
    for (uint32_t i = 0; i < texts.size(); ++i) {
        const uint32_t key = keys.Add(texts[i]);
        entries.push_back({KeyPrefix(keys.At(key)), key, i});
    }
    ArrangeEqualTexts(entries, SortByKeys(entries, keys), texts);
    std::vector<const char*> sorted(texts.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + PrefetchAhead < entries.size())
            __builtin_prefetch(&texts[entries[i + PrefetchAhead].index]);
        sorted[i] = texts[entries[i].index];
    }
    texts.swap(sorted);
}
