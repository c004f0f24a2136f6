#pragma once

#include <cstdint>
#include <memory>

class TCharacterWords;
class TCodePageText;
class TWordList;

// The characters of a UTF-8 table's word list for the hint keys (TCharacterWords), worked out at
// the first key press after the list last changed, and kept while it stays as it is; none for a
// table in a single-byte code page.
class THintCharacters {
public:
    THintCharacters(const TWordList& words, const TCodePageText& codePage);
    ~THintCharacters();

    const TCharacterWords* Current();

private:
    const TWordList& words_;
    bool utf8_;
    std::unique_ptr<TCharacterWords> characters_;
    uint32_t count_ = 0;
    uint32_t changes_ = 0;
};
