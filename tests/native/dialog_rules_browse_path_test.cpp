#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_rules/browse_path.h"
#include "dialog_rules/key_list_size.h"

TEST(BrowsePath, ShortestFormOfTheChosenFile) {
    struct Case {
        const char* currentDir;
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"c:\\learn", "c:\\learn\\words\\en.dbf", "words\\en.dbf"},
        {"c:\\learn\\prog", "c:\\learn\\data\\en.dbf", "..\\data\\en.dbf"},
        {"c:\\a\\b\\c\\d", "c:\\x\\en.dbf", "\\x\\en.dbf"},
        {"c:\\", "c:\\data\\en.dbf", "\\data\\en.dbf"},
        {"c:\\learn", "d:\\words\\en.dbf", "d:\\words\\en.dbf"},
        {"c:\\learn\\prog", "c:\\learn\\prog.dbf", "..\\prog.dbf"},
        {"c:\\learnt", "c:\\learn\\en.dbf", "\\learn\\en.dbf"},
        {"", "c:\\learn\\en.dbf", "c:\\learn\\en.dbf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenBrowsedPath(c.currentDir, c.chosen), c.expected)
            << c.currentDir << " / " << c.chosen;
}

TEST(BrowsePath, CurrentDirectoryUpToTheLimit) {
    const std::string exactly = "c:\\" + std::string(BrowsePathLimit - 3, 'd');
    ASSERT_EQ(exactly.size(), 128u);
    EXPECT_EQ(ShortenBrowsedPath(exactly, exactly + "\\en.dbf"), "en.dbf");

    // One character more is not read at all: no prefix of it may be used.
    const std::string longer = exactly + "e";
    EXPECT_EQ(ShortenBrowsedPath(longer, longer + "\\en.dbf"), longer + "\\en.dbf");
    EXPECT_EQ(ShortenBrowsedPath(longer, exactly + "\\en.dbf"), exactly + "\\en.dbf");
}

TEST(BrowsePath, RelativeFormLongerThanTheLimitIsNotUsed) {
    const std::string shared = "c:\\" + std::string(100, 's');
    const std::string chosen = shared + "\\" + std::string(120, 'x') + "\\en.dbf";
    // Climbing once and the 127 characters below the shared folder: shorter than the path without
    // its drive, but longer than the limit.
    EXPECT_EQ(ShortenBrowsedPath(shared + "\\p", chosen), chosen.substr(2));
    EXPECT_EQ(ShortenBrowsedPath(shared + "\\p", shared + "\\en.dbf"), "..\\en.dbf");
}

TEST(KeyListSize, GrowsWithDefaultsShrinksAndRefusesBadCounts) {
    TKeys custom;
    custom.StartingWord = 0;
    std::vector<TKeys> keys(10, custom);

    EXPECT_TRUE(SizeKeyList(keys, " 12"));
    ASSERT_EQ(keys.size(), 12u);
    EXPECT_EQ(keys[9], custom);
    EXPECT_EQ(keys[10], TKeys{});
    EXPECT_EQ(keys[11], TKeys{});

    EXPECT_TRUE(SizeKeyList(keys, "3 words"));
    EXPECT_EQ(keys, std::vector<TKeys>(3, custom));

    for (const char* unreadable : {"-1", "", "abc", "+", "4294967296"}) {
        EXPECT_FALSE(SizeKeyList(keys, unreadable)) << unreadable;
        EXPECT_EQ(keys.size(), 3u) << unreadable;
    }
    EXPECT_TRUE(SizeKeyList(keys, " +4"));
    EXPECT_EQ(keys, (std::vector<TKeys>{custom, custom, custom, TKeys{}}));
    // Beyond two digits, as the settings file reads it: at most 99 entries.
    for (const char* huge : {"99999", "4294967295"}) {
        EXPECT_TRUE(SizeKeyList(keys, huge)) << huge;
        EXPECT_EQ(keys.size(), 99u) << huge;
    }
    EXPECT_TRUE(SizeKeyList(keys, "0"));
    EXPECT_TRUE(keys.empty());
}
