#include <gtest/gtest.h>

#include <string>

#include "answer/match.h"
#include "answer/separators.h"
#include "platform/text_codec.h"

namespace {

int32_t Len(std::string_view text) {
    return static_cast<int32_t>(text.size());
}

} // namespace

TEST(WordSeparatorTest, ExactlyTheListedBytesSeparateWords) {
    const std::string listed =
        " !\"#$%&'()*+,-./:;<=>?@[]^_`{|}~"
        "\x81\x82\x84\x85\x86\x87\x88\x89\x8B\x90\x91\x92\x93\x94\x95\x96\x97\x99\x9B"
        "\xA1\xA6\xA7\xA9\xAB\xAE\xB8\xB9\xBA\xBB\xBF\xF7";
    ASSERT_EQ(listed.size(), 63u);
    for (int byte = 0; byte < 256; ++byte) {
        const bool expected = listed.find(static_cast<char>(byte)) != std::string::npos;
        EXPECT_EQ(IsWordSeparator(static_cast<unsigned char>(byte)), expected) << "byte " << byte;
    }
    EXPECT_FALSE(IsWordSeparator('\\'));
    EXPECT_TRUE(IsWordSeparator(0x87));
}

TEST(StartingWordTest, TypedTextMustEndAtAWordBoundary) {
    EXPECT_TRUE(MatchStartingWord("to", "to", 2));
    EXPECT_TRUE(MatchStartingWord("to be", "to", 2));
    EXPECT_TRUE(MatchStartingWord("to-do", "to", 2));
    EXPECT_TRUE(MatchStartingWord("to\x87x", "to", 2));
    EXPECT_FALSE(MatchStartingWord("tomorrow", "to", 2));
    EXPECT_FALSE(MatchStartingWord("to\\do", "to", 2)) << "the backslash is no separator";
    EXPECT_FALSE(MatchStartingWord("t", "to", 2));
    EXPECT_FALSE(MatchStartingWord("To be", "to", 2)) << "case-sensitive";
}

TEST(StartingWordTest, LengthsOutsideTheTextsStayInside) {
    EXPECT_TRUE(MatchStartingWord("to", "to", 50)) << "both end before the length";
    EXPECT_FALSE(MatchStartingWord("tox", "to", 50));
    EXPECT_TRUE(MatchStartingWord(" be", "to", -3)) << "negative counts as 0";
    EXPECT_FALSE(MatchStartingWord("be", "to", -3));
    EXPECT_TRUE(MatchStartingWord("", "", 0));
}

TEST(ContiguousWordTest, OccurrenceMustBeAWholeWord) {
    EXPECT_TRUE(MatchContiguousWord("to go away", "go", 2));
    EXPECT_TRUE(MatchContiguousWord("go", "go", 2));
    EXPECT_FALSE(MatchContiguousWord("going", "go", 2));
    EXPECT_FALSE(MatchContiguousWord("ago", "go", 2));
    EXPECT_TRUE(MatchContiguousWord("ago, going, go!", "go", 2)) << "a later occurrence qualifies";
    EXPECT_TRUE(MatchContiguousWord("gogo go", "go", 2)) << "occurrences overlap the search";
    EXPECT_FALSE(MatchContiguousWord("x\\go", "go", 2));
}

TEST(ContiguousWordTest, EmptyTextLooksAtEveryPositionUpToTheEnd) {
    EXPECT_TRUE(MatchContiguousWord("", "", 0));
    EXPECT_TRUE(MatchContiguousWord("ab ", "", 0)) << "W's end after a separator";
    EXPECT_FALSE(MatchContiguousWord("ab", "", 0));
    EXPECT_TRUE(MatchContiguousWord("a b", "", 1)) << "a one-byte word at the start";
    EXPECT_FALSE(MatchContiguousWord("ab", "", 1));
    EXPECT_TRUE(MatchContiguousWord("go", "go", 9)) << "a length beyond W reads W's end";
    EXPECT_FALSE(MatchContiguousWord("go", "go", -1)) << "negative counts as 0";
}

