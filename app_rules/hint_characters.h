#pragma once

#include <cstdint>
#include <memory>

class TCharacterWords;
class TCodePageText;
class TWordList;

// The characters of a UTF-8 table's word list for the hint keys (TCharacterWords), worked out in
// steps while the learner reads the question, afresh whenever the list has changed, and at
// once for a key pressed before; none for a table in a single-byte code page.
class THintCharacters {
public:
    THintCharacters(const TWordList& words, const TCodePageText& codePage);
    ~THintCharacters();

    // Does one step of the work; false once the characters are in place.
    bool Step();
    // The characters, with whatever work is left done at once; none where they do not help.
    const TCharacterWords* Current();

private:
    bool IsCurrent() const;

    const TWordList& words_;
    bool utf8_;
    std::unique_ptr<TCharacterWords> characters_;
    uint32_t changes_ = 0;
};
