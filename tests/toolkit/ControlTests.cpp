#include "Fixture.h"

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/MessageBox.h"
#include "toolkit/Panel.h"

#include <commctrl.h>

#include <stdexcept>

using namespace tk;

TEST_F(ToolkitTest, FromHandleFindsOwnAndSubclassedControls) {
    Panel panel(form, 0, 0, 100, 100);
    Button button(panel, 5, 5, 80, 24, L"Go");
    EXPECT_EQ(&form, Control::fromHandle(form.handle()));
    EXPECT_EQ(&panel, Control::fromHandle(panel.handle()));
    EXPECT_EQ(&button, Control::fromHandle(button.handle()));
    EXPECT_EQ(&panel, button.parent());
    EXPECT_EQ(nullptr, Control::fromHandle(GetDesktopWindow()));
}

TEST_F(ToolkitTest, ControlDestroysItsWindowAndForgetsADestroyedOne) {
    HWND hwnd;
    {
        Button button(form, 0, 0, 50, 20);
        hwnd = button.handle();
        EXPECT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));

    Label label(form, 0, 0, 50, 20, L"x");
    DestroyWindow(label.handle());
    EXPECT_EQ(nullptr, label.handle());
}

TEST_F(ToolkitTest, BoundsAreRelativeToTheParent) {
    Panel panel(form, 10, 20, 200, 100);
    Label label(panel, 7, 9, 50, 15, L"Status");
    const RECT r = label.bounds();
    EXPECT_EQ(7, r.left);
    EXPECT_EQ(9, r.top);
    EXPECT_EQ(50, label.width());
    EXPECT_EQ(15, label.height());
    EXPECT_EQ(L"Status", label.caption());
}

TEST_F(ToolkitTest, ButtonClickReachesOnClickThroughTheParent) {
    Panel panel(form, 0, 0, 200, 100);
    Button button(panel, 5, 5, 80, 24, L"Go");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    SendMessageW(button.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);
}

TEST_F(ToolkitTest, CheckBoxSetCheckedFiresOnlyOnChange) {
    CheckBox box(form, 0, 0, 100, 20, L"Scan");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setChecked(false);
    EXPECT_EQ(0, clicks);
    box.setChecked(true);
    EXPECT_EQ(1, clicks);
    EXPECT_TRUE(box.checked());
    box.setChecked(true);
    EXPECT_EQ(1, clicks);
    box.setChecked(false);
    EXPECT_EQ(2, clicks);
    EXPECT_FALSE(box.checked());
}

TEST_F(ToolkitTest, CheckBoxUserClickTogglesAndFires) {
    CheckBox box(form, 0, 0, 100, 20, L"Scan");
    bool seen = false;
    box.onClick = [&] { seen = box.checked(); };
    SendMessageW(box.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(seen);
}

TEST_F(ToolkitTest, EditChangeFires) {
    Edit edit(form, 0, 0, 100, 20);
    std::wstring seen;
    edit.onChange = [&] { seen = edit.text(); };
    edit.setText(L"abc");
    EXPECT_EQ(L"abc", seen);
}

TEST_F(ToolkitTest, TypingThroughTheMessageLoopReachesTheEdit) {
    Edit edit(form, 0, 0, 100, 20);
    edit.setFocus();
    PostMessageW(edit.handle(), WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageW(edit.handle(), WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001));
    app().processMessages();
    EXPECT_EQ(L"a", edit.text());
}

TEST_F(ToolkitTest, LabelAutoSizeFollowsText) {
    Label label(form, 0, 0, 5, 5, L"");
    label.setAutoSize(true);
    label.setCaption(L"A much longer status text");
    const int wide = label.width();
    label.setCaption(L"A");
    EXPECT_GT(wide, label.width());
    EXPECT_GT(label.height(), 5);
}

TEST_F(ToolkitTest, GuardShowsTheExceptionInTheErrorBox) {
    app().setTitle(L"Tidewell");
    app().guard([] { throw std::runtime_error("Failed to get data for 'x'"); });
    app().guard([] { throw Error(L"Wide \u00e9rror"); });
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"Failed to get data for 'x'", boxes[0].text);
    EXPECT_EQ(L"Tidewell", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes[0].flags & MB_ICONMASK);
    EXPECT_EQ(L"Wide \u00e9rror", boxes[1].text);
}

TEST_F(ToolkitTest, ExceptionInAnEventHandlerDoesNotEscapeUser32) {
    Button button(form, 0, 0, 50, 20);
    button.onClick = [] { throw std::runtime_error("boom"); };
    SendMessageW(button.handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"boom", boxes[0].text);
}

