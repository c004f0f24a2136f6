#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "platform/text_codec.h"
#include "tests/win/drill_scene.h"

namespace {

std::vector<std::string> Items(const TComboBox& box) {
    std::vector<std::string> items;
    for (int32_t i = 0; i < box.GetCount(); ++i)
        items.push_back(box.GetString(i));
    return items;
}

using Words = std::vector<std::string>;

// Hint keys pressed in answer box 0 of a window on a one-field table of these words.
class HintKeys : public testing::Test {
protected:
    TVocorixComboBox& Open(const Words& words, const std::string& settings = "") {
        scene.Put(WordTable(words), settings);
        scene.Open();
        box().SetFocus();
        return box();
    }
    TVocorixComboBox& box() { return AnswerBox(*scene.window, 0); }
    void Enter(const std::string& text) {
        box().SetText(text.c_str());
        box().SetEditSel(static_cast<uint32_t>(text.size()), static_cast<uint32_t>(text.size()));
    }

    // Idle time long enough for the window to remove duplicates, one per call.
    static constexpr int32_t LongIdle = 5001;

    // Ends the idle-time removal, after which hint lists are no longer kept free of
    // duplicates.
    void RemoveAllDuplicates() {
        while (scene.window->IdleAction(LongIdle)) {
        }
    }

