#include "main_window_fixture.h"

#include "hwinfo/Unit2.h"
#include "hwinfo/print.h"
#include "tests/support/Keyboard.h"
#include "tests/support/Mouse.h"

#include <commctrl.h>

using MainWindowTabsTest = MainWindowTest;

namespace {

// Takes the text of a tooltip window that shows.
BOOL CALLBACK ReadShownHint(HWND window, LPARAM text) {
    wchar_t name[64] = {};
    wchar_t shown[256] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = shown;
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window) &&
        SendMessageW(window, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        *reinterpret_cast<std::wstring*>(text) = shown;
    return TRUE;
}

// The hint that shows within three seconds of rest, empty when none does; one
// that the pointer has just left may take a moment to go and does not count.
std::wstring HintShownAfterRest() {
    std::wstring text;
    for (int waited = 0; text.empty() && waited < 3000; waited += 20) {
        Sleep(20);
        tk::app().processMessages();
        if (waited >= 300)
            EnumThreadWindows(GetCurrentThreadId(), ReadShownHint, reinterpret_cast<LPARAM>(&text));
    }
    return text;
}

// The icon's picture, drawn at 32 x 32 pixels.
std::vector<std::uint32_t> IconPixels(HICON icon) {
    tk::MemoryCanvas canvas(32, 32);
    DrawIconEx(canvas.handle(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    return {canvas.bits(), canvas.bits() + 32 * 32};
}

} // namespace

TEST_F(MainWindowTabsTest, StartsOnTheSystemTabWithoutPrintButton) {
    EXPECT_EQ(L" Corvane", form->caption());
    EXPECT_EQ(0, form->PageControl1->activePage());
    EXPECT_EQ(0, form->LV2->count());
    EXPECT_EQ(0, form->LV1->count());
    EXPECT_FALSE(form->print_button->visible());
    form->TabSheet2Show();
    EXPECT_FALSE(form->print_button->visible());
    const HICON own = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    ASSERT_NE(nullptr, own);
    const LRESULT shown = SendMessageW(form->handle(), WM_GETICON, ICON_BIG, 0);
    EXPECT_TRUE(IconPixels(own) == IconPixels(reinterpret_cast<HICON>(shown)));
    BUTTON_IMAGELIST glyph{};
    SendMessageW(form->print_button->handle(), BCM_GETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(&glyph));
    EXPECT_EQ(1, ImageList_GetImageCount(glyph.himl));
}

TEST_F(MainWindowTabsTest, PrintButtonFollowsTheContentOfEachTab) {
    form->ActionManager1.execute(L"Action12");
    form->PageControl1->setActivePage(1);
    form->TabSheet2Show();
    EXPECT_FALSE(form->print_button->visible());
    form->TabSheet3Show();
    EXPECT_FALSE(form->print_button->visible());
    form->TabSheet1Show();
    EXPECT_TRUE(form->print_button->visible());
    form->TabSheet4Show();
    EXPECT_FALSE(form->print_button->visible());
}

TEST_F(MainWindowTabsTest, NoAndOkReturnToTheSystemTabKeepingItsPage) {
    form->ActionManager1.execute(L"Action12");
    form->PageControl1->setActivePage(3);
    form->Button2->click();
    EXPECT_EQ(0, form->PageControl1->activePage());
    EXPECT_TRUE(form->print_button->visible());
    form->PageControl1->setActivePage(2);
    form->SpeedButton2->click();
    EXPECT_EQ(0, form->PageControl1->activePage());
    EXPECT_EQ(30, form->LV2->count());
}

TEST_F(MainWindowTabsTest, ExitYesEndsTheProgramWithoutAnotherQuestion) {
    form->PageControl1->setActivePage(3);
    form->Button1->click();
    EXPECT_EQ(nullptr, form->handle());
    tk::app().processMessages();
    EXPECT_TRUE(tk::app().terminated());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTabsTest, WhatsNewAndHelpOpenFilesOfTheProgramFolder) {
    form->obnewsClick();
    form->obhelpClick();
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(L"\\Corvane\\History.txt",
              opened[0].substr(opened[0].size() - std::wstring(L"\\Corvane\\History.txt").size()));
    EXPECT_EQ(
        L"\\Corvane\\Corvane Help.chm",
        opened[1].substr(opened[1].size() - std::wstring(L"\\Corvane\\Corvane Help.chm").size()));
    EXPECT_EQ(SW_SHOW, openedShow);
}

TEST_F(MainWindowTabsTest, ContactLabelShowsTheMailAddressWhileHovered) {
    form->Label7MouseMove();
    EXPECT_EQ(ContactMail, form->Label7->caption());
    tk::MemoryCanvas canvas(1, 1);
    canvas.setFont(form->Label7->font());
    EXPECT_LE(canvas.textWidth(ContactMail), form->Label7->width());
    form->Label7MouseLeave();
    EXPECT_EQ(ContactName, form->Label7->caption());
    form->Label8MouseMove();
    EXPECT_EQ(255u, form->Label8->font().color);
    form->Label8MouseLeave();
    EXPECT_EQ(16711680u, form->Label8->font().color);
}

TEST_F(MainWindowTabsTest, PageButtonHintShowsWhileThePointerRestsOnItsButton) {
    keys::bringForward(*form);
    TButtonGroup& buttons = *form->ButtonGroup2;
    const POINT outside{buttons.clientWidth() + 100, 100};
    const POINT belowButtons{90, buttons.buttonCount() * buttons.buttonHeight() + 5};
    // The pointer moves along each path without resting, then rests.
    for (const auto& [path, hint] : std::vector<std::pair<std::vector<POINT>, std::wstring>>{
             {{outside, buttons.buttonCenter(3), buttons.buttonCenter(2)},
              L"Show Processor Information"},
             {{outside}, L""},
             {{belowButtons}, L""},
             {{buttons.buttonCenter(1)}, L"Show Mainboard Information  "}}) {
        for (const POINT& at : path)
            mouse::moveTo(buttons, at.x, at.y);
        EXPECT_EQ(hint, HintShownAfterRest());
    }
}

TEST_F(MainWindowTabsTest, HandCursorOverTabsPageButtonsLinkAndButtons) {
    Tprint_form preview;
    const auto cursorOver = [](tk::Control& control) {
        SetCursor(nullptr);
        SendMessageW(control.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(control.handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             form->PageControl1.get(), form->ButtonGroup1.get(), form->ButtonGroup2.get(),
             form->print_button.get(), form->Label8.get(), form->obnews.get(), form->obhelp.get(),
             form->Button1.get(), form->Button2.get(), preview.print_button.get(),
             preview.zoom_button.get(), preview.Prev_button.get(), preview.next_button.get(),
             preview.SpeedButton4.get()})
        EXPECT_EQ(hand, cursorOver(*control)) << control->caption();
    for (tk::Control* control : {static_cast<tk::Control*>(form->LV2.get()),
                                 static_cast<tk::Control*>(form->SpeedButton2.get())})
        EXPECT_NE(hand, cursorOver(*control)) << control->caption();
}

TEST(SplashTest, BusyDelayCountsEveryStepTheSeamAllows) {
    unsigned long asked = 0;
    unsigned long allowed = 0;
    tk::seams().busySteps = [&](unsigned long steps) {
        asked = steps;
        return allowed;
    };
    TForm2 splash;
    splash.BusyDelay();
    EXPECT_EQ(3000000ul, asked);
    EXPECT_EQ(1000u, splash.Timer1.interval());
    allowed = 1000;
    splash.BusyDelay();
    EXPECT_EQ(999u, splash.Timer1.interval());
    EXPECT_FALSE(splash.Timer1.enabled());
    EXPECT_EQ(L"version 2.4", splash.Label1->caption());
    tk::resetSeams();
}
