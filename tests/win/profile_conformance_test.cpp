// Our profile functions against the real GetPrivateProfileStringA/WritePrivateProfileStringA:
// the same reads on copies of the same files must give the same results. Writes are compared by
// what the real reader then finds; where Wine's writer differs from Windows in the bytes it
// leaves (it regenerates the whole file), the test says so and holds ours to the Windows rule.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile.h"
#include "platform/text_codec.h"
#include "tests/support/temp_dir.h"

namespace {

struct Probe {
    const char* section;
    const char* key;
    const char* fallback;
    uint32_t size;
};

struct Answer {
    std::string text;
    uint32_t length;
};

Answer Ours(const std::string& file, const Probe& p) {
    std::string buffer(p.size + 1, '\x7f');
    uint32_t length = ProfileRead(file, p.section, p.key, p.fallback, buffer.data(), p.size);
    return {p.size ? std::string(buffer.c_str()) : std::string(), length};
}

Answer Theirs(const std::string& file, const Probe& p) {
    std::string buffer(p.size + 1, '\x7f');
    DWORD length =
        GetPrivateProfileStringA(p.section, p.key, p.fallback, buffer.data(), p.size, file.c_str());
    return {p.size ? std::string(buffer.c_str()) : std::string(), static_cast<uint32_t>(length)};
}

void ExpectSameReads(const std::string& ours, const std::string& theirs,
                     const std::vector<Probe>& probes, const std::string& what) {
    for (const Probe& p : probes) {
        Answer a = Ours(ours, p);
        Answer b = Theirs(theirs, p);
        EXPECT_EQ(a.text, b.text) << what << ": [" << p.section << "] " << p.key << " size "
                                  << p.size;
        EXPECT_EQ(a.length, b.length)
            << what << ": [" << p.section << "] " << p.key << " size " << p.size;
    }
}

class ProfileConformanceTest : public testing::Test {
protected:
    void ExpectSameReadsOf(const std::string& bytes, const std::vector<Probe>& probes) {
        const std::string file = dir.File("read.ini");
        WriteFileBytes(file, bytes);
        ExpectSameReads(file, file, probes, "file " + testing::PrintToString(bytes));
        EXPECT_EQ(ReadFileBytes(file), bytes) << "reading changed the file";
    }

    TempDir dir;
};

} // namespace

TEST_F(ProfileConformanceTest, PresentAbsentAndLetterCase) {
    ExpectSameReadsOf("[Database]\r\nFile Name=C:\\DATA\\WORDS.DBF\r\nMaximum Count=10\r\n",
                      {{"Database", "File Name", "", 129},
                       {"DATABASE", "file name", "", 129},
                       {"dAtAbAsE", "MAXIMUM COUNT", "7", 129},
                       {"Database", "Absent", "default", 129},
                       {"Absent", "File Name", "default", 129},
                       {"Database", "Absent", "trailing blanks   ", 129}});
}

TEST_F(ProfileConformanceTest, BlanksAroundNamesEqualsAndValues) {
    ExpectSameReadsOf(
        "  [ Sec ]  \r\n  key one  =  value one  \r\n\tk2\t=\tv2\t\r\n",
        {{"Sec", "key one", "", 129}, {"sec", "k2", "", 129}, {" Sec ", " key one ", "", 129}});
}

TEST_F(ProfileConformanceTest, QuotesCommentsAndOddLines) {
    ExpectSameReadsOf("[s]\r\n"
                      "q1=\"double\"\r\n"
                      "q2='single'\r\n"
                      "q3=\"\r\n"
                      "q4=\"mixed'\r\n"
                      ";c=comment\r\n"
                      "#h=hash\r\n"
                      "bare\r\n"
                      "=v\r\n"
                      "a=b=c\r\n"
                      "empty=\r\n",
                      {{"s", "q1", "d", 129},
                       {"s", "q2", "d", 129},
                       {"s", "q3", "d", 129},
                       {"s", "q4", "d", 129},
                       {"s", "c", "d", 129},
                       {"s", "#h", "d", 129},
                       {"s", "bare", "d", 129},
                       {"s", "a", "d", 129},
                       {"s", "empty", "d", 129}});
}

