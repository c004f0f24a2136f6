#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "settings/age.h"
#include "settings/character.h"
#include "settings/keys.h"
#include "settings/point.h"
#include "settings/text_form.h"

namespace {

template <class T> T Read(const std::string& text, T start) {
    std::istringstream in(text);
    ReadValue(in, start);
    return start;
}

template <class T> std::string Written(const T& value) {
    std::ostringstream out;
    WriteValue(out, value);
    return out.str();
}

TKeys KeysOf(int a, int b, int c, int d, int e, int f, int g, int h, int i) {
    return TKeys{a, b, c, d, e, f, g, h, i};
}

} // namespace

TEST(SettingsNumberText, IntReadsSignedDecimalAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(Read<int>("12abc", 7), 12);
    EXPECT_EQ(Read<int>("  -45", 7), -45);
    EXPECT_EQ(Read<int>("+8", 7), 8);
    EXPECT_EQ(Read<int>("-2147483648", 7), INT32_MIN);
    EXPECT_EQ(Read<int>("2147483647", 7), INT32_MAX);
}

TEST(SettingsNumberText, UnreadableIntLeavesTheValueUnchanged) {
    // The standard extractor would store 0 or a limit here.
    EXPECT_EQ(Read<int>("abc", 7), 7);
    EXPECT_EQ(Read<int>("", 7), 7);
    EXPECT_EQ(Read<int>("-", 7), 7);
    EXPECT_EQ(Read<int>("2147483648", 7), 7);
    EXPECT_EQ(Read<int>("-99999999999", 7), 7);
}

TEST(SettingsNumberText, UnsignedReadsDigitsAfterAnOptionalPlus) {
    EXPECT_EQ(Read<unsigned>(" 10", 3u), 10u);
    EXPECT_EQ(Read<unsigned>("+12", 3u), 12u);
    EXPECT_EQ(Read<unsigned>("+", 3u), 3u);
    EXPECT_EQ(Read<unsigned>("+-1", 3u), 3u);
    EXPECT_EQ(Read<unsigned>("4294967295", 3u), 4294967295u);
    EXPECT_EQ(Read<unsigned>("25x", 3u), 25u);
    EXPECT_EQ(Read<unsigned>("-1", 3u), 3u) << "no wrap-around of a negative text";
    EXPECT_EQ(Read<unsigned>("4294967296", 3u), 3u);
    EXPECT_EQ(Read<unsigned>("ten", 3u), 3u);
}

TEST(SettingsNumberText, WritesPlainDecimals) {
    EXPECT_EQ(Written(-45), "-45");
    EXPECT_EQ(Written(0), "0");
    EXPECT_EQ(Written(4294967295u), "4294967295");
}

TEST(SettingsPointText, ReadsWithAnySeparatorsAndBlanks) {
    EXPECT_EQ(Read<TPoint>("(100,100)", {}), (TPoint{100, 100}));
    EXPECT_EQ(Read<TPoint>("( 20 , 30 )", {}), (TPoint{20, 30}));
    EXPECT_EQ(Read<TPoint>("[20;30]", {}), (TPoint{20, 30}));
    EXPECT_EQ(Read<TPoint>("(-5,-7)", {}), (TPoint{-5, -7}));
}

TEST(SettingsPointText, ConsumesTheOpeningCharacterWhateverItIs) {
    // "2" is taken as the opening character, so x reads 0 from "0" and y 30.
    EXPECT_EQ(Read<TPoint>("20,30", {1, 1}), (TPoint{0, 30}));
}

TEST(SettingsPointText, DamagedTextKeepsTheFieldsNotYetRead) {
    EXPECT_EQ(Read<TPoint>("(12", {1, 2}), (TPoint{12, 2}));
    EXPECT_EQ(Read<TPoint>("(x,5)", {1, 2}), (TPoint{1, 2}));
    EXPECT_EQ(Read<TPoint>("", {1, 2}), (TPoint{1, 2}));
    EXPECT_EQ(Read<TPoint>("(3,4)trailing", {1, 2}), (TPoint{3, 4}));
}

TEST(SettingsPointText, WritesParenthesisedPair) {
    EXPECT_EQ(Written(TPoint{100, -100}), "(100,-100)");
}

TEST(SettingsCharacterText, ReadsTheLineUnchangedAndResizesToFit) {
    character text(129);
    std::istringstream in("  C:\\DATA\\WORDS.DBF \nnext line");
    ReadValue(in, text);
    EXPECT_STREQ(text.Text, "  C:\\DATA\\WORDS.DBF ");
    EXPECT_EQ(text.Size, 21u);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "") << "the line feed itself stays unread";
}

TEST(SettingsCharacterText, EmptyLineGivesAnEmptyText) {
    character text("old");
    EXPECT_STREQ(Read<character>("", text).Text, "");
    EXPECT_EQ(Read<character>("", text).Size, 1u);
}

TEST(SettingsCharacterText, ReadsAtMost255Characters) {
    const std::string line(300, 'x');
    std::istringstream in(line);
    character text;
    in >> text;
    EXPECT_EQ(std::string(text.Text), std::string(255, 'x'));
    EXPECT_EQ(text.Size, 256u);
    EXPECT_EQ(static_cast<char>(in.peek()), 'x') << "the rest of the line stays unread";
}

