#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile.h"
#include "platform/text_codec.h"
#include "settings/entry.h"
#include "settings/entry_list.h"
#include "settings/settings_messages.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace std::string_literals;

std::string ReadKey(const std::string& file, const char* section, const char* key) {
    char buffer[300];
    ProfileRead(file, section, key, "<absent>", buffer, sizeof buffer);
    return buffer;
}

} // namespace

TEST(SettingsIniFile, ProgramFileGivesIniBesideIt) {
    TIniFile ini = TIniFile::ForProgram("C:\\TUTOR\\PROG.EXE");
    EXPECT_EQ(ini.Path, "C:\\TUTOR\\PROG.INI");
    EXPECT_EQ(ini.Size, ini.Path.size() + 1);
    EXPECT_EQ(TIniFile::ForProgram("/opt/vocorix.exe").Path, "/opt/vocorix.INI");
    EXPECT_EQ(TIniFile::ForProgram("C:\\TUTOR\\PROG.COMX").Path, "C:\\TUTOR\\PROG.CINI")
        << "the replacement is positional";
    EXPECT_EQ(TIniFile::ForProgram("C:\\Иван\\программа.ехе").Path, "C:\\Иван\\программа.INI")
        << "characters, not bytes";
}

TEST(SettingsIniFile, AnswersWhetherTheFileExists) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    EXPECT_FALSE(ini.Exists());
    WriteFileBytes(ini.Path, "");
    EXPECT_TRUE(ini.Exists());
}

TEST(SettingsEntry, AbsentKeyGivesTheDefaultText) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    unsigned count = 0;
    TEntry<unsigned> entry(count, ini, "Database", "Maximum Count", true, "10");
    EXPECT_EQ(count, 10u);
    EXPECT_FALSE(ini.Exists()) << "reading creates nothing";
}

TEST(SettingsEntry, ReadsOnlyWhenAskedTo) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=25\r\n");
    unsigned count = 3;
    TEntry<unsigned> lazy(count, ini, "Database", "Maximum Count", false, "10");
    EXPECT_EQ(count, 3u);
    TEntry<unsigned> eager(count, ini, "Database", "Maximum Count", true, "10");
    EXPECT_EQ(count, 25u);
}

TEST(SettingsEntry, UnreadableTextLeavesTheValueAndTrailingTextIsIgnored) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    WriteFileBytes(ini.Path, "[S]\r\nA=abc\r\nB=12abc\r\n");
    int a = 5;
    int b = 5;
    TEntry<int> entryA(a, ini, "S", "A", true, "1");
    TEntry<int> entryB(b, ini, "S", "B", true, "1");
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 12);
}

TEST(SettingsEntry, WriteCreatesFileSectionAndKey) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    TPoint point{-20, 30};
    TEntry<TPoint> entry(point, ini, "Database", "TopLeft Point", false, "(100,100)");
    entry.Write();
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Database]\r\nTopLeft Point=(-20,30)\r\n");
}

TEST(SettingsEntry, AFailedWriteIsReportedOncePerStartWithTheFilesPath) {
    struct Report : TSaveProblemReport {
        void CannotSave(const std::string& path) override { paths.push_back(path); }
        std::vector<std::string> paths;
    } report;
    TempDir dir;
    // A folder that is not there takes no file, as a protected one takes none.
    TIniFile ini(dir.File("gone") + "/vocorix.INI");
    ini.SetSaveReport(&report);
    TPoint point{20, 30};
    TEntry<TPoint> entry(point, ini, "Database", "TopLeft Point", false, "(100,100)");
    unsigned zoom = 150;
    TEntry<unsigned> zoomEntry(zoom, ini, "Database", "Zoom", false, "100");
    entry.Write();
    zoomEntry.Write();
    entry.Write();
    EXPECT_EQ(report.paths, std::vector<std::string>{ini.Path});
    EXPECT_FALSE(ini.Exists());

    // Writes that succeed report nothing.
    TIniFile good(dir.File("vocorix.INI"));
    good.SetSaveReport(&report);
    TEntry<TPoint> goodEntry(point, good, "Database", "TopLeft Point", false, "(100,100)");
    goodEntry.Write();
    EXPECT_EQ(report.paths.size(), 1u);
    EXPECT_TRUE(good.Exists());
}

