#include <windows.h>

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "tests/support/temp_dir.h"

TEST(ProfileConformanceTest, MissingFileGivesTheDefaultLikeWindows) {
    TempDir dir;
    const std::string file = dir.File("missing.ini");
    char ours[64];
    char theirs[64];
    uint32_t ourLength = ProfileRead(file, "Database", "File Name", "fallback  ", ours, 64);
    DWORD theirLength =
        GetPrivateProfileStringA("Database", "File Name", "fallback  ", theirs, 64, file.c_str());
    EXPECT_EQ(ourLength, theirLength);
    EXPECT_STREQ(ours, theirs);
}
