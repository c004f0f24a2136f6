#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "database/table_file.h"
#include "platform/file.h"
#include "tests/support/temp_dir.h"

// A table's records may lie past 4 GiB, where a 32-bit file position would wrap and reach the
// wrong bytes. The file is sparse: only the bytes written take room.
TEST(TableFile, PositionsPastFourGibibytesAreReadWrittenAndMeasured) {
    TempDir dir;
    const std::string path = dir.File("large.dbf");
    WriteFileBytes(path, "head");
    auto file = OpenTableFile(path.c_str());
    ASSERT_NE(file, nullptr);
    const uint64_t far = (uint64_t{5} << 30) + 3;
    ASSERT_TRUE(file->WriteAt(far, "tail", 4));
    EXPECT_EQ(file->Length(), far + 4);

    char bytes[4] = {};
    ASSERT_EQ(file->ReadAt(far, bytes, 4), 4u);
    EXPECT_EQ(std::string(bytes, 4), "tail");
    // Where the far write would have landed had its position been cut to 32 bits.
    ASSERT_EQ(file->ReadAt(far - (uint64_t{4} << 30), bytes, 4), 4u);
    EXPECT_EQ(std::string(bytes, 4), std::string(4, '\0'));
    ASSERT_EQ(file->ReadAt(0, bytes, 4), 4u);
    EXPECT_EQ(std::string(bytes, 4), "head");
}

// A table that may be read but not written opens for reading: the reader can say it is
// read-only, where a failed open would only say that it cannot be opened.
TEST(TableFile, ATableMarkedReadOnlyOpensForReadingOnly) {
    TempDir dir;
    const std::string path = dir.File("lesson.dbf");
    WriteFileBytes(path, "table");
    EXPECT_TRUE(OpenTableFile(path.c_str())->IsWritable());
    {
        const ReadOnlyFile readOnly(path);
        if (std::FILE* probe = OpenFile(path, "r+b")) {
            std::fclose(probe);
            GTEST_SKIP()
                << "a file marked read-only is written to all the same here (Wine as root)";
        }
        auto file = OpenTableFile(path.c_str());
        ASSERT_NE(file, nullptr);
        EXPECT_FALSE(file->IsWritable());
        char bytes[5] = {};
        EXPECT_EQ(file->ReadAt(0, bytes, 5), 5u);
        EXPECT_FALSE(file->WriteAt(0, "T", 1));
    }
    EXPECT_EQ(ReadFileBytes(path), "table");
    EXPECT_EQ(OpenTableFile(dir.File("absent.dbf").c_str()), nullptr);
}
