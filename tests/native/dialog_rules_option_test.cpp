#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialog_rules/option.h"
#include "dialog_rules/option_list.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"

namespace {

// The bindings of the options dialog, in its declaration order, on a settings object.
struct Bindings {
    explicit Bindings(TOptions& options)
        : fileName(chain, options.FileNameEntry), maxCount(chain, options.MaxCountEntry),
          partOfSpeech(chain, options.PartOfSpeechEntry),
          transcription(chain, options.TranscriptionEntry),
          thirdLanguage(chain, options.ThirdLanguageEntry),
          ages(chain, options.AgeList, options.AgeEntries),
          keys(chain, options.KeyList, options.KeyEntries) {}

    TOptionBindings chain;
    TOption<character> fileName;
    TOption<unsigned int> maxCount;
    TOption<int> partOfSpeech;
    TOption<int> transcription;
    TOption<int> thirdLanguage;
    TOptionList<TAge> ages;
    TOptionList<TKeys> keys;
};

class DialogOptions : public testing::Test {
protected:
    TempDir dir;
    TIniFile ini{dir.File("vocorix.INI")};
};

TEST_F(DialogOptions, OkWithoutChangesStoresEveryEntryOnceLastBindingFirst) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=1\r\nAge0=3:7\r\n");
    TOptions options(ini);
    {
        Bindings bindings(options);
        bindings.chain.AcceptAll();
    }
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Ages]\r\nAges=1\r\nAge0=3:7\r\n"
                                       "[Keys]\r\nKeys=0\r\n"
                                       "[Database]\r\n"
                                       "Third Language=1\r\n"
                                       "Transcription=1\r\n"
                                       "Part of Speech=1\r\n"
                                       "Maximum Count=10\r\n"
                                       "File Name=\r\n");
    TOptions reread(ini);
    EXPECT_EQ(reread.MaxCount, 10u);
    EXPECT_EQ(reread.AgeList, (std::vector<TAge>{{3, 7}}));
    EXPECT_TRUE(reread.KeyList.empty());
}

TEST_F(DialogOptions, CancelAfterEditsReloadsTheCopiesAndWritesNothing) {
    const std::string file = "[Database]\r\nMaximum Count=12\r\nFile Name=a.dbf\r\n"
                             "[Ages]\r\nAges=1\r\nAge0=3:7\r\n";
    WriteFileBytes(ini.Path, file);
    TOptions options(ini);
    {
        Bindings bindings(options);
        bindings.fileName.Value = character("a much longer name.dbf");
        bindings.maxCount.Value = 5;
        bindings.thirdLanguage.Value = 0;
        bindings.ages.InsertAt(0, {1, 1});
        bindings.keys.InsertAt(2, TKeys{});
        bindings.chain.AcceptAll(); // as a keys dialog's OK would, before the options' Cancel
        bindings.chain.RejectAll();
        EXPECT_STREQ(bindings.fileName.Value.Text, "a.dbf");
        EXPECT_EQ(bindings.fileName.Value.Size, 6u);
        EXPECT_EQ(bindings.maxCount.Value, 12u);
        EXPECT_EQ(bindings.thirdLanguage.Value, 1);
        EXPECT_EQ(bindings.ages.Items, (std::vector<TAge>{{3, 7}}));
        EXPECT_TRUE(bindings.keys.Items.empty());
    }
    EXPECT_EQ(ReadFileBytes(ini.Path), file);
    EXPECT_STREQ(options.FileName.Text, "a.dbf");
}

TEST_F(DialogOptions, ALongTypedFileNameIsStoredUpTo128Characters) {
    WriteFileBytes(ini.Path, "[Database]\r\nFile Name=a.dbf\r\n");
    TOptions options(ini);
    const std::string typed = std::string(120, 'd') + "\\words-with-a-long-name.dbf";
    {
        TOptionBindings chain;
        TOption<character> fileName(chain, options.FileNameEntry);
        ASSERT_TRUE(ReadOptionText(typed, fileName.Value));
        EXPECT_EQ(fileName.Value.Size, 129u);
        chain.AcceptAll();
    }
    EXPECT_EQ(std::string(options.FileName.Text), typed.substr(0, 128));
    EXPECT_EQ(options.FileName.Size, 129u);
    EXPECT_EQ(std::string(TOptions(ini).FileName.Text), typed.substr(0, 128));
}

TEST(DialogOptionText, AnUnsignedTextWithAMinusOrWithoutDigitsLeavesTheCopy) {
    unsigned int value = 7;
    for (const char* text : {"-1", "-0", "+", "+-3", "", "abc", " ", "99999999999"}) {
        EXPECT_FALSE(ReadOptionText(text, value)) << text;
        EXPECT_EQ(value, 7u) << text;
    }
    EXPECT_TRUE(ReadOptionText(" +12", value));
    EXPECT_EQ(value, 12u);
    EXPECT_TRUE(ReadOptionText(" 13abc", value));
    EXPECT_EQ(value, 13u);
    EXPECT_TRUE(ReadOptionText("4294967295", value));
    EXPECT_EQ(value, 4294967295u);
}

TEST(DialogOptionText, ATextFitsWhenItsFirstLineIsNoLongerThanAnEntryStores) {
    EXPECT_TRUE(FitsOptionText(std::string(128, 'x')));
    EXPECT_FALSE(FitsOptionText(std::string(129, 'x')));
    EXPECT_TRUE(FitsOptionText(std::string(128, 'x') + "\r\n" + std::string(50, 'y')));
}

TEST(DialogOptionText, ShownAndReadTextsStopWhereAnEntryStops) {
    character value(std::string(200, 'x').c_str());
    EXPECT_EQ(OptionText(value), std::string(128, 'x'));
    EXPECT_EQ(OptionText(42u), "42");
    ASSERT_TRUE(ReadOptionText(" c:\\a b.dbf\r\nrest", value));
    EXPECT_STREQ(value.Text, " c:\\a b.dbf");
    EXPECT_EQ(value.Size, 12u);
}

TEST(DialogOptionList, InsertBeyondTheEndFillsTheGapAndRemoveBeyondItDoesNothing) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.INI"));
    TOptions options(ini);
    TOptionBindings chain;
    TOptionList<TKeys> keys(chain, options.KeyList, options.KeyEntries);
    const TKeys off{0, 0, 0, 0, 0, 0, 0, 0, 0};
    keys.InsertAt(2, off);
    EXPECT_EQ(keys.Items, (std::vector<TKeys>{TKeys{}, TKeys{}, off}));
    keys.InsertAt(0, keys.Items[2]);
    keys.RemoveAt(4);
    EXPECT_EQ(keys.Items, (std::vector<TKeys>{off, TKeys{}, TKeys{}, off}));
    keys.RemoveAt(1);
    EXPECT_EQ(keys.Items, (std::vector<TKeys>{off, TKeys{}, off}));
}

} // namespace
