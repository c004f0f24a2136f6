#pragma once

#include <cstdint>
#include <iosfwd>

// The owned text used as a setting value: the text and its allocated size.
class character {
public:
    // An empty text in `size` bytes (at least 1).
    explicit character(uint32_t size = 1);
    // A copy of the zero-terminated text, in exactly its length + 1 bytes.
    character(const char* text);
    character(const character& other);
    // If the sizes differ, the array is replaced by one of the source's Size; then the text is
    // copied.
    character& operator=(const character& other);
    ~character();

    // The text up to, not including, the next line feed, at most 255 characters of UTF-8 (the
    // rest of a longer line stays unread). Text is resized to exactly the length + 1 if its Size
    // differs. Always succeeds: an empty line gives an empty text.
    friend std::istream& operator>>(std::istream& in, character& value);
    // Writes Text unchanged.
    friend std::ostream& operator<<(std::ostream& out, const character& value);

    friend bool operator==(const character& a, const character& b);

    char* Text;    // zero-terminated text
    uint32_t Size; // bytes allocated for Text, terminator included
};
