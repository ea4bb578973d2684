#include "tidewell_fixture.h"

#include <aclapi.h>
#include <sddl.h>

#include <filesystem>

using twtest::Setting;
using twtest::StoreSetting;

namespace {

class CreationTest : public twtest::TidewellTest {};

std::wstring ProgramFilesDir() {
    return ReadRegString(L"Software\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir",
                         HKEY_LOCAL_MACHINE);
}

// An ignore-list file of the Tidecrest folder, put back as it was afterwards.
class IgnoreFile {
  public:
    explicit IgnoreFile(const std::wstring& name)
        : path_(ProgramFilesDir() + L"\\Tidecrest\\" + name) {
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
        existed_ = std::filesystem::exists(path_);
        if (existed_)
            std::filesystem::rename(path_, path_ + L".saved");
    }
    ~IgnoreFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        if (existed_)
            std::filesystem::rename(path_ + L".saved", path_, ignored);
    }
    IgnoreFile(const IgnoreFile&) = delete;
    IgnoreFile& operator=(const IgnoreFile&) = delete;

    void write(const std::string& bytes) const {
        std::ofstream(path_.c_str(), std::ios::binary) << bytes;
    }
    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
    bool existed_ = false;
};

// Denies setting values in the settings key, as a locked-down profile would.
void DenyWritingSettings() {
    scantest::SetKeyAccess(HKEY_CURRENT_USER, twtest::SettingsKey, L"D:(D;;0x2;;;WD)(A;;KA;;;WD)");
}

} // namespace

TEST_F(CreationTest, FirstStartShowsTheDesignedBoxesAndWritesNothing) {
    TForm1 form;
    EXPECT_TRUE(form.CBontop->checked());
    EXPECT_FALSE(form.CBstartup->checked());
    EXPECT_TRUE(form.CBautorepair->checked());
    EXPECT_FALSE(form.CBautoexit->checked());
    EXPECT_FALSE(form.CBsound->checked());
    EXPECT_FALSE(form.CBsound->visible());
    EXPECT_TRUE(form.CBbackup->checked());
    EXPECT_TRUE(form.CBtaskbar->checked());
    EXPECT_TRUE(form.CBtaskbar->enabled());
    EXPECT_TRUE(form.CBtraymin->checked());
    EXPECT_FALSE(form.CBsplash->checked());
    EXPECT_FALSE(twtest::Topmost(form));
    EXPECT_FALSE(twtest::SettingsKeyExists());
    EXPECT_FALSE(twtest::StartupEntryExists());
    EXPECT_EQ(L"", form.AutoScanValue);
    EXPECT_EQ(L"Status : Ready", form.statustext->caption());
    EXPECT_TRUE(messages.empty());
}

TEST_F(CreationTest, FirstStartLeavesTheSharedValuesAtTheirStart) {
    TForm1 form;
    for (int row = 1; row < ResultsRowCount; ++row)
        EXPECT_FALSE(form.CategoryScanned[row]) << row;
    EXPECT_EQ(0, form.PrivacyPageType);
    for (int type = 1; type <= SharedPageTypeCount; ++type)
        EXPECT_EQ(type != 4 && type != 12, form.SelectAllState[type]) << type;
}

TEST_F(CreationTest, TrayRecordNamesTheWindowAndItsCallback) {
    tk::app().setTitle(L"Tidewell");
    TForm1 form;
    EXPECT_EQ(form.handle(), form.TrayIconData.hWnd);
    EXPECT_EQ(1u, form.TrayIconData.uID);
    EXPECT_EQ(UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP), form.TrayIconData.uFlags);
    EXPECT_GE(form.TrayIconData.uCallbackMessage, UINT(WM_APP));
    EXPECT_NE(nullptr, form.TrayIconData.hIcon);
    EXPECT_EQ(std::wstring(L"Tidewell"), form.TrayIconData.szTip);
}

TEST_F(CreationTest, ResultsListHasTheTwentyOneRowsWithCountsGroupsAndChecks) {
    TForm1 form;
    const auto& rows = form.lvall->items();
    ASSERT_EQ(21u, rows.size());
    EXPECT_EQ(3, form.lvall->columnCount());
    EXPECT_EQ(L"Create Registry Backup", rows[0].caption);
    EXPECT_EQ(std::vector<std::wstring>{L""}, rows[0].subItems);
    const wchar_t* const captions[] = {L"Running While Startup",
                                       L"Uninstaller Bugs",
                                       L"Unused Extensions",
                                       L"Missing ActiveX and DLLs",
                                       L"Help Files",
                                       L"Fonts Registration",
                                       L"Virtual Components",
                                       L"Obsolete Software",
                                       L"Recent Documents",
                                       L"Recycle Bin",
                                       L"Temporary Files",
                                       L"Clipboard",
                                       L"Memory Dumps",
                                       L"Chkdsk Files",
                                       L"Log Files",
                                       L"Cookies",
                                       L"History",
                                       L"Temporary IE",
                                       L"Advanced Privacy Threats Analysis",
                                       L"Progressive Registry Analysis"};
    for (int row = 1; row <= 20; ++row) {
        const std::wstring group = row <= 8 || row == 20 ? L"Registry" : L"Privacy Threats";
        EXPECT_EQ(captions[row - 1], rows[row].caption) << row;
        EXPECT_EQ((std::vector<std::wstring>{L"0", group}), rows[row].subItems) << row;
        EXPECT_EQ(row != 20, rows[row].checked) << row;
    }
}

