#include "answer/interlaced.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory_resource>
#include <optional>
#include <vector>

#include "answer/comments.h"
#include "answer/match.h"

namespace {

// What a byte of W can change about the comparison: bit i for PhraseSeparators[i], and two
// more for the bytes that need a closer look.
constexpr uint8_t OpensGroup = 1u << std::size(PhraseSeparators);
constexpr uint8_t OpensComment = OpensGroup << 1;

constexpr std::array<uint8_t, 256> MakeByteKinds() {
    std::array<uint8_t, 256> kinds{};
    for (std::size_t s = 0; s < std::size(PhraseSeparators); ++s)
        kinds[PhraseSeparators[s]] = static_cast<uint8_t>(1u << s);
    kinds['('] = OpensGroup;
    kinds['['] = OpensComment;
    return kinds;
}

constexpr std::array<uint8_t, 256> byteKinds = MakeByteKinds();

// Stops at the first group or comment, after which the separators no longer matter here.
uint8_t KindsIn(std::string_view text) {
    uint8_t kinds = 0;
    for (const char c : text) {
        kinds |= byteKinds[static_cast<unsigned char>(c)];
        if (kinds & (OpensGroup | OpensComment))
            break;
    }
    return kinds;
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
    // Beyond this many parts the verdicts are not kept: their table grows with the square.
    static constexpr std::size_t MaxRememberedParts = 128;

    TPartPairing(std::size_t n, PairMatches matches, TDeadline& limit,
                 std::pmr::memory_resource* memory)
        : n(n), matches(matches), limit(limit),
          verdicts(n <= MaxRememberedParts ? n * n : 0, Unknown, memory), holder(n, None, memory),
          held(n, None, memory), seen(n, 0, memory) {}

    bool PairAll() {
        for (std::size_t w = 0; w < n; ++w)
            if (Pairs(w, w)) {
                holder[w] = w;
                held[w] = w;
            }
        for (std::size_t w = 0; w < n; ++w) {
            if (held[w] != None)
                continue;
            std::fill(seen.begin(), seen.end(), 0);
            if (!Augment(w) || limit.HasPassed())
                return false;
        }
        return true;
    }

private:
    static constexpr signed char Unknown = -1;

    bool Pairs(std::size_t w, std::size_t p) {
        if (verdicts.empty())
            return matches(w, p);
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
            seen[p] = 1;
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
    std::pmr::vector<signed char> verdicts;
    std::pmr::vector<std::size_t> holder; // the part of W that holds each part of P
    std::pmr::vector<std::size_t> held;   // the part of P that each part of W holds
    std::pmr::vector<char> seen;
};

} // namespace

TInterlacedMatcher::TInterlacedMatcher(std::string_view P, int32_t mode, bool readAtStart)
    : charactersMode(mode != 0), readAtStart(readAtStart), typed(RemoveComments(P)),
      typedMasks(typed), whole(NewPiece(typed)),
      typedIsPlain(whole.separators.present == 0 && !whole.endsWithGroup) {}

bool TInterlacedMatcher::Match(std::string_view W) {
    limit.Start(readAtStart);
    // Split into parts, an entry need not meet itself (a blank after a separator leaves an
    // empty part, which matches nothing); the learner who typed it exactly must find it.
    if (!typed.empty() && W == typed)
        return !limit.Check();
    // A typed text without a separator outside parentheses or a trailing group meets every W
    // as a whole: the counts differ, or there is no separator, and there is no pair of groups.
    if (typedIsPlain) {
        if (W.find('[') == std::string_view::npos)
            return WholeMatch(W);
        word = RemoveComments(W);
        return WholeMatch(word);
    }
    // For a short typed text, the common subsequence comes with the classification in one
    // pass; it is wasted on the few words with a group or comment.
    const std::size_t needed = Needed(W.size(), typed.size());
    std::optional<bool> common;
    uint8_t kinds = 0;
    if (typedMasks.FitsOneWord() && W.size() >= needed && needed <= typed.size()) {
        common = typedMasks.HaveCommonClassifying(W, needed, limit, byteKinds.data(), kinds);
    } else {
        kinds = KindsIn(W);
    }
    if (!(kinds & (OpensGroup | OpensComment))) {
        // No group, so no trailing group in W and every separator stands outside parentheses.
        // Unless both texts hold the strongest separator equally often, every rule ends in
        // comparing them whole.
        const int sep = StrongestPhraseSeparator(kinds | whole.separators.present);
        if (sep == NoPhraseSeparator || !(kinds & (1u << sep)) ||
            std::count(W.begin(), W.end(), static_cast<char>(PhraseSeparators[sep])) !=
                static_cast<std::ptrdiff_t>(whole.separators.counts[sep]))
            return common ? *common && !limit.Check() : WholeMatch(W);
        // What Phrase would do next, as W has no trailing group.
        return Parts(W, whole, sep, true) && !limit.Check();
    }
    std::string_view w = W;
    if ((kinds & OpensComment) || W.find('[') != std::string_view::npos) {
        word = RemoveComments(W);
        w = word;
        if (!typed.empty() && w == typed)
            return !limit.Check();
    }
    // The first steps of Phrase, to spare most words the rest: without equal counts of the
    // strongest separator, and without a trailing group on both sides, W meets P whole.
    const TPhraseSeparatorCounts separators = CountPhraseSeparators(w);
    const int sep = StrongestPhraseSeparator(separators.present | whole.separators.present);
    const bool sameCount =
        sep != NoPhraseSeparator && separators.counts[sep] == whole.separators.counts[sep];
    const bool groups = sep != 0 && sep != 1 && whole.endsWithGroup && EndsWithGroup(w);
    if (!sameCount && !groups)
        return WholeMatch(w);
    if (!groups)
        return Parts(w, whole, sep, true) && !limit.Check();
    return Phrase(w, whole) && !limit.Check();
}

bool TInterlacedMatcher::WholeMatch(std::string_view w) {
    const std::size_t needed = Needed(w.size(), typed.size());
    if (typed.empty() || w.size() < needed)
        return false;
    return typedMasks.HaveCommon(w, 0, typed.size(), needed, limit) && !limit.Check();
}

bool TInterlacedMatcher::Phrase(std::string_view w, TPiece& p) {
    if (limit.Spend(static_cast<uint32_t>(w.size() + p.text.size() + 16)))
        return false;
    const TPhraseSeparatorCounts wSeparators = CountPhraseSeparators(w);
    const int sep = StrongestPhraseSeparator(wSeparators.present | p.separators.present);
    const bool sameCount =
        sep != NoPhraseSeparator && wSeparators.counts[sep] == p.separators.counts[sep];
    if (sep == 0 || sep == 1) // "|" or ";"
        return Parts(w, p, sep, sameCount);
    if (p.endsWithGroup && EndsWithGroup(w)) {
        const std::size_t wOpen = w.rfind('(');
        if (!Phrase(w.substr(wOpen + 1, w.size() - wOpen - 2), ContentsOf(p)))
            return false;
        const std::string_view wHead = w.substr(0, wOpen);
        TPiece& pHead = HeadOf(p);
        const bool sameHeadCount =
            sep != NoPhraseSeparator &&
            CountOutsideParentheses(wHead, PhraseSeparators[sep]) == pHead.separators.counts[sep];
        return Parts(wHead, pHead, sep, sameHeadCount);
    }
    return Parts(w, p, sep, sameCount);
}

// `sep` is an index into PhraseSeparators.
bool TInterlacedMatcher::Parts(std::string_view w, TPiece& p, int sep, bool sameCount) {
    if (sep == NoPhraseSeparator || !sameCount)
        return Subsequence(w, p.text);
    // Parts and pairings of short phrases live on the stack.
    std::array<std::byte, 1024> buffer;
    std::pmr::monotonic_buffer_resource arena(buffer.data(), buffer.size());
    const unsigned char separator = PhraseSeparators[sep];
    const auto wParts = SplitOutsideParentheses(w, separator, &arena);
    const auto& pParts = PartsOf(p, sep);
    if (separator == ' ') {
        for (std::size_t i = 0; i < wParts.size(); ++i)
            if (!Phrase(wParts[i], *pParts[i]))
                return false;
        return true;
    }
    if (wParts.size() == 2) // the common case, without the bookkeeping of a pairing
        return (Phrase(wParts[0], *pParts[0]) && Phrase(wParts[1], *pParts[1])) ||
               (Phrase(wParts[0], *pParts[1]) && Phrase(wParts[1], *pParts[0]));
    auto matches = [&](std::size_t i, std::size_t j) { return Phrase(wParts[i], *pParts[j]); };
    return TPartPairing(wParts.size(), matches, limit, &arena).PairAll();
}

TInterlacedMatcher::TPiece& TInterlacedMatcher::NewPiece(std::string_view text) {
    auto& piece = *pieces.emplace_back(std::make_unique<TPiece>());
    piece.text = text;
    piece.separators = CountPhraseSeparators(text);
    piece.endsWithGroup = EndsWithGroup(text);
    return piece;
}

TInterlacedMatcher::TPiece& TInterlacedMatcher::ContentsOf(TPiece& p) {
    if (p.contents == nullptr) {
        const std::size_t open = p.text.rfind('(');
        p.contents = &NewPiece(p.text.substr(open + 1, p.text.size() - open - 2));
    }
    return *p.contents;
}

TInterlacedMatcher::TPiece& TInterlacedMatcher::HeadOf(TPiece& p) {
    if (p.head == nullptr)
        p.head = &NewPiece(p.text.substr(0, p.text.rfind('(')));
    return *p.head;
}

const std::vector<TInterlacedMatcher::TPiece*>& TInterlacedMatcher::PartsOf(TPiece& p, int sep) {
    auto& parts = p.parts[static_cast<std::size_t>(sep)];
    if (parts.empty())
        for (const auto part : SplitOutsideParentheses(p.text, PhraseSeparators[sep]))
            parts.push_back(&NewPiece(part));
    return parts;
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