TEST(SettingsEntry, TheSaveProblemSaysWhereAndWhatToDo) {
    const std::string text = SettingsNotSavedText("C:\\Program Files\\Vocorix\\vocorix.INI");
    for (const char* part :
         {"cannot save its settings in\r\nC:\\Program Files\\Vocorix\\vocorix.INI\r\n",
          "forgotten when Vocorix ends",
          "Move the Vocorix folder into a folder of your own, such as Documents"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST(SettingsEntry, KeyIsAnOwnedCopy) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    int value = 4;
    char key[] = "Transcription";
    TEntry<int> entry(value, ini, "Database", key, false, "1");
    key[0] = 'X';
    entry.Write();
    EXPECT_EQ(ReadKey(ini.Path, "Database", "Transcription"), "4");
}

TEST(SettingsEntry, TextOf128CharactersRoundTripsWhole) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    const std::string path = "C:\\" + std::string(121, 'w') + ".DBF";
    ASSERT_EQ(path.size(), 128u);
    character name(path.c_str());
    TEntry<character>(name, ini, "Database", "File Name", false, "").Write();
    character back(129);
    TEntry<character> reader(back, ini, "Database", "File Name", true, "");
    EXPECT_EQ(std::string(back.Text), path);
    EXPECT_EQ(back.Size, 129u);
}

TEST(SettingsEntry, LongerTextIsWrittenOnlyAsFarAsItReadsBack) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    const std::string path(200, 'p');
    character name(path.c_str());
    TEntry<character>(name, ini, "Database", "File Name", false, "").Write();
    EXPECT_EQ(ReadKey(ini.Path, "Database", "File Name"), std::string(128, 'p'));
    character broken("first\r\n[Evil]\r\nsecond");
    TEntry<character>(broken, ini, "Database", "File Name", false, "").Write();
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Database]\r\nFile Name=first\r\n")
        << "a line break must not smuggle lines into the file";
}

// A settings file of an English Windows: a table in a Cyrillic folder makes it UTF-16, and the
// limit of 128 counts characters, whatever bytes each takes.
TEST(SettingsEntry, AFileNameOfAnyScriptReadsBackExactly) {
    const TScopedSystemCodePage english(1252);
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    WriteFileBytes(ini.Path, "[Database]\r\nZoom=125\r\n");
    std::string path = "C:\\Иван\\" + std::string(116, 'w') + ".dbf";
    for (const size_t characters : {128u, 129u}) {
        character name(path.c_str());
        TEntry<character>(name, ini, "Database", "File Name", false, "").Write();
        character back(129);
        TEntry<character> reader(back, ini, "Database", "File Name", true, "");
        EXPECT_EQ(std::string(back.Text),
                  characters == 128 ? path : path.substr(0, path.size() - 1))
            << characters;
        path.insert(3, "ы");
    }
    EXPECT_EQ(ReadFileBytes(ini.Path).substr(0, 4), "\xFF\xFE[\0"s);
    EXPECT_EQ(ProfileReadText(ini.Path, "Database", "Zoom", ""), "125");
}

class SettingsEntryList : public ::testing::Test {
protected:
    TempDir dir;
    TIniFile ini{dir.File("vocorix.ini")};
};

TEST_F(SettingsEntryList, AbsentEmptyOrNonNumericCountLoadsNothing) {
    for (const char* count : {"", "Ages=\r\n", "Ages=0\r\n", "Ages=many\r\n"}) {
        WriteFileBytes(ini.Path, std::string("[Ages]\r\n") + count + "Age0=3:7\r\n");
        std::vector<TAge> ages{TAge{1, 1}};
        TEntryList<TAge> list(ages, ini, "Ages", "Age");
        EXPECT_EQ(list.Count(), 0u) << count;
        EXPECT_TRUE(ages.empty()) << count;
    }
}

TEST_F(SettingsEntryList, LoadsOnlyTheCountedKeys) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=2\r\nAge0=3:7\r\nAge1=5:30\r\nAge2=9:9\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    EXPECT_EQ(ages, (std::vector<TAge>{{3, 7}, {5, 30}}));
    EXPECT_EQ(list.Count(), 2u);
}

TEST_F(SettingsEntryList, MissingOrDamagedAgeBecomesZeroZero) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=3\r\nAge0=x\r\nAge2=4\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    EXPECT_EQ(ages, (std::vector<TAge>{{0, 0}, {0, 0}, {4, 0}}));
}

TEST_F(SettingsEntryList, MissingOrShortKeysKeepTheDefault) {
    WriteFileBytes(ini.Path, "[Keys]\r\nKeys=3\r\nKey0=0,1\r\nKey2=1;1;0;0;0;0;0;0;0\r\n");
    std::vector<TKeys> keys;
    TEntryList<TKeys> list(keys, ini, "Keys", "Key");
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], (TKeys{0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(keys[1], TKeys());
    EXPECT_EQ(keys[2], (TKeys{1, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SettingsEntryList, HugeCountLoadsAtMostTheNumberedKeysThereCanBe) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=4000000000\r\nAge999=1:2\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    ASSERT_EQ(list.Count(), 1000u);
    EXPECT_EQ(ages.back(), (TAge{1, 2}));
}

TEST_F(SettingsEntryList, AddWritesItsKeyButNotTheCount) {
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    EXPECT_TRUE(list.Add({3, 7}));
    EXPECT_TRUE(list.Add({5, 30}));
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Ages]\r\nAge0=3:7\r\nAge1=5:30\r\n");
    EXPECT_EQ(ages, (std::vector<TAge>{{3, 7}, {5, 30}}));
}

TEST_F(SettingsEntryList, AddRefusesBeyondIndex999) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=1000\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    ASSERT_EQ(list.Count(), 1000u);
    EXPECT_FALSE(list.Add({2, 2}));
    EXPECT_EQ(list.Count(), 1000u);
    EXPECT_EQ(ages.size(), 1000u);
    EXPECT_EQ(ReadKey(ini.Path, "Ages", "Age1000"), "<absent>");
}

TEST_F(SettingsEntryList, EntriesFollowTheirElementsWhenStorageGrows) {
    std::vector<TKeys> keys;
    TEntryList<TKeys> list(keys, ini, "Keys", "Key");
    for (int i = 0; i < 25; ++i)
        list.Add(TKeys{i, 0, 0, 0, 0, 0, 0, 0, 0});
    // Rewriting everything must write each element's own current value.
    std::vector<TKeys> changed(keys);
    for (auto& k : changed)
        k.WildcardMatches = 7;
    list.Store(changed);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(ReadKey(ini.Path, "Keys", ("Key" + std::to_string(i)).c_str()),
                  std::to_string(i) + ",0,0,0,0,0,0,0,7");
}

TEST_F(SettingsEntryList, DetachRemovesWithoutWriting) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=3\r\nAge0=1:1\r\nAge1=3:7\r\nAge2=5:30\r\n");
    const std::string before = ReadFileBytes(ini.Path);
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    list.Detach(1);
    list.Detach(7);
    EXPECT_EQ(ages, (std::vector<TAge>{{1, 1}, {5, 30}}));
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(ReadFileBytes(ini.Path), before);
}

