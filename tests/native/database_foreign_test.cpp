#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "database/db_messages.h"
#include "platform/clock.h"
#include "tests/support/data_file.h"
#include "tests/support/fake_db_screen.h"
#include "tests/support/table_tool_run.h"
#include "tests/support/temp_dir.h"

// Tables written by shapelib and python3-dbf (tests/data/make_tables.sh): they load, a drill
// changes nothing but the statistics of the answered records, and the other tools still read
// the result.

namespace {

uint32_t Little16(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

#ifndef _WIN32
std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Run(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char chunk[512];
    size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        output.append(chunk, read);
    pclose(pipe);
    return output;
}

// Record index -> {LASTCHANGE, COUNT} as python3-dbf reads them (read_table.py).
std::map<int, std::pair<std::string, std::string>> ReadWithPythonDbf(const std::string& path) {
    std::map<int, std::pair<std::string, std::string>> records;
    std::istringstream lines(
        Run("/usr/bin/python3 " + DataFile("read_table.py") + " '" + path + "'"));
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> parts;
        std::istringstream fields(line);
        std::string part;
        while (std::getline(fields, part, '|'))
            parts.push_back(part);
        parts.resize(5);
        records[std::stoi(parts[0])] = {parts[3], parts[4]};
    }
    return records;
}

// The words of the live records as python3-dbf reads them in its code page `codePage`.
std::vector<std::string> ReadWordsWithPythonDbf(const std::string& path,
                                                const std::string& codePage) {
    std::vector<std::string> words;
    std::istringstream lines(
        Run("/usr/bin/python3 " + DataFile("read_table.py") + " '" + path + "' " + codePage));
    std::string line;
    while (std::getline(lines, line)) {
        // index|deleted|WORD|...
        const size_t word = line.find('|', line.find('|') + 1) + 1;
        words.push_back(line.substr(word, line.find('|', word) - word));
    }
    return words;
}

// Record index -> {LASTCHANGE, COUNT} as shapelib's dbfdump shows them raw.
std::map<int, std::pair<std::string, std::string>> ReadWithDbfdump(const std::string& path) {
    std::map<int, std::pair<std::string, std::string>> records;
    std::istringstream lines(Run("dbfdump -m -r '" + path + "'"));
    std::string line;
    int record = -1;
    while (std::getline(lines, line)) {
        if (line.rfind("Record: ", 0) == 0)
            record = std::stoi(line.substr(8));
        else if (line.rfind("LASTCHANGE:", 0) == 0)
            records[record].first = Trim(line.substr(11));
        else if (line.rfind("COUNT:", 0) == 0)
            records[record].second = Trim(line.substr(6));
    }
    return records;
}
#endif

struct ForeignTable {
    const char* file;
    uint32_t translations;
    int part, transcription, thirdLanguage;
    uint32_t eligible;
};

class ForeignTables : public ::testing::TestWithParam<ForeignTable> {
protected:
    ForeignTables() {
        SetTodayClock([] { return LocalDate{9, 5, 2024}; });
        SetSecondClock([this] { return seconds++; });
    }
    ScopedClocks clocks;
    int64_t seconds = 300;
    TableScene scene;
};

} // namespace

TEST_P(ForeignTables, LoadAndDrillChangeOnlyTheAnsweredStatistics) {
    const ForeignTable& param = GetParam();
    const std::string original = ReadFileBytes(DataFile(param.file));
    ASSERT_GT(original.size(), 32u) << "missing " << DataFile(param.file);
    scene.Put(original);
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded()) << param.file;
    EXPECT_TRUE(scene.screen.problems.empty());
    EXPECT_EQ(reader->TranslationCount(), param.translations);
    EXPECT_EQ(scene.options->PartOfSpeech, param.part);
    EXPECT_EQ(scene.options->Transcription, param.transcription);
    EXPECT_EQ(scene.options->ThirdLanguage, param.thirdLanguage);
    EXPECT_EQ(reader->EligibleCount(), param.eligible);

    // The expected statistics bytes, from the file's own header, not from the reader.
    const uint32_t headerLength = Little16(original, 8);
    const uint32_t recordLength = Little16(original, 10);
    const auto statisticsAt = [&](int64_t index) {
        return headerLength + static_cast<uint64_t>(index) * recordLength + recordLength - 10;
    };
    std::map<int64_t, std::string> answered;
    for (int question = 0; question < 12 && reader->EligibleCount() > 0; ++question) {
        ASSERT_TRUE(reader->Pick());
        const int64_t index = reader->CurrentIndex();
        if (!answered.count(index))
            answered[index] = original.substr(statisticsAt(index), 10);
        const bool right = question % 3 != 2;
        char count[3];
        std::snprintf(count, sizeof count, "%2u", reader->Count() + 1);
        const std::string newCount = right                  ? count
                                     : reader->Count() != 0 ? " 0"
                                                            : answered[index].substr(8, 2);
        reader->Update(right);
        answered[index] = "20240509" + newCount;
    }
    EXPECT_TRUE(scene.screen.problems.empty());

    std::string expected = original;
    for (const auto& [index, statistics] : answered)
        expected.replace(statisticsAt(index), 10, statistics);
    EXPECT_EQ(ReadFileBytes(scene.tablePath), expected) << param.file;

