#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/vocorix_combo_box.h"
#include "resources/ids.h"
#include "tests/support/table_tool_run.h"
#include "tests/win/drill_scene.h"

namespace {

// A table made by vocorix-table from a UTF-8 list is drilled with its texts in the Windows
// code page and its statistics written where the drill writes them.
TEST(TableToolDrill, ATableMadeFromAWordListIsDrilled) {
    DrillScene scene;
    const std::string list = scene.dir.File("words.csv");
    const std::string made = scene.dir.File("made.dbf");
    WriteFileBytes(list, "word,Part,German\r\nstreet,noun,Straße\r\n");
    ASSERT_EQ(RunTool({"new", list, made}).status, 0);
    scene.PutBytes(ReadFileBytes(made));

    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate the noun street");
    ASSERT_EQ(AnswerBoxCount(window), 1u);
    AnswerBox(window, 0).SetText("Straße");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(window.GetDrill().Right(), 1u);
    const std::string table = ReadFileBytes(scene.tablePath);
    EXPECT_EQ(table.substr(table.size() - 3, 2), " 1") << "COUNT of the one record";
}

} // namespace