TEST(CharsTest, StartingAndContiguousCharacters) {
    EXPECT_TRUE(MatchStartingChars("tomorrow", "to", 2));
    EXPECT_FALSE(MatchStartingChars("atom", "to", 2));
    EXPECT_TRUE(MatchStartingChars("anything", "", 0));
    EXPECT_TRUE(MatchStartingChars("", "", 0));
    EXPECT_FALSE(MatchStartingChars("t", "to", 2));
    EXPECT_TRUE(MatchStartingChars("tx", "to", 1)) << "only the first length bytes count";

    EXPECT_TRUE(MatchContiguousChars("atom", "to", 0));
    EXPECT_TRUE(MatchContiguousChars("anything", "", 0));
    EXPECT_TRUE(MatchContiguousChars("", "", 0));
    EXPECT_FALSE(MatchContiguousChars("a t o", "to", 0));
}

TEST(WildcardTest, StarsAndQuestionMarks) {
    EXPECT_TRUE(MatchWildcard("house", "h?use", Len("h?use")));
    EXPECT_TRUE(MatchWildcard("house", "h*", 2));
    EXPECT_TRUE(MatchWildcard("h", "h*", 2));
    EXPECT_TRUE(MatchWildcard("house", "*se", 3));
    EXPECT_FALSE(MatchWildcard("house", "house?", 6));
    EXPECT_FALSE(MatchWildcard("house", "hous", 4)) << "the whole of W";
    EXPECT_TRUE(MatchWildcard("", "***", 3));
    EXPECT_FALSE(MatchWildcard("", "?", 1));
    EXPECT_TRUE(MatchWildcard("abcbcd", "a*bcd", 0)) << "the star must give back bytes";
    EXPECT_TRUE(MatchWildcard("aaaaaaaaaaaaaaaaaaaaaaaaab", "a*a*a*a*a*a*a*b", 0));
    EXPECT_FALSE(MatchWildcard("aaaaaaaaaaaaaaaaaaaaaaaaaa", "a*a*a*a*a*a*a*b", 0));
}

TEST(WildcardTest, WildcardBytesInTheWordAreOrdinary) {
    EXPECT_TRUE(MatchWildcard("a*c", "a*c", 0));
    EXPECT_TRUE(MatchWildcard("a*xyz", "a*z", 0));
    EXPECT_FALSE(MatchWildcard("a*", "a\\*", 0));
    EXPECT_TRUE(MatchWildcard("*", "?", 0));
    EXPECT_FALSE(MatchWildcard("?", "x", 0));
    EXPECT_TRUE(MatchWildcard("x", "*?*", 0));
}

// A table's letters are letters in its own code page, though their bytes are punctuation in
// 1252; the page's own punctuation still ends a word.
TEST(WordSeparatorTest, EachCodePageSeparatesWordsAtItsOwnPunctuation) {
    const auto bytes = [](uint32_t codePage, const char* utf8) {
        return CodePageText(codePage).FromUtf16(Utf8ToUtf16(utf8));
    };
    const TWordSeparators cyrillic(CodePageText(1251));
    const std::string stillTheSame = bytes(1251, "всё равно");
    EXPECT_TRUE(MatchStartingWord(stillTheSame, bytes(1251, "вс"), 2)) << "as 1252 bytes";
    EXPECT_FALSE(MatchStartingWord(stillTheSame, bytes(1251, "вс"), 2, cyrillic));
    EXPECT_TRUE(MatchStartingWord(stillTheSame, bytes(1251, "всё"), 3, cyrillic));
    EXPECT_TRUE(MatchContiguousWord(bytes(1251, "«ёж»"), bytes(1251, "ёж"), 2, cyrillic));
    EXPECT_FALSE(MatchContiguousWord(bytes(1251, "её"), bytes(1251, "е"), 1, cyrillic));

    const TWordSeparators polish(CodePageText(1250));
    EXPECT_FALSE(MatchStartingWord(bytes(1250, "mąka"), "m", 1, polish));
    EXPECT_FALSE(MatchContiguousWord(bytes(1250, "może"), "mo", 2, polish));
    EXPECT_TRUE(MatchContiguousWord(bytes(1250, "„może”"), bytes(1250, "może"), 4, polish));

    const TWordSeparators turkish(CodePageText(1254));
    EXPECT_FALSE(MatchStartingWord(bytes(1254, "şişe"), bytes(1254, "şi"), 2, turkish));

    const TWordSeparators western(CodePageText(1252));
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(western(static_cast<unsigned char>(byte)),
                  IsWordSeparator(static_cast<unsigned char>(byte)))
            << "byte " << byte;
}
