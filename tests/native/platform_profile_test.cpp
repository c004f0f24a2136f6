#include <gtest/gtest.h>

#include <string>

#include "platform/profile.h"
#include "platform/text_codec.h"
#include "tests/support/temp_dir.h"
#include "tests/support/utf16_bytes.h"

namespace {

std::string Read(const std::string& file, const char* section, const char* key,
                 const char* fallback = "none", uint32_t size = 129) {
    std::string buffer(size, '\x7f');
    uint32_t length = ProfileRead(file, section, key, fallback, buffer.data(), size);
    std::string result(buffer.c_str());
    EXPECT_EQ(length, result.size()) << section << "/" << key;
    return result;
}

class ProfileTest : public testing::Test {
protected:
    void Given(const std::string& bytes) { WriteFileBytes(file, bytes); }
    std::string Bytes() const { return ReadFileBytes(file); }

    TempDir dir;
    std::string file = dir.File("test.ini");
};

} // namespace

TEST_F(ProfileTest, ReadingFindsKeysWhateverTheCaseAndBlanks) {
    Given("[Database]\r\n  File Name  =  C:\\WORDS.DBF  \r\n[ Ages ]\r\nages=2\r\n");
    EXPECT_EQ(Read(file, "database", "FILE NAME"), "C:\\WORDS.DBF");
    EXPECT_EQ(Read(file, " Database ", " File Name "), "C:\\WORDS.DBF");
    EXPECT_EQ(Read(file, "AGES", "Ages"), "2");
    EXPECT_EQ(Read(file, "Database", "Ages"), "none") << "key of another section";
    EXPECT_EQ(Read(file, "Keys", "Keys"), "none") << "absent section";
}

TEST_F(ProfileTest, LineShapesReadAsWindowsReadsThem) {
    Given("k0=before any section\n"
          "[s]\n"
          "a=b=c\n"
          "bare\n"
          "empty=\n"
          ";c=commented\n"
          "#h=hash is no comment\n"
          "q1=\"quoted\"\n"
          "q2='x'\n"
          "q3=\"\n"
          "q4=\"mixed'\n"
          "[t]b]junk\n"
          "k=in t]b\n"
          "[open\n"
          "k2=after open\n");
    EXPECT_EQ(Read(file, "s", "k0"), "none");
    EXPECT_EQ(Read(file, "s", "a"), "b=c");
    EXPECT_EQ(Read(file, "s", "bare"), "none") << "a key without = gives the default";
    EXPECT_EQ(Read(file, "s", "empty"), "");
    EXPECT_EQ(Read(file, "s", ";c"), "none");
    EXPECT_EQ(Read(file, "s", "#h"), "hash is no comment");
    EXPECT_EQ(Read(file, "s", "q1"), "quoted");
    EXPECT_EQ(Read(file, "s", "q2"), "x");
    EXPECT_EQ(Read(file, "s", "q3"), "\"") << "a lone quote stays";
    EXPECT_EQ(Read(file, "s", "q4"), "\"mixed'");
    EXPECT_EQ(Read(file, "t]b", "k"), "in t]b") << "the name runs to the last ]";
    EXPECT_EQ(Read(file, "t]b", "k2"), "after open") << "[open is an ordinary line";
}

TEST_F(ProfileTest, LineEndsAndEndOfFileMarks) {
    Given("[s]\ra=1\rb=2");
    EXPECT_EQ(Read(file, "s", "a"), "1");
    EXPECT_EQ(Read(file, "s", "b"), "2");
    Given("[s]\r\na=1\r\n\x1a");
    EXPECT_EQ(Read(file, "s", "a"), "1");
    Given("[s]\na=1 \x1a");
    EXPECT_EQ(Read(file, "s", "a"), "1");
}

TEST_F(ProfileTest, FirstOfDuplicatesWins) {
    Given("[s]\na=1\na=2\n[S]\na=3\nb=4\n");
    EXPECT_EQ(Read(file, "s", "a"), "1");
    EXPECT_EQ(Read(file, "s", "b"), "none") << "the second section is not read";
    ASSERT_TRUE(ProfileWrite(file, "s", "a", "9"));
    EXPECT_EQ(Bytes(), "[s]\na=9\na=2\n[S]\na=3\nb=4\n");
}

TEST_F(ProfileTest, BuffersCutLongValuesAndDefaultsLoseTrailingBlanks) {
    Given("[s]\na=abcdef\n");
    EXPECT_EQ(Read(file, "s", "a", "x", 1), "");
    EXPECT_EQ(Read(file, "s", "a", "x", 6), "abcde");
    EXPECT_EQ(Read(file, "s", "a", "x", 7), "abcdef");
    EXPECT_EQ(Read(file, "s", "zz", " dflt \t "), " dflt");
    EXPECT_EQ(Read(dir.File("missing.ini"), "s", "a", "gone"), "gone");
    char one = 'x';
    EXPECT_EQ(ProfileRead(file, "s", "a", "", &one, 1), 0u);
    EXPECT_EQ(one, '\0');
}

TEST_F(ProfileTest, WritingCreatesFileSectionAndKey) {
    ASSERT_TRUE(ProfileWrite(file, "Database", "File Name", "W.DBF"));
    EXPECT_EQ(Bytes(), "[Database]\r\nFile Name=W.DBF\r\n");
    ASSERT_TRUE(ProfileWrite(file, "Database", "Maximum Count", "10"));
    ASSERT_TRUE(ProfileWrite(file, "Ages", "Ages", "0"));
    EXPECT_EQ(Bytes(), "[Database]\r\nFile Name=W.DBF\r\nMaximum Count=10\r\n"
                       "[Ages]\r\nAges=0\r\n");
    EXPECT_EQ(Read(file, "database", "maximum count"), "10");
}