TEST_F(ProfileConformanceTest, SectionHeadersAndKeysOutsideSections) {
    ExpectSameReadsOf("early=1\r\n[a]b]junk\r\nk=1\r\n[open\r\nk2=2\r\n[c]\r\nk=3\r\n",
                      {{"a]b", "k", "d", 129},
                       {"a]b", "k2", "d", 129},
                       {"a", "k", "d", 129},
                       {"c", "k", "d", 129}});
}

TEST_F(ProfileConformanceTest, CommentsAndKeysBeforeAnySectionWhereWineDiffers) {
    // Wine keeps a ";" line as a key and files keys before the first header under an empty
    // section name; Windows reaches neither. Ours follows Windows.
    const std::string file = dir.File("wine.ini");
    WriteFileBytes(file, "early=1\r\n[s]\r\n;c=comment\r\n");
    char buffer[16];
    EXPECT_EQ(ProfileRead(file, "s", ";c", "d", buffer, sizeof buffer), 1u);
    EXPECT_STREQ(buffer, "d");
    EXPECT_EQ(ProfileRead(file, "", "early", "d", buffer, sizeof buffer), 1u);
    EXPECT_STREQ(buffer, "d");
}

TEST_F(ProfileConformanceTest, DuplicateKeysAndSections) {
    ExpectSameReadsOf("[s]\r\nk=first\r\nk=second\r\n[t]\r\nx=1\r\n[S]\r\nk=third\r\nonly=2\r\n",
                      {{"s", "k", "d", 129}, {"t", "x", "d", 129}});
}

TEST_F(ProfileConformanceTest, LineEndsAndEndOfFile) {
    ExpectSameReadsOf("[s]\na=1\nb=2\n", {{"s", "a", "d", 129}, {"s", "b", "d", 129}});
    ExpectSameReadsOf("[s]\ra=1\rb=2\r", {{"s", "a", "d", 129}, {"s", "b", "d", 129}});
    ExpectSameReadsOf("[s]\r\na=1\r\nb=2", {{"s", "a", "d", 129}, {"s", "b", "d", 129}});
    ExpectSameReadsOf("[s]\r\na=1\r\nb=2\r\n\x1a", {{"s", "b", "d", 129}});
}

TEST_F(ProfileConformanceTest, BufferSizes) {
    ExpectSameReadsOf("[s]\r\nk=abcdef\r\n", {{"s", "k", "d", 1},
                                              {"s", "k", "d", 2},
                                              {"s", "k", "d", 6},
                                              {"s", "k", "d", 7},
                                              {"s", "k", "d", 8},
                                              {"s", "absent", "defaultlong", 4}});
}

TEST_F(ProfileConformanceTest, MissingFileAndFolder) {
    const std::vector<Probe> probes = {{"s", "k", "fallback", 129}, {"s", "k", "", 129}};
    ExpectSameReads(dir.File("missing.ini"), dir.File("missing.ini"), probes, "missing file");
    ExpectSameReads(dir.File("none/x.ini"), dir.File("none/x.ini"), probes, "missing folder");
}

namespace {

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

// Applies the same writes to two copies, ours and the real function's, then compares what the
// real reader finds in both.
void ExpectSameWrites(const TempDir& dir, const std::string& start,
                      const std::vector<Write>& writes, const std::vector<Probe>& probes) {
    const std::string ours = dir.File("ours.ini");
    const std::string theirs = dir.File("theirs.ini");
    WriteFileBytes(ours, start);
    WriteFileBytes(theirs, start);
    for (const Write& w : writes) {
        EXPECT_TRUE(ProfileWrite(ours, w.section, w.key, w.value));
        EXPECT_TRUE(WritePrivateProfileStringA(w.section, w.key, w.value, theirs.c_str()));
    }
    for (const Probe& p : probes) {
        Answer a = Theirs(ours, p);
        Answer b = Theirs(theirs, p);
        EXPECT_EQ(a.text, b.text) << "after writes to " << testing::PrintToString(start) << ": ["
                                  << p.section << "] " << p.key;
    }
}

} // namespace

