#include "answer/match.h"

#include <cstddef>

namespace {

// Equal lengths, and each byte equal or "?" in the pattern.
bool SameWithQuestionMarks(std::string_view word, std::string_view pattern) {
    if (word.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (pattern[i] != '?' && pattern[i] != word[i])
            return false;
    return true;
}

} // namespace

bool MatchWildcard(std::string_view W, std::string_view P, int32_t) {
    // Most words of a hint search differ in the first byte.
    if (!P.empty() && P[0] != '*' && P[0] != '?' && (W.empty() || W[0] != P[0]))
        return false;
    // A "*" of the pattern is a wildcard even where W holds a "*" too, so the pattern is split
    // at its stars before any more bytes are compared.
    const std::size_t firstStar = P.find('*');
    if (firstStar == std::string_view::npos)
        return SameWithQuestionMarks(W, P);
    // What stands before the first star and after the last must match W's two ends.
    const std::size_t lastStar = P.rfind('*');
    const std::string_view head = P.substr(0, firstStar);
    const std::string_view tail = P.substr(lastStar + 1);
    if (W.size() < head.size() + tail.size() ||
        !SameWithQuestionMarks(W.substr(0, head.size()), head) ||
        !SameWithQuestionMarks(W.substr(W.size() - tail.size()), tail))
        return false;
    // In between, greedy matching that remembers only the last star: when a later byte fails,
    // that star takes one more byte of W. An earlier star never has to take more, because the
    // last one can absorb whatever it would, so this gives the verdicts of the full
    // backtracking search in at most |W| x |P| steps.
    const std::string_view middle = P.substr(firstStar, lastStar + 1 - firstStar);
    const std::string_view word = W.substr(head.size(), W.size() - head.size() - tail.size());
    std::size_t w = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos;
    std::size_t starW = 0;
    while (w < word.size()) {
        if (p < middle.size() && middle[p] == '*') {
            star = p++;
            starW = w;
        } else if (p < middle.size() && (middle[p] == '?' || middle[p] == word[w])) {
            ++w;
            ++p;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            w = ++starW;
        } else {
            return false;
        }
    }
    while (p < middle.size() && middle[p] == '*')
        ++p;
    return p == middle.size();
}