TEST_F(CreationTest, BackupRowFollowsTheStoredAutobackup) {
    StoreSetting(L"autobackup", L"1");
    {
        TForm1 form;
        EXPECT_TRUE(form.lvall->checked(0));
        EXPECT_TRUE(form.CBbackup->checked());
    }
    StoreSetting(L"autobackup", L"0");
    TForm1 form;
    EXPECT_FALSE(form.lvall->checked(0));
    EXPECT_FALSE(form.CBbackup->checked());
    EXPECT_EQ(L"0", Setting(L"autobackup"));
}

TEST_F(CreationTest, BoxesTakeTheStoredValuesAndOtherTextsKeepTheDesign) {
    StoreSetting(L"alwaysontop", L"0");
    StoreSetting(L"autorepair", L"yes");
    StoreSetting(L"autoclose", L"1");
    StoreSetting(L"playsounds", L"1");
    StoreSetting(L"taskbarstatus", L"0");
    StoreSetting(L"showsplash", L"1");
    TForm1 form;
    EXPECT_FALSE(form.CBontop->checked());
    EXPECT_TRUE(form.CBautorepair->checked());
    EXPECT_EQ(L"yes", Setting(L"autorepair"));
    EXPECT_TRUE(form.CBautoexit->checked());
    EXPECT_TRUE(form.CBsound->checked());
    EXPECT_FALSE(form.CBtaskbar->checked());
    EXPECT_TRUE(form.CBsplash->checked());
}

TEST_F(CreationTest, AlwaysOnTopPlacesTheWindow) {
    StoreSetting(L"alwaysontop", L"1");
    {
        TForm1 form;
        EXPECT_TRUE(twtest::Topmost(form));
        EXPECT_TRUE(form.CBontop->checked());
    }
    StoreSetting(L"alwaysontop", L"0");
    TForm1 form;
    EXPECT_FALSE(twtest::Topmost(form));
}

TEST_F(CreationTest, LoadWithWindowsWritesOrDeletesTheStartupEntry) {
    StoreSetting(L"loadwithwin", L"1");
    {
        TForm1 form;
        EXPECT_TRUE(form.CBstartup->checked());
        EXPECT_EQ(StartupEntryCommand(),
                  ReadRegString(twtest::RunKey, L"Tidewell", HKEY_CURRENT_USER));
    }
    StoreSetting(L"loadwithwin", L"0");
    TForm1 form;
    EXPECT_FALSE(form.CBstartup->checked());
    EXPECT_FALSE(twtest::StartupEntryExists());
}

TEST_F(CreationTest, TrayMinimizeZeroDisablesTheTaskbarBox) {
    StoreSetting(L"trayminimize", L"0");
    TForm1 form;
    EXPECT_FALSE(form.CBtraymin->checked());
    EXPECT_FALSE(form.CBtaskbar->enabled());
    EXPECT_EQ(L"0", Setting(L"trayminimize"));
}

TEST_F(CreationTest, TrayMinimizeOneKeepsTheTaskbarBoxEnabled) {
    StoreSetting(L"trayminimize", L"1");
    TForm1 form;
    EXPECT_TRUE(form.CBtraymin->checked());
    EXPECT_TRUE(form.CBtaskbar->enabled());
}

TEST_F(CreationTest, AutoScanValueIsTheStoredText) {
    StoreSetting(L"autoscan", L"yes");
    TForm1 form;
    EXPECT_EQ(L"yes", form.AutoScanValue);
}