TEST_F(ProfileConformanceTest, WritesLeaveWhatTheRealReaderFinds) {
    ExpectSameWrites(dir, "", {{"Database", "File Name", "W.DBF"}, {"Ages", "Ages", "2"}},
                     {{"Database", "File Name", "d", 129}, {"ages", "ages", "d", 129}});
    ExpectSameWrites(
        dir, "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n",
        {{"A", "X", "changed"}, {"a", "new", "n"}, {"c", "k", ""}},
        {{"a", "x", "d", 129}, {"a", "new", "d", 129}, {"b", "y", "d", 129}, {"c", "k", "d", 129}});
    ExpectSameWrites(dir, "[s]\nk=first\nk=second\n[S]\nm=1\n", {{"s", "k", "v"}, {"s", "m", "2"}},
                     {{"s", "k", "d", 129}, {"s", "m", "d", 129}});
    ExpectSameWrites(dir, "[s]\rk=1\rz=2", {{"s", "k", "3"}, {"s", "n", "4"}},
                     {{"s", "k", "d", 129}, {"s", "z", "d", 129}, {"s", "n", "d", 129}});
}

TEST_F(ProfileConformanceTest, WritesMatchTheRealBytesForANewFile) {
    const std::string ours = dir.File("ours.ini");
    const std::string theirs = dir.File("theirs.ini");
    ProfileWrite(ours, "Database", "File Name", "W.DBF");
    WritePrivateProfileStringA("Database", "File Name", "W.DBF", theirs.c_str());
    EXPECT_EQ(ReadFileBytes(ours), ReadFileBytes(theirs));
}

TEST_F(ProfileConformanceTest, WritesKeepUntouchedLinesWhereWineRegenerates) {
    // Windows changes only the written line; Wine rewrites every line (drops blank lines and
    // writes "k=v" for "k = v"). Ours follows Windows, so the two differ here by design.
    const std::string start = "; note\r\n\r\n[a]\r\nx = 1\r\n\r\n[b]\r\ny=2\r\n";
    const std::string ours = dir.File("ours.ini");
    WriteFileBytes(ours, start);
    ASSERT_TRUE(ProfileWrite(ours, "b", "y", "3"));
    EXPECT_EQ(ReadFileBytes(ours), "; note\r\n\r\n[a]\r\nx = 1\r\n\r\n[b]\r\ny=3\r\n");
}

TEST_F(ProfileConformanceTest, WriteIntoAMissingFolderFailsLikeWindows) {
    const std::string path = dir.File("none/x.ini");
    EXPECT_FALSE(ProfileWrite(path, "s", "k", "v"));
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "none"));
}

// The settings' texts of an English Windows: a value of the ANSI code page reads as Windows'
// wide reader reads it; one beyond it makes the file UTF-16, which Windows' own functions read
// and keep in UTF-16 as well, ours reading back what they write.
TEST_F(ProfileConformanceTest, TextsOfAnyScriptReadAsWindowsReadsThem) {
    ASSERT_EQ(GetACP(), 1252u);
    const std::string file = dir.File("unicode.ini");
    const std::wstring name = Utf8ToUtf16(file);
    const auto theirs = [&](const wchar_t* section, const wchar_t* key) {
        wchar_t buffer[260] = L"";
        GetPrivateProfileStringW(section, key, L"", buffer, 260, name.c_str());
        return Utf16ToUtf8(buffer);
    };
    WriteFileBytes(file, "[Database]\r\nFile Name=C:\\W\xF6rter\\a.dbf\r\nZoom=125\r\n");
    EXPECT_EQ(ProfileReadText(file, "Database", "File Name", ""),
              theirs(L"Database", L"File Name"));

    ASSERT_TRUE(ProfileWriteText(file, "Database", "File Name", "C:\\Слова – Wörter\\c.dbf"));
    EXPECT_EQ(theirs(L"Database", L"File Name"), "C:\\Слова – Wörter\\c.dbf");
    EXPECT_EQ(theirs(L"Database", L"Zoom"), "125");
    ASSERT_TRUE(WritePrivateProfileStringW(L"Ages", L"Age0", L"3:7 дней", name.c_str()));
    EXPECT_EQ(ReadFileBytes(file).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ProfileReadText(file, "Ages", "Age0", ""), "3:7 дней");
    EXPECT_EQ(ProfileReadText(file, "Database", "File Name", ""), "C:\\Слова – Wörter\\c.dbf");
}
