#include "cleaner/Categories.h"
#include "form_test.h"

#include <stdexcept>

namespace {

constexpr COLORREF Red = 255;

using PagesTest = scantest::ResultsTest;

TEST_F(PagesTest, OpeningAPageTwiceScansOnce) {
    const int& runs = fakeScan(CookiesRow, 3);
    form->Cookies1Click();
    form->lvco->setChecked(0, false);
    form->Cookies1Click();
    EXPECT_EQ(1, runs);
    EXPECT_TRUE(form->CategoryScanned[CookiesRow]);
    EXPECT_EQ(3, form->lvco->count());
    EXPECT_FALSE(form->lvco->checked(0));
    EXPECT_EQ(L"3 Privacy Threats Found", form->Oberror->caption());
}

TEST_F(PagesTest, PageShowsItsListButtonsAndCountOnly) {
    fakeScan(CookiesRow, 2);
    form->Cookies1Click();
    for (tk::Control* shown : std::initializer_list<tk::Control*>{
             form->lvco.get(), form->OBco1.get(), form->obco2.get(), form->OBco3.get(),
             form->OBco4.get(), form->OBhelp.get(), form->Oberror.get()})
        EXPECT_TRUE(shown->visible());
    for (tk::Control* hidden : std::initializer_list<tk::Control*>{
             form->lvall.get(), form->OBall2.get(), form->lvhis.get(), form->OBhis1.get(),
             form->obpriv.get(), form->obmainerror.get()})
        EXPECT_FALSE(hidden->visible());
    EXPECT_EQ(L"  Status : Scanned Cookies", form->statustext->caption());
    EXPECT_EQ(0, form->PrivacyPageType);
}

TEST_F(PagesTest, OpeningAfterScanAllShowsWhatIsLeftWithoutScanning) {
    const int& runs = fakeScan(CookiesRow, 3);
    checkOnly({CookiesRow});
    form->OBall2Click();
    ASSERT_EQ(1, runs);
    form->lvco->deleteItem(0);
    form->Cookies1Click();
    EXPECT_EQ(1, runs);
    EXPECT_EQ(L"2", resultsCount(CookiesRow));
    EXPECT_EQ(L"2 Privacy Threats Found", form->Oberror->caption());
}

TEST_F(PagesTest, RefreshForgetsTheScanAndScansAgain) {
    const int& cookies = fakeScan(CookiesRow, 1);
    const int& history = fakeScan(HistoryRow, 1);
    form->Cookies1Click();
    form->OBco4Click();
    EXPECT_EQ(2, cookies);
    form->History1Click();
    form->OBhis4Click();
    EXPECT_EQ(2, history);
    EXPECT_TRUE(form->CategoryScanned[HistoryRow]);
    EXPECT_TRUE(form->lvhis->visible());
}

TEST_F(PagesTest, FailedScanLeavesTheCategoryUnscanned) {
    int attempts = 0;
    form->ActionManager1[CookiesRow].scan = [&attempts] {
        ++attempts;
        throw std::runtime_error("unreadable");
    };
    EXPECT_THROW(form->Cookies1Click(), std::runtime_error);
    EXPECT_FALSE(form->CategoryScanned[CookiesRow]);
    EXPECT_THROW(form->Cookies1Click(), std::runtime_error);
    EXPECT_EQ(2, attempts);
}

TEST_F(PagesTest, CountIndicatorWordsAndColours) {
    fakeScan(StartupRow, 2);
    form->RunningWhileStartup1Click();
    EXPECT_EQ(L"2 Errors Found", form->Oberror->caption());
    EXPECT_EQ(Red, form->Oberror->inactiveColor());
    EXPECT_TRUE(form->Timer1.enabled());

    fakeScan(CookiesRow, 0);
    form->Cookies1Click();
    EXPECT_EQ(L"No Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(0u, form->Oberror->inactiveColor());
    EXPECT_FALSE(form->Timer1.enabled());

    form->H1Click();
    EXPECT_EQ(L"No Errors Found", form->Oberror->caption());
    EXPECT_EQ(0u, form->Oberror->inactiveColor());
    EXPECT_EQ(L"0", resultsCount(HelpFilesRow));
}

TEST_F(PagesTest, EachPageWritesItsOwnResultsRow) {
    fakeScan(CookiesRow, 3);
    fakeScan(HistoryRow, 5);
    form->Cookies1Click();
    form->History1Click();
    EXPECT_EQ(L"3", resultsCount(CookiesRow));
    EXPECT_EQ(L"5", resultsCount(HistoryRow));
    EXPECT_EQ(L"0", resultsCount(LogFilesRow));
}

TEST_F(PagesTest, RecycleBinPageCountsTheItemsInTheBin) {
    form->ActionManager1[RecycleBinRow].scan = [this] {
        form->AddFinding(*form->lvbin, L"Recycle Bin", {});
        form->RecycleBinCount = 7;
    };
    form->RecycleBin2Click();
    EXPECT_EQ(L"7 Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(L"7", resultsCount(RecycleBinRow));
    EXPECT_EQ(3, form->PrivacyPageType);
}

TEST_F(PagesTest, APageRequestWhileAPageScansIsIgnored) {
    const int& history = fakeScan(HistoryRow, 1);
    form->ActionManager1[CookiesRow].scan = [this] { form->History1Click(); };
    form->Cookies1Click();
    EXPECT_EQ(0, history);
    EXPECT_EQ(0, form->PrivacyPageType);
    EXPECT_TRUE(form->lvco->visible());
    EXPECT_FALSE(form->lvhis->visible());
    form->History1Click();
    EXPECT_EQ(1, history);
}

TEST_F(PagesTest, APageRequestDuringScanAllIsIgnored) {
    const int& history = fakeScan(HistoryRow, 1);
    checkOnly({CookiesRow});
    form->ActionManager1[CookiesRow].scan = [this] { form->History1Click(); };
    form->OBall2Click();
    EXPECT_EQ(0, history);
    EXPECT_FALSE(form->CategoryScanned[HistoryRow]);
}

TEST_F(PagesTest, SharedSelectAllCaptionFollowsEachPagesState) {
    fakeScan(HistoryRow, 2);
    form->History1Click();
    EXPECT_EQ(L"Unselect All", form->OBhis1->caption());
    form->ObseleteSoftware1Click();
    EXPECT_EQ(L"Select All", form->OBhis1->caption());
    form->H1Click();
    EXPECT_EQ(L"Select All", form->OBhis1->caption());

    form->History1Click();
    form->OBhis1Click();
    EXPECT_FALSE(form->lvhis->checked(0));
    EXPECT_FALSE(form->lvhis->checked(1));
    EXPECT_FALSE(form->SelectAllState[1]);
    form->FontsRegistra1Click();
    EXPECT_EQ(L"Unselect All", form->OBhis1->caption());
    form->History1Click();
    EXPECT_EQ(L"Select All", form->OBhis1->caption());
    form->OBhis1Click();
    EXPECT_TRUE(form->lvhis->checked(0));
    EXPECT_TRUE(form->SelectAllState[1]);
}

TEST_F(PagesTest, OwnSelectAllTogglesRowsAndCaption) {
    fakeScan(StartupRow, 2);
    form->RunningWhileStartup1Click();
    form->OBsp1Click();
    EXPECT_EQ(L"Select All", form->OBsp1->caption());
    EXPECT_FALSE(form->lvsp->checked(0));
    EXPECT_FALSE(form->lvsp->checked(1));
    form->OBsp1Click();
    EXPECT_EQ(L"Unselect All", form->OBsp1->caption());
    EXPECT_TRUE(form->lvsp->checked(1));
}

TEST_F(PagesTest, RemoveKeepsTheUncheckedRowsAndCountsThem) {
    const int& runs = fakeScan(StartupRow, 3);
    fakeRemove(StartupRow);
    form->RunningWhileStartup1Click();
    form->lvsp->setChecked(1, false);
    form->OBsp3Click();
    EXPECT_EQ(1, form->lvsp->count());
    EXPECT_EQ(L"1 Errors Found", form->Oberror->caption());
    EXPECT_EQ(L"Status : Repaired Startup Programs", form->statustext->caption());
    EXPECT_EQ(L"1", resultsCount(StartupRow));
    form->RunningWhileStartup1Click();
    EXPECT_EQ(1, runs);
    EXPECT_EQ(1, form->lvsp->count());
}

TEST_F(PagesTest, RemoveAfterUnselectAllRemovesNothing) {
    fakeScan(CookiesRow, 2);
    fakeRemove(CookiesRow);
    form->Cookies1Click();
    form->OBco1Click();
    form->OBco3Click();
    EXPECT_EQ(2, form->lvco->count());
    EXPECT_EQ(L"2 Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(L"2", resultsCount(CookiesRow));
}

TEST_F(PagesTest, SharedRemoveCountsTheRowsLeft) {
    fakeScan(LogFilesRow, 3);
    fakeRemove(LogFilesRow);
    form->LogFiles2Click();
    form->lvlog->setChecked(2, false);
    form->OBhis3Click();
    EXPECT_EQ(1, form->lvlog->count());
    EXPECT_EQ(L"1 Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(Red, form->Oberror->inactiveColor());
    EXPECT_EQ(L"1", resultsCount(LogFilesRow));
    EXPECT_EQ(L"  Status : Repaired Log Files", form->statustext->caption());
}

TEST_F(PagesTest, SharedRemoveOfTheRecycleBinUsesTheBinsCount) {
    form->ActionManager1[RecycleBinRow].scan = [this] {
        form->AddFinding(*form->lvbin, L"Recycle Bin", {});
        form->RecycleBinCount = 4;
    };
    form->ActionManager1[RecycleBinRow].remove = [this] { form->RecycleBinCount = 0; };
    form->RecycleBin2Click();
    form->OBhis3Click();
    EXPECT_EQ(L"No Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(0u, form->Oberror->inactiveColor());
    EXPECT_EQ(L"0", resultsCount(RecycleBinRow));
}

TEST_F(PagesTest, FontsAndHelpRemoveDoesNothingWhileRefreshScansAgain) {
    int fontScans = 0;
    form->ActionManager1[FontsRow].scan = [this, &fontScans] {
        ++fontScans;
        form->fontregExecute();
    };
    form->FontsRegistra1Click();
    form->statustext->setCaption(L"unchanged");
    form->OBhis3Click();
    EXPECT_EQ(L"unchanged", form->statustext->caption());
    form->OBhis4Click();
    EXPECT_EQ(2, fontScans);
    EXPECT_EQ(L"0", resultsCount(FontsRow));

    form->H1Click();
    form->statustext->setCaption(L"unchanged");
    form->OBhis3Click();
    EXPECT_EQ(L"unchanged", form->statustext->caption());
}

TEST_F(PagesTest, SharedButtonsDoNothingBeforeASharedPageIsOpened) {
    ASSERT_EQ(0, form->PrivacyPageType);
    const int& history = fakeScan(HistoryRow, 1);
    form->OBhis1Click();
    form->OBhis3Click();
    form->OBhis4Click();
    EXPECT_EQ(L"Unselect All", form->OBhis1->caption());
    EXPECT_EQ(L"Status : Ready", form->statustext->caption());
    EXPECT_EQ(0, history);
    EXPECT_TRUE(form->lvall->visible());
    EXPECT_EQ(0, form->PrivacyPageType);
}

TEST_F(PagesTest, OwnPagesLeaveTheSharedPageTypeAlone) {
    fakeScan(LogFilesRow, 0);
    form->LogFiles2Click();
    form->VirtualComponent1Click();
    form->RecentDocuments2Click();
    EXPECT_EQ(8, form->PrivacyPageType);
}

// Called through the category table, every entry's page handler and button handlers act
// on its own list and results row.
TEST_F(PagesTest, EveryEntrysHandlersActOnItsOwnRow) {
    const scantest::TempFolder programs(L"TwProgramFiles");
    form->ProgramFilesDir = programs.path();
    TForm1& window = *form;
    for (const Category& category : Categories) {
        SCOPED_TRACE(category.caption);
        const int& scans = fakeScan(category.row, 3);
        if (category.remove)
            fakeRemove(category.row);
        tk::ListView& list = *(window.*category.list);
        const PageButtonSet& buttons = category.buttons;
        const auto press = [&window](Handler handler) {
            if (handler)
                (window.*handler)();
        };
        press(category.openPage);
        EXPECT_TRUE(list.visible());
        EXPECT_EQ(std::to_wstring(window.CategoryCount(category.row)), resultsCount(category.row));
        press(buttons.selectAllClick);
        const bool checked = list.checked(2);
        press(buttons.selectAllClick);
        EXPECT_EQ(buttons.selectAllClick != nullptr, checked != list.checked(2));
        if (buttons.ignoreClick) {
            tk::ListView& ignored = *(window.*category.ignored.list);
            const int kept = ignored.count();
            list.setItemIndex(0);
            press(buttons.ignoreClick);
            ASSERT_EQ(L"finding 0", ignored.item(kept).caption);
            ignored.setItemIndex(kept);
            press(category.ignored.removeClick);
            EXPECT_EQ(kept, ignored.count());
        }
        const int rows = list.count();
        for (int row = 0; row < rows; ++row)
            list.setChecked(row, row != 0);
        press(buttons.removeClick);
        EXPECT_EQ(category.remove ? 1 : rows, list.count());
        press(buttons.refreshClick);
        EXPECT_EQ(2, scans);
        EXPECT_EQ(3, list.count());
    }
    for (const auto& [row, runs] : scanRuns)
        EXPECT_EQ(2, runs) << row;
}

TEST_F(PagesTest, EverySharedPageTypeNamesItsRow) {
    const int rows[] = {0, 17, 11, 10, 8, 12, 13, 14, 15, 18, 19, 6, 5};
    for (int type = 0; type <= SharedPageTypeCount; ++type)
        EXPECT_EQ(rows[type], TForm1::SharedPageRow(type)) << type;
    EXPECT_EQ(0, TForm1::SharedPageRow(13));
}

} // namespace
