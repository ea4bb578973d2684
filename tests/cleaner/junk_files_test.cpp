#include "cleaner/privacy/RecentDocuments.h"
#include "privacy_test_support.h"

#include <filesystem>

using privacytest::Captions;
using privacytest::CheckOnly;
using privacytest::PointedValue;
using privacytest::RowNamed;

namespace {

// An environment variable of the process set to a value while the object lives.
class EnvironmentValue {
  public:
    EnvironmentValue(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t old[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(name, old, MAX_PATH);
        had_ = length > 0 && length < MAX_PATH;
        old_ = had_ ? old : L"";
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentValue() { SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

  private:
    const wchar_t* name_;
    std::wstring old_;
    bool had_;
};

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? buffer : path;
}

// The system root and the local settings folder pointed at test folders.
class JunkFiles : public privacytest::PrivacyTest {
  protected:
    scantest::TempFolder drive{L"TwJunk"};
    scantest::TempFolder settings{L"TwJunkSettings"};
    std::wstring root = drive.file(L"WINDOWS");
    PointedValue rootValue{HKEY_LOCAL_MACHINE, privacytest::NtCurrentVersion, L"SystemRoot", root};
    PointedValue settingsValue{HKEY_CURRENT_USER, privacytest::ShellFolders, L"Local Settings",
                               settings.path()};
    // The user's temporary folder as the system gives it, named by its short name.
    scantest::TempFolder userTemp{L"TwJunk user temporary files"};
    EnvironmentValue tmp{L"TMP", ShortPath(userTemp.path())};

    // Creates the file below the system root, with its folders; returns its full path.
    std::wstring file(const std::wstring& relative, const std::string& bytes = "x") const {
        const std::wstring path = root + L"\\" + relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path.c_str(), std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(JunkFiles, TemporaryFilesOfEveryTempFolder) {
    file(L"Temp\\sys.tmp", std::string(100, 'x'));
    file(L"Temp\\keep.txt");
    file(L"Temp\\a.tmpl");
    file(L"Temp\\keep.tmpfile");
    std::filesystem::create_directories(settings.file(L"Temp"));
    const std::wstring draft =
        settings.write(L"Temp\\Quarterly report draft.tmp", std::string(1536, 'x'));
    userTemp.write(L"~setup session.tmp");
    userTemp.write(L"keep.txt");
    form->temp_filesExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"sys.tmp", L"Quarterly report draft.tmp",
                                         L"~setup session.tmp"}),
              Captions(*form->lvdel));
    EXPECT_EQ(userTemp.path() + L"\\", form->lvdel->item(2).subItems.at(2));
    EXPECT_EQ((std::vector<std::wstring>{L"Remove", L"All items listed in History Folder",
                                         root + L"\\Temp\\", L"100 bytes"}),
              form->lvdel->item(0).subItems);
    // The size comes from the listing, as a search for the file itself gives it.
    EXPECT_EQ(L"1.50 KB", form->lvdel->item(1).subItems.at(3));
    EXPECT_EQ(FormatSizeText(GetFileSizeText(draft)), form->lvdel->item(1).subItems.at(3));
    EXPECT_EQ(3, form->LastFoundCount);
}

TEST_F(JunkFiles, MemoryDumpsOfRootAndMiniDump) {
    file(L"memory.dmp");
    file(L"other.dmp");
    file(L"memory.dmp.keep");
    file(L"MiniDump\\keep.dmpx");
    file(L"MiniDump\\Mini010106-01.dmp");
    form->dumpExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"memory.dmp", L"Mini010106-01.dmp"}),
              Captions(*form->lvdump));
    EXPECT_EQ(L"All items listed in Temporary Folder", form->lvdump->item(0).subItems.at(1));
}

