#include "Fixture.h"

#include "toolkit/Action.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Timer.h"

#include <stdexcept>

using namespace tk;

namespace {

// Lets time pass the way a message loop does: waits for input, then runs it.
void runMessagesFor(unsigned ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    app().processMessages();
}

} // namespace

TEST_F(ToolkitTest, TimerTickRunsOnTimer) {
    Timer timer(1000, false);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.tick();
    EXPECT_EQ(1, ticks);
}

TEST_F(ToolkitTest, EnabledTimerFiresFromTheMessageLoopAndStopsWhenDisabled) {
    Timer timer(10, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    for (int i = 0; i < 100 && ticks < 2; ++i)
        runMessagesFor(10);
    EXPECT_GE(ticks, 2);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.enabled());
    app().processMessages();
    const int stopped = ticks;
    runMessagesFor(50);
    EXPECT_EQ(stopped, ticks);
}

TEST_F(ToolkitTest, DestroyedTimerNoLongerFires) {
    int ticks = 0;
    {
        Timer timer(1, true);
        timer.onTimer = [&] { ++ticks; };
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    app().processMessages();
    EXPECT_EQ(0, ticks);
}

TEST_F(ToolkitTest, TimerExceptionGoesToTheErrorBox) {
    Timer timer(1000, false);
    timer.onTimer = [] { throw std::runtime_error("tick failed"); };
    timer.tick();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"tick failed", boxes[0].text);
}

TEST_F(ToolkitTest, PopupMenuRunsTheChosenHandler) {
    PopupMenu menu;
    int chosen = -1;
    menu.addItem(L"Open", [&] { chosen = 0; });
    menu.addSeparator();
    menu.addItem(L"Exit", [&] { chosen = 2; });
    int shownAt = 0;
    seams().trackPopupMenu = [&](HMENU handle, int x, int, HWND) {
        EXPECT_EQ(menu.handle(), handle);
        EXPECT_EQ(3, GetMenuItemCount(handle));
        shownAt = x;
        return static_cast<int>(GetMenuItemID(handle, 2));
    };
    EXPECT_EQ(2, menu.popup(40, 50, form.handle()));
    EXPECT_EQ(2, chosen);
    EXPECT_EQ(40, shownAt);
}

TEST_F(ToolkitTest, PopupMenuDismissedRunsNothing) {
    PopupMenu menu;
    bool ran = false;
    menu.addItem(L"Open", [&] { ran = true; });
    seams().trackPopupMenu = [](HMENU, int, int, HWND) { return 0; };
    EXPECT_EQ(-1, menu.popup(0, 0, form.handle()));
    EXPECT_FALSE(ran);
}

TEST_F(ToolkitTest, PopupMenuHandlerExceptionIsShown) {
    PopupMenu menu;
    menu.addItem(L"Bad", [] { throw std::runtime_error("bad item"); });
    seams().trackPopupMenu = [](HMENU handle, int, int, HWND) {
        return static_cast<int>(GetMenuItemID(handle, 0));
    };
    menu.popup(0, 0, form.handle());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"bad item", boxes[0].text);
}

// A step asks the long action's check; a step of a handler run meanwhile does not, so that
// what the check throws never leaves through a window procedure.
TEST_F(ToolkitTest, OnlyTheActionsOwnStepsAskItsCheck) {
    form.onMessage = [](UINT msg, WPARAM, LPARAM, LRESULT&) {
        if (msg == WM_APP)
            app().keepAnswering();
        return msg == WM_APP;
    };
    int asked = 0;
    app().setStepCheck([&asked] { ++asked; });
    PostMessageW(form.handle(), WM_APP, 0, 0);
    app().answerStep();
    app().setStepCheck(nullptr);
    EXPECT_EQ(1, asked);
}

TEST(ActionList, AddFindExecute) {
    ActionList actions;
    int runs = 0;
    Action& scan = actions.add(L"ScanSp");
    scan.caption = L"Startup Programs";
    scan.onExecute = [&] { ++runs; };
    EXPECT_EQ(&scan, &actions.add(L"ScanSp"));
    actions.add(L"RemoveSp");
    EXPECT_EQ(2u, actions.count());
    EXPECT_EQ(nullptr, actions.find(L"Missing"));
    actions.execute(L"ScanSp");
    actions[L"RemoveSp"].execute();
    EXPECT_EQ(1, runs);
    EXPECT_THROW(actions.execute(L"Missing"), std::out_of_range);
    EXPECT_EQ((std::vector<std::wstring>{L"ScanSp", L"RemoveSp"}), actions.names());
}

TEST(ActionList, ExecuteLetsTheExceptionReachTheCaller) {
    ActionList actions;
    actions.add(L"Fail").onExecute = [] { throw std::runtime_error("x"); };
    EXPECT_THROW(actions.execute(L"Fail"), std::runtime_error);
}
