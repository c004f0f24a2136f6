#include "answer/match.h"

#include <cstddef>

#include "answer/separators.h"

namespace {

const TWordSeparators separators1252;

std::size_t Length(int32_t length) {
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

bool SamePrefix(std::string_view W, std::string_view P, std::size_t length) {
    return W.substr(0, length) == P.substr(0, length);
}

bool EndsWordAt(std::string_view text, std::size_t position, const TWordSeparators& separators) {
    return position >= text.size() || separators(static_cast<unsigned char>(text[position]));
}

} // namespace

bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length) {
    return MatchStartingWord(W, P, length, separators1252);
}

bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length,
                       const TWordSeparators& separators) {
    return SamePrefix(W, P, Length(length)) && EndsWordAt(W, Length(length), separators);
}

bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length) {
    return MatchContiguousWord(W, P, length, separators1252);
}

bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length,
                         const TWordSeparators& separators) {
    for (std::size_t at = W.find(P); at != std::string_view::npos; at = W.find(P, at + 1)) {
        const bool startsWord = at == 0 || separators(static_cast<unsigned char>(W[at - 1]));
        if (startsWord && EndsWordAt(W, at + Length(length), separators))
            return true;
    }
    return false;
}

bool MatchStartingChars(std::string_view W, std::string_view P, int32_t length) {
    return SamePrefix(W, P, Length(length));
}

bool MatchContiguousChars(std::string_view W, std::string_view P, int32_t) {
    return W.find(P) != std::string_view::npos;
}