// Vista and later have no local settings folder: the user's Temp lies in the local
// application data folder there. The system's temporary folder may be one of them, in its
// short form too. A folder named twice is listed once.
TEST_F(JunkFiles, UserTempFolderOfEverySystem) {
    file(L"Temp\\sys.tmp");
    std::filesystem::create_directories(settings.file(L"Temp"));
    settings.write(L"Temp\\draft.tmp");
    userTemp.write(L"user.tmp");
    const std::wstring settingsTemp = ShortPath(settings.file(L"Temp"));
    const struct {
        std::wstring localSettings;
        std::wstring localAppData;
        std::wstring systemTemp;
        std::vector<std::wstring> listed;
    } systems[] = {
        {L"", settings.path(), userTemp.path(), {L"sys.tmp", L"draft.tmp", L"user.tmp"}},
        {L"", L"", userTemp.path(), {L"sys.tmp", L"user.tmp"}},
        {root, settings.path(), userTemp.path(), {L"sys.tmp", L"user.tmp"}},
        {L"", root, userTemp.path(), {L"sys.tmp", L"user.tmp"}},
        {L"", settings.path(), settingsTemp, {L"sys.tmp", L"draft.tmp"}},
        {settings.path(), L"", settingsTemp + L"\\", {L"sys.tmp", L"draft.tmp"}},
        {L"", L"", ShortPath(root + L"\\Temp"), {L"sys.tmp"}},
    };
    for (const auto& system : systems) {
        const PointedValue localSettings(HKEY_CURRENT_USER, privacytest::ShellFolders,
                                         L"Local Settings", system.localSettings);
        const PointedValue localAppData(HKEY_CURRENT_USER, privacytest::ShellFolders,
                                        L"Local AppData", system.localAppData);
        const EnvironmentValue systemTemp(L"TMP", system.systemTemp);
        form->temp_filesExecute();
        EXPECT_EQ(system.listed, Captions(*form->lvdel)) << system.systemTemp;
    }
}

// The root of the system folder's drive, however the system folder is spelt; none of its
// folders.
TEST_F(JunkFiles, ChkdskFragmentsOfTheDriveRootOnly) {
    const std::wstring name = L"FILE" + scantest::UniqueName(L"") + L".CHK";
    const scantest::NativeFile fragment(DriveRoot(root) + name);
    file(L"File0002.chk");
    drive.write(L"File0003.chk");
    for (const std::wstring& systemRoot :
         {root, DriveRoot(root) + L"Windows", DriveRoot(root) + L"windows"}) {
        const PointedValue spelt(HKEY_LOCAL_MACHINE, privacytest::NtCurrentVersion, L"SystemRoot",
                                 systemRoot);
        form->chkExecute();
        ASSERT_EQ(std::vector<std::wstring>{name}, Captions(*form->lvchk)) << systemRoot;
        EXPECT_EQ(DriveRoot(root), form->lvchk->item(0).subItems.at(2));
    }
}

TEST_F(JunkFiles, LogFilesInTableOrderWithTheirSkips) {
    file(L"security\\logs\\scepol.log");
    file(L"system32\\wbem\\Logs\\wmiprov.log");
    file(L"system32\\wbem\\Logs\\wbemess.lo_");
    file(L"WindowsUpdate.log");
    file(L"setupapi.log");
    file(L"setuplog.txt");
    file(L"Debug\\PASSWD.LOG");
    file(L"Debug\\netsetup.log");
    file(L"Debug\\UserMode\\userenv.bak");
    // Long names that do not fit the masks, although their short names do.
    for (const wchar_t* kept :
         {L"keep.logfile", L"keep2.log2", L"mylog.txtbak", L"keepnotes.txt2",
          L"system32\\wbem\\Logs\\keep.logger", L"system32\\wbem\\Logs\\keep.lo_x",
          L"Debug\\keep.logs", L"Debug\\UserMode\\keep.log1", L"Debug\\UserMode\\notes.bakery",
          L"security\\logs\\keep.login", L"security\\logs\\keep.oldies"})
        file(kept);
    form->logExecute();
    EXPECT_EQ(
        (std::vector<std::wstring>{L"wmiprov.log", L"wbemess.lo_", L"setupapi.log", L"setuplog.txt",
                                   L"netsetup.log", L"userenv.bak", L"scepol.log"}),
        Captions(*form->lvlog));
}

TEST_F(JunkFiles, LogTextMustHoldLowerCaseLog) {
    file(L"SETUPLOG.TXT");
    form->logExecute();
    EXPECT_EQ(0, form->lvlog->count());
}

