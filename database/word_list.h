#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// The translations of all eligible records, in load order, duplicates included until the
// idle-time removal has run through them. The words stand back to back in one block, each
// followed by a NUL, so that a loading pass allocates once and not once per word.
class TWordList {
public:
    TWordList() { Reserve(1000, 16000); }

    // Makes room for this many words of this many bytes in all, so that a loading pass never
    // moves the list.
    void Reserve(size_t count, size_t bytes);
    void Add(const char* text) { Add(text, std::strlen(text)); }
    void Add(const char* text, size_t length) {
        if (capacity_ - size_ <= length)
            Grow(length + 1);
        char* end = bytes_.get() + size_;
        std::memcpy(end, text, length);
        end[length] = '\0';
        size_ += length + 1;
        bounds_.push_back(size_);
    }
    // The same for the first `length` bytes of a field whose first `readable` bytes may be
    // read, a multiple of 8 no less than `length`: copied eight bytes at a time, the same work
    // for every field of a width, then cut at `length`.
    void AddField(const char* field, size_t length, size_t readable) {
        if (capacity_ - size_ <= readable)
            Grow(readable + 1);
        char* end = bytes_.get() + size_;
        for (size_t i = 0; i < readable; i += 8)
            std::memcpy(end + i, field + i, 8);
        end[length] = '\0';
        size_ += length + 1;
        bounds_.push_back(size_);
    }
    // Empties the list and starts duplicate removal afresh.
    void Clear();
    // Empties the list and gives its memory back.
    void Release();

    uint32_t Count() const { return static_cast<uint32_t>(bounds_.size() - 1); }
    // Valid until the list changes. The bytes are followed by a NUL, so data() may be passed
    // where a C string is expected.
    std::string_view Item(uint32_t index) const {
        const size_t start = bounds_[index];
        return {bytes_.get() + start, bounds_[index + 1] - start - 1};
    }

    // One number per word for a user of the list to keep beside it (the hint lists' order):
    // carried along when duplicates are removed, dropped by Clear. Tags are present while there
    // is one for every word.
    void SetTags(std::vector<uint32_t> tags) { tags_ = std::move(tags); }
    bool HasTags() const { return tags_.size() == Count(); }
    uint32_t Tag(uint32_t index) const { return tags_[index]; }

    // One step: removes every later copy of the word at the removal position, then advances
    // it. True when the list is free of duplicates (IsFreeOfDuplicates).
    bool RemoveNextDuplicate();
    bool IsFreeOfDuplicates() const { return next_ + 1 >= bounds_.size() - 1; }
    // Counts the times the list lost words, so that a user that keeps something of each word
    // can tell, with Count, whether the list is still the one it knows.
    uint32_t Changes() const { return changes_; }

private:
    void Grow(size_t more);

    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0;
    size_t capacity_ = 0;
    // Word i spans bounds_[i] up to bounds_[i + 1], its NUL included; bounds_[0] is 0.
    std::vector<size_t> bounds_{0};
    size_t next_ = 0;
    std::vector<uint32_t> tags_;
    uint32_t changes_ = 0;
};