    DrillScene scene;
};

TEST_F(HintKeys, F5OnAnEmptyBoxListsEveryWordSortedAndCompletesTheFirst) {
    TVocorixComboBox& box = Open({"house", "Apfel", "zebra", "apple", "Baum"});
    scene.Key(VK_F5);
    EXPECT_EQ(Items(box), (Words{"Apfel", "apple", "Baum", "house", "zebra"}));
    EXPECT_EQ(box.GetSelIndex(), 0);
    EXPECT_EQ(box.GetText(), "Apfel");
    EXPECT_GT(box.GetCount(), 0);
}

TEST_F(HintKeys, F5AgainSearchesWithTheCompletedText) {
    TVocorixComboBox& box = Open({"house", "home", "hotel", "homework"});
    Enter("ho");
    scene.Key(VK_F5);
    EXPECT_EQ(Items(box), (Words{"home", "homework", "hotel", "house"}));
    EXPECT_EQ(box.GetText(), "home");
    scene.Key(VK_F5);
    EXPECT_EQ(Items(box), (Words{"home", "homework"}));
}

// Each hint key runs its own matcher and shows the list; the matchers' rules are tested
// natively.
TEST_F(HintKeys, EachHintKeyUsesItsMatcher) {
    TVocorixComboBox& box =
        Open({"tomorrow", "to be", "to go away", "ago", "house", "mouse", "horse", "hose"});
    const struct {
        UINT key;
        const char* typed;
        Words hints;
    } presses[] = {
        {VK_F2, "to", {"to be", "to go away"}},
        {VK_F3, "go", {"to go away"}},
        {VK_F6, "ous", {"house", "mouse"}},
        {VK_F7, "hse", {"horse", "hose", "house"}}, // three quarters of the typed text
        {VK_F8, "hause", {"house"}},                // three quarters of the longer text
        {VK_F9, "h?use", {"house"}},
    };
    for (const auto& press : presses) {
        Enter(press.typed);
        scene.Key(press.key);
        EXPECT_EQ(Items(box), press.hints) << press.typed;
        EXPECT_TRUE(box.GetDroppedState()) << press.typed;
    }
}

TEST_F(HintKeys, ASearchWithoutMatchesLeavesAnOpenEmptyListAndSelectsTheText) {
    TVocorixComboBox& box = Open({"house"});
    Enter("xyz");
    scene.Key(VK_F2);
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_TRUE(box.GetDroppedState());
    uint32_t start = 1, end = 0;
    box.GetEditSel(start, end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(box.GetCount(), 0);
}

TEST_F(HintKeys, DownStepsThroughTheHintsAndStopsAtTheLast) {
    TVocorixComboBox& box = Open({"house", "home", "hotel"});
    Enter("ho");
    scene.Key(VK_DOWN); // first press fills without showing, and completes
    EXPECT_EQ(Items(box), (Words{"home", "hotel", "house"}));
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(box.GetText(), "home");
    scene.Key(VK_DOWN);
    EXPECT_EQ(box.GetText(), "hotel");
    scene.Key(VK_DOWN);
    EXPECT_EQ(box.GetText(), "house");
    scene.Key(VK_DOWN);
    EXPECT_EQ(box.GetSelIndex(), 2);
    EXPECT_EQ(box.GetText(), "house");
}

TEST_F(HintKeys, F4OpensAFilledListAndClosesItAgain) {
    TVocorixComboBox& box = Open({"house", "home"});
    Enter("ho");
    scene.Key(VK_F4);
    EXPECT_EQ(Items(box), (Words{"home", "house"}));
    EXPECT_TRUE(box.GetDroppedState());
    scene.Key(VK_F4);
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(box.GetCount(), 2);
}

TEST_F(HintKeys, CtrlDeleteEmptiesAndClosesTheListAndKeepsTheText) {
    TVocorixComboBox& box = Open({"house", "home"});
    Enter("ho");
    scene.Key(VK_F5);
    ASSERT_EQ(box.GetCount(), 2);
    const std::string typed = box.GetText();
    scene.Key(VK_DELETE, Ctrl);
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(box.GetText(), typed);
    EXPECT_FALSE(typed.empty());
}

TEST_F(HintKeys, TypingWhileHintsShowEmptiesTheListAndKeepsTextAndCaret) {
    TVocorixComboBox& box = Open({"house", "home"});
    Enter("ho");
    scene.Key(VK_F5);
    ASSERT_EQ(box.GetText(), "home");
    box.SetEditSel(2, 2);
    scene.Char('x');
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_EQ(box.GetText(), "hoxme");
    uint32_t start = 0, end = 0;
    box.GetEditSel(start, end);
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 3u);
}

TEST_F(HintKeys, SelectingAHintDoesNotEmptyTheList) {
    TVocorixComboBox& box = Open({"house", "home", "hotel"});
    Enter("ho");
    scene.Key(VK_F5);
    scene.Key(VK_DOWN);
    EXPECT_EQ(box.GetCount(), 3);
    EXPECT_EQ(box.GetText(), "hotel");
}

TEST_F(HintKeys, AKeyWithheldForTheRecordsCountDoesNothingWhileAnotherWorks) {
    // COUNT is blank, so level 0 applies: F9 withheld, F5 granted.
    TVocorixComboBox& box =
        Open({"house", "home"}, "[Keys]\r\nKeys=1\r\nKey0=1,0,1,1,1,1,1,1,0\r\n");
    Enter("h*");
    scene.Key(VK_F9);
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(box.GetText(), "h*");
    Enter("ho");
    scene.Key(VK_F5);
    EXPECT_EQ(box.GetCount(), 2);
}

TEST_F(HintKeys, F4AndDownFallBackToStartingWordWhenStartingCharsIsWithheld) {
    TVocorixComboBox& box =
        Open({"to be", "tomorrow"}, "[Keys]\r\nKeys=1\r\nKey0=1,0,1,1,0,1,1,1,1\r\n");
    Enter("to");
    scene.Key(VK_DOWN);
    EXPECT_EQ(Items(box), (Words{"to be"}));
    EXPECT_TRUE(box.GetDroppedState()); // the starting-word fill shows its list
}

// Before the idle-time duplicate removal is done, short hint lists are kept free of
// duplicates by the box itself.
TEST_F(HintKeys, DuplicatesAreShownOnceInAShortListBeforeRemovalIsDone) {
    TVocorixComboBox& box = Open({"to", "to be", "to", "Haus", "haus", "to"});
    scene.Key(VK_F5);
    EXPECT_EQ(Items(box), (Words{"Haus", "to", "to be"}));
    // The same once idle time has ranked the words for the hint lists.
    scene.window->CompleteHintOrder();
    Enter("");
    scene.Key(VK_F5);
    EXPECT_EQ(Items(box), (Words{"Haus", "to", "to be"}));
}

TEST_F(HintKeys, BeyondAHundredItemsDuplicatesAreNotLookedFor) {
    Words words;
    for (int i = 0; i < 101; ++i)
        words.push_back("w" + std::to_string(1000 + i));
    words.push_back("w1000");
    TVocorixComboBox& box = Open(words);
    scene.Key(VK_F5);
    EXPECT_EQ(box.GetCount(), 102);
    EXPECT_EQ(box.GetString(0), "w1000");
    EXPECT_EQ(box.GetString(1), "w1000");
}

TEST_F(HintKeys, AfterRemovalIsDoneTheListIsNotGuarded) {
    TVocorixComboBox& box = Open({"to", "To"});
    RemoveAllDuplicates();
    scene.Key(VK_F5);
    EXPECT_EQ(box.GetCount(), 2);
}

// The box hands its hints to the control already in order: ranked in idle time, or sorted at
// the key press when the key comes before that work is done. Either way the control must end up
// with the order it would have made by sorting the hints itself.
class OrderOfHints : public HintKeys, public testing::WithParamInterface<bool> {
protected:
    // The hints of a key press after the idle-time work: the ranks first (when this run ranks),
    // then the removal of duplicates, which moves the ranked words.
    Words Hints(const Words& words, UINT key = VK_F5, const std::string& typed = "") {
        TVocorixComboBox& box = Open(words);
        if (GetParam())
            scene.window->CompleteHintOrder();
        RemoveAllDuplicates();
        Enter(typed);
        scene.Key(key);
        return Items(box);
    }
    // What the search accepts from the word list of the window that Hints opened, as the control
    // sorts it itself.
    Words ControlsOwnOrder(THintMode mode = THintMode::StartingChars,
                           const std::string& typed = "") {
        TComboBox reference(scene.window.get(), 999, 0, 0, 10, 10, CBS_DROPDOWN | CBS_SORT, 0);
        reference.Attr.Style &= ~WS_VISIBLE;
        reference.Create();
        const TWordList& words = scene.window->GetDatabase().Words();
        const TCodePageText& codePage = CodePageText(scene.window->GetDatabase().CodePage());
        THintSearch search(mode, typed);
        // Each word in the table's code page, as the hint lists are given them.
        for (uint32_t i = 0; i < words.Count(); ++i)
            if (search.Accepts(words.Item(i)))
                reference.AddString(codePage.ToUtf16(words.Item(i)));
        return Items(reference);
    }
};

INSTANTIATE_TEST_SUITE_P(SortedOrRanked, OrderOfHints, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Ranked" : "SortedAtThePress";
                         });