TEST_F(JunkFiles, RemovesCheckedFilesAndKeepsTheOthers) {
    const std::wstring gone = file(L"Temp\\gone.tmp");
    const std::wstring kept = file(L"Temp\\kept.tmp");
    form->temp_filesExecute();
    CheckOnly(*form->lvdel, {L"gone.tmp"});
    form->removetempExecute();
    EXPECT_FALSE(PathExists(gone));
    EXPECT_TRUE(PathExists(kept));
    EXPECT_EQ(std::vector<std::wstring>{L"kept.tmp"}, Captions(*form->lvdel));
    EXPECT_FALSE(form->lvdel->item(0).checked);
    EXPECT_EQ(1, form->LastFoundCount);
}

TEST_F(JunkFiles, MatchingSubFolderIsListedButNotRemoved) {
    std::filesystem::create_directories(root + L"\\old.log");
    form->logExecute();
    ASSERT_NE(nullptr, RowNamed(*form->lvlog, L"old.log"));
    form->removelogExecute();
    EXPECT_TRUE(std::filesystem::is_directory(root + L"\\old.log"));
    EXPECT_NE(nullptr, RowNamed(*form->lvlog, L"old.log"));
}

using FolderLinks = JunkFiles;

// A link to a folder, even one back to its own folder, is neither listed nor entered.
TEST_F(FolderLinks, NoWalkListsEntersOrDeletesThroughALink) {
    std::vector<std::unique_ptr<PointedValue>> shellFolders;
    for (const wchar_t* name : {L"Cookies", L"Recent", L"History", L"Cache"})
        shellFolders.push_back(std::make_unique<PointedValue>(
            HKEY_CURRENT_USER, privacytest::ShellFolders, name, root + L"\\" + name));
    const std::wstring kept[] = {file(L"History\\History.IE5\\index.dat"),
                                 file(L"Documents\\Photos\\beach.jpg"),
                                 file(L"Documents\\Photos\\2006\\dunes.jpg")};
    const std::wstring photos = root + L"\\Documents\\Photos";
    const std::wstring history = root + L"\\History\\History.IE5";
    const struct {
        int row;
        std::wstring folder;
        const char* link;
        std::wstring target;
    } walks[] = {
        {TempFilesRow, root + L"\\Temp", "Photos.tmp", photos},
        {DumpsRow, root + L"\\MiniDump", "Photos.dmp", photos},
        {ChkdskRow, DriveRoot(root), "File0001.chk", photos},
        {LogFilesRow, root + L"\\Debug", "Photos.log", photos},
        {CookiesRow, root + L"\\Cookies", "user@ads[1].txt", photos},
        {DocumentsRow, root + L"\\Recent", "Photos.lnk", photos},
        {HistoryRow, history, "LinkDocs", photos},
        {HistoryRow, history, "Loop", history},
        {TempIERow, root + L"\\Cache\\Content.IE5", "PHOTOS01", photos},
    };
    for (const auto& walk : walks) {
        std::filesystem::create_directories(walk.folder);
        const scantest::FolderLink link(walk.folder, walk.link, walk.target);
        ASSERT_EQ(0x410u, GetFileAttributesW(link.path.c_str())) << walk.link;
        form->ActionManager1[walk.row].scan();
        EXPECT_EQ(0, form->CategoryList(walk.row).count()) << walk.link;
        form->ActionManager1[walk.row].remove();
        for (const std::wstring& path : kept)
            EXPECT_TRUE(PathExists(path)) << walk.link;
    }
}

// Without a system root nothing of the current folder is listed.
TEST_F(JunkFiles, EmptySystemRootSearchesNothing) {
    drive.write(L"File0001.chk");
    const PointedValue empty(HKEY_LOCAL_MACHINE, privacytest::NtCurrentVersion, L"SystemRoot", L"");
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryW(drive.path().c_str());
    form->chkExecute();
    form->logExecute();
    SetCurrentDirectoryW(before);
    EXPECT_EQ(0, form->lvchk->count());
    EXPECT_EQ(0, form->lvlog->count());
}

} // namespace
