#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_rules/combo_selection.h"
#include "settings/options.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/temp_dir.h"

namespace {

// A check box bound to one switch of the selected keys element.
class FakeSwitch : public TMemberBase {
public:
    FakeSwitch(TComboSelection<TKeys>& combo, int32_t TKeys::*field)
        : combo_(combo), field_(field) {
        combo.Join(*this);
    }
    void StoreMember() override { combo_.CurrentItem()->*field_ = checked; }
    void LoadMember() override { checked = combo_.CurrentItem()->*field_; }

    int32_t checked = 0;

private:
    TComboSelection<TKeys>& combo_;
    int32_t TKeys::*field_;
};

class DialogListSelection : public testing::Test {
protected:
    std::vector<TAge> AgesOf(const std::string& agesSection) {
        WriteFileBytes(ini.Path, "[Ages]\r\n" + agesSection);
        options = std::make_unique<TOptions>(ini);
        return options->AgeList;
    }
    TOptionList<TAge>& Ages(const std::string& agesSection) {
        AgesOf(agesSection);
        ages = std::make_unique<TOptionList<TAge>>(chain, options->AgeList, options->AgeEntries);
        box = std::make_unique<FakeListControl<TAge>>(*ages);
        return *ages;
    }
    void Expect(const std::vector<std::string>& items, const std::vector<TAge>& elements,
                int32_t current) {
        EXPECT_EQ(box->items, items);
        EXPECT_EQ(ages->Items, elements);
        EXPECT_EQ(box->CurrentIndex(), current);
        EXPECT_EQ(box->selected, current);
    }

