#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "answer/juggler.h"
#include "answer/separators.h"

namespace {

std::vector<std::string> PartsOf(const TJuggler& juggler) {
    std::vector<std::string> parts;
    for (uint32_t i = 0; i < juggler.Count(); ++i)
        parts.push_back(juggler.Part(i));
    return parts;
}

std::vector<uint32_t> OrderOf(const TJuggler& juggler) {
    std::vector<uint32_t> order;
    for (uint32_t i = 0; i < juggler.Count(); ++i)
        order.push_back(juggler.OrderAt(i));
    return order;
}

using Parts = std::vector<std::string>;
using Order = std::vector<uint32_t>;

} // namespace

TEST(SeparatorSearchTest, GroupsHideSeparatorsWithoutNesting) {
    EXPECT_EQ(FindOutsideParentheses("a,b", ','), 1u);
    EXPECT_EQ(FindOutsideParentheses("(a,b),c", ','), 5u);
    EXPECT_EQ(FindOutsideParentheses("a,(b,c)", ',', 2), std::string_view::npos);
    EXPECT_EQ(FindOutsideParentheses("((a,b),c),d", ','), 6u) << "the first ) closes the group";
    EXPECT_EQ(FindOutsideParentheses("a(b,c", ','), std::string_view::npos) << "unclosed group";
    EXPECT_EQ(FindOutsideParentheses("a,(b", ','), 1u);
    EXPECT_EQ(FindOutsideParentheses(")a,b", ','), 2u);
}

TEST(SeparatorSearchTest, PhraseSeparatorsAreCountedOutsideParentheses) {
    const std::string_view text = "a, b (c, d), e; f|(g\x87h";
    const auto found = CountPhraseSeparators(text);
    EXPECT_EQ(found.counts, (std::array<uint32_t, 5>{1, 1, 2, 4, 0})) << "none after an open (";
    EXPECT_EQ(found.present, 0b01111u);
    EXPECT_EQ(CountOutsideParentheses(text, ','), 2u);
    EXPECT_EQ(CountOutsideParentheses(text, ' '), 4u);
    EXPECT_EQ(CountPhraseSeparators("x.y-z(a b)").present, 0u);
    EXPECT_EQ(CountPhraseSeparators("x\x87y").present, 0b10000u);
    const std::string many(5000, ',');
    EXPECT_EQ(CountPhraseSeparators(many).counts[2], 5000u) << "counters must not overflow";
}

TEST(SeparatorSearchTest, StrongestSeparatorWins) {
    EXPECT_EQ(StrongestPhraseSeparator(0), NoPhraseSeparator);
    EXPECT_EQ(StrongestPhraseSeparator(0b11000u), 3) << "blank before 0x87";
    EXPECT_EQ(StrongestPhraseSeparator(0b00110u), 1) << "; before ,";
    EXPECT_EQ(PhraseSeparators[0], '|');
    EXPECT_EQ(PhraseSeparators[4], 0x87);
}

TEST(JugglerTest, PartsAreThePiecesBetweenSeparatorsOutsideParentheses) {
    EXPECT_EQ(PartsOf(TJuggler("to go; to walk", ';')), (Parts{"to go", " to walk"}));
    EXPECT_EQ(PartsOf(TJuggler("go (away, off), leave", ',')), (Parts{"go (away, off)", " leave"}));
    EXPECT_EQ(PartsOf(TJuggler(",a,,", ',')), (Parts{"", "a", "", ""}));
    EXPECT_EQ(PartsOf(TJuggler("abc", ',')), (Parts{"abc"}));
    EXPECT_EQ(PartsOf(TJuggler("", ',')), (Parts{""}));
    EXPECT_EQ(OrderOf(TJuggler("a|b|c", '|')), (Order{0, 1, 2}));
}

TEST(JugglerTest, NextOrderAfterTheLastPositionVisitsEveryOrder) {
    TJuggler juggler("a,b,c", ',');
    std::vector<std::pair<int32_t, Order>> steps;
    for (int32_t changed = juggler.NextOrder(2); changed != -1; changed = juggler.NextOrder(2))
        steps.emplace_back(changed, OrderOf(juggler));
    const std::vector<std::pair<int32_t, Order>> expected = {
        {1, {0, 2, 1}}, {0, {1, 0, 2}}, {1, {1, 2, 0}}, {0, {2, 0, 1}}, {1, {2, 1, 0}}};
    EXPECT_EQ(steps, expected);
}

TEST(JugglerTest, NextOrderSkipsEveryOrderWithTheFailedPrefix) {
    TJuggler juggler("a,b,c,d", ',');
    EXPECT_EQ(juggler.NextOrder(0), 0);
    EXPECT_EQ(OrderOf(juggler), (Order{1, 0, 2, 3}));
    EXPECT_EQ(juggler.NextOrder(1), 1);
    EXPECT_EQ(OrderOf(juggler), (Order{1, 2, 0, 3}));
    EXPECT_EQ(juggler.NextOrder(1), 1);
    EXPECT_EQ(OrderOf(juggler), (Order{1, 3, 0, 2}));
    EXPECT_EQ(juggler.NextOrder(1), 0) << "position 1 has nothing larger left";
    EXPECT_EQ(OrderOf(juggler), (Order{2, 0, 1, 3}));
    EXPECT_EQ(juggler.NextOrder(2), 2);
    EXPECT_EQ(OrderOf(juggler), (Order{2, 0, 3, 1}));

    TJuggler last("a,b,c", ',');
    EXPECT_EQ(last.NextOrder(0), 0);
    EXPECT_EQ(last.NextOrder(0), 0);
    EXPECT_EQ(OrderOf(last), (Order{2, 0, 1}));
    EXPECT_EQ(last.NextOrder(0), -1);
}

TEST(JugglerTest, NoOrderFollowsForOnePartOrABadPosition) {
    TJuggler one("abc", ',');
    EXPECT_EQ(one.NextOrder(0), -1);
    TJuggler two("a,b", ',');
    EXPECT_EQ(two.NextOrder(-1), -1);
    EXPECT_EQ(two.NextOrder(2), -1);
    EXPECT_EQ(OrderOf(two), (Order{0, 1}));
    EXPECT_EQ(two.NextOrder(1), 0) << "position 1 has nothing larger, position 0 has";
    EXPECT_EQ(OrderOf(two), (Order{1, 0}));
    EXPECT_EQ(two.NextOrder(1), -1);
}
