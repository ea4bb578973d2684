#include "form_test.h"

#include "tests/support/Keyboard.h"
#include "tests/support/Mouse.h"

namespace {

constexpr COLORREF Red = 255;
constexpr COLORREF Grey = 12632256;

struct PopupCall {
    HMENU menu;
    int x;
    int y;
    HWND owner;
};

struct WebCall {
    std::wstring file;
    std::wstring params;
    int show;
};

class NavigationTest : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        tk::seams().trackPopupMenu = [this](HMENU menu, int x, int y, HWND owner) {
            popups.push_back({menu, x, y, owner});
            return chosenCommand;
        };
        tk::seams().shellOpen = [this](const std::wstring& file, const std::wstring& params,
                                       int show) {
            webPages.push_back({file, params, show});
            return true;
        };
        form->show();
        for (const int row : {StartupRow, CookiesRow})
            form->ActionManager1[row].scan = [] {};
    }

    LRESULT trayMessage(LPARAM mouseMessage) {
        return SendMessageW(form->handle(), TrayCallbackMessage, 1, mouseMessage);
    }

    std::vector<PopupCall> popups;
    std::vector<WebCall> webPages;
    int chosenCommand = 0;
};

TEST_F(NavigationTest, CategoryMenusOpenBesideTheBar) {
    const RECT window = form->bounds();
    form->CB1Categories0Items0Click();
    form->CB1Categories0Items1Click();
    ASSERT_EQ(2u, popups.size());
    EXPECT_EQ(form->pabregistry.handle(), popups[0].menu);
    EXPECT_EQ(window.left + 655, popups[0].x);
    EXPECT_EQ(window.top + 214, popups[0].y);
    EXPECT_EQ(form->pabprivacy.handle(), popups[1].menu);
    EXPECT_EQ(window.left + 655, popups[1].x);
    EXPECT_EQ(window.top + 242, popups[1].y);
    EXPECT_EQ(form->handle(), popups[1].owner);
}

TEST_F(NavigationTest, MaximisedMenusOpenFurtherRight) {
    form->setWindowState(tk::WindowState::Maximized);
    ASSERT_EQ(tk::WindowState::Maximized, form->windowState());
    const RECT window = form->bounds();
    form->CB1Categories0Items1Click();
    ASSERT_EQ(1u, popups.size());
    EXPECT_EQ(window.left + 875, popups[0].x);
    EXPECT_EQ(window.top + 242, popups[0].y);
    form->setWindowState(tk::WindowState::Normal);
}

TEST_F(NavigationTest, MenuEntryOpensItsPage) {
    chosenCommand = 8; // "Cookies", the eighth entry of the privacy menu
    form->CB1Categories0Items1Click();
    EXPECT_TRUE(form->lvco->visible());
    EXPECT_TRUE(form->CategoryScanned[CookiesRow]);
}

TEST_F(NavigationTest, SelectingARowEnablesDetailItemsWhichOpensItsPage) {
    ASSERT_FALSE(form->OBall3->enabled());
    form->lvall->setItemIndex(CookiesRow);
    EXPECT_TRUE(form->OBall3->enabled());
    EXPECT_EQ(L"Cookies", form->SelectedRowCaption);
    form->OBall3Click();
    EXPECT_TRUE(form->lvco->visible());
    EXPECT_EQ((tk::CategoryHit{0, 1}), form->CB1->selected());
}

TEST_F(NavigationTest, DoubleClickOpensTheSelectedRowsPage) {
    form->lvall->setItemIndex(1);
    form->lvallDblClick();
    EXPECT_TRUE(form->lvsp->visible());
    EXPECT_EQ((tk::CategoryHit{0, 0}), form->CB1->selected());
}

TEST_F(NavigationTest, DoubleClickWithoutARowOrOnTheBackupRowDoesNothing) {
    form->lvallDblClick();
    EXPECT_TRUE(form->lvall->visible());
    form->lvall->setItemIndex(0);
    form->lvallDblClick();
    EXPECT_TRUE(form->lvall->visible());
    EXPECT_EQ(L"Status : Ready", form->statustext->caption());
}

TEST_F(NavigationTest, RightClickOnTheTrayIconOpensTheTrayMenu) {
    trayMessage(WM_LBUTTONDOWN);
    EXPECT_TRUE(popups.empty());
    trayMessage(WM_RBUTTONDOWN);
    ASSERT_EQ(1u, popups.size());
    EXPECT_EQ(form->PopupMenu1.handle(), popups[0].menu);
    EXPECT_EQ(form->handle(), popups[0].owner);
}

TEST_F(NavigationTest, ShowWindowRestoresTheMinimisedWindow) {
    form->setWindowState(tk::WindowState::Minimized);
    chosenCommand = 1; // "Show Window"
    trayMessage(WM_RBUTTONDOWN);
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(tk::WindowState::Normal, form->windowState());
}