    TempDir dir;
    TIniFile ini{dir.File("vocorix.INI")};
    std::unique_ptr<TOptions> options;
    TOptionBindings chain;
    std::unique_ptr<TOptionList<TAge>> ages;
    std::unique_ptr<FakeListControl<TAge>> box;
};

TEST_F(DialogListSelection, PlusInsertsAfterTheSelectionUnlessTheThresholdIsTaken) {
    Ages("Ages=2\r\nAge0=1:3\r\nAge1=2:7\r\n");
    Expect({"1:3", "2:7"}, {{1, 3}, {2, 7}}, -1);
    box->Choose(0);
    box->Type("4:10");
    box->AddItem();
    Expect({"1:3", "4:10", "2:7"}, {{1, 3}, {4, 10}, {2, 7}}, 1);
    ASSERT_NE(box->CurrentItem(), nullptr);
    EXPECT_EQ(*box->CurrentItem(), (TAge{4, 10}));
    box->Type("2:9");
    box->AddItem();
    Expect({"1:3", "4:10", "2:7"}, {{1, 3}, {4, 10}, {2, 7}}, 1);
    EXPECT_FALSE(box->EditChanged());
    // With nothing selected a new age goes to the top.
    box->DeleteItem();
    box->Type("13:5");
    box->AddItem();
    Expect({"13:5", "1:3", "2:7"}, {{13, 5}, {1, 3}, {2, 7}}, 0);
}

TEST_F(DialogListSelection, EqualsReplacesInPlaceButNotWithAnotherItemsThreshold) {
    Ages("Ages=3\r\nAge0=1:3\r\nAge1=2:7\r\nAge2=5:30\r\n");
    box->Choose(1);
    box->Type("2:9");
    box->SyncSelection();
    Expect({"1:3", "2:9", "5:30"}, {{1, 3}, {2, 9}, {5, 30}}, 1);
    box->Type("1:9");
    box->SyncSelection();
    Expect({"1:3", "2:9", "5:30"}, {{1, 3}, {2, 9}, {5, 30}}, 1);
    EXPECT_EQ(box->typed, "1:9") << "a refused text stays in the edit part";
}

TEST_F(DialogListSelection, ATextPendingWhenTheSelectionChangesReplacesTheOldItem) {
    Ages("Ages=3\r\nAge0=1:3\r\nAge1=2:7\r\nAge2=5:30\r\n");
    box->Choose(0);
    box->Type("1:4");
    box->Choose(2);
    Expect({"1:4", "2:7", "5:30"}, {{1, 4}, {2, 7}, {5, 30}}, 2);
    // Moving up: the replaced item lies below the chosen one.
    box->Type("5:31");
    box->Choose(0);
    Expect({"1:4", "2:7", "5:31"}, {{1, 4}, {2, 7}, {5, 31}}, 0);
}

TEST_F(DialogListSelection, MinusRemovesTheSelectedItemAndNothingWithoutOne) {
    Ages("Ages=2\r\nAge0=1:3\r\nAge1=2:7\r\n");
    box->DeleteItem();
    Expect({"1:3", "2:7"}, {{1, 3}, {2, 7}}, -1);
    box->Choose(0);
    box->DeleteItem();
    Expect({"2:7"}, {{2, 7}}, -1);
    EXPECT_EQ(box->CurrentItem(), nullptr);
    EXPECT_EQ(box->typed, "1:3") << "the edit part keeps its text";
}

TEST_F(DialogListSelection, MalformedAgesAreNeverAccepted) {
    Ages("Ages=1\r\nAge0=1:3\r\n");
    for (const char* text : {"12", ":5", "3:", "3:4:5", "3-4", "", " 3:4", "99999999999:1"}) {
        box->Type(text);
        box->AddItem();
        box->Type(text);
        box->SyncSelection();
        EXPECT_EQ(box->items, std::vector<std::string>{"1:3"}) << text;
        EXPECT_EQ(ages->Items, (std::vector<TAge>{{1, 3}})) << text;
    }
    EXPECT_TRUE(box->IsFreeText("03:5", -1)) << "a threshold not taken yet";
    EXPECT_FALSE(box->IsFreeText("1:5", -1));
    EXPECT_TRUE(box->IsFreeText("1:5", 0)) << "an item may keep its own threshold";
}

TEST_F(DialogListSelection, ThresholdsCollideAsNumbersWhateverTheirLeadingZeros) {
    Ages("Ages=2\r\nAge0=7:3\r\nAge1=1:1\r\n");
    box->Type("07:5");
    box->AddItem();
    Expect({"7:3", "1:1"}, {{7, 3}, {1, 1}}, -1);
    box->Choose(1);
    box->Type("007:5");
    box->SyncSelection();
    Expect({"7:3", "1:1"}, {{7, 3}, {1, 1}}, 1);
    // A range written with zeros keeps its own threshold and can be replaced.
    box->Choose(0);
    box->Type("07:9");
    box->SyncSelection();
    Expect({"07:9", "1:1"}, {{7, 9}, {1, 1}}, 0);
    box->Type("7:10");
    box->SyncSelection();
    Expect({"7:10", "1:1"}, {{7, 10}, {1, 1}}, 0);
}

TEST_F(DialogListSelection, NoMoreAgesThanTheFileCanNumber) {
    std::string section = "Ages=1000\r\n";
    for (int i = 0; i < 1000; ++i)
        section += "Age" + std::to_string(i) + "=" + std::to_string(i) + ":1\r\n";
    Ages(section);
    box->Type("5000:1");
    box->AddItem();
    box->SyncSelection();
    EXPECT_EQ(ages->Count(), 1000u);
    EXPECT_EQ(box->items.size(), 1000u);
}

// Three keys elements on file.
std::string KeysFile(const TempDir& dir) {
    const std::string path = dir.File("vocorix.INI");
    WriteFileBytes(path, "[Keys]\r\nKeys=3\r\nKey0=1,0,0,0,0,0,0,0,0\r\n"
                         "Key1=1,0,1,1,1,1,1,1,1\r\nKey2=0,1,1,1,1,1,1,1,1\r\n");
    return path;
}

class DialogKeysSelection : public testing::Test {
protected:
    TempDir dir;
    TIniFile ini{KeysFile(dir)};
    TOptions options{ini};
    TOptionBindings chain;
    TOptionList<TKeys> keys{chain, options.KeyList, options.KeyEntries};
    FakeListControl<TKeys> box{keys};
    FakeSwitch interlace{box, &TKeys::TestInterlace};
    FakeSwitch order{box, &TKeys::TestAnswersOrder};
};

TEST_F(DialogKeysSelection, ItemsNameTheLevelsAndChecksFollowTheSelection) {
    EXPECT_EQ(box.items, (std::vector<std::string>{"0", "1", "2"}));
    interlace.checked = 0;
    box.Choose(1);
    EXPECT_EQ(interlace.checked, 1) << "element 1 loaded";
    EXPECT_EQ(keys.Items[0].TestInterlace, 1) << "nothing was selected before";
    order.checked = 1;
    box.Choose(2);
    EXPECT_EQ(keys.Items[1].TestAnswersOrder, 1) << "stored into element 1 before loading 2";
    EXPECT_EQ(interlace.checked, 0);
    EXPECT_EQ(order.checked, 1);
}

TEST_F(DialogKeysSelection, AfterAReloadNoLateNotificationWritesIntoTheList) {
    box.Choose(1);
    // Grow the working list so that its storage moves, as AdjustKeys may.
    for (int i = 0; i < 40; ++i)
        keys.InsertAt(keys.Count(), TKeys{});
    chain.RejectAll(); // Cancel: the list gets fresh storage
    EXPECT_EQ(box.CurrentItem(), nullptr);
    interlace.checked = 0;
    order.checked = 1;
    box.SyncSelection(); // a notification after Cancel
    box.Choose(1);
    box.AddItem();
    EXPECT_EQ(keys.Items, options.KeyList);
    EXPECT_EQ(box.CurrentIndex(), 1);
    EXPECT_EQ(interlace.checked, 1) << "the fresh element 1 is shown";
}

} // namespace
