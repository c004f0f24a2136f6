#include "tests/win/learner.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/text_codec.h"
#include "tests/win/test_fonts.h"

namespace {
// A drill that never ends fails instead of hanging the test run.
constexpr uint32_t MaxSteps = 20000;
} // namespace

int Learner::Drill(std::function<void()> look) {
    look_ = std::move(look);
    return Run();
}

void Learner::InitMainWindow() {
    SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, ini_, TestFonts()));
}

bool Learner::IdleAction(int32_t) {
    held_.reset();
    if (GetMainWindow() == nullptr || GetMainWindow()->GetHandle() == nullptr)
        return false;
    if (steps_.empty())
        look_();
    if (GetMainWindow()->GetHandle() == nullptr)
        return false;
    if (steps_.empty()) {
        Stop("the learner sees nothing to do, yet the drill goes on");
        return false;
    }
    if (++stepsTaken_ > MaxSteps) {
        Stop("the drill does not end");
        return false;
    }
    const std::function<void()> step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
}

void Learner::Type(const std::string& text) {
    steps_.push_back([text] {
        HWND focus = GetFocus();
        for (wchar_t c : Utf8ToUtf16(text))
            PostMessageW(focus, WM_CHAR, c, 1);
    });
}

void Learner::Press(UINT key, unsigned modifiers) {
    steps_.push_back([this, key, modifiers] {
        // Held until the loop has taken the characters the key makes, which it posts.
        held_.emplace(modifiers);
        const bool alt = modifiers & Alt;
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM down = 1 | scan | (alt ? 1 << 29 : 0);
        const LPARAM up = down | static_cast<LPARAM>(3u << 30);
        HWND focus = GetFocus();
        PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
        PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, up);
    });
}

void Learner::Click(const TWindow& control) {
    steps_.push_back([&control] {
        const RECT client = control.GetClientRect();
        const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
        PostMessageA(control.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
        PostMessageA(control.GetHandle(), WM_LBUTTONUP, 0, middle);
    });
}

void Learner::Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

void Learner::Stop(const std::string& why) {
    ADD_FAILURE() << why;
    steps_.clear();
    GetMainWindow()->CloseWindow(-1);
}

TVocorixDlg& Learner::Window() const {
    return static_cast<TVocorixDlg&>(*GetMainWindow());
}

std::string Learner::Question() const {
    const char* question = WordDisplayOf(Window()).GetQuestion();
    return question != nullptr ? question : "";
}
