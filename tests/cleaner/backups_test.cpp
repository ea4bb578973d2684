#include "form_test.h"

#include "cleaner/registry_scan/Backups.h"
#include "tests/support/Mouse.h"

#include <set>

using twtest::StoreSetting;

namespace {

class SerialBackups : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        folder = form->ProgramFilesDir + L"\\Tidewell\\Backups";
        newFiles = std::make_unique<scantest::NewFilesRemover>(folder);
    }
    void TearDown() override {
        newFiles.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, markerKey.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, markerKey.c_str());
        FormTest::TearDown();
    }

    std::wstring write(const std::wstring& name, const std::string& bytes = "REGEDIT4\r\n") {
        std::ofstream((folder + L"\\" + name).c_str(), std::ios::binary) << bytes;
        return folder + L"\\" + name;
    }
    int rowNamed(const std::wstring& name) const {
        for (int row = 0; row < form->LVbackup->count(); ++row)
            if (form->LVbackup->item(row).caption == name)
                return row;
        return -1;
    }
    void selectRowNamed(const std::wstring& name) {
        form->CB1Categories1Items0Click();
        ASSERT_GE(rowNamed(name), 0);
        form->LVbackup->setItemIndex(rowNamed(name));
    }
    bool markerExists() const {
        return scantest::ValueExists(HKEY_CURRENT_USER, markerKey, L"marker");
    }

    std::wstring folder;
    std::unique_ptr<scantest::NewFilesRemover> newFiles;
    const std::wstring markerKey = L"Software\\TwTest\\" + scantest::UniqueName(L"Backup");
};

TEST_F(SerialBackups, BackupHoldsTheRegistryAsItWasWhenItReturns) {
    scantest::SetString(HKEY_CURRENT_USER, markerKey, L"marker", L"before-repair");
    ASSERT_TRUE(form->CreateRegistryBackup());
    RegDeleteTreeW(HKEY_CURRENT_USER, markerKey.c_str());

    const std::vector<std::wstring> added = newFiles->added();
    ASSERT_EQ(1u, added.size());
    const std::wstring path = folder + L"\\" + added[0];
    EXPECT_TRUE(IsRegistryExport(path));
    EXPECT_NE(std::wstring::npos,
              scantest::Utf16FileText(path).find(L"\"marker\"=\"before-repair\""));
    SYSTEMTIME moment;
    EXPECT_TRUE(ParseBackupFileName(added[0], moment));
    const int row = rowNamed(added[0]);
    ASSERT_GE(row, 0);
    EXPECT_EQ(ShortDateText(moment), form->LVbackup->subItem(row, 0));
    EXPECT_EQ(LongTimeText(moment), form->LVbackup->subItem(row, 1));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SerialBackups, RestoreBringsADeletedValueBack) {
    scantest::SetString(HKEY_CURRENT_USER, markerKey, L"marker", L"keep me");
    form->OBbackupClick();
    const std::vector<std::wstring> added = newFiles->added();
    ASSERT_EQ(1u, added.size());
    RegDeleteTreeW(HKEY_CURRENT_USER, markerKey.c_str());
    ASSERT_FALSE(markerExists());

    selectRowNamed(added[0]);
    form->OBrestorebackupClick();
    EXPECT_TRUE(markerExists());
    EXPECT_EQ(L"keep me", ReadRegString(markerKey, L"marker", HKEY_CURRENT_USER));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SerialBackups, ListingShowsEveryFileAndDatesOnlyForBackupNames) {
    write(L"Backup_old.reg");
    write(L"Backup_0-0-5_1-1-2008.reg");
    write(L"notes.txt");
    write(L"Backup_0-0-6_1-1-2008.regold");
    form->CB1Categories1Items0Click();
    EXPECT_TRUE(form->LVbackup->visible());
    EXPECT_LT(rowNamed(L"notes.txt"), 0);
    EXPECT_LT(rowNamed(L"Backup_0-0-6_1-1-2008.regold"), 0);
    const int foreign = rowNamed(L"Backup_old.reg");
    const int dated = rowNamed(L"Backup_0-0-5_1-1-2008.reg");
    ASSERT_GE(foreign, 0);
    ASSERT_GE(dated, 0);
    EXPECT_EQ(L"", form->LVbackup->subItem(foreign, 0));
    EXPECT_EQ(L"", form->LVbackup->subItem(foreign, 1));
    SYSTEMTIME moment;
    ASSERT_TRUE(ParseBackupFileName(L"Backup_0-0-5_1-1-2008.reg", moment));
    EXPECT_EQ(ShortDateText(moment), form->LVbackup->subItem(dated, 0));
    EXPECT_EQ(LongTimeText(moment), form->LVbackup->subItem(dated, 1));
}

