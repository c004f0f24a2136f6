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

} // namespace

bool MatchStartingWord(std::string_view W, std::string_view P, int32_t length) {
    return SamePrefix(W, P, Length(length)) && EndsWordAt(W, Length(length));
}

bool MatchContiguousWord(std::string_view W, std::string_view P, int32_t length) {
    for (std::size_t at = W.find(P); at != std::string_view::npos; at = W.find(P, at + 1)) {
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
    return W.find(P) != std::string_view::npos;
}