TEST_F(SettingsEntryList, AfterDetachEveryEntryKeepsTheKeyOfItsPlace) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=3\r\nAge0=1:1\r\nAge1=3:7\r\nAge2=5:30\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    list.Detach(0);
    list.Add({8, 80});
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Ages]\r\nAges=3\r\nAge0=1:1\r\nAge1=3:7\r\nAge2=8:80\r\n");
    list.Store(std::vector<TAge>(ages));
    std::vector<TAge> reloaded;
    TEntryList<TAge> again(reloaded, ini, "Ages", "Age");
    EXPECT_EQ(reloaded, (std::vector<TAge>{{3, 7}, {5, 30}, {8, 80}}));
}

TEST_F(SettingsEntryList, StoreShrinkingLeavesOldKeysThatTheCountHides) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=5\r\nAge0=1:1\r\nAge1=2:2\r\nAge2=3:3\r\n"
                             "Age3=4:4\r\nAge4=5:5\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    list.Store(std::vector<TAge>{{1, 1}, {7, 70}, {9, 90}});
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Ages]\r\nAges=3\r\nAge0=1:1\r\nAge1=7:70\r\nAge2=9:90\r\n"
                                       "Age3=4:4\r\nAge4=5:5\r\n");
    EXPECT_EQ(ages, (std::vector<TAge>{{1, 1}, {7, 70}, {9, 90}}));
    std::vector<TAge> reloaded;
    TEntryList<TAge> again(reloaded, ini, "Ages", "Age");
    EXPECT_EQ(reloaded, ages);
}

TEST_F(SettingsEntryList, StoreGrowingAddsKeysAndWritesTheCountLast) {
    WriteFileBytes(ini.Path, "[Ages]\r\nAges=3\r\nAge0=1:1\r\nAge1=2:2\r\nAge2=3:3\r\n");
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    list.Store(std::vector<TAge>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    EXPECT_EQ(ReadFileBytes(ini.Path), "[Ages]\r\nAges=5\r\nAge0=1:1\r\nAge1=2:2\r\nAge2=3:3\r\n"
                                       "Age3=4:4\r\nAge4=5:5\r\n");
    std::vector<TAge> reloaded;
    TEntryList<TAge> again(reloaded, ini, "Ages", "Age");
    EXPECT_EQ(reloaded, ages);
}

TEST_F(SettingsEntryList, StoreIntoAFreshFileWritesTheCountAfterTheElements) {
    std::vector<TKeys> keys;
    TEntryList<TKeys> list(keys, ini, "Keys", "Key");
    list.Store(std::vector<TKeys>{TKeys(), TKeys{1, 1, 1, 0, 0, 0, 0, 0, 0}});
    EXPECT_EQ(ReadFileBytes(ini.Path),
              "[Keys]\r\nKey0=1,0,1,1,1,1,1,1,1\r\nKey1=1,1,1,0,0,0,0,0,0\r\nKeys=2\r\n");
    list.Store(std::vector<TKeys>{});
    EXPECT_EQ(ReadKey(ini.Path, "Keys", "Keys"), "0");
    EXPECT_TRUE(keys.empty());
}

TEST_F(SettingsEntryList, DestructionWritesNothing) {
    {
        std::vector<TAge> ages;
        TEntryList<TAge> list(ages, ini, "Ages", "Age");
    }
    EXPECT_FALSE(ini.Exists());
}

TEST_F(SettingsEntryList, AddOfAnOwnElementSurvivesTheListGrowing) {
    std::vector<TAge> ages;
    TEntryList<TAge> list(ages, ini, "Ages", "Age");
    for (uint32_t i = 0; i < 10; ++i)
        list.Add({i, i});
    ASSERT_EQ(ages.size(), ages.capacity());
    list.Add(ages[3]);
    EXPECT_EQ(ages.back(), (TAge{3, 3}));
    EXPECT_EQ(ReadKey(ini.Path, "Ages", "Age10"), "3:3");
}
