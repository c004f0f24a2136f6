#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app_rules/accessible_texts.h"
#include "app_rules/drill_scale.h"
#include "app_rules/first_start.h"
#include "app_rules/help_page.h"
#include "tests/support/temp_dir.h"

TEST(DrillScale, KeepsEveryFigureAt96DpiAndScalesAsMulDivRounds) {
    const TDrillScale base;
    for (const int32_t figure : {0, 4, 5, 8, 18, 20, 22, 30, 35, 100, 130, 181})
        EXPECT_EQ(base(figure), figure) << figure;

    // 125 %: halves round away from zero (5 * 1.25 = 6.25, 18 * 1.25 = 22.5, -86 * 1.25).
    const TDrillScale dpi120(120, 100);
    EXPECT_EQ(dpi120(5), 6);
    EXPECT_EQ(dpi120(18), 23);
    EXPECT_EQ(dpi120(-86), -108);
    EXPECT_EQ(dpi120(-2), -3);
    EXPECT_EQ(TDrillScale(144, 100)(8), 12);
    EXPECT_EQ(TDrillScale(192, 100)(181), 362);

    // DPI and zoom are one factor, rounded once: 144 DPI at 125 % is 187.5 %.
    EXPECT_EQ(TDrillScale(144, 125)(5), 9);
    EXPECT_EQ(TDrillScale(96, 300)(8), 24);
    // An unknown DPI is a 96-DPI screen.
    EXPECT_TRUE(TDrillScale(0, 100).IsIdentity());
}

TEST(DrillScale, MulDivEdges) {
    EXPECT_EQ(MulDivRounded(7, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
    EXPECT_EQ(MulDivRounded(-3, -1, 2), 2);
    EXPECT_EQ(MulDivRounded(0x40000000, 4, 1), -1);
    EXPECT_EQ(MulDivRounded(0x40000000, 4, 2), -1);
    EXPECT_EQ(MulDivRounded(0x40000000, 4, 4), 0x40000000);
}

TEST(Zoom, StoredValuesAndSteps) {
    EXPECT_EQ(zoom::ValidZoom(100), 100u);
    EXPECT_EQ(zoom::ValidZoom(300), 300u);
    EXPECT_EQ(zoom::ValidZoom(175), 175u);
    EXPECT_EQ(zoom::ValidZoom(99), 100u);
    EXPECT_EQ(zoom::ValidZoom(301), 100u);
    EXPECT_EQ(zoom::ValidZoom(0), 100u);
    EXPECT_EQ(zoom::ValidZoom(149), 125u);

    EXPECT_EQ(zoom::Larger(100), 125u);
    EXPECT_EQ(zoom::Larger(275), 300u);
    EXPECT_EQ(zoom::Larger(300), 300u);
    EXPECT_EQ(zoom::Smaller(125), 100u);
    EXPECT_EQ(zoom::Smaller(100), 100u);
    // From a value the window would not use: from its valid form.
    EXPECT_EQ(zoom::Larger(999), 125u);
    EXPECT_EQ(zoom::Smaller(160), 125u);
}

TEST(HelpPage, UrlKeepsTheSectionAndEncodesThePath) {
    EXPECT_EQ(HelpPageUrl("C:\\Vocorix\\vocorix-help.html", HelpAnchor(THelpTopic::Keys)),
              "file:///C:/Vocorix/vocorix-help.html#keys");
    EXPECT_EQ(HelpPageUrl("C:\\My Words\\100%\\#1\\h.html", "options"),
              "file:///C:/My%20Words/100%25/%231/h.html#options");
    // A path's letters beyond ASCII ("д" in UTF-8) are encoded byte by byte.
    EXPECT_EQ(HelpPageUrl("D:\\\xD0\xB4\\h.html", "tables"), "file:///D:/%D0%B4/h.html#tables");
    EXPECT_EQ(HelpPageUrl("\\\\server\\share\\h.html", "drilling"),
              "file://server/share/h.html#drilling");
    EXPECT_EQ(HelpPageUrl("C:\\h.html", ""), "file:///C:/h.html");
}

TEST(HelpPage, ProgramFolder) {
    EXPECT_EQ(ProgramFolder("C:\\Vocorix\\vocorix.exe"), "C:\\Vocorix");
    EXPECT_EQ(ProgramFolder("C:\\vocorix.exe"), "C:");
    EXPECT_EQ(ProgramFolder("vocorix.exe"), "");
}

// The page made from the help's source has a section for every topic the program opens.
TEST(HelpPage, TheBuiltPageHasEveryTopicsSection) {
#ifdef _WIN32
    // Wine shows the build machine's root as drive Z:.
    std::ifstream file(std::string("Z:") + VOCORIX_HELP_PAGE, std::ios::binary);
#else
    std::ifstream file(VOCORIX_HELP_PAGE, std::ios::binary);
#endif
    ASSERT_TRUE(file) << VOCORIX_HELP_PAGE;
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    for (const THelpTopic topic : {THelpTopic::Drilling, THelpTopic::Keys, THelpTopic::Options,
                                   THelpTopic::FunctionKeys, THelpTopic::Tables})
        EXPECT_NE(page.find(std::string("id=\"") + HelpAnchor(topic) + "\""), std::string::npos)
            << HelpAnchor(topic);
}

// An unpacked release over an older one: the learner's settings and table are never replaced.
TEST(FirstStart, CopiesTheReleasesFilesOnlyWhereNoneAreThere) {
    TempDir dir;
    const std::string settings = dir.File("vocorix.INI");
    const std::string table = dir.File("vocabulary.dbf");
    dir.Folder(FirstStartFolder);
    WriteFileBytes(dir.File("first-start/vocorix.INI"), "[Ages]\r\nAges=1\r\nAge0=1:1\r\n");
    WriteFileBytes(dir.File("first-start/vocabulary.dbf"), "sample");

    PutFirstStartFiles(settings);
    EXPECT_EQ(ReadFileBytes(settings), "[Ages]\r\nAges=1\r\nAge0=1:1\r\n");
    EXPECT_EQ(ReadFileBytes(table), "sample");

    WriteFileBytes(settings, "mine");
    WriteFileBytes(table, "practised");
    PutFirstStartFiles(settings);
    EXPECT_EQ(ReadFileBytes(settings), "mine");
    EXPECT_EQ(ReadFileBytes(table), "practised");

    std::filesystem::remove(settings);
    PutFirstStartFiles(settings);
    EXPECT_EQ(ReadFileBytes(settings), "[Ages]\r\nAges=1\r\nAge0=1:1\r\n") << "settings deleted";
    EXPECT_EQ(ReadFileBytes(table), "practised") << "the table that is there stays";
}

TEST(AccessibleTexts, BoxesAreNamedByTheirFieldsUnlessTheNameOnlyNumbersThem) {
    EXPECT_EQ(AnswerBoxName("GERMAN", 0, 3), "GERMAN:");
    EXPECT_EQ(AnswerBoxName("GERMAN2", 1, 3), "GERMAN2:");
    EXPECT_EQ(AnswerBoxName("TRANSL2", 1, 3), "Translation 2 of 3:");
    EXPECT_EQ(AnswerBoxName("trans_3", 2, 3), "Translation 3 of 3:");
    EXPECT_EQ(AnswerBoxName("FIELD5", 0, 1), "Translation:");
    EXPECT_EQ(AnswerBoxName("", 1, 2), "Translation 2 of 2:");
    EXPECT_EQ(AnswerBoxName("F", 0, 2), "Translation 1 of 2:");
    EXPECT_EQ(AnswerBoxName("FRANÇAIS", 0, 2), "FRANÇAIS:");
}
