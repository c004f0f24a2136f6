#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "database/db_messages.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "settings/settings_messages.h"
#include "tests/win/drill_scene.h"

namespace {

// Another program holding a file open for reading, with writes shut out. For the program this is
// a file that may be read but not written, as a file marked read-only is on Windows; under Wine
// run as root the read-only mark would not hold.
class HeldForReading {
public:
    explicit HeldForReading(const std::string& path)
        : handle_(CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
    }
    ~HeldForReading() { CloseHandle(handle_); }
    HeldForReading(const HeldForReading&) = delete;
    HeldForReading& operator=(const HeldForReading&) = delete;

private:
    HANDLE handle_;
};

} // namespace

// Settings that cannot be written are told of once, at the first write, with the file's path.
TEST(CannotSave, AFailedSettingsWriteIsReportedOnce) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    const std::string settings = ReadFileBytes(scene.ini->Path);
    TVocorixDlg& window = scene.Open();
    {
        const HeldForReading protectedSettings(scene.ini->Path);
        scene.Key(VK_OEM_PLUS, Ctrl);
        ASSERT_EQ(scene.messages.boxes.size(), 1u);
        const MessageBoxWatcher::Box& box = scene.messages.boxes[0];
        EXPECT_EQ(box.caption, SettingsNotSavedCaption);
        EXPECT_EQ(box.text, SettingsNotSavedText(scene.ini->Path));
        EXPECT_EQ(box.owner, window.GetHandle());
        // Every later write that fails, to the window's place at its close, goes unsaid.
        scene.Key(VK_OEM_PLUS, Ctrl);
        window.Send(WM_SYSCOMMAND, CM_ZOOM_OUT);
        SetWindowPos(window.GetHandle(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        scene.Close();
        EXPECT_EQ(scene.messages.boxes.size(), 1u);
    }
    EXPECT_EQ(ReadFileBytes(scene.ini->Path), settings);
}

// A table that may be read but not written says that it is read-only; Yes drills it without writing
// a byte of it.
TEST(CannotSave, ReadOnlyTableIsDrilledWithoutRecordingOnYes) {
    DrillScene scene;
    scene.Put(WordTable({"Haus", "Haus"}));
    const std::string table = ReadFileBytes(scene.tablePath);
    const HeldForReading readOnly(scene.tablePath);
    scene.messages.answers = {IDYES};
    TVocorixDlg& window = scene.Open();
    ASSERT_EQ(scene.messages.boxes.size(), 1u);
    const MessageBoxWatcher::Box& box = scene.messages.boxes[0];
    EXPECT_EQ(box.caption, ReadOnlyTableCaption);
    EXPECT_EQ(box.text, ReadOnlyTableText(scene.tablePath));
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_FALSE(window.GetDatabase().IsRecording());
    EXPECT_EQ(window.GetText(), "Vocorix \xE2\x80\x93 not recording") << "said while it lasts";

    for (const char* typed : {"Haus", "Hans", "Haus"}) {
        AnswerBox(window, 0).SetText(typed);
        scene.Key(VK_RETURN, Ctrl);
        EXPECT_EQ(StatusText(window, IDG_COUNT), "Count:0") << typed;
        scene.Key(VK_RETURN);
    }
    EXPECT_EQ(StatusText(window, IDG_RIGHT), "Right:2");
    EXPECT_EQ(scene.messages.boxes.size(), 1u) << "no write was tried, so none failed";
    scene.Close();
    EXPECT_EQ(ReadFileBytes(scene.tablePath), table);
}