TEST_F(CreationTest, ReadsTheFoldersAndCreatesTheProgramFolders) {
    TForm1 form;
    EXPECT_EQ(ProgramFilesDir(), form.ProgramFilesDir);
    EXPECT_FALSE(form.ProgramFilesDir.empty());
    EXPECT_EQ(ReadRegString(L"Software\\Microsoft\\Windows\\CurrentVersion", L"CommonFilesDir",
                            HKEY_LOCAL_MACHINE),
              form.CommonFilesDir);
    const std::wstring systemRoot = ReadRegString(
        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"SystemRoot", HKEY_LOCAL_MACHINE);
    EXPECT_EQ(systemRoot, form.SystemRoot);
    EXPECT_EQ(systemRoot.substr(0, 2) + L"\\", form.SystemDrivePrefix);
    EXPECT_TRUE(std::filesystem::is_directory(form.ProgramFilesDir + L"\\Tidewell\\Backups"));
    EXPECT_TRUE(std::filesystem::is_directory(form.ProgramFilesDir + L"\\Tidewell\\startbug"));
}

TEST_F(CreationTest, ShowsTheResultsPageOnly) {
    TForm1 form;
    for (tk::Control* shown : std::vector<tk::Control*>{
             form.lvall.get(), form.OBall1.get(), form.OBall2.get(), form.OBall3.get(),
             form.OBall4.get(), form.OBhelp.get(), form.statustext.get(), form.PB.get(),
             form.CB1.get(), form.OBscanpc.get()})
        EXPECT_TRUE(shown->visible());
    for (tk::Control* hidden : std::vector<tk::Control*>{
             form.lvsp.get(), form.LV2.get(), form.paneloption.get(), form.Panelabout.get(),
             form.LVbackup.get(), form.pcignored.get(), form.Oberror.get(), form.obpriv.get(),
             form.obmainerror.get(), form.OBsp1.get(), form.OBhis3.get(), form.labeldeep.get(),
             form.labelnode.get(), form.labelvalues.get()})
        EXPECT_FALSE(hidden->visible());
    EXPECT_FALSE(form.OBall3->enabled());
}

TEST_F(CreationTest, SetsTheColumnsOfTheBackupAndIgnoredLists) {
    TForm1 form;
    EXPECT_EQ(3, form.LVbackup->columnCount());
    for (tk::ListView* list :
         {form.lvignoredsp.get(), form.lvignoredue.get(), form.lvignoredpc.get(),
          form.lvignoredfe.get(), form.lvignoredax.get(), form.lvignoredda.get()})
        EXPECT_EQ(2, list->columnCount());
}

TEST_F(CreationTest, LoadsEachIgnoreListFromTheTidecrestFolder) {
    IgnoreFile startup(L"Datasp.dat");
    IgnoreFile activeX(L"Dataax.dat");
    startup.write("Run1=HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n");
    activeX.write("{1}=HKCR\\CLSID\r\n{2}=HKCR\\CLSID\r\n");
    TForm1 form;
    ASSERT_EQ(1, form.lvignoredsp->count());
    EXPECT_EQ(L"Run1", form.lvignoredsp->item(0).caption);
    EXPECT_EQ(L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
              form.lvignoredsp->subItem(0, 0));
    EXPECT_TRUE(form.lvignoredsp->checked(0));
    EXPECT_EQ(2, form.lvignoredax->count());
    EXPECT_EQ(0, form.lvignoredue->count());
    EXPECT_EQ(0, form.lvignoredda->count());
}

TEST_F(CreationTest, UnreadableIgnoreListIsShownAndTheOthersStillLoad) {
    IgnoreFile startup(L"Datasp.dat");
    IgnoreFile uninstall(L"Dataue.dat");
    startup.write("a=b\r\n");
    uninstall.write("Old App=HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\r\n");
    handles::KernelHandle held(
        CreateFileW(startup.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    TForm1 form;
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[0].find(L"Datasp.dat"));
    EXPECT_EQ(0, form.lvignoredsp->count());
    EXPECT_EQ(1, form.lvignoredue->count());
    EXPECT_EQ(21, form.lvall->count());
}

TEST_F(CreationTest, FailingSettingsWriteIsShownAndCreationGoesOn) {
    StoreSetting(L"alwaysontop", L"0");
    StoreSetting(L"trayminimize", L"0");
    DenyWritingSettings();
    TForm1 form;
    EXPECT_EQ(2u, messages.size());
    EXPECT_FALSE(form.CBontop->checked());
    EXPECT_FALSE(form.CBtraymin->checked());
    EXPECT_EQ(L"Status : Ready", form.statustext->caption());
    EXPECT_EQ(21, form.lvall->count());
}

TEST(SystemDrivePrefix, IsTheRootOfTheSystemFoldersDrive) {
    for (const wchar_t* systemRoot : {L"C:\\WINDOWS", L"C:\\Windows", L"C:\\windows", L"C:\\WINNT"})
        EXPECT_EQ(L"C:\\", DriveRoot(systemRoot)) << systemRoot;
    EXPECT_EQ(L"D:\\", DriveRoot(L"D:\\WINDOWS\\WINDOWS"));
    EXPECT_EQ(L"", DriveRoot(L""));
}
