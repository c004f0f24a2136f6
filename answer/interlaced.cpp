#include "answer/interlaced.h"

#include <algorithm>
#include <array>

#include "answer/comments.h"
#include "answer/match.h"
#include "answer/separators.h"

namespace {

constexpr std::array<bool, 256> MakeStructureTable() {
    std::array<bool, 256> table{};
    for (const unsigned char sep : PhraseSeparators)
        table[sep] = true;
    table['('] = true;
    table[')'] = true;
    table['['] = true;
    return table;
}

constexpr std::array<bool, 256> structureBytes = MakeStructureTable();

// Without a separator, a parenthesis or a comment in W, every rule of the comparison ends in
// comparing W with the whole of P by common subsequence.
bool HasStructure(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return structureBytes[static_cast<unsigned char>(c)]; });
}

bool EndsWithGroup(std::string_view text) {
    return !text.empty() && text.back() == ')' && text.find('(') != std::string_view::npos;
}

constexpr std::size_t None = static_cast<std::size_t>(-1);

// Whether every part of W can be paired with a part of P of its own such that each pair
// matches: a perfect bipartite matching, found with augmenting paths. Trying every order of P's
// parts would give the same verdict in factorial time. A pair's verdict is computed once, when
// first needed; the identical order is tried first, as the phrases mostly keep it.
template <class PairMatches> class TPartPairing {
public:
    TPartPairing(std::size_t n, PairMatches matches, TDeadline& limit)
        : n(n), matches(matches), limit(limit), verdicts(n * n, Unknown), holder(n, None),
          held(n, None), seen(n) {}

    bool PairAll() {
        for (std::size_t w = 0; w < n; ++w)
            if (Pairs(w, w)) {
                holder[w] = w;
                held[w] = w;
            }
        for (std::size_t w = 0; w < n; ++w) {
            if (held[w] != None)
                continue;
            std::fill(seen.begin(), seen.end(), false);
            if (!Augment(w) || limit.HasPassed())
                return false;
        }
        return true;
    }

private:
    static constexpr signed char Unknown = -1;

    bool Pairs(std::size_t w, std::size_t p) {
        signed char& verdict = verdicts[w * n + p];
        if (verdict == Unknown)
            verdict = matches(w, p) ? 1 : 0;
        return verdict == 1;
    }

    bool Augment(std::size_t w) {
        for (std::size_t p = 0; p < n; ++p) {
            if (limit.Spend(1))
                return false;
            if (seen[p] || !Pairs(w, p))
                continue;
            seen[p] = true;
            if (holder[p] == None || Augment(holder[p])) {
                holder[p] = w;
                held[w] = p;
                return true;
            }
        }
        return false;
    }

    std::size_t n;
    PairMatches matches;
    TDeadline& limit;
    std::vector<signed char> verdicts;
    std::vector<std::size_t> holder; // the part of W that holds each part of P
    std::vector<std::size_t> held;   // the part of P that each part of W holds
    std::vector<bool> seen;
};

} // namespace

TInterlacedMatcher::TInterlacedMatcher(std::string_view P, int32_t mode)
    : charactersMode(mode != 0), typed(RemoveComments(P)), typedMasks(typed) {}

bool TInterlacedMatcher::Match(std::string_view W) {
    if (!HasStructure(W)) {
        const std::size_t needed = Needed(W.size(), typed.size());
        // Most words of a hint search end here, before the clock is read.
        if (typed.empty() || W.size() < needed)
            return false;
        limit.Start();
        return typedMasks.HaveCommon(W, 0, typed.size(), needed, limit) && !limit.Check();
    }
    const std::string word = RemoveComments(W);
    limit.Start();
    return Phrase(word, typed) && !limit.Check();
}

bool TInterlacedMatcher::Phrase(std::string_view w, std::string_view p) {
    if (limit.Spend(static_cast<uint32_t>(w.size() + p.size() + 16)))
        return false;
    const int sep = FirstPhraseSeparator(w, p);
    if (sep == '|' || sep == ';')
        return Parts(w, p, sep);
    if (EndsWithGroup(w) && EndsWithGroup(p)) {
        const std::size_t wOpen = w.rfind('(');
        const std::size_t pOpen = p.rfind('(');
        if (!Phrase(w.substr(wOpen + 1, w.size() - wOpen - 2),
                    p.substr(pOpen + 1, p.size() - pOpen - 2)))
            return false;
        return Parts(w.substr(0, wOpen), p.substr(0, pOpen), sep);
    }
    return Parts(w, p, sep);
}

bool TInterlacedMatcher::Parts(std::string_view w, std::string_view p, int sep) {
    if (sep == NoPhraseSeparator)
        return Subsequence(w, p);
    const auto separator = static_cast<unsigned char>(sep);
    const auto wParts = SplitOutsideParentheses(w, separator);
    const auto pParts = SplitOutsideParentheses(p, separator);
    if (wParts.size() != pParts.size())
        return Subsequence(w, p);
    if (separator == ' ') {
        for (std::size_t i = 0; i < wParts.size(); ++i)
            if (!Phrase(wParts[i], pParts[i]))
                return false;
        return true;
    }
    auto matches = [&](std::size_t i, std::size_t j) { return Phrase(wParts[i], pParts[j]); };
    return TPartPairing(wParts.size(), matches, limit).PairAll();
}

bool TInterlacedMatcher::Subsequence(std::string_view w, std::string_view p) {
    if (p.empty())
        return false;
    const auto offset = static_cast<std::size_t>(p.data() - typed.data());
    return typedMasks.HaveCommon(w, offset, p.size(), Needed(w.size(), p.size()), limit);
}

std::size_t TInterlacedMatcher::Needed(std::size_t wSize, std::size_t pSize) const {
    const std::size_t longest = charactersMode ? pSize : std::max(wSize, pSize);
    return 3 * (longest + 1) / 4;
}

bool MatchInterlaced(std::string_view W, std::string_view P, int32_t mode) {
    return TInterlacedMatcher(P, mode).Match(W);
}