#ifndef _WIN32
    const auto python = ReadWithPythonDbf(scene.tablePath);
    const auto shapelib = ReadWithDbfdump(scene.tablePath);
    ASSERT_FALSE(python.empty()) << "python3-dbf could not read " << param.file;
    ASSERT_FALSE(shapelib.empty()) << "dbfdump could not read " << param.file;
    for (const auto& [index, statistics] : answered) {
        const std::string count = Trim(statistics.substr(8));
        EXPECT_EQ(python.at(static_cast<int>(index)).first, "20240509") << "record " << index;
        EXPECT_EQ(python.at(static_cast<int>(index)).second, count == "**" ? "" : count)
            << "record " << index;
        EXPECT_EQ(shapelib.at(static_cast<int>(index)).first, "20240509") << "record " << index;
        EXPECT_EQ(shapelib.at(static_cast<int>(index)).second, count) << "record " << index;
    }
#endif
}

INSTANTIATE_TEST_SUITE_P(Writers, ForeignTables,
                         ::testing::Values(ForeignTable{"shapelib_plain.dbf", 2, 0, 0, 0, 7},
                                           ForeignTable{"shapelib_optional.dbf", 1, 1, 1, 1, 4},
                                           ForeignTable{"pydbf_plain.dbf", 1, 0, 0, 0, 5},
                                           ForeignTable{"pydbf_transcript.dbf", 3, 0, 1, 0, 3},
                                           ForeignTable{"pydbf_utf8.dbf", 1, 0, 0, 0, 6}),
                         [](const ::testing::TestParamInfo<ForeignTable>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(ForeignTableChecks, ThreeDigitCountIsRefused) {
    TableScene scene;
    scene.Put(ReadFileBytes(DataFile("pydbf_wide_count.dbf")));
    EXPECT_FALSE(scene.Open()->IsLoaded());
    EXPECT_EQ(scene.screen.problems, std::vector<std::string>{SizeOrHeaderText});
}

TEST(ForeignTableChecks, WordListOfAShapelibTable) {
    TableScene scene;
    scene.Put(ReadFileBytes(DataFile("shapelib_plain.dbf")));
    auto reader = scene.Open();
    ASSERT_TRUE(reader->IsLoaded());
    std::vector<std::string> words;
    for (uint32_t i = 0; i < reader->Words().Count(); ++i)
        words.emplace_back(reader->Words().Item(i));
    EXPECT_EQ(words,
              (std::vector<std::string>{"Haus", "maison", "Baum", "arbre", "Hund", "chien", "Katze",
                                        "Buch", "livre", "Wasser", "eau", "Brot", "pain"}));
}

#ifndef _WIN32
// The other way round: a table that vocorix-table makes in UTF-8 is read by python3-dbf told
// that its texts are UTF-8 (the mark is for shapefile tools; python3-dbf is told by its caller).
TEST(ForeignTableChecks, PythonDbfReadsTheWordsOfAUtf8TableVocorixTableMade) {
    TempDir dir;
    const std::string list = dir.File("words.csv");
    WriteFileBytes(list, "word,English\n犬,dog\n猫,cat\n水,water\nしごと,work\n"
                         "ありがとう,thank you\n東京,Tokyo\n");
    const std::string table = dir.File("words.dbf");
    ASSERT_EQ(RunTool({"new", list, table}).status, 0);
    EXPECT_EQ(ReadWordsWithPythonDbf(table, "utf8"),
              (std::vector<std::string>{"犬", "猫", "水", "しごと", "ありがとう", "東京"}));
}
#endif
