#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/brush.h"
#include "framework/button.h"
#include "framework/decorated_frame.h"
#include "framework/frame_window.h"
#include "framework/layout.h"
#include "platform/xmsg.h"
#include "tests/win/drill_scene.h"

namespace {

// Two levels of response tables: the derived one answers command 10 itself and leaves 11 to
// its base.
class BaseWindow : public TFrameWindow {
public:
    BaseWindow() : TFrameWindow(nullptr, "base") { Attr.Style &= ~WS_VISIBLE; }
    std::vector<std::string> calls;
    void Ten() { calls.push_back("base 10"); }
    void Eleven() { calls.push_back("base 11"); }
    LRESULT Custom(WPARAM wParam, LPARAM) {
        calls.push_back("base custom " + std::to_string(wParam));
        return 7;
    }

protected:
    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;
};

const TResponse BaseWindow::ResponseRows[] = {
    OnCommand<&BaseWindow::Ten>(10),
    OnCommand<&BaseWindow::Eleven>(11),
    OnMessage<&BaseWindow::Custom>(WM_APP),
};
const TResponseTable BaseWindow::ResponseTable{&TFrameWindow::ResponseTable, ResponseRows};

class DerivedWindow : public BaseWindow {
public:
    void Ten() { calls.push_back("derived 10"); }
    void Fail() { throw std::runtime_error("handler failed"); }
    void Range(uint32_t id) { calls.push_back("range " + std::to_string(id)); }

protected:
    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;
};

const TResponse DerivedWindow::ResponseRows[] = {
    OnCommand<&DerivedWindow::Ten>(10),
    OnCommand<&DerivedWindow::Fail>(12),
    OnCommandRange<&DerivedWindow::Range>(20, 29),
};
const TResponseTable DerivedWindow::ResponseTable{&BaseWindow::ResponseTable, ResponseRows};

TEST(ResponseTables, TheMostDerivedClassAnswersFirstAndItsBasesAfter) {
    DerivedWindow window;
    window.Create();
    window.Send(WM_COMMAND, 10);
    window.Send(WM_COMMAND, 11);
    EXPECT_EQ(window.Send(WM_APP, 3), 7);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"derived 10", "base 11", "base custom 3"}));
}

TEST(ResponseTables, ARangeRowServesEachOfItsCommandsWithTheId) {
    DerivedWindow window;
    window.Create();
    for (WPARAM id : {19, 20, 25, 29, 30})
        window.Send(WM_COMMAND, id);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"range 20", "range 25", "range 29"}));
}

TEST(HandleOwners, AMoveTakesTheHandleAndAnAssignmentGivesBackTheOneHeld) {
    TBrush first(RGB(1, 2, 3));
    TBrush second(RGB(4, 5, 6));
    const HBRUSH firstHandle = first;
    const HBRUSH secondHandle = second;
    TBrush moved(std::move(first));
    EXPECT_EQ(moved.GetHandle(), firstHandle);
    EXPECT_EQ(first.GetHandle(), nullptr);
    moved = std::move(second);
    EXPECT_EQ(moved.GetHandle(), secondHandle);
    EXPECT_EQ(second.GetHandle(), nullptr);
    EXPECT_EQ(GetObjectType(firstHandle), 0u) << "the brush held before was deleted";
    EXPECT_EQ(GetObjectType(secondHandle), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(ResponseTables, AButtonClickArrivesAsItsCommand) {
    BaseWindow window;
    TButton button(&window, 11, "eleven", 0, 0, 50, 20);
    window.Create();
    button.Send(BM_CLICK);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"base 11"}));
}

TEST(ExceptionBoundary, AThrowingHandlerDoesNotUnwindThroughThePlatform) {
    TApplication app;
    DerivedWindow window;
    window.Create();
    PostMessageA(window.GetHandle(), WM_COMMAND, 12, 0);
    EXPECT_THROW(app.PumpWaitingMessages(), std::runtime_error);
    // Parked once, thrown once.
    EXPECT_NO_THROW(app.PumpWaitingMessages());
}

// The main window of an application run: records the idle counts, and drives the loop from
// its idle calls.
class IdleWindow : public TFrameWindow {
public:
    IdleWindow() : TFrameWindow(nullptr, "idle") { Attr.Style &= ~WS_VISIBLE; }
    std::vector<int32_t> counts;
    std::thread closer;

    bool IdleAction(int32_t count) override {
        counts.push_back(count);
        switch (counts.size()) {
        case 1: // a mouse move does not end idle time
            PostMessageA(GetHandle(), WM_MOUSEMOVE, 0, 0);
            return true;
        case 2: // any other message does
            PostMessageA(GetHandle(), WM_APP, 0, 0);
            return true;
        case 4: {
            // No idle call may come while the queue stays empty after a refusal.
            HWND handle = GetHandle();
            closer = std::thread([handle] {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                PostMessageA(handle, WM_CLOSE, 0, 0);
            });
            return false;
        }
        default:
            return true;
        }
    }
};

class IdleApp : public TApplication {
public:
    IdleWindow* window = nullptr;

protected:
    void InitMainWindow() override {
        auto main = std::make_unique<IdleWindow>();
        window = main.get();
        SetMainWindow(std::move(main));
    }
};

