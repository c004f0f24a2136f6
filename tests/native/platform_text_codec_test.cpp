#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/code_page.h"
#include "platform/text_codec.h"

namespace {

TUtf16 Units(std::initializer_list<uint32_t> units) {
    TUtf16 text;
    for (uint32_t unit : units)
        text.push_back(static_cast<TUtf16Char>(unit));
    return text;
}

std::string Byte(uint32_t byte) {
    return std::string(1, static_cast<char>(byte));
}

// A letter of each page that a table can name, at its byte there.
struct Letter {
    uint32_t page;
    uint32_t byte;
    uint32_t character;
};
constexpr Letter Letters[] = {
    {874, 0xA1, 0x0E01},  // Thai ko kai
    {1250, 0x9A, 0x0161}, // š
    {1251, 0xEA, 0x043A}, // к
    {1252, 0x80, 0x20AC}, // €
    {1253, 0xE1, 0x03B1}, // α
    {1254, 0xFD, 0x0131}, // dotless ı
    {1255, 0xF9, 0x05E9}, // shin
    {1256, 0xC7, 0x0627}, // alef
    {1257, 0xE0, 0x0105}, // ą
    {1258, 0xC3, 0x0102}, // Ă
};

} // namespace

TEST(TextCodec, EveryPageOfATableGivesEachOfItsCharactersBackAsItsByte) {
    for (const Letter& letter : Letters) {
        SCOPED_TRACE(letter.page);
        const TCodePageText& text = CodePageText(letter.page);
        ASSERT_EQ(text.CodePage(), letter.page) << "the platform converts the page";
        EXPECT_EQ(text.ToUtf16(Byte(letter.byte)), Units({letter.character}));
        uint32_t characters = 0;
        for (uint32_t byte = 0; byte < 256; ++byte) {
            const TUtf16 unit = text.ToUtf16(Byte(byte));
            ASSERT_EQ(unit.size(), 1u) << byte;
            if (byte < 0x80) {
                EXPECT_EQ(unit, Units({byte})) << "ASCII is ASCII in every page";
            }
            if (unit == Units({0xFFFD}))
                continue;
            ++characters;
            std::string back;
            EXPECT_TRUE(text.FromUtf16(unit, back)) << byte;
            EXPECT_EQ(back, Byte(byte));
        }
        EXPECT_GT(characters, 200u);
    }
}

TEST(TextCodec, ACharacterThePageLacksBecomesANulNeverALookAlike) {
    const TCodePageText& western = CodePageText(1252);
    const TCodePageText& cyrillic = CodePageText(1251);
    std::string bytes;
    EXPECT_TRUE(western.FromUtf16(Utf8ToUtf16("Straße"), bytes));
    EXPECT_EQ(bytes, "Stra\xDF"
                     "e");
    EXPECT_FALSE(cyrillic.FromUtf16(Utf8ToUtf16("Haus ä"), bytes));
    EXPECT_EQ(bytes, std::string("Haus \0", 6)) << "not the best fit \"a\"";
    EXPECT_EQ(western.FromUtf16(Utf8ToUtf16("дом")), std::string(3, '\0'));
    EXPECT_EQ(cyrillic.FromUtf16(Utf8ToUtf16("дом")), "\xE4\xEE\xEC");
    // A character beyond the first plane is one character, and one NUL.
    EXPECT_EQ(CodePageText(1253).FromUtf16(Units({0xD83D, 0xDE00, 0x03B1})),
              std::string("\0\xE1", 2));
    EXPECT_EQ(western.FromUtf16(Units({'a', 0xDC00})), std::string("a\0", 2)) << "lone surrogate";
}

// A Japanese Windows keeps its tables in code page 932, a character of one byte or two.
TEST(TextCodec, ASystemPageOfTwoBytesACharacterConvertsWholeCharacters) {
    const TCodePageText& japanese = CodePageText(932);
    ASSERT_EQ(japanese.CodePage(), 932u);
    EXPECT_EQ(japanese.ToUtf16("\x93\xFA\x96\x7B"
                               "a"),
              Units({0x65E5, 0x672C, 'a'}));
    EXPECT_EQ(japanese.FromUtf16(Units({0x65E5, 'a', 0xE4})), std::string("\x93\xFA"
                                                                          "a\0",
                                                                          4));
}

TEST(TextCodec, Utf8AndUtf16) {
    const TUtf16 folder = Units(
        {'W', 0xF6, 'r', 't', 'e', 'r', ' ', 0x2013, ' ', 0x0421, 0x043B, 0x043E, 0x0432, 0x0430});
    EXPECT_EQ(Utf8ToUtf16("Wörter – Слова"), folder);
    EXPECT_EQ(Utf16ToUtf8(folder), "Wörter – Слова");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), Units({0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(Units({0xD83D, 0xDE00})), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("\xC3(\xE9"), Units({0xFFFD, '(', 0xFFFD})) << "bytes of no character";
    EXPECT_EQ(Utf16ToUtf8(Units({0xD800, 'a'})), "\xEF\xBF\xBD"
                                                 "a");
}

// A UTF-8 table's page: every character, four bytes at most, bad bytes shown and never passed
// on as text.
TEST(TextCodec, Utf8AsATablesCodePageHoldsEveryCharacterAndShowsBadBytesAsReplacements) {
    const TCodePageText& utf8 = CodePageText(Utf8CodePage);
    ASSERT_EQ(utf8.CodePage(), Utf8CodePage) << "not the system's page in its place";
    const std::string words = "犬 ありがとう Straße дом \xF0\x9F\x98\x80";
    const TUtf16 wide = utf8.ToUtf16(words);
    EXPECT_EQ(wide, Utf8ToUtf16(words));
    EXPECT_EQ(wide.substr(0, 2), Units({0x72AC, ' '}));
    std::string back;
    EXPECT_TRUE(utf8.FromUtf16(wide, back));
    EXPECT_EQ(back, words);

    // A sequence cut short, a stray continuation byte, an overlong form and a surrogate: each
    // byte of them one replacement.
    EXPECT_EQ(
        utf8.ToUtf16("\xE7\x8A|\x80|\xC0\xAF|\xED\xA0\x80"),
        Units({0xFFFD, 0xFFFD, '|', 0xFFFD, '|', 0xFFFD, 0xFFFD, '|', 0xFFFD, 0xFFFD, 0xFFFD}));
    TUtf16 appended = Units({'a'});
    utf8.AppendUtf16("\xFF", appended);
    EXPECT_EQ(appended, Units({'a', 0xFFFD}));

    std::string converted = "left over";
    EXPECT_EQ(CodePageToUtf8(words, Utf8CodePage, converted), TConversion::Ok);
    EXPECT_EQ(converted, words);
    EXPECT_EQ(Utf8ToCodePage(words, Utf8CodePage, converted), TConversion::Ok);
    EXPECT_EQ(converted, words);
    EXPECT_EQ(CodePageToUtf8("Ha\xFFus", Utf8CodePage, converted), TConversion::Invalid);
    EXPECT_EQ(converted, "") << "nothing half converted";
    EXPECT_EQ(Utf8ToCodePage("\xE7\x8A", Utf8CodePage, converted), TConversion::Invalid);
    EXPECT_EQ(Utf8ToCodePage("犬", 1252, converted), TConversion::Unmappable)
        << "the other pages still go through the system";
}

TEST(TextCodec, ThePagesThePlatformLacksFallBackOnTheSystemCodePage) {
    const TScopedSystemCodePage russian(1251);
    EXPECT_EQ(SystemCodePage(), 1251u);
    EXPECT_EQ(CodePageText(54321).CodePage(), 1251u);
}
