// The hint keys and the tolerant judging on a UTF-8 table count and compare characters, where
// the bytes of a Japanese or Russian word would give other verdicts.

#include <gtest/gtest.h>

#include <string>

#include "answer/character_alphabet.h"
#include "answer/drill.h"
#include "answer/hint_search.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"

namespace {

const TCodePageText utf8(Utf8CodePage);

bool Hint(THintMode mode, const std::string& typed, const std::string& word) {
    return THintSearch(mode, typed, utf8).Accepts(word);
}

} // namespace

TEST(CharacterHints, TheKeysCountCharactersNotBytes) {
    // "あいう" and "あかさ" share "あ" and the first two bytes of the others: seven bytes of nine,
    // enough for three quarters of the bytes, but one character of three.
    EXPECT_FALSE(Hint(THintMode::InterlacingChars, "あいう", "あかさ"));
    EXPECT_FALSE(Hint(THintMode::InterlacingPhrases, "あいう", "あかさ"));
    EXPECT_TRUE(Hint(THintMode::InterlacingChars, "ありがと", "ありがとう"));
    EXPECT_TRUE(Hint(THintMode::InterlacingPhrases, "ありがとお", "ありがとう")) << "a slip";
    EXPECT_TRUE(Hint(THintMode::InterlacingPhrases, "спосибо", "спасибо"));

    EXPECT_TRUE(Hint(THintMode::StartingChars, "しご", "しごと"));
    EXPECT_FALSE(Hint(THintMode::StartingChars, "しご", "しかく"));
    EXPECT_TRUE(Hint(THintMode::ContiguousChars, "ごと", "しごと"));
    // One "?" is one character of any length in bytes.
    EXPECT_TRUE(Hint(THintMode::WildcardMatches, "し?と", "しごと"));
    EXPECT_TRUE(Hint(THintMode::WildcardMatches, "?ом", "дом"));
    EXPECT_FALSE(Hint(THintMode::WildcardMatches, "し??と", "しごと"));
    EXPECT_TRUE(Hint(THintMode::WildcardMatches, "東*", "東京"));
}

TEST(CharacterHints, EveryLetterOfAnyScriptBelongsToAWord) {
    EXPECT_FALSE(Hint(THintMode::StartingWord, "東", "東京"));
    EXPECT_TRUE(Hint(THintMode::StartingWord, "東京", "東京 タワー"));
    EXPECT_FALSE(Hint(THintMode::StartingWord, "вс", "всё равно"));
    EXPECT_TRUE(Hint(THintMode::StartingWord, "всё", "всё равно"));
    EXPECT_TRUE(Hint(THintMode::ContiguousWord, "タワー", "東京 タワー"));
    EXPECT_FALSE(Hint(THintMode::ContiguousWord, "京", "東京 タワー"));
    // The separators stay those of every table: "«", "–" and "‡" end words.
    EXPECT_TRUE(Hint(THintMode::ContiguousWord, "слово", "«слово»"));
    EXPECT_TRUE(Hint(THintMode::StartingWord, "犬", "犬–いぬ"));
    EXPECT_TRUE(Hint(THintMode::StartingWord, "犬", "犬‡いぬ"));
    EXPECT_TRUE(Hint(THintMode::ContiguousWord, "«слово»", "это «слово»"));
}

TEST(CharacterHints, BrokenBytesAreCharactersAndCrashNothing) {
    // A byte that starts no character counts as one, the replacement character the screen shows.
    const std::string broken = "し\xE3\x81ごと";
    EXPECT_TRUE(Hint(THintMode::WildcardMatches, "し??ごと", broken));
    EXPECT_TRUE(Hint(THintMode::StartingChars, "し\uFFFD", broken));
    EXPECT_TRUE(Hint(THintMode::InterlacingChars, "しごと", broken));
    EXPECT_FALSE(Hint(THintMode::StartingChars, "しご", broken));
}

TEST(CharacterHints, ATypedTextOfMoreLettersThanTheBytesHoldFindsNothing) {
    std::string typed;
    for (char32_t c = U'ア'; c < U'ア' + 80; ++c)
        typed += Utf16ToUtf8(TUtf16(1, static_cast<TUtf16Char>(c)));
    std::string overlong = typed;
    for (char32_t c = U'一'; c < U'一' + 150; ++c)
        overlong += Utf16ToUtf8(TUtf16(1, static_cast<TUtf16Char>(c)));
    EXPECT_TRUE(TCharacterAlphabet(typed).Fits());
    EXPECT_TRUE(Hint(THintMode::StartingChars, typed, typed + "ン"));
    EXPECT_FALSE(TCharacterAlphabet(overlong).Fits());
    EXPECT_FALSE(Hint(THintMode::StartingChars, overlong, overlong));
}

TEST(CharacterJudging, ANearMissCountsCharacters) {
    TDrill drill(1, {TKeys()}, Utf8CodePage);
    drill.Ask({"ありがとう"}, 0);
    const TDrillOutcome nearMiss = drill.Ready({"ありがとお"});
    EXPECT_EQ(nearMiss.correct, 0u) << "a near miss, open for correction";
    EXPECT_FALSE(nearMiss.closed);
    EXPECT_TRUE(drill.Ready({"ありがとう"}).right);

    drill.Ask({"あいう"}, 0);
    const TDrillOutcome outcome = drill.Ready({"あかさ"});
    EXPECT_TRUE(outcome.closed) << "one character in three is no near miss";
    EXPECT_FALSE(outcome.right);
}
