#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/vocorix_options.h"
#include "framework/help.h"
#include "resources/ids.h"
#include "tests/support/temp_dir.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/drill_scene.h"
#include "tests/win/test_fonts.h"

namespace {

// The help's folder is a test's own; the help engine and the browser only record what they were
// asked to show, answering as told.
class HelpScene {
public:
    explicit HelpScene(bool engineShows = true)
        : shell_(THelpShell{[this] { return dir.Path().string(); },
                            [this, engineShows](HWND, const std::string& file) {
                                engineFiles.push_back(file);
                                return engineShows;
                            },
                            [this](HWND, const std::string& url) {
                                pages.push_back(url);
                                return pageOpens;
                            }}) {}

    void PutPage() { WriteFileBytes(dir.File("vocorix-help.html"), "<html></html>"); }

    TempDir dir;
    bool pageOpens = true;
    std::vector<std::string> engineFiles;
    std::vector<std::string> pages;

private:
    TScopedHelpShell shell_;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

// F1 in the drill window opens the page at its drilling section; the system menu's Help too.
TEST(Help, F1OpensThePageAtTheDrillingSection) {
    HelpScene help;
    help.PutPage();
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    TVocorixDlg& window = scene.Open();
    AnswerBox(window, 0).SetFocus();

    scene.Key(VK_F1);
    ASSERT_EQ(help.pages.size(), 1u);
    EXPECT_TRUE(help.pages[0].starts_with("file:///")) << help.pages[0];
    EXPECT_TRUE(EndsWith(help.pages[0], "/vocorix-help.html#drilling")) << help.pages[0];
    EXPECT_TRUE(help.engineFiles.empty()) << "no help file beside the program";
    EXPECT_TRUE(scene.messages.boxes.empty());
}

// The Help buttons of the options dialog and of the function keys dialog open their sections.
TEST(Help, DialogHelpButtonsOpenTheirSections) {
    HelpScene help;
    help.PutPage();
    TempDir dir;
    TIniFile ini(dir.File("vocorix.INI"));
    TOptions options(ini);
    TVocorixOptions dialog(nullptr, options, TestFonts().Normal);
    RunDialog(dialog,
              {
                  [](HWND dialog) { ClickButton(dialog, CM_HELP); },
                  [](HWND dialog) { ClickButton(dialog, CM_FUNCS); },
                  [](HWND) { ClickButton(FindWindowA("#32770", "Function Keys"), CM_HELP); },
                  [](HWND) { ClickButton(FindWindowA("#32770", "Function Keys"), IDCANCEL); },
                  [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
              });
    ASSERT_EQ(help.pages.size(), 2u);
    EXPECT_TRUE(EndsWith(help.pages[0], "/vocorix-help.html#options")) << help.pages[0];
    EXPECT_TRUE(EndsWith(help.pages[1], "/vocorix-help.html#function-keys")) << help.pages[1];
}

// A help file beside the program goes first while the help engine shows it; when the engine
// cannot, the page is opened; when neither can be shown, a message says where the help is.
TEST(Help, HelpFileFirstThenThePageThenAMessage) {
    {
        HelpScene help(true);
        help.PutPage();
        WriteFileBytes(help.dir.File("VOCORIX.HLP"), "?_");
        ShowHelp(nullptr, THelpTopic::Drilling);
        ASSERT_EQ(help.engineFiles.size(), 1u);
        EXPECT_EQ(help.engineFiles[0], help.dir.File("VOCORIX.HLP"));
        EXPECT_TRUE(help.pages.empty());
    }
    {
        HelpScene help(false);
        help.PutPage();
        WriteFileBytes(help.dir.File("VOCORIX.HLP"), "?_");
        ShowHelp(nullptr, THelpTopic::Keys);
        EXPECT_EQ(help.engineFiles.size(), 1u);
        ASSERT_EQ(help.pages.size(), 1u);
        EXPECT_TRUE(EndsWith(help.pages[0], "#keys")) << help.pages[0];
    }
    for (const bool pagePresent : {true, false}) {
        HelpScene help;
        help.pageOpens = false;
        if (pagePresent)
            help.PutPage();
        MessageBoxWatcher messages;
        ShowHelp(nullptr, THelpTopic::Tables);
        EXPECT_EQ(help.pages.size(), pagePresent ? 1u : 0u);
        ASSERT_EQ(messages.boxes.size(), 1u) << pagePresent;
        const MessageBoxWatcher::Box& box = messages.boxes[0];
        EXPECT_EQ(box.caption, "Vocorix Help");
        EXPECT_NE(box.text.find(help.dir.File("vocorix-help.html")), std::string::npos) << box.text;
    }
}
