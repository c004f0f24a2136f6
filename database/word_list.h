#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The translations of all eligible records, in load order, duplicates included until the
// idle-time removal has run through them.
class TWordList {
public:
    TWordList() { words_.reserve(1000); }

    // Makes room for this many words at once, so that a loading pass never moves the list.
    void Reserve(size_t count) { words_.reserve(count); }
    void Add(const char* text) { words_.emplace_back(text); }
    void Add(const char* text, size_t length) { words_.emplace_back(text, length); }
    // Empties the list and starts duplicate removal afresh.
    void Clear();

    uint32_t Count() const { return static_cast<uint32_t>(words_.size()); }
    const std::string& Item(uint32_t index) const { return words_[index]; }

    // One step: removes every later copy of the word at the removal position, then advances
    // it. True when the list is free of duplicates.
    bool RemoveNextDuplicate();

private:
    std::vector<std::string> words_;
    size_t next_ = 0;
};
