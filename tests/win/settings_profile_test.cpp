// The settings file as the real Windows profile functions see it: what our settings write must
// read back through GetPrivateProfileStringA with the same values, and a file the real
// WritePrivateProfileStringA made must load into the settings unchanged.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/options.h"
#include "settings/text_form.h"
#include "tests/support/temp_dir.h"

namespace {

std::string Real(const std::string& file, const char* section, const char* key) {
    char buffer[300];
    GetPrivateProfileStringA(section, key, "<absent>", buffer, sizeof buffer, file.c_str());
    return buffer;
}

template <class T> T Parsed(const std::string& text, T start) {
    std::istringstream in(text);
    ReadValue(in, start);
    return start;
}

const std::vector<TAge> Ages{{1, 1}, {3, 7}, {5, 30}, {12, 365}};
const std::vector<TKeys> Keys{{1, 0, 0, 0, 0, 0, 0, 0, 0}, TKeys(), {0, 1, 1, 0, 1, 0, 1, 0, 1}};

} // namespace

TEST(SettingsProfileTest, WhatTheSettingsWriteReadsBackThroughTheRealProfileFunctions) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    const std::string fileName = "C:\\Lang\\" + std::string(110, 'f') + ".dbf";
    {
        TOptions options(ini);
        options.Transcription = 0;
        options.PartOfSpeech = 1;
        options.ThirdLanguage = 0;
        options.MaxCount = 42;
        options.TopLeft = {-8, 640};
        options.FileName = character(fileName.c_str());
        options.TranscriptionEntry.Write();
        options.PartOfSpeechEntry.Write();
        options.ThirdLanguageEntry.Write();
        options.MaxCountEntry.Write();
        options.TopLeftEntry.Write();
        options.FileNameEntry.Write();
        // Grow past what was there, then shrink, so stale numbered keys stand in the file.
        options.AgeEntries.Store(std::vector<TAge>(6, TAge{9, 9}));
        options.AgeEntries.Store(Ages);
        options.KeyEntries.Store(Keys);
    }
    const std::string& f = ini.Path;
    EXPECT_EQ(Real(f, "Database", "Transcription"), "0");
    EXPECT_EQ(Real(f, "Database", "Part of Speech"), "1");
    EXPECT_EQ(Real(f, "Database", "Third Language"), "0");
    EXPECT_EQ(Real(f, "Database", "Maximum Count"), "42");
    EXPECT_EQ(Real(f, "Database", "TopLeft Point"), "(-8,640)");
    EXPECT_EQ(Real(f, "Database", "File Name"), fileName);
    EXPECT_EQ(Real(f, "Ages", "Ages"), "4");
    EXPECT_EQ(Real(f, "Ages", "Age5"), "9:9");
    EXPECT_EQ(Real(f, "Keys", "Keys"), "3");

    EXPECT_EQ(Parsed(Real(f, "Database", "TopLeft Point"), TPoint{}), (TPoint{-8, 640}));
    const uint32_t ageCount = Parsed(Real(f, "Ages", "Ages"), 0u);
    ASSERT_EQ(ageCount, Ages.size());
    for (uint32_t i = 0; i < ageCount; ++i) {
        const std::string key = "Age" + std::to_string(i);
        EXPECT_EQ(Parsed(Real(f, "Ages", key.c_str()), TAge{}), Ages[i]) << key;
    }
    const uint32_t keyCount = Parsed(Real(f, "Keys", "Keys"), 0u);
    ASSERT_EQ(keyCount, Keys.size());
    for (uint32_t i = 0; i < keyCount; ++i) {
        const std::string key = "Key" + std::to_string(i);
        EXPECT_EQ(Parsed(Real(f, "Keys", key.c_str()), TKeys()), Keys[i]) << key;
    }
}

TEST(SettingsProfileTest, FileWrittenByTheRealProfileFunctionsLoads) {
    TempDir dir;
    TIniFile ini(dir.File("vocorix.ini"));
    const char* f = ini.Path.c_str();
    WritePrivateProfileStringA("Database", "Transcription", "0", f);
    WritePrivateProfileStringA("Database", "Maximum Count", "25", f);
    WritePrivateProfileStringA("Database", "TopLeft Point", "( 20 , 30 )", f);
    WritePrivateProfileStringA("Database", "File Name", "C:\\WORDS\\ENGLISH.DBF", f);
    WritePrivateProfileStringA("Ages", "Ages", "2", f);
    WritePrivateProfileStringA("Ages", "Age0", "3-7", f);
    WritePrivateProfileStringA("Ages", "Age1", "5:30", f);
    WritePrivateProfileStringA("Keys", "Keys", "1", f);
    WritePrivateProfileStringA("Keys", "Key0", "0,1", f);

    TOptions options(ini);
    EXPECT_EQ(options.Transcription, 0);
    EXPECT_EQ(options.PartOfSpeech, 1);
    EXPECT_EQ(options.MaxCount, 25u);
    EXPECT_EQ(options.KeyList.capacity(), 25u);
    EXPECT_EQ(options.TopLeft, (TPoint{20, 30}));
    EXPECT_STREQ(options.FileName.Text, "C:\\WORDS\\ENGLISH.DBF");
    EXPECT_EQ(options.AgeList, (std::vector<TAge>{{3, 7}, {5, 30}}));
    EXPECT_EQ(options.KeysFor(0), (TKeys{0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(options.KeysFor(1), TKeys());
}
