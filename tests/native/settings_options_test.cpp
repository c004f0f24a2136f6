#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/options.h"
#include "tests/support/temp_dir.h"

class SettingsOptions : public ::testing::Test {
protected:
    TempDir dir;
    TIniFile ini{dir.File("vocorix.ini")};
};

TEST_F(SettingsOptions, NoFileGivesTheDefaults) {
    TOptions options(ini);
    EXPECT_EQ(options.Transcription, 1);
    EXPECT_EQ(options.PartOfSpeech, 1);
    EXPECT_EQ(options.ThirdLanguage, 1);
    EXPECT_EQ(options.MaxCount, 10u);
    EXPECT_EQ(options.TopLeft, (TPoint{100, 100}));
    EXPECT_STREQ(options.FileName.Text, "");
    EXPECT_EQ(options.AgeList, FirstStartAges()) << "a first start rests what it knows";
    EXPECT_TRUE(options.KeyList.empty());
    EXPECT_EQ(options.KeyList.capacity(), 10u);
    EXPECT_EQ(options.KeysFor(7), TKeys());
    EXPECT_FALSE(ini.Exists()) << "reading the settings writes nothing";
}

TEST_F(SettingsOptions, ReadsEverySettingFromItsKey) {
    WriteFileBytes(ini.Path, "[Database]\r\n"
                             "Transcription=0\r\n"
                             "Part of Speech=0\r\n"
                             "Third Language=1\r\n"
                             "Maximum Count=12\r\n"
                             "TopLeft Point=( 20 , 30 )\r\n"
                             "File Name=C:\\WORDS\\ENGLISH.DBF\r\n"
                             "[Ages]\r\nAges=2\r\nAge0=1:1\r\nAge1=3:7\r\n"
                             "[Keys]\r\nKeys=2\r\nKey0=1,0,0,0,0,0,0,0,0\r\nKey1=0,1\r\n");
    TOptions options(ini);
    EXPECT_EQ(options.Transcription, 0);
    EXPECT_EQ(options.PartOfSpeech, 0);
    EXPECT_EQ(options.ThirdLanguage, 1);
    EXPECT_EQ(options.MaxCount, 12u);
    EXPECT_EQ(options.TopLeft, (TPoint{20, 30}));
    EXPECT_STREQ(options.FileName.Text, "C:\\WORDS\\ENGLISH.DBF");
    EXPECT_EQ(options.FileName.Size, 21u);
    EXPECT_EQ(options.AgeList, (std::vector<TAge>{{1, 1}, {3, 7}}));
    ASSERT_EQ(options.KeyList.size(), 2u);
    EXPECT_EQ(options.KeysFor(0), (TKeys{1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(options.KeysFor(1), (TKeys{0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(options.KeysFor(5), TKeys());
}

// Written with the first setting the program stores, so that the next start rests words too; a
// file without ranges keeps having none.
TEST_F(SettingsOptions, AFirstStartsRangesAreStoredWithItsFirstSetting) {
    EXPECT_EQ(FirstStartAges(),
              (std::vector<TAge>{
                  {1, 1}, {2, 2}, {3, 4}, {4, 8}, {5, 16}, {6, 32}, {7, 64}, {8, 128}, {9, 256}}));
    {
        TOptions first(ini);
        first.FileNameEntry.Write();
        first.StoreFirstStartAges();
    }
    EXPECT_EQ(TOptions(ini).AgeList, FirstStartAges());
    const std::string written = ReadFileBytes(ini.Path);
    EXPECT_NE(written.find("[Ages]\r\nAge0=1:1\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Age8=9:256\r\nAges=9\r\n"), std::string::npos) << written;

    WriteFileBytes(ini.Path, "[Database]\r\nFile Name=words.dbf\r\n");
    TOptions later(ini);
    EXPECT_TRUE(later.AgeList.empty());
    later.StoreFirstStartAges();
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Database]\r\nFile Name=words.dbf\r\n");
}

TEST_F(SettingsOptions, UnreadableSingleSettingsGiveTheirDefaults) {
    WriteFileBytes(ini.Path, "[Database]\r\n"
                             "Transcription=yes\r\n"
                             "Part of Speech=\r\n"
                             "Third Language=-\r\n"
                             "Maximum Count=lots\r\n"
                             "TopLeft Point=nowhere\r\n");
    TOptions options(ini);
    EXPECT_EQ(options.Transcription, 1);
    EXPECT_EQ(options.PartOfSpeech, 1);
    EXPECT_EQ(options.ThirdLanguage, 1);
    EXPECT_EQ(options.MaxCount, 10u);
    EXPECT_EQ(options.TopLeft, (TPoint{100, 100}));
}

TEST_F(SettingsOptions, MaximumCountSetsTheRoomOfTheKeysList) {
    WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=25\r\n");
    TOptions options(ini);
    EXPECT_EQ(options.MaxCount, 25u);
    EXPECT_EQ(options.KeyList.capacity(), 25u);
    EXPECT_TRUE(options.KeyList.empty());
    EXPECT_EQ(options.TopLeft, (TPoint{100, 100}));
}

TEST_F(SettingsOptions, MaximumCountAboveTwoDigitsIsTakenAs99) {
    WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=4000000000\r\n");
    TOptions options(ini);
    EXPECT_EQ(options.MaxCount, 99u);
    EXPECT_EQ(options.KeyList.capacity(), 99u);
}

TEST_F(SettingsOptions, MaximumCountZeroIsAcceptedAndTheKeysListStillGrows) {
    WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=0\r\n");
    TOptions options(ini);
    EXPECT_EQ(options.MaxCount, 0u);
    EXPECT_TRUE(options.KeyEntries.Add(TKeys()));
    EXPECT_EQ(options.KeyList.size(), 1u);
}

TEST_F(SettingsOptions, WrittenSettingsReadBackTheSame) {
    {
        TOptions options(ini);
        options.Transcription = 0;
        options.PartOfSpeech = 1;
        options.ThirdLanguage = 0;
        options.MaxCount = 3;
        options.TopLeft = {-8, 640};
        options.FileName = character("D:\\Lang\\French words.dbf");
        options.TranscriptionEntry.Write();
        options.PartOfSpeechEntry.Write();
        options.ThirdLanguageEntry.Write();
        options.MaxCountEntry.Write();
        options.TopLeftEntry.Write();
        options.FileNameEntry.Write();
        options.AgeEntries.Store(std::vector<TAge>{{1, 1}, {3, 7}, {5, 30}});
        options.KeyEntries.Store(
            std::vector<TKeys>{{1, 0, 0, 0, 0, 0, 0, 0, 0}, TKeys(), {0, 1, 1, 0, 1, 0, 1, 0, 1}});
    }
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Database]\r\n"
                                       "Transcription=0\r\n"
                                       "Part of Speech=1\r\n"
                                       "Third Language=0\r\n"
                                       "Maximum Count=3\r\n"
                                       "TopLeft Point=(-8,640)\r\n"
                                       "File Name=D:\\Lang\\French words.dbf\r\n"
                                       "[Ages]\r\nAge0=1:1\r\nAge1=3:7\r\nAge2=5:30\r\nAges=3\r\n"
                                       "[Keys]\r\n"
                                       "Key0=1,0,0,0,0,0,0,0,0\r\n"
                                       "Key1=1,0,1,1,1,1,1,1,1\r\n"
                                       "Key2=0,1,1,0,1,0,1,0,1\r\n"
                                       "Keys=3\r\n");
    TOptions again(ini);
    EXPECT_EQ(again.Transcription, 0);
    EXPECT_EQ(again.PartOfSpeech, 1);
    EXPECT_EQ(again.ThirdLanguage, 0);
    EXPECT_EQ(again.MaxCount, 3u);
    EXPECT_EQ(again.TopLeft, (TPoint{-8, 640}));
    EXPECT_STREQ(again.FileName.Text, "D:\\Lang\\French words.dbf");
    EXPECT_EQ(again.AgeList, (std::vector<TAge>{{1, 1}, {3, 7}, {5, 30}}));
    EXPECT_EQ(
        again.KeyList,
        (std::vector<TKeys>{{1, 0, 0, 0, 0, 0, 0, 0, 0}, TKeys(), {0, 1, 1, 0, 1, 0, 1, 0, 1}}));
}

TEST_F(SettingsOptions, DestructionWritesNothing) {
    WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=25\r\n");
    {
        TOptions options(ini);
        options.MaxCount = 5;
        options.TopLeft = {1, 1};
    }
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Database]\r\nMaximum Count=25\r\n");
}
