#pragma once

#include <cstdint>
#include <string_view>

class TWordSeparators;

// The hint matchers: W is a word of the word list (or a stored translation), P the typed text.
// Texts are byte strings compared byte for byte, case-sensitive; a position at or beyond the end
// of a text reads as its end. A negative length counts as 0. None of them keeps any state, so a
// hint search may call them once per word; THintSearch (hint_search.h) does the same with the
// work that depends only on P done once per key press.

// W starts with the first `length` bytes of P, followed by a word separator or W's end. The
// separators are those of code page 1252 unless others are given.
bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length);
bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length,
                       const TWordSeparators& separators);
// P occurs in W as a whole word: at W's start or after a word separator, and followed, `length`
// bytes after its start, by a word separator or W's end.
bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length);
bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length,
                         const TWordSeparators& separators);
// W starts with the first `length` bytes of P.
bool MatchStartingChars(std::string_view W, std::string_view P, int32_t length);
// P occurs somewhere in W.
bool MatchContiguousChars(std::string_view W, std::string_view P, int32_t ignored);
// P matches the whole of W; "*" in P stands for any run of bytes, "?" for any one byte.
bool MatchWildcard(std::string_view W, std::string_view P, int32_t ignored);
// The tolerant phrase comparison (interlaced.h); mode 1 compares characters, 0 phrases.
bool MatchInterlaced(std::string_view W, std::string_view P, int32_t mode);
