#include "answer/match.h"

#include <cstddef>

#include "answer/separators.h"

namespace {

std::size_t Length(int32_t length) {
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

bool SamePrefix(std::string_view W, std::string_view P, std::size_t length) {
    return W.substr(0, length) == P.substr(0, length);
}

bool EndsWordAt(std::string_view text, std::size_t position) {
    return position >= text.size() || IsWordSeparator(static_cast<unsigned char>(text[position]));
}

// The first occurrence of P in W at or after `from`, or npos. A plain loop that looks at the
// first and last byte before comparing the rest: for the short texts of a word list this beats
// a library search, which calls out for every candidate.
std::size_t Find(std::string_view W, std::string_view P, std::size_t from) {
    if (from > W.size() || P.size() > W.size() - from)
        return std::string_view::npos;
    if (P.empty())
        return from;
    const char first = P.front();
    const char last = P.back();
    for (std::size_t at = from; at + P.size() <= W.size(); ++at)
        if (W[at] == first && W[at + P.size() - 1] == last && W.compare(at, P.size(), P) == 0)
            return at;
    return std::string_view::npos;
}

} // namespace

bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length) {
    return SamePrefix(W, P, Length(length)) && EndsWordAt(W, Length(length));
}

bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length) {
    for (std::size_t at = Find(W, P, 0); at != std::string_view::npos; at = Find(W, P, at + 1)) {
        const bool startsWord = at == 0 || IsWordSeparator(static_cast<unsigned char>(W[at - 1]));
        if (startsWord && EndsWordAt(W, at + Length(length)))
            return true;
    }
    return false;
}

bool MatchStartingChars(std::string_view W, std::string_view P, int32_t length) {
    return SamePrefix(W, P, Length(length));
}

bool MatchContiguousChars(std::string_view W, std::string_view P, int32_t) {
    return Find(W, P, 0) != std::string_view::npos;
}
