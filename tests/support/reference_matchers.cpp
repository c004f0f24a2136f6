#include "tests/support/reference_matchers.h"

#include <algorithm>
#include <cstring>

#include <map>

#include "answer/juggler.h"
#include "platform/clock.h"
#include "platform/utf8.h"

namespace reference {

namespace {

bool IsWordSeparator(char c) {
    static const char separators[] =
        " !\"#$%&'()*+,-./:;<=>?@[]^_`{|}~"
        "\x81\x82\x84\x85\x86\x87\x88\x89\x8B\x90\x91\x92\x93\x94\x95\x96\x97\x99\x9B"
        "\xA1\xA6\xA7\xA9\xAB\xAE\xB8\xB9\xBA\xBB\xBF\xF7";
    return c != 0 && std::strchr(separators, c) != nullptr;
}

bool Wildcard(const char* w, const char* p) {
    if (*p == 0)
        return *w == 0;
    if (*p == '*')
        return Wildcard(w, p + 1) || (*w != 0 && Wildcard(w + 1, p));
    if (*w == 0)
        return false;
    if (*w == *p || *p == '?')
        return Wildcard(w + 1, p + 1);
    return false;
}

const char* FindOutside(const char* text, char sep) {
    for (;;) {
        const char* found = std::strchr(text, sep);
        if (found == nullptr)
            return nullptr;
        const char* open = std::strchr(text, '(');
        if (open == nullptr || open > found)
            return found;
        const char* close = std::strchr(open, ')');
        if (close == nullptr)
            return nullptr;
        text = close + 1;
    }
}

int CountOutside(const std::string& text, char sep) {
    int count = 0;
    for (const char* at = FindOutside(text.c_str(), sep); at != nullptr;
         at = FindOutside(at + 1, sep))
        ++count;
    return count;
}

std::string WithoutComments(const std::string& text) {
    std::string kept;
    const char* at = text.c_str();
    for (;;) {
        const char* open = std::strchr(at, '[');
        if (open == nullptr) {
            kept += at;
            return kept;
        }
        kept.append(at, open);
        const char* close = std::strchr(open, ']');
        if (close == nullptr)
            return kept;
        at = close + 1;
    }
}

class TInterlacing {
public:
    explicit TInterlacing(int32_t mode) : characters(mode != 0), start(Milliseconds()) {}

    bool WithinLimit() const { return Milliseconds() - start <= 5000; }

    bool MatchPhrase(const std::string& W, const std::string& P) {
        char sep = 0;
        for (const char candidate : {'|', ';', ',', ' ', '\x87'})
            if (FindOutside(W.c_str(), candidate) != nullptr ||
                FindOutside(P.c_str(), candidate) != nullptr) {
                sep = candidate;
                break;
            }
        if (sep == '|' || sep == ';')
            return MatchParts(W, P, sep);
        if (!W.empty() && W.back() == ')' && W.find('(') != std::string::npos && !P.empty() &&
            P.back() == ')' && P.find('(') != std::string::npos) {
            const std::size_t wOpen = W.rfind('(');
            const std::size_t pOpen = P.rfind('(');
            if (!MatchPhrase(W.substr(wOpen + 1, W.size() - wOpen - 2),
                             P.substr(pOpen + 1, P.size() - pOpen - 2)))
                return false;
            return MatchParts(W.substr(0, wOpen), P.substr(0, pOpen), sep);
        }
        return MatchParts(W, P, sep);
    }

private:
    bool MatchParts(const std::string& W, const std::string& P, char sep) {
        if (sep == 0 || CountOutside(W, sep) != CountOutside(P, sep))
            return MatchSubsequence(W, P);
        const TJuggler wParts(W, static_cast<unsigned char>(sep));
        TJuggler pParts(P, static_cast<unsigned char>(sep));
        const auto n = static_cast<int32_t>(wParts.Count());
        int32_t i = 0;
        for (;;) {
            if (MatchPhrase(wParts.Part(static_cast<uint32_t>(i)),
                            pParts.Part(pParts.OrderAt(static_cast<uint32_t>(i))))) {
                if (++i == n)
                    return true;
            } else {
                if (sep == ' ')
                    return false;
                i = pParts.NextOrder(i);
                if (i == -1)
                    return false;
            }
        }
    }

    bool MatchSubsequence(const std::string& W, const std::string& P) {
        w = W;
        p = P;
        if (p.empty())
            return false;
        const std::size_t longest = characters ? p.size() : std::max(w.size(), p.size());
        needed = 3 * (longest + 1) / 4;
        return Interlace(0, 0, 0);
    }

    bool Interlace(std::size_t i, std::size_t j, std::size_t k) {
        if (Milliseconds() - start > 5000)
            return false;
        if (k >= needed)
            return true;
        if (w.size() - i < needed - k || p.size() - j < needed - k)
            return false;
        if (w[i] == p[j])
            return Interlace(i + 1, j + 1, k + 1);
        return Interlace(i + 1, j, k) || Interlace(i, j + 1, k);
    }

