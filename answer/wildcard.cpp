#include "answer/match.h"

#include <cstddef>

bool MatchWildcard(std::string_view W, std::string_view P, int32_t) {
    // Greedy matching that remembers only the last "*": when a later byte fails, that star
    // takes one more byte of W. An earlier star never has to take more, because the last one
    // can absorb whatever it would, so this gives the verdicts of the full backtracking search
    // in at most |W| x |P| steps.
    std::size_t w = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos;
    std::size_t starW = 0;
    while (w < W.size()) {
        // A "*" of the pattern is a wildcard even where W holds a "*" too.
        if (p < P.size() && P[p] == '*') {
            star = p++;
            starW = w;
        } else if (p < P.size() && (P[p] == '?' || P[p] == W[w])) {
            ++w;
            ++p;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            w = ++starW;
        } else {
            return false;
        }
    }
    while (p < P.size() && P[p] == '*')
        ++p;
    return p == P.size();
}