TEST(MessageLoop, IdleCallsCountSinceTheLastMessageAndStopWhenRefused) {
    IdleApp app;
    EXPECT_EQ(app.Run(), 0);
    app.window->closer.join();
    EXPECT_EQ(app.window->counts, (std::vector<int32_t>{0, 1, 0, 1}));
}

// A frame with its own keyboard table and a child with another one.
class KeyedChild : public TButton {
public:
    KeyedChild(TWindow* parent) : TButton(parent, 5, "child", 0, 0, 50, 20) {
        Attr.AccelTable = 401;
    }
    int hints = 0;
    void Hint() { ++hints; }

protected:
    const TResponseTable& Responses() const override { return ResponseTable; }
    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;
};

const TResponse KeyedChild::ResponseRows[] = {OnCommand<&KeyedChild::Hint>(504)};
const TResponseTable KeyedChild::ResponseTable{&TButton::ResponseTable, ResponseRows};

class KeyedFrame : public TFrameWindow {
public:
    KeyedFrame() : TFrameWindow(nullptr, "keys"), child(this) { Attr.AccelTable = 400; }
    KeyedChild child;
    std::vector<uint32_t> commands;

protected:
    LRESULT EvCommand(uint32_t id, HWND control, uint32_t code) override {
        if (control == nullptr)
            commands.push_back(id);
        return TFrameWindow::EvCommand(id, control, code);
    }
};

TEST(MessageLoop, KeysGoToTheFocusWindowsTableThenToItsAncestors) {
    DrillScene keys; // for its key helpers
    KeyedFrame frame;
    frame.Create();
    SetForegroundWindow(frame.GetHandle());
    frame.child.SetFocus();
    keys.Key(VK_F5);
    EXPECT_EQ(frame.child.hints, 1);
    EXPECT_TRUE(frame.commands.empty());
    keys.Key(VK_RETURN, Ctrl);
    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{101}));
    EXPECT_EQ(frame.child.hints, 1);
}

TEST(Layout, ChainsResolveInAnyOrderAndCirclesAreRefused) {
    BaseWindow parent;
    TButton a(&parent, 1, "a", 0, 0, 0, 0);
    TButton b(&parent, 2, "b", 0, 0, 0, 0);
    const RECT area{0, 0, 300, 200};
    // b is listed first but hangs below a.
    std::vector<TLayoutItem> items{
        {&b,
         {ParentEdge(TEdge::Left, 10), SiblingEdge(a, TEdge::Bottom, 5), Absolute(40),
          Absolute(10)}},
        {&a,
         {SiblingEdge(b, TEdge::Left, 0), ParentEdge(TEdge::Top, 20), ParentEdge(TEdge::Right, -20),
          Absolute(30)}},
    };
    auto none = [](const TWindow&) { return RECT{}; };
    EXPECT_THROW(SolveLayout(area, items, none), std::logic_error);
    items[1].second.X = ParentEdge(TEdge::Left, 15);
    const std::vector<RECT> rects = SolveLayout(area, items, none);
    EXPECT_EQ(rects[0].left, 10);
    EXPECT_EQ(rects[0].top, 55);
    EXPECT_EQ(rects[0].right, 50);
    EXPECT_EQ(rects[0].bottom, 65);
    EXPECT_EQ(rects[1].left, 15);
    EXPECT_EQ(rects[1].right, 280);
}

// The options change deletes controls that others may be placed by.
TEST(Layout, AChildPlacedByADeletedSiblingKeepsItsPlace) {
    TDecoratedFrame frame(nullptr, "frame");
    frame.Attr.Style &= ~WS_VISIBLE;
    auto above = std::make_unique<TButton>(&frame, 1, "a", 0, 0, 0, 0);
    TButton below(&frame, 2, "b", 0, 0, 0, 0);
    frame.SetChildLayoutMetrics(*above, {ParentEdge(TEdge::Left, 10), ParentEdge(TEdge::Top, 50),
                                         Absolute(40), Absolute(20)});
    frame.SetChildLayoutMetrics(below,
                                {ParentEdge(TEdge::Left, 10), SiblingEdge(*above, TEdge::Bottom, 5),
                                 Absolute(40), Absolute(20)});
    frame.Create();
    frame.Layout();
    ASSERT_EQ(below.GetRectInParent().top, 75);
    above.reset();
    frame.Layout();
    EXPECT_EQ(below.GetRectInParent().top, 75);
}

class ThrowingApp : public TApplication {
public:
    explicit ThrowingApp(const char* message) : message_(message) {}

protected:
    void InitMainWindow() override {
        if (message_ == nullptr)
            throw std::bad_alloc();
        throw xmsg(message_);
    }

private:
    const char* message_;
};

TEST(TopLevelReport, WhatStartUpThrowsIsShownUnlessItsTextIsEmpty) {
    MessageBoxWatcher boxes;
    EXPECT_EQ(ThrowingApp("").Run(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(ThrowingApp("Out of sorts.").Run(), -1);
    EXPECT_EQ(ThrowingApp(nullptr).Run(), -1);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Out of sorts.");
    EXPECT_EQ(boxes.boxes[1].text, OutOfMemoryText) << "not the bare \"std::bad_alloc\"";
}

} // namespace