    bool characters;
    uint32_t start;
    std::string w;
    std::string p;
    std::size_t needed = 0;
};

} // namespace

bool MatchStartingWord(const std::string& W, const std::string& P, int32_t length) {
    const auto n = static_cast<std::size_t>(length);
    return std::strncmp(W.c_str(), P.c_str(), n) == 0 && (W[n] == 0 || IsWordSeparator(W[n]));
}

bool MatchContiguousWord(const std::string& W, const std::string& P, int32_t length) {
    const char* w = W.c_str();
    for (const char* from = w;;) {
        const char* found = std::strstr(from, P.c_str());
        if (found == nullptr)
            return false;
        if ((found == w || IsWordSeparator(found[-1])) &&
            (found[length] == 0 || IsWordSeparator(found[length])))
            return true;
        if (*found == 0)
            return false;
        from = found + 1;
    }
}

bool MatchStartingChars(const std::string& W, const std::string& P, int32_t length) {
    return std::strncmp(W.c_str(), P.c_str(), static_cast<std::size_t>(length)) == 0;
}

bool MatchContiguousChars(const std::string& W, const std::string& P, int32_t) {
    return std::strstr(W.c_str(), P.c_str()) != nullptr;
}

bool MatchWildcard(const std::string& W, const std::string& P, int32_t) {
    return Wildcard(W.c_str(), P.c_str());
}

bool MatchInterlaced(const std::string& W, const std::string& P, int32_t mode) {
    TInterlacing interlacing(mode);
    const std::string w = WithoutComments(W);
    const std::string p = WithoutComments(P);
    // An exact equal matches whatever its parts would say.
    if (!p.empty() && w == p)
        return interlacing.WithinLimit();
    return interlacing.MatchPhrase(w, p);
}

int32_t FindSeparator(const std::string& text, char sep, int32_t from) {
    const char* found = FindOutside(text.c_str() + from, sep);
    return found == nullptr ? -1 : static_cast<int32_t>(found - text.c_str());
}

bool MatchForKeyOnCharacters(THintMode mode, const std::string& W, const std::string& P) {
    // The separating characters of 1252's upper half, by their bytes there.
    static const std::map<uint32_t, char> separators = {
        {0x201A, '\x82'}, {0x201E, '\x84'}, {0x2026, '\x85'}, {0x2020, '\x86'}, {0x2021, '\x87'},
        {0x02C6, '\x88'}, {0x2030, '\x89'}, {0x2039, '\x8B'}, {0x2018, '\x91'}, {0x2019, '\x92'},
        {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2022, '\x95'}, {0x2013, '\x96'}, {0x2014, '\x97'},
        {0x2122, '\x99'}, {0x203A, '\x9B'}, {0xA1, '\xA1'},   {0xA6, '\xA6'},   {0xA7, '\xA7'},
        {0xA9, '\xA9'},   {0xAB, '\xAB'},   {0xAE, '\xAE'},   {0xB8, '\xB8'},   {0xB9, '\xB9'},
        {0xBA, '\xBA'},   {0xBB, '\xBB'},   {0xBF, '\xBF'},   {0xF7, '\xF7'}};
    std::map<uint32_t, char> letters;
    char nextLetter = '\x80';
    const auto recode = [&](const std::string& text) {
        std::string bytes;
        for (std::size_t at = 0; at < text.size();) {
            TUtf8Char next = NextUtf8Char(std::string_view(text).substr(at));
            if (next.length == 0)
                next = {1, 0xFFFD};
            at += next.length;
            if (next.codePoint < 0x80) {
                bytes += static_cast<char>(next.codePoint);
            } else if (const auto separator = separators.find(next.codePoint);
                       separator != separators.end()) {
                bytes += separator->second;
            } else {
                auto [letter, added] = letters.emplace(next.codePoint, nextLetter);
                if (added)
                    do
                        ++nextLetter;
                    while (IsWordSeparator(nextLetter));
                bytes += letter->second;
            }
        }
        return bytes;
    };
    const std::string p = recode(P);
    return MatchForKey(mode, recode(W), p);
}

bool MatchForKey(THintMode mode, const std::string& W, const std::string& P) {
    const auto length = static_cast<int32_t>(P.size());
    switch (mode) {
    case THintMode::StartingWord:
        return MatchStartingWord(W, P, length);
    case THintMode::ContiguousWord:
        return MatchContiguousWord(W, P, length);
    case THintMode::StartingChars:
        return MatchStartingChars(W, P, length);
    case THintMode::ContiguousChars:
        return MatchContiguousChars(W, P, 0);
    case THintMode::InterlacingChars:
        return MatchInterlaced(W, P, 1);
    case THintMode::InterlacingPhrases:
        return MatchInterlaced(W, P, 0);
    case THintMode::WildcardMatches:
        return MatchWildcard(W, P, length);
    }
    return false;
}

} // namespace reference
