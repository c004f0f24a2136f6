#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
        bytes_.insert(bytes_.end(), text, text + length);
        bytes_.push_back('\0');
        bounds_.push_back(bytes_.size());
    }
    // Empties the list and starts duplicate removal afresh.
    void Clear();

    uint32_t Count() const { return static_cast<uint32_t>(bounds_.size() - 1); }
    // Valid until the list changes. The bytes are followed by a NUL, so data() may be passed
    // where a C string is expected.
    std::string_view Item(uint32_t index) const {
        const size_t start = bounds_[index];
        return {bytes_.data() + start, bounds_[index + 1] - start - 1};
    }

    // One step: removes every later copy of the word at the removal position, then advances
    // it. True when the list is free of duplicates.
    bool RemoveNextDuplicate();

private:
    std::vector<char> bytes_;
    // Word i spans bounds_[i] up to bounds_[i + 1], its NUL included; bounds_[0] is 0.
    std::vector<size_t> bounds_{0};
    size_t next_ = 0;
};