TEST_F(ProfileTest, WritingChangesOnlyItsOwnLine) {
    Given("; settings\n\n[a]\nx = 1\n\ny=2\n\n[b]\nz=3");
    ASSERT_TRUE(ProfileWrite(file, "A", "X", "5"));
    EXPECT_EQ(Bytes(), "; settings\n\n[a]\nx=5\n\ny=2\n\n[b]\nz=3");
    ASSERT_TRUE(ProfileWrite(file, "a", "new", "n"));
    EXPECT_EQ(Bytes(), "; settings\n\n[a]\nx=5\n\ny=2\nnew=n\r\n\n[b]\nz=3")
        << "new key ends its section";
    ASSERT_TRUE(ProfileWrite(file, "b", "w", "4"));
    EXPECT_EQ(Bytes(), "; settings\n\n[a]\nx=5\n\ny=2\nnew=n\r\n\n[b]\nz=3\r\nw=4\r\n")
        << "the last line gets a line end before the new key";
    ASSERT_TRUE(ProfileWrite(file, "c", "v", ""));
    EXPECT_EQ(Read(file, "c", "v"), "");
}

TEST_F(ProfileTest, WritingTheSameValueLeavesTheFileAlone) {
    Given("[s]\r\nk =  same \r\n");
    ASSERT_TRUE(ProfileWrite(file, "s", "k", "same"));
    EXPECT_EQ(Bytes(), "[s]\r\nk =  same \r\n");
}

TEST_F(ProfileTest, WritingIntoAMissingFolderFailsAndCreatesNothing) {
    const std::string inMissing = dir.File("no-such-folder/test.ini");
    EXPECT_FALSE(ProfileWrite(inMissing, "s", "k", "v"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "no-such-folder"));
}

TEST_F(ProfileTest, WritingLeavesNoTemporaryFileBehind) {
    ASSERT_TRUE(ProfileWrite(file, "s", "k", "v"));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(ProfileTest, AValueEndsAtANulByte) {
    Given(std::string("[S]\r\nk=ab \0cd\r\nq=\"x\0\"\r\n", 22));
    EXPECT_EQ(Read(file, "S", "k"), "ab");
    EXPECT_EQ(Read(file, "S", "q"), "\"x");
    // The bytes the fuzz target found: the length given must be the text's (Read checks).
    Given(std::string("[]|\n\n\n\n\n\n=\x01\x01\0\xe2!", 15));
    EXPECT_EQ(Read(file, "", ""), "\x01\x01");
}

// The settings file of an English Windows (code page 1252): byte for byte as Windows keeps it
// while every value fits that page; a value that does not turns it into UTF-16, as Windows keeps
// a Unicode one, and every other text reads back as it was.
TEST_F(ProfileTest, TextsThatTheAnsiCodePageLacksTurnTheFileIntoUtf16) {
    const TScopedSystemCodePage english(1252);
    Given("; J\xFCrgen's words\r\n[Database]\r\nFile Name=C:\\W\xF6rter\\a.dbf\r\n");
    EXPECT_EQ(ProfileReadText(file, "Database", "File Name", ""), "C:\\Wörter\\a.dbf");
    ASSERT_TRUE(ProfileWriteText(file, "Database", "File Name", "C:\\Jürgen\\b.dbf"));
    EXPECT_EQ(Bytes(), "; J\xFCrgen's words\r\n[Database]\r\nFile Name=C:\\J\xFCrgen\\b.dbf\r\n");

    ASSERT_TRUE(ProfileWriteText(file, "Database", "File Name", "C:\\Слова – Wörter\\c.dbf"));
    EXPECT_EQ(
        Bytes(),
        Utf16Bytes("; Jürgen's words\r\n[Database]\r\nFile Name=C:\\Слова – Wörter\\c.dbf\r\n",
                   false));
    EXPECT_EQ(ProfileReadText(file, "Database", "File Name", ""), "C:\\Слова – Wörter\\c.dbf");
    ASSERT_TRUE(ProfileWriteText(file, "Ages", "Age0", "3:7"));
    EXPECT_EQ(Bytes(),
              Utf16Bytes("; Jürgen's words\r\n[Database]\r\nFile Name=C:\\Слова – Wörter\\c.dbf\r\n"
                         "[Ages]\r\nAge0=3:7\r\n",
                         false))
        << "UTF-16 it stays";
    EXPECT_EQ(ProfileReadText(file, "Ages", "Ages", "0 "), "0");
}

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

// A file that is there but cannot be read (no read permission) is not replaced by one that
// holds only the written key.
TEST_F(ProfileTest, WritingIntoAFileThatCannotBeReadFailsAndChangesNothing) {
    Given("[Database]\r\nFile Name=C:\\WORDS.DBF\r\n");
    ASSERT_EQ(chmod(file.c_str(), 0), 0);
    const uid_t user = geteuid();
    // Root reads anything: the write is tried as an ordinary user, in a folder open to it.
    if (user == 0) {
        ASSERT_EQ(chmod(dir.File("").c_str(), 0777), 0);
        ASSERT_EQ(seteuid(65534), 0);
    }
    const bool written = ProfileWrite(file, "Database", "Maximum Count", "5");
    if (user == 0) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(written);
    ASSERT_EQ(chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(Bytes(), "[Database]\r\nFile Name=C:\\WORDS.DBF\r\n");
}
#endif