TEST_F(SerialBackups, WithoutSelectionRestoreAndDeleteOnlyAsk) {
    write(L"Backup_1-2-3_4-5-2006.reg");
    form->CB1Categories1Items0Click();
    form->OBrestorebackupClick();
    form->OBdeletebackupClick();
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Please select backup file", L"Please select backup file"}),
        messages);
    EXPECT_TRUE(PathExists(folder + L"\\Backup_1-2-3_4-5-2006.reg"));
}

TEST_F(SerialBackups, DeleteRemovesTheFileAndItsRow) {
    const std::wstring path = write(L"Backup_1-2-3_4-5-2006.reg");
    selectRowNamed(L"Backup_1-2-3_4-5-2006.reg");
    form->OBdeletebackupClick();
    EXPECT_FALSE(PathExists(path));
    EXPECT_LT(rowNamed(L"Backup_1-2-3_4-5-2006.reg"), 0);
    EXPECT_TRUE(messages.empty());
}

// "Backups" clicked in the bar during the deletion's pause rebuilds no list under it: the
// list afterwards holds what the folder holds.
TEST_F(SerialBackups, BarClickDuringADeletionLeavesTheListAsTheFolder) {
    for (const wchar_t* name : {L"Backup_1-2-3_4-5-2006.reg", L"Backup_1-2-4_4-5-2006.reg"})
        write(name);
    form->CB1Categories1Items0Click();
    form->LVbackup->setItemIndex(0);
    keys::bringForward(*form);
    bool clicked = false;
    tk::seams().pause = [&](unsigned) {
        if (!std::exchange(clicked, true))
            mouse::click(*form->CB1, 100, 3 * 28 + 14);
    };
    form->OBdeletebackupClick();
    std::set<std::wstring> listed, stored;
    for (const tk::ListItem& row : form->LVbackup->items())
        listed.insert(row.caption);
    ForEachListedEntry(folder + L"\\", L"*.reg",
                       [&](const WIN32_FIND_DATAW& entry) { stored.insert(entry.cFileName); });
    EXPECT_EQ(stored, listed);
}

TEST_F(SerialBackups, BackupThatCannotBeDeletedKeepsItsRow) {
    const std::wstring path = write(L"Backup_1-2-3_4-5-2007.reg");
    selectRowNamed(L"Backup_1-2-3_4-5-2007.reg");
    const handles::KernelHandle held(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
    form->OBdeletebackupClick();
    EXPECT_TRUE(PathExists(path));
    EXPECT_GE(rowNamed(L"Backup_1-2-3_4-5-2007.reg"), 0);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"The backup file could not be deleted.", messages[0]);
}

TEST_F(SerialBackups, FailedRestoreIsReportedAndTheWindowReturnsOnTop) {
    StoreSetting(L"alwaysontop", L"1");
    write(L"Backup_1-2-3_4-5-2006.reg", "not a registry file");
    selectRowNamed(L"Backup_1-2-3_4-5-2006.reg");
    form->OBrestorebackupClick();
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"The registry backup could not be restored.", messages[0]);
    EXPECT_TRUE(twtest::Topmost(*form));
    EXPECT_TRUE(form->CBontop->checked());
}

TEST_F(SerialBackups, RestoreLeavesTheTopmostBandWithoutTheSetting) {
    form->setTopmost(true);
    write(L"Backup_1-2-3_4-5-2006.reg", "not a registry file");
    selectRowNamed(L"Backup_1-2-3_4-5-2006.reg");
    form->OBrestorebackupClick();
    EXPECT_FALSE(twtest::Topmost(*form));
}

} // namespace
