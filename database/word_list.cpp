#include "database/word_list.h"

#include <algorithm>

void TWordList::Reserve(size_t count, size_t bytes) {
    bounds_.reserve(count + 1);
    // Every word brings its NUL.
    if (bytes + count > capacity_)
        Grow(bytes + count - size_);
}

void TWordList::Grow(size_t more) {
    const size_t capacity = std::max(size_ + more, 2 * capacity_);
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0)
        std::memcpy(bytes.get(), bytes_.get(), size_);
    bytes_ = std::move(bytes);
    capacity_ = capacity;
}

void TWordList::Clear() {
    ++changes_;
    size_ = 0;
    bounds_.assign(1, 0);
    next_ = 0;
    tags_.clear();
}

void TWordList::Release() {
    bytes_.reset();
    capacity_ = 0;
    std::vector<size_t>().swap(bounds_);
    Clear();
}

bool TWordList::RemoveNextDuplicate() {
    const size_t count = bounds_.size() - 1;
    if (next_ < count) {
        // Sizes and comparisons take the NUL along: equal sizes and bytes are equal words.
        const size_t examined = bounds_[next_];
        const size_t size = bounds_[next_ + 1] - examined;
        // Later words that stay slide down over the removed ones, in order, with their tags.
        const bool tagged = HasTags();
        size_t kept = next_ + 1;
        size_t end = bounds_[kept];
        for (size_t i = next_ + 1; i < count; ++i) {
            const size_t from = bounds_[i];
            const size_t length = bounds_[i + 1] - from;
            if (length == size && std::memcmp(&bytes_[from], &bytes_[examined], size) == 0)
                continue;
            if (from != end)
                std::memmove(&bytes_[end], &bytes_[from], length);
            if (tagged)
                tags_[kept] = tags_[i];
            end += length;
            bounds_[++kept] = end;
        }
        if (kept + 1 < bounds_.size())
            ++changes_;
        bounds_.resize(kept + 1);
        if (tagged)
            tags_.resize(kept);
        size_ = end;
        ++next_;
    }
    return next_ + 1 >= bounds_.size() - 1;
}
