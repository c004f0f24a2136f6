#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/vocorix_dlg.h"
#include "framework/application.h"
#include "resources/ids.h"
#include "settings/ini_file.h"
#include "tests/win/drill_scene.h"

// The program's own message loop on a drill window, with a learner at the keyboard and the
// mouse. Each time the loop runs out of messages, the learner takes the next planned step: a
// key press, typed text or a click becomes the input messages the window under the focus or
// the pointer would get, and the loop handles them as it handles the keyboard's. When nothing
// is planned, the learner looks at the window and plans more.
class Learner : public TApplication {
public:
    explicit Learner(TIniFile& ini) : ini_(ini) {}

    // Opens the drill window on the settings and runs the loop until the window closes;
    // returns the loop's exit code. `look` runs whenever nothing is planned: it plans the next
    // steps from what the window shows, or calls Stop.
    int Drill(std::function<void()> look);

    // Planned steps, each taken once the loop has handled what the one before it caused.
    // Characters typed into the focus window: the text in UTF-8, as the controls give it.
    void Type(const std::string& text);
    // A key pressed and let go in the focus window while the modifiers are held; they are let
    // go at the next step.
    void Press(UINT key, unsigned modifiers = NoKeys);
    // A left click in the middle of a control.
    void Click(const TWindow& control);
    // Anything else at that moment: a look at the window, a picture.
    void Then(std::function<void()> step);

    // Fails the drill and closes the window.
    void Stop(const std::string& why);

    // What the learner sees.
    TVocorixDlg& Window() const;
    bool QuestionOpen() const { return Control(Window(), CM_READY).IsEnabled(); }
    bool ResultShown() const { return Control(Window(), CM_CONTINUE).IsEnabled(); }
    std::string Question() const;

protected:
    void InitMainWindow() override;
    bool IdleAction(int32_t idleCount) override;

private:
    TIniFile& ini_;
    std::function<void()> look_;
    std::deque<std::function<void()>> steps_;
    std::optional<HeldKeys> held_;
    uint32_t stepsTaken_ = 0;
};
