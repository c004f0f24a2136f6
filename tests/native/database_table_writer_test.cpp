#include <gtest/gtest.h>

#include "database/db_messages.h"
#include "database/table_writer.h"
#include "platform/clock.h"
#include "tests/support/fake_db_screen.h"

// Tables written by the program's own writer, checked against the test builder's bytes and
// read back by the loader from memory.

namespace {

std::string WrittenTable() {
    const std::vector<TTableField> fields = {{"WORD", 'C', 20},   {"PART", 'C', 10},
                                             {"TRANS1", 'C', 20}, {"TRANS2", 'C', 20},
                                             LastChangeField(),   CountField()};
    std::string table = TableHeader(fields, 2, 0, TDate(1, 1, 2024));
    AppendRecord(table, fields, {"house", "noun", "Haus", "maison", "20240105", " 3"});
    AppendRecord(table, fields, {"street", "", "Strasse", "", "", ""});
    AppendEndOfFile(table);
    return table;
}

} // namespace

TEST(TableWriter, WritesWhatTheBuilderWritesAndTheReaderLoadsIt) {
    const std::string written = WrittenTable();
    TableBuilder expected = VocabularyFields(2, 20, {"PART"});
    expected.Record({"house", "noun", "Haus", "maison", "20240105", " 3"});
    expected.Record({"street", "", "Strasse"});
    EXPECT_EQ(written, expected.Bytes());

    ScopedClocks clocks;
    SetTodayClock([] { return LocalDate{9, 5, 2024}; });
    TableScene scene;
    scene.Put(written);
    std::string bytes = written;
    auto reader =
        scene.Open([&bytes](const char*) { return std::make_unique<TMemoryTableFile>(bytes); });
    ASSERT_TRUE(reader->IsLoaded()) << scene.screen.problems.front();
    EXPECT_EQ(reader->TranslationCount(), 2u);
    EXPECT_TRUE(scene.options->PartOfSpeech);
    EXPECT_EQ(reader->EligibleCount(), 2u);

    // An answer in memory changes that record's statistics and nothing else.
    ASSERT_TRUE(reader->Pick());
    reader->Update(true);
    const uint64_t statistics =
        expected.RecordOffset(static_cast<uint32_t>(reader->CurrentIndex())) +
        expected.RecordBytes() - 10;
    std::string answered = written;
    answered.replace(statistics, 10, reader->CurrentIndex() == 0 ? "20240509 4" : "20240509 1");
    EXPECT_EQ(bytes, answered);
}

TEST(TableWriter, AReadOnlyTableInMemoryIsDrilledWithoutRecordingAndKeepsItsBytes) {
    ScopedClocks clocks;
    const std::string written = WrittenTable();
    TableScene scene;
    scene.Put(written);
    scene.screen.readOnlyChoice = TReadOnlyChoice::WithoutRecording;
    auto reader =
        scene.Open([&written](const char*) { return std::make_unique<TMemoryTableFile>(written); });
    ASSERT_TRUE(reader->IsLoaded());
    EXPECT_EQ(scene.screen.readOnlyTexts.size(), 1u);
    ASSERT_TRUE(reader->Pick());
    reader->Update(true);
    EXPECT_TRUE(scene.screen.problems.empty());
    EXPECT_EQ(reader->Count(), reader->CurrentIndex() == 0 ? 3u : 0u) << "nothing counted";
    EXPECT_EQ(written, WrittenTable());
}
