#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/vocorix_combo_box.h"
#include "platform/clock.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"
#include "tests/win/learner.h"
#include "tests/win/screenshot.h"
#include "tests/win/test_fonts.h"

// Whole drills through the keyboard, the mouse and the program's own message loop, from the
// first question to "You won!", with the table file checked byte by byte as it goes.

namespace {

constexpr LocalDate Today{9, 5, 2024};
const std::string TodayText = "20240509";

uint32_t Little(const std::string& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

class DrillToTheEnd : public testing::Test {
protected:
    DrillToTheEnd() {
        SetTodayClock([] { return Today; });
        // A second passes at every look at the clock: the picks, which seed from it, come in
        // the same order on every run without walking the table in one stride for a second.
        SetSecondClock([second = int64_t{0}]() mutable { return ++second; });
    }

    std::string Gadget(Learner& learner, int id) { return StatusText(learner.Window(), id); }

    // The drill ended with the one finish message, owned by the drill window.
    void ExpectFinish(HWND window) {
        ASSERT_EQ(scene.messages.boxes.size(), 1u);
        const MessageBoxWatcher::Box& box = scene.messages.boxes[0];
        EXPECT_EQ(box.text, "You won!\r\nCongratulations!");
        EXPECT_EQ(box.caption, "Finish");
        EXPECT_EQ(box.owner, window);
        EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    }

    ScopedClocks clocks;
    DrillScene scene;
};

// One answer to a word: the COUNT it leaves on disk, the number of boxes it has judged right and
// shown, and what the learner does.
struct Answer {
    std::string count;
    uint32_t right;
    uint32_t shown;
    std::function<void()> keys;
};

// A word the drill will ask, with its answers in the order they are given.
struct Word {
    uint32_t record;
    std::vector<Answer> answers;
    size_t asked = 0;
};

TEST_F(DrillToTheEnd, AnsweredWordsChangeOnlyTheirStatistics) {
    TableBuilder table = VocabularyFields(2, 20, {"PART"});
    table.Record({"house", "noun", "das Haus", "das Heim"});
    table.Record({"tree", "noun", "der Baum", "", "20000101", " 2"});
    table.Record({"water", "noun", "das Wasser", "", "20010203", " 2"});
    table.Record({"key", "noun", "das Schloss", "", "20240101", " 1"}, '*');
    table.Record({"door", "noun", "die Tuer", "", "20240101", " 3"});
    table.Record({"cat", "noun", "die Katze", "", "20240508", " 2"});
    // Learned at COUNT 3; from COUNT 2 on a word rests for 30 days. So "key" (deleted), "door"
    // (learned) and "cat" (resting) are never asked.
    scene.Put(table, "Maximum Count=3\r\n[Ages]\r\nAges=1\r\nAge0=2:30\r\n");
    std::string expected = table.Bytes();

    Learner learner(*scene.ini);
    auto box = [&](int i) -> TVocorixComboBox& { return AnswerBox(learner.Window(), i); };
    auto button = [&](int i) -> TWindow& {
        return Control(learner.Window(), IDC_FIELD_BUTTON + i);
    };
    auto fontOf = [&](int i) { return box(i).GetWindowFont(); };

    std::map<std::string, Word> words{{"house", {0, {}}}, {"tree", {1, {}}}, {"water", {2, {}}}};
    auto answer = [&](const char* word, const char* count, uint32_t right, uint32_t shown,
                      std::function<void()> keys) {
        words.at(word).answers.push_back({count, right, shown, std::move(keys)});
    };

    answer("house", "  ", 1, 2, [&] {
        learner.Type("das Haus");
        learner.Press(VK_TAB);
        learner.Type("das Zimmer");
        learner.Press(VK_RETURN, Ctrl);
        learner.Then([&] {
            EXPECT_EQ(fontOf(0), TestFonts().Normal.GetHandle());
            EXPECT_EQ(fontOf(1), TestFonts().Bold.GetHandle());
            EXPECT_EQ(box(1).GetText(), "das Heim");
            SaveScreenshot("drill-result");
        });
    });
    answer("house", " 1", 2, 2, [&] {
        learner.Type("das H");
        learner.Press(VK_F5);
        learner.Then([&] {
            EXPECT_TRUE(box(0).GetDroppedState());
            EXPECT_EQ(box(0).GetCount(), 2);
            EXPECT_EQ(box(0).GetText(), "das Haus");
            SaveScreenshot("drill-hints");
        });
        learner.Press(VK_TAB);
        learner.Type("das Heim");
        learner.Press(VK_RETURN, Ctrl);
    });
    answer("house", " 2", 2, 2, [&] {
        // The second translation in the first box: its "?" judges the second box and leaves
        // the first one open.
        learner.Type("das Heim");
        learner.Click(button(0));
        learner.Then([&] {
            EXPECT_TRUE(learner.QuestionOpen());
            EXPECT_FALSE(button(1).IsEnabled());
            EXPECT_TRUE(button(0).IsEnabled());
            EXPECT_EQ(box(0).GetText(), "das Heim");
            EXPECT_EQ(GetParent(GetFocus()), box(0).GetHandle());
            EXPECT_EQ(Gadget(learner, IDG_ANSWER), "Answer:\u2026");
            EXPECT_EQ(Gadget(learner, IDG_ORDER), "Order:\u00D7");
        });
        learner.Press(VK_HOME);
        learner.Press(VK_END, Shift);
        learner.Type("das Haus");
        learner.Click(button(0));
    });

    answer("tree", " 0", 0, 1, [&] {
        learner.Type("der Buam");
        learner.Press(VK_RETURN, Ctrl);
        learner.Then([&] {
            // A near miss is asked again, selected, and not recorded.
            EXPECT_TRUE(learner.QuestionOpen());
            uint32_t start = 1, end = 0;
            box(0).GetEditSel(start, end);
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, 8u);
            EXPECT_EQ(ReadFileBytes(scene.tablePath), expected);
        });
        learner.Type("die Linde");
        learner.Press(VK_RETURN, Ctrl);
    });
    answer("tree", " 0", 0, 1, [&] {
        learner.Press('E', Ctrl);
        learner.Then([&] {
            EXPECT_EQ(box(0).GetText(), "der Baum");
            EXPECT_EQ(fontOf(0), TestFonts().Bold.GetHandle());
        });
    });
    answer("tree", " 1", 1, 1, [&] {
        learner.Type("der Baum");
        learner.Press(VK_OEM_2, Alt); // Alt+/
    });
    answer("tree", " 2", 1, 1, [&] {
        learner.Type("der Baum");
        learner.Press(VK_RETURN, Ctrl);
    });

    answer("water", " 3", 1, 1, [&] {
        learner.Type("das Wasser");
        learner.Press(VK_RETURN); // too early for Continue
        learner.Then([&] { EXPECT_TRUE(learner.QuestionOpen()); });
        learner.Click(button(0));
    });

    std::string asked;
    const Answer* given = nullptr;
    uint32_t right = 0;
    uint32_t shown = 0;
    HWND drillWindow = nullptr;
    const int exitCode = learner.Drill([&] {
        drillWindow = learner.Window().GetHandle();
        if (learner.ResultShown()) {
            if (given == nullptr)
                return learner.Stop("a result without a question");
            const Word& word = words.at(asked);
            expected.replace(table.RecordOffset(word.record) + table.RecordBytes() - 10, 10,
                             TodayText + given->count);
            EXPECT_EQ(ReadFileBytes(scene.tablePath), expected)
                << asked << ", answer " << word.asked;
            right += given->right;
            shown += given->shown;
            EXPECT_EQ(Gadget(learner, IDG_RIGHT), "Right:" + std::to_string(right));
            EXPECT_EQ(Gadget(learner, IDG_TOTAL), "Total:" + std::to_string(shown));
            EXPECT_EQ(Gadget(learner, IDG_COUNT),
                      "Count:" + std::to_string(std::atoi(given->count.c_str())));
            given = nullptr;
            learner.Press(VK_RETURN);
            return;
        }
        if (!learner.QuestionOpen() || given != nullptr)
            return learner.Stop("a question left open: " + learner.Question());
        const std::string question = learner.Question();
        asked = question.substr(question.rfind(' ') + 1);
        const auto word = words.find(asked);
        if (word == words.end() || word->second.asked == word->second.answers.size())
            return learner.Stop("not to be asked now: " + question);
        given = &word->second.answers[word->second.asked++];
        given->keys();
    });

    EXPECT_EQ(exitCode, 0);
    for (const auto& [name, word] : words)
        EXPECT_EQ(word.asked, word.answers.size()) << name;
    ExpectFinish(drillWindow);
    EXPECT_EQ(ReadFileBytes(scene.tablePath), expected);
}

std::string SampleTable() {
    const std::filesystem::path sample =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
        "vocabulary.dbf";
    // Wine shows the build machine's root as drive Z:.
    return ReadFileBytes("Z:" + sample.generic_string());
}

// The sample table of `make run` can be drilled to its end. The learner gives a word up the
// first time, remembers the translations then shown and types them the next time; one right
// answer learns a word.
TEST_F(DrillToTheEnd, TheSampleTableCanBeLearned) {
    const std::string sample = SampleTable();
    ASSERT_GT(sample.size(), 32u);
    scene.PutBytes(sample, "Maximum Count=1\r\n");

    Learner learner(*scene.ini);
    std::map<std::string, std::vector<std::string>> seen;
    std::string question;
    uint32_t questions = 0;
    HWND drillWindow = nullptr;
    const int exitCode = learner.Drill([&] {
        TVocorixDlg& window = learner.Window();
        drillWindow = window.GetHandle();
        if (learner.ResultShown()) {
            std::vector<std::string>& translations = seen[question];
            translations.clear();
            for (uint32_t i = 0; i < AnswerBoxCount(window); ++i) {
                const TVocorixComboBox& box = AnswerBox(window, i);
                translations.push_back(box.IsVisible() ? box.GetText() : "");
            }
            learner.Press(VK_RETURN);
            return;
        }
        if (!learner.QuestionOpen())
            return learner.Stop("neither a question nor a result");
        ++questions;
        question = learner.Question();
        const auto known = seen.find(question);
        if (known == seen.end()) {
            learner.Press('E', Ctrl);
            return;
        }
        bool first = true;
        for (const std::string& translation : known->second) {
            if (translation.empty())
                continue;
            if (!first)
                learner.Press(VK_TAB);
            learner.Type(translation);
            first = false;
        }
        learner.Press(VK_RETURN, Ctrl);
    });

    EXPECT_EQ(exitCode, 0);
    ExpectFinish(drillWindow);
    const uint32_t records = Little(sample, 4, 4);
    const uint32_t headerLength = Little(sample, 8, 2);
    const uint32_t recordLength = Little(sample, 10, 2);
    EXPECT_EQ(questions, 2 * records);
    std::string expected = sample;
    for (uint32_t r = 1; r <= records; ++r)
        expected.replace(headerLength + r * recordLength - 10, 10, TodayText + " 1");
    EXPECT_EQ(ReadFileBytes(scene.tablePath), expected);
}

} // namespace
