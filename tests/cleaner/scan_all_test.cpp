#include "form_test.h"
#include "tests/support/Keyboard.h"

#include <chrono>

using twtest::StoreSetting;

namespace {

bool TakeQuitMessage() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

bool TakeCloseMessage(HWND window) {
    MSG msg;
    return PeekMessageW(&msg, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
}

class SerialScanAll : public scantest::ResultsTest {
  protected:
    void TearDown() override {
        ResultsTest::TearDown();
        TakeQuitMessage();
    }

    std::wstring backupsFolder() const { return form->ProgramFilesDir + L"\\Tidewell\\Backups"; }
};

TEST_F(SerialScanAll, AllRowsUncheckedFindsNothing) {
    fakeScan(StartupRow, 3);
    checkOnly({});
    form->OBall2Click();
    EXPECT_TRUE(scanStatus.empty());
    EXPECT_EQ(L"Status : Complete Scan Your PC", form->statustext->caption());
    EXPECT_EQ(L"No Errors Found", form->obmainerror->caption());
    EXPECT_EQ(L"No Privacy Threats Found", form->obpriv->caption());
    EXPECT_EQ(0u, form->obmainerror->inactiveColor());
    EXPECT_TRUE(form->obmainerror->visible());
    EXPECT_FALSE(form->Timer4.enabled());
    EXPECT_EQ(L"", resultsCount(BackupRow));
    for (int row = 1; row <= ProgressiveRow; ++row)
        EXPECT_EQ(L"0", resultsCount(row)) << row;
}

TEST_F(SerialScanAll, FindingsAreCountedAndFlashedAsErrors) {
    fakeScan(StartupRow, 3);
    checkOnly({StartupRow});
    form->OBall2Click();
    EXPECT_EQ(L"Status : Scanning Startup Programs", scanStatus[StartupRow]);
    EXPECT_EQ(L"3", resultsCount(StartupRow));
    EXPECT_TRUE(form->CategoryScanned[StartupRow]);
    EXPECT_EQ(L"3 Errors Found", form->obmainerror->caption());
    EXPECT_EQ(255u, form->obmainerror->inactiveColor());
    EXPECT_TRUE(form->Timer4.enabled());
    EXPECT_EQ(L"No Privacy Threats Found", form->obpriv->caption());
    EXPECT_FALSE(form->Timer3.enabled());
}

TEST_F(SerialScanAll, EveryCategoryHasAScanAndAllButTheSilentOnesARemove) {
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row) {
        const bool silent = row == HelpFilesRow || row == FontsRow || row == VirtualRow;
        EXPECT_TRUE(form->ActionManager1[row].scan) << row;
        EXPECT_EQ(!silent, static_cast<bool>(form->ActionManager1[row].remove)) << row;
    }
}

TEST_F(SerialScanAll, ProgressiveAnalysisCountsAsErrorOnly) {
    fakeScan(ProgressiveRow, 2);
    checkOnly({ProgressiveRow});
    form->OBall2Click();
    EXPECT_EQ(L"Status : Progressive Registry Analyzing", scanStatus[ProgressiveRow]);
    EXPECT_EQ(L"2 Errors Found", form->obmainerror->caption());
    EXPECT_EQ(L"No Privacy Threats Found", form->obpriv->caption());
}

TEST_F(SerialScanAll, HelpAndFontRowsShowZeroAfterScanAndTheirListAfterRepair) {
    fakeScan(HelpFilesRow, 2);
    fakeScan(FontsRow, 1);
    fakeScan(StartupRow, 1);
    fakeRemove(StartupRow);
    checkOnly({StartupRow, HelpFilesRow, FontsRow, VirtualRow});
    form->OBall2Click();
    EXPECT_EQ(L"0", resultsCount(HelpFilesRow));
    EXPECT_EQ(L"0", resultsCount(FontsRow));
    form->OBall4Click();
    EXPECT_EQ(L"2", resultsCount(HelpFilesRow));
    EXPECT_EQ(L"1", resultsCount(FontsRow));
    EXPECT_EQ(L"0", resultsCount(VirtualRow));
    EXPECT_EQ(L"0", resultsCount(StartupRow));
    EXPECT_EQ(L"Status : Repairing Startup Programs", removeStatus[StartupRow]);
    EXPECT_EQ(L"Status : Repair Complete", form->statustext->caption());
    EXPECT_EQ(L"3 Errors Found", form->obmainerror->caption());
}

TEST_F(SerialScanAll, RepairWithNothingFoundDoesNothing) {
    const scantest::NewFilesRemover backups(backupsFolder());
    ASSERT_TRUE(form->lvall->checked(BackupRow));
    StoreSetting(L"autoclose", L"1");
    form->statustext->setCaption(L"Status : Ready");
    form->OBall4Click();
    EXPECT_EQ(L"Status : Ready", form->statustext->caption());
    EXPECT_TRUE(backups.added().empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(SerialScanAll, AutoCloseEndsAfterARealRepair) {
    StoreSetting(L"autoclose", L"1");
    fakeScan(StartupRow, 2);
    fakeRemove(StartupRow);
    checkOnly({StartupRow});
    form->OBall2Click();
    EXPECT_FALSE(TakeQuitMessage());
    form->OBall4Click();
    EXPECT_EQ(L"0", resultsCount(StartupRow));
    EXPECT_TRUE(TakeQuitMessage());

    // What a removal left undone stands in place of the closing text.
    fakeScan(StartupRow, 1);
    form->OBall2Click();
    form->ActionManager1[StartupRow].remove = [this] {
        form->ActionStatus = L"Clipboard changed, not cleared";
    };
    form->OBall4Click();
    EXPECT_EQ(L"Status : Clipboard changed, not cleared", form->statustext->caption());
    EXPECT_TRUE(TakeQuitMessage());
}

TEST_F(SerialScanAll, TwoRepairNotesNameTheirCategoriesWithinTheLine) {
    fakeScan(RecycleBinRow, 0);
    fakeScan(ClipboardRow, 1);
    for (const int row : {RecycleBinRow, ClipboardRow})
        form->ActionManager1[row].remove = [this] { form->ActionStatus = L"changed, not cleared"; };
    checkOnly({RecycleBinRow, ClipboardRow});
    form->OBall2Click();
    form->OBall4Click();
    EXPECT_EQ(L"Status : Not cleared: Recycle Bin, Clipboard", form->statustext->caption());
    EXPECT_LE(scantest::CaptionWidth(*form->statustext), form->statustext->width());
}

TEST_F(SerialScanAll, FailedBackupRemovesNothing) {
    fakeScan(StartupRow, 2);
    fakeRemove(StartupRow);
    checkOnly({BackupRow, StartupRow});
    form->OBall2Click();
    form->ProgramFilesDir = L"C:\\NoSuchFolder\\" + scantest::UniqueName(L"Programs");
    form->OBall4Click();
    EXPECT_EQ(0u, removeStatus.count(StartupRow));
    EXPECT_EQ(2, form->lvsp->count());
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"Status : Repair Cancelled", form->statustext->caption());
    EXPECT_EQ(L"2 Errors Found", form->obmainerror->caption());
    EXPECT_TRUE(form->obmainerror->visible());
}

TEST_F(SerialScanAll, AutoRepairBacksUpBeforeItRemoves) {
    const scantest::SavedKey userRun(HKEY_CURRENT_USER, twtest::RunKey);
    const scantest::NewFilesRemover backups(backupsFolder());
    const std::wstring name = scantest::UniqueName(L"TwBrokenEntry");
    scantest::SetString(HKEY_CURRENT_USER, twtest::RunKey, name, L"C:\\NoSuchFolder\\gone.exe");
    StoreSetting(L"autorepair", L"1");
    checkOnly({BackupRow, StartupRow});
    form->OBall2Click();

    EXPECT_FALSE(scantest::ValueExists(HKEY_CURRENT_USER, twtest::RunKey, name));
    EXPECT_EQ(L"Status : Repair Complete", form->statustext->caption());
    const std::vector<std::wstring> added = backups.added();
    ASSERT_EQ(1u, added.size());
    const std::wstring exported = scantest::Utf16FileText(backupsFolder() + L"\\" + added[0]);
    EXPECT_NE(std::wstring::npos, exported.find(L"\"" + name + L"\"=\"C:\\\\NoSuchFolder"));
}

TEST_F(SerialScanAll, FirstStartChecksTheBackupRow) {
    EXPECT_TRUE(form->lvall->checked(BackupRow));
    form.reset();
    StoreSetting(L"autobackup", L"0");
    form = std::make_unique<TForm1>();
    EXPECT_FALSE(form->lvall->checked(BackupRow));
}

TEST_F(SerialScanAll, TabToSelectAllThenEnterAndSpaceToggleEveryRow) {
    keys::bringForward(*form);
    form->lvall->setFocus();
    for (int i = 0; i < 40 && !form->OBall1->focused(); ++i)
        keys::press(VK_TAB);
    ASSERT_TRUE(form->OBall1->focused());
    keys::press(VK_RETURN);
    for (int row = 0; row < form->lvall->count(); ++row)
        EXPECT_FALSE(form->lvall->checked(row)) << row;
    EXPECT_EQ(L"Select All", form->OBall1->caption());
    keys::press(VK_SPACE);
    for (int row = 0; row < form->lvall->count(); ++row)
        EXPECT_TRUE(form->lvall->checked(row)) << row;
    EXPECT_EQ(L"Unselect All", form->OBall1->caption());
}

TEST_F(SerialScanAll, BackToMainMenuRecountsTheLists) {
    fakeScan(StartupRow, 2);
    fakeScan(HistoryRow, 1);
    form->ActionManager1[StartupRow].scan();
    form->ActionManager1[HistoryRow].scan();
    StoreSetting(L"autobackup", L"0");
    form->OBscanpcClick();
    EXPECT_EQ(L"2", resultsCount(StartupRow));
    EXPECT_EQ(L"1", resultsCount(HistoryRow));
    EXPECT_FALSE(form->lvall->checked(BackupRow));
    EXPECT_EQ(L"2 Errors Found", form->obmainerror->caption());
    EXPECT_EQ(L"1 Privacy Threats Found", form->obpriv->caption());
    EXPECT_TRUE(form->lvall->visible());
}

TEST_F(SerialScanAll, FlowRequestsDuringAFlowAreIgnored) {
    int scans = 0;
    form->ActionManager1[StartupRow].scan = [&] {
        ++scans;
        form->OBall2Click();
        form->OBall4Click();
        form->RunningWhileStartup1Click();
    };
    checkOnly({StartupRow});
    form->OBall2Click();
    EXPECT_EQ(1, scans);
    form->OBall2Click();
    EXPECT_EQ(2, scans);
}

TEST_F(SerialScanAll, CloseDuringAFlowEndsItAtItsNextStep) {
    bool closedDuringScan = true;
    form->ActionManager1[StartupRow].scan = [&] { closedDuringScan = form->close(); };
    const int& later = fakeScan(HistoryRow, 1);
    checkOnly({StartupRow, HistoryRow});
    form->OBall2Click();
    EXPECT_FALSE(closedDuringScan);
    EXPECT_EQ(0, later);
    EXPECT_TRUE(IsWindow(form->handle()));
    EXPECT_TRUE(TakeCloseMessage(form->handle()));
}

TEST_F(SerialScanAll, TrayExitDuringAFlowEndsItAtItsNextStep) {
    form->ActionManager1[StartupRow].scan = [&] { form->Exit1Click(); };
    const int& later = fakeScan(HistoryRow, 1);
    checkOnly({StartupRow, HistoryRow});
    form->OBall2Click();
    EXPECT_EQ(0, later);
    EXPECT_TRUE(TakeQuitMessage());
}

// Alt+F4 during a scan's pause: the pause answers it at once, the scan ends there and the
// window is gone within a second, with "autoscan" = "0" stored.
TEST_F(SerialScanAll, CloseDuringAScanPauseClosesTheWindowWithinASecond) {
    using Clock = std::chrono::steady_clock;
    tk::resetSeams();
    const auto productionPause = tk::seams().pause;
    const HWND window = form->handle();
    keys::bringForward(*form);
    Clock::time_point pressed{};
    bool pauseReturned = false;
    tk::seams().pause = [&](unsigned) {
        if (std::exchange(pressed, Clock::now()) != Clock::time_point{})
            return;
        std::vector<INPUT> altF4 = {keys::keyInput(VK_MENU, false), keys::keyInput(VK_F4, false),
                                    keys::keyInput(VK_F4, true), keys::keyInput(VK_MENU, true)};
        SendInput(4, altF4.data(), sizeof(INPUT));
        productionPause(2000);
        pauseReturned = true;
    };
    form->ActionManager1[StartupRow].scan = [this] { form->AdvanceProgress(0, 30); };
    checkOnly({StartupRow});
    form->OBall2Click();
    while (IsWindow(window) && Clock::now() - pressed < std::chrono::seconds(1))
        tk::app().processMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(pauseReturned);
    EXPECT_EQ(L"0", twtest::Setting(L"autoscan"));
}

// Alt+F4 during a repair's registry export leaves no backup file or row and repairs
// nothing; during its first deletion, that one goes and the other findings stay listed.
TEST_F(SerialScanAll, CloseDuringARepairDeletesNothingMore) {
    const scantest::NewFilesRemover backups(backupsFolder());
    fakeScan(StartupRow, 3);
    checkOnly({BackupRow, StartupRow});
    form->OBall2Click();
    const int backupRows = form->LVbackup->count();
    keys::bringForward(*form);
    std::vector<std::wstring> deleted;
    form->ActionManager1[StartupRow].remove = [&] {
        form->RunRemoveFrame(*form->lvsp, [&](const tk::ListItem& row) {
            deleted.push_back(row.caption);
            keys::press(VK_F4, {VK_MENU});
            return TForm1::RemoveOutcome::Removed;
        });
    };
    tk::seams().pause = [](unsigned) { keys::press(VK_F4, {VK_MENU}); };
    form->OBall4Click();
    EXPECT_TRUE(backups.added().empty());
    EXPECT_EQ(backupRows, form->LVbackup->count());
    EXPECT_TRUE(deleted.empty());
    EXPECT_TRUE(TakeCloseMessage(form->handle()));

    tk::seams().pause = [](unsigned) {};
    form->lvall->setChecked(BackupRow, false);
    form->OBall4Click();
    EXPECT_EQ(std::vector<std::wstring>{L"finding 0"}, deleted);
    ASSERT_EQ(2, form->lvsp->count());
    EXPECT_TRUE(form->lvsp->checked(1));
    EXPECT_TRUE(TakeCloseMessage(form->handle()));
}

} // namespace