TEST(SettingsCharacterText, AssignmentCopiesTextAndSize) {
    character target("a much longer old text");
    const character source("short");
    target = source;
    EXPECT_STREQ(target.Text, "short");
    EXPECT_EQ(target.Size, 6u);
    character room(129);
    character same(129);
    std::istringstream("abc") >> same;
    room = character(4);
    room = same;
    EXPECT_STREQ(room.Text, "abc");
    EXPECT_EQ(room.Size, 4u);
}

TEST(SettingsAgeText, ReadsTwoNumbersAroundAnySeparator) {
    EXPECT_EQ(Read<TAge>("3:7", {}), (TAge{3, 7}));
    EXPECT_EQ(Read<TAge>("3-7", {}), (TAge{3, 7}));
    EXPECT_EQ(Read<TAge>(" 3 ; 7 days", {}), (TAge{3, 7}));
}

TEST(SettingsAgeText, ShortOrDamagedTextKeepsWhatItDoesNotReach) {
    EXPECT_EQ(Read<TAge>("3", {9, 9}), (TAge{3, 9}));
    EXPECT_EQ(Read<TAge>("3:x", {9, 9}), (TAge{3, 9}));
    EXPECT_EQ(Read<TAge>(":7", {9, 9}), (TAge{9, 9}));
    EXPECT_EQ(Read<TAge>("", {9, 9}), (TAge{9, 9}));
}

TEST(SettingsAgeText, NewValueIsZeroZero) {
    EXPECT_EQ(TAge(), (TAge{0, 0}));
}

TEST(SettingsAgeText, WritesCountColonDays) {
    EXPECT_EQ(Written(TAge{10, 365}), "10:365");
}

TEST(SettingsAgeCheck, AcceptsDigitsColonDigitsOnly) {
    EXPECT_EQ(CheckAgeText("3:7"), 2u);
    EXPECT_EQ(CheckAgeText("12:30"), 3u);
    EXPECT_EQ(CheckAgeText("10:365"), 3u);
    EXPECT_EQ(CheckAgeText("03:5"), 3u);
    EXPECT_EQ(CheckAgeText("0000000000007:4294967295"), 14u) << "zeros add nothing";
    for (const char* bad : {"", "3", ":7", "3:", "3:7:1", "1:2:3", "3 :7", "3: 7", "a:7", "-3:7",
                            "3:7 ", "::7", "3::7", "4294967296:1", "1:4294967296"})
        EXPECT_EQ(CheckAgeText(bad), 0u) << '"' << bad << '"';
}

TEST(SettingsKeysText, DefaultIsEveryHintWithInterlaceTest) {
    EXPECT_EQ(TKeys(), KeysOf(1, 0, 1, 1, 1, 1, 1, 1, 1));
    EXPECT_EQ(Written(TKeys()), "1,0,1,1,1,1,1,1,1");
}

TEST(SettingsKeysText, ShortLineKeepsTheDefaultsItDoesNotReach) {
    EXPECT_EQ(Read<TKeys>("0,1", TKeys()), KeysOf(0, 1, 1, 1, 1, 1, 1, 1, 1));
    EXPECT_EQ(Read<TKeys>("0,0,0,x,0", TKeys()), KeysOf(0, 0, 0, 1, 1, 1, 1, 1, 1));
    EXPECT_EQ(Read<TKeys>("", TKeys()), TKeys());
}

TEST(SettingsKeysText, SeparatorsAreNotExamined) {
    EXPECT_EQ(Read<TKeys>("1;0;0;0;0;0;0;0;0", TKeys()), KeysOf(1, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(Read<TKeys>(" 1 , 1 , 1,0,0,0,0,0,-2 tail", TKeys()),
              KeysOf(1, 1, 1, 0, 0, 0, 0, 0, -2));
}

TEST(SettingsKeysLookup, ShorterListGivesTheDefault) {
    const std::vector<TKeys> list{KeysOf(1, 0, 0, 0, 0, 0, 0, 0, 0),
                                  KeysOf(1, 1, 1, 0, 0, 0, 0, 0, 0)};
    EXPECT_EQ(KeysFor(list, 1), list[1]);
    EXPECT_EQ(KeysFor(list, 2), TKeys());
    EXPECT_EQ(KeysFor(list, 5), TKeys());
    EXPECT_EQ(KeysFor({}, 0), TKeys());
}

TEST(SettingsTextRoundTrip, EveryValueTypeReadsBackWhatItWrote) {
    EXPECT_EQ(Read<int>(Written(-123456), 0), -123456);
    EXPECT_EQ(Read<unsigned>(Written(99u), 0u), 99u);
    EXPECT_EQ(Read<TPoint>(Written(TPoint{-3, 2000}), {}), (TPoint{-3, 2000}));
    EXPECT_STREQ(Read<character>(Written(character("D:\\A B\\C.DBF")), character()).Text,
                 "D:\\A B\\C.DBF");
    EXPECT_EQ(Read<TAge>(Written(TAge{4294967295u, 0}), {}), (TAge{4294967295u, 0}));
    const TKeys odd = KeysOf(0, 1, 0, 1, 0, 1, 0, 1, 0);
    EXPECT_EQ(Read<TKeys>(Written(odd), TKeys()), odd);
}