TEST_P(OrderOfHints, AFilledListHasTheControlsOwnOrder) {
    const Words words{"Zürich", "zebra",  "Äpfel",   "apple",   "Apfel", "co-op", "coop",
                      "co op",  "öl",     "Ol",      "oz",      "_x",    "1st",   "10th",
                      "2nd",    "straße", "strasse", "Straßen", "a'b",   "ab",    "a-c",
                      "résumé", "resume", "Éclair",  "eclairs", "ß",     "ss",    "ä"};
    const Words hints = Hints(words);
    EXPECT_EQ(hints, ControlsOwnOrder());
}

// Words that differ in case only compare equal; the control puts each where its search for
// the place meets an equal one, which depends on everything listed before: in a list of some of
// the words, on those alone.
TEST_P(OrderOfHints, WordsEqualButForCaseStandWhereTheControlPutsThem) {
    Words words;
    uint32_t seed = 11;
    const char* const letters[] = {"a", "A", "b", "B", "\xe4", "\xc4"};
    for (int i = 0; i < 400; ++i) {
        std::string word;
        do {
            seed = seed * 1103515245u + 12345u;
            word += letters[seed >> 16 & 3 ? seed >> 8 & 3 : 4 + (seed >> 8 & 1)];
        } while (word.size() < 3 && (seed >> 20 & 3) != 0);
        words.push_back(word);
    }
    const Words hints = Hints(words);
    EXPECT_EQ(hints, ControlsOwnOrder());
    Enter("b");
    scene.Key(VK_F6);
    EXPECT_EQ(Items(box()), ControlsOwnOrder(THintMode::ContiguousChars, "b"));
}

} // namespace