TEST_F(NavigationTest, TrayExitDuringAFlowWaitsForItsEnd) {
    form->FlowRunning = true;
    form->Exit1Click();
    EXPECT_EQ(TForm1::ExitRequest::Terminate, form->PendingExit);
    EXPECT_FALSE(tk::app().terminated());
    form->PendingExit = TForm1::ExitRequest::None;
    form->FlowRunning = false;
}

// Clicked during a scan started with Enter, "Back to Main Menu", "Detail Items" and the
// bar switch no page: they show disabled until the scan ends, and then work again; the
// focus is back on the button.
TEST_F(NavigationTest, PageSwitchesWaitDisabledWhileAScanRuns) {
    const int backupsMiddle = 3 * 28 + 14;
    for (int row = 0; row < form->lvall->count(); ++row)
        form->lvall->setChecked(row, row == StartupRow);
    keys::bringForward(*form);
    form->lvall->setItemIndex(CookiesRow);
    const std::vector<tk::Control*> blocked = {form->CB1.get(), form->OBscanpc.get(),
                                               form->OBall2.get(), form->OBall3.get()};
    form->ActionManager1[StartupRow].scan = [&] {
        for (tk::Control* control : blocked)
            EXPECT_FALSE(control->enabled());
        mouse::click(*form->OBscanpc, 20, 10);
        mouse::click(*form->OBall3, 20, 10);
        mouse::click(*form->CB1, 100, backupsMiddle);
    };
    form->OBall2->setFocus();
    keys::press(VK_RETURN);
    EXPECT_TRUE(form->OBall2->focused());
    EXPECT_TRUE(form->lvall->visible());
    EXPECT_FALSE(form->CategoryScanned[CookiesRow]);
    for (tk::Control* control : blocked)
        EXPECT_TRUE(control->enabled());
    mouse::click(*form->CB1, 100, backupsMiddle);
    EXPECT_TRUE(form->LVbackup->visible());
}

TEST_F(NavigationTest, TimerTicksFlashTheirIndicators) {
    const std::pair<tk::Timer*, ctl::TFlatButton*> flashing[] = {
        {&form->Timer1, form->Oberror.get()},
        {&form->Timer3, form->obpriv.get()},
        {&form->Timer4, form->obmainerror.get()},
    };
    for (const auto& [timer, indicator] : flashing) {
        indicator->setInactiveColor(Red);
        timer->tick();
        EXPECT_EQ(Grey, indicator->inactiveColor());
        timer->tick();
        EXPECT_EQ(Red, indicator->inactiveColor());
    }
}

TEST_F(NavigationTest, HelpOpensTheHelpPageAndMinimises) {
    form->OBhelpClick();
    ASSERT_EQ(1u, webPages.size());
    EXPECT_EQ(0u, webPages[0].file.rfind(L"https://", 0));
    EXPECT_EQ(SW_SHOWNORMAL, webPages[0].show);
    EXPECT_EQ(tk::WindowState::Minimized, form->windowState());
    form->setWindowState(tk::WindowState::Normal);
}

TEST_F(NavigationTest, AboutPageLinksOpenTheMakersPages) {
    form->OBhomepageClick();
    form->OBproupdateClick();
    ASSERT_EQ(2u, webPages.size());
    for (const WebCall& call : webPages) {
        EXPECT_EQ(0u, call.file.rfind(L"https://", 0)) << call.file;
        EXPECT_LE(call.file.size(), 79u);
        EXPECT_TRUE(call.params.empty());
    }
    EXPECT_NE(webPages[0].file, webPages[1].file);
    EXPECT_EQ(tk::WindowState::Normal, form->windowState());
}

TEST_F(NavigationTest, AboutItemShowsTheAboutPage) {
    form->Timer4.setEnabled(true);
    keys::bringForward(*form);
    // "About" is the third 150 x 28 button of "More Options", after the two of "Scan",
    // right of the captions' band; beside it the bar does nothing.
    const int aboutMiddle = 4 * 28 + 14;
    mouse::click(*form->CB1, 180, aboutMiddle);
    EXPECT_TRUE(form->lvall->visible());
    mouse::click(*form->CB1, 100, aboutMiddle);
    for (tk::Control* shown :
         std::initializer_list<tk::Control*>{form->Panelabout.get(), form->Panel3.get(),
                                             form->OBhomepage.get(), form->OBproupdate.get()})
        EXPECT_TRUE(shown->visible());
    EXPECT_FALSE(form->Panel4->visible());
    EXPECT_FALSE(form->lvall->visible());
    EXPECT_FALSE(form->Timer4.enabled());
}

} // namespace