TEST_F(ToolkitTest, MessageBoxGoesThroughTheSeam) {
    tk::seams().messageBox = [](HWND, const std::wstring&, const std::wstring&, UINT) {
        return IDYES;
    };
    EXPECT_EQ(IDYES, messageBox(L"Sure?", L"Q", MB_YESNO));
}

TEST_F(ToolkitTest, FormCloseQueryCanRefuse) {
    Form other(L"Other", 100, 100);
    bool allow = false;
    int closes = 0;
    other.onCloseQuery = [&](bool& allowClose) { allowClose = allow; };
    other.onClose = [&] { ++closes; };
    SendMessageW(other.handle(), WM_CLOSE, 0, 0);
    EXPECT_NE(nullptr, other.handle());
    EXPECT_EQ(0, closes);
    allow = true;
    EXPECT_TRUE(other.close());
    EXPECT_EQ(1, closes);
    EXPECT_EQ(nullptr, other.handle());
}

TEST_F(ToolkitTest, FormCloseQueryThatThrowsKeepsTheForm) {
    Form other(L"Other", 100, 100);
    other.onCloseQuery = [](bool&) { throw std::runtime_error("no"); };
    EXPECT_FALSE(other.close());
    EXPECT_NE(nullptr, other.handle());
    EXPECT_EQ(1u, boxes.size());
}

TEST_F(ToolkitTest, FormHideOnCloseKeepsTheWindow) {
    Form other(L"Other", 100, 100);
    other.setHideOnClose(true);
    other.show();
    EXPECT_TRUE(other.close());
    EXPECT_NE(nullptr, other.handle());
    EXPECT_FALSE(other.visible());
}

TEST_F(ToolkitTest, FormClientSizeSurvivesBorderChange) {
    form.setClientSize(320, 200);
    form.setBorderStyle(BorderStyle::None);
    EXPECT_EQ(320, form.clientWidth());
    EXPECT_EQ(200, form.clientHeight());
    EXPECT_EQ(320, form.width());
}

TEST_F(ToolkitTest, FormOnMessageCanConsume) {
    const UINT tray = WM_APP + 7;
    LPARAM seen = 0;
    form.onMessage = [&](UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
        if (msg != tray)
            return false;
        seen = lParam;
        result = 42;
        return true;
    };
    EXPECT_EQ(42, SendMessageW(form.handle(), tray, 0, WM_LBUTTONDBLCLK));
    EXPECT_EQ(WM_LBUTTONDBLCLK, seen);
}

TEST_F(ToolkitTest, ProcessMessagesPassesQuitOn) {
    bool ran = false;
    form.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
        ran = ran || msg == WM_APP;
        return false;
    };
    PostMessageW(form.handle(), WM_APP, 0, 0);
    app().terminate();
    app().processMessages();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(app().terminated());
    app().run(); // returns at once
}

TEST_F(ToolkitTest, DestroyingTheMainFormTerminates) {
    auto* main = new Form(L"Main", 100, 100);
    app().setMainForm(main);
    DestroyWindow(main->handle());
    delete main;
    EXPECT_EQ(nullptr, app().mainForm());
    app().processMessages();
    EXPECT_TRUE(app().terminated());
}

namespace {

BOOL CALLBACK RememberTooltipWindow(HWND hwnd, LPARAM found) {
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
        *reinterpret_cast<HWND*>(found) = hwnd;
    return TRUE;
}

} // namespace

TEST_F(ToolkitTest, HintIsRegisteredAndRemovedWithTheControl) {
    HWND tips = nullptr;
    {
        Button button(form, 0, 0, 50, 20);
        button.setHint(L"Starts the scan");
        EnumThreadWindows(GetCurrentThreadId(), RememberTooltipWindow,
                          reinterpret_cast<LPARAM>(&tips));
        ASSERT_NE(nullptr, tips);
        EXPECT_EQ(1, static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)));
        button.setHint(L"Other text");
        EXPECT_EQ(1, static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)));
    }
    EXPECT_EQ(0, static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)));
}

namespace {

HCURSOR CursorOver(Control& control, HWND under) {
    SetCursor(nullptr);
    SendMessageW(control.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

} // namespace

TEST_F(ToolkitTest, HandCursorOverTheControlButNotItsChildrenHourGlassEverywhere) {
    Panel panel(form, 0, 0, 200, 100);
    Button button(panel, 5, 5, 80, 24, L"Go");
    panel.setCursor(Cursor::HandPoint);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    EXPECT_EQ(hand, CursorOver(panel, panel.handle()));
    EXPECT_NE(hand, CursorOver(button, button.handle()));
    app().setCursor(Cursor::HourGlass);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), CursorOver(panel, panel.handle()));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), CursorOver(button, button.handle()));
    app().setCursor(Cursor::Default);
}
