#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/JunkFiles.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::wstring> Sorted(std::vector<std::wstring> list) {
    std::sort(list.begin(), list.end());
    return list;
}

class FolderListing : public ::testing::Test {
  protected:
    scantest::TempFolder folder{L"TwList"};
    std::wstring base() const { return folder.path() + L"\\"; }
    std::vector<std::wstring> list{L" stale entry"};
};

TEST_F(FolderListing, BareNamesByMaskWithHiddenFilesAndMatchingFolders) {
    folder.write(L"a.log");
    SetFileAttributesW(folder.write(L"hidden.log").c_str(), FILE_ATTRIBUTE_HIDDEN);
    folder.write(L"other.txt");
    CreateDirectoryW(folder.file(L"old.log").c_str(), nullptr);
    TForm1::ListFolderFiles(list, base(), L"*.log");
    EXPECT_EQ((std::vector<std::wstring>{L" a.log", L" hidden.log", L" old.log"}), Sorted(list));
}

// The file system also matches a mask against generated short names: keep.logfile is
// KEEP~1.LOG to it. Only long names that fit the mask are listed.
TEST_F(FolderListing, LongNameMustFitTheMask) {
    struct Case {
        const wchar_t* mask;
        std::vector<std::wstring> files;
        std::vector<std::wstring> listed;
    };
    const Case cases[] = {
        {L"*.log",
         {L"a.LOG", L"keep.logfile", L"keep2.log2", L"keep.logger", L"keep.logs", L"keep.login"},
         {L" a.LOG"}},
        {L"*.tmp", {L"a.tmpl", L"keep.tmpfile", L"b.tmp"}, {L" b.tmp"}},
        {L"memory.dmp", {L"memory.dmp", L"memory.dmp.keep", L"memory.dmpx"}, {L" memory.dmp"}},
        {L"*log.txt", {L"setuplog.txt", L"mylog.txtbak", L"keeplog.txt2"}, {L" setuplog.txt"}},
        {L"*.lo_", {L"wbem.lo_", L"keep.lo_x"}, {L" wbem.lo_"}},
        {L"File*.chk", {L"File0001.chk", L"File0002.chkx"}, {L" File0001.chk"}},
        {L"*.*", {L"noextension", L"x.dat"}, {L" .", L" ..", L" noextension", L" x.dat"}},
    };
    for (const Case& c : cases) {
        scantest::TempFolder own(L"TwMask");
        for (const std::wstring& name : c.files)
            own.write(name);
        TForm1::ListFolderFiles(list, own.path() + L"\\", c.mask);
        EXPECT_EQ(c.listed, Sorted(list)) << c.mask;
    }
}

TEST_F(FolderListing, FullPathsKeepTheFolderAsGiven) {
    folder.write(L"a=b.tmp");
    ListFolderPaths(list, base(), L"*.tmp");
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(L" " + base() + L"a=b.tmp", list[0]);
    EXPECT_EQ(base() + L"a=b.tmp", ListedName(list[0]));
}

TEST_F(FolderListing, NoMatchStillClearsTheList) {
    folder.write(L"a.txt");
    ListFolderPaths(list, base(), L"*.chk");
    EXPECT_TRUE(list.empty());
    list = {L" stale entry"};
    TForm1::ListFolderFiles(list, base() + L"missing\\", L"*.*");
    EXPECT_TRUE(list.empty());
}

TEST_F(FolderListing, FolderWithoutBackslashIsJoinedDirectly) {
    folder.write(L"File0001.chk");
    ListFolderPaths(list, folder.path(), L"File*.chk");
    EXPECT_TRUE(list.empty());
}

TEST_F(FolderListing, AllMaskListsDotEntriesThatCallersSkip) {
    folder.write(L"x.dat");
    ListFolderPaths(list, base(), L"*.*");
    EXPECT_EQ((std::vector<std::wstring>{L" " + base() + L".", L" " + base() + L"..",
                                         L" " + base() + L"x.dat"}),
              Sorted(list));
    const std::vector<ListedFile> files = ListedFiles(list, FileSizes(list.size()), base(), false);
    ASSERT_EQ(1u, files.size());
    EXPECT_EQ(base() + L"x.dat", files[0].path);
}

TEST(FolderPaths, OnlyDriveAndNetworkPathsAreFull) {
    EXPECT_TRUE(IsFullFolderPath(L"C:\\WINDOWS\\Temp\\"));
    EXPECT_TRUE(IsFullFolderPath(L"\\\\server\\share\\"));
    EXPECT_FALSE(IsFullFolderPath(L""));
    EXPECT_FALSE(IsFullFolderPath(L"\\Temp\\"));
    EXPECT_FALSE(IsFullFolderPath(L"Temp\\"));
    EXPECT_FALSE(IsFullFolderPath(L"C:Temp\\"));
}

TEST(FileVersion, ShellLibraryIsNewEnoughForTheBinQuery) {
    EXPECT_GE(GetFileVersionMS(L"shell32.dll"), 0x40048u);
    EXPECT_EQ(0u, GetFileVersionMS(L"shell32.dll") >> 32);
}

TEST(FileVersion, FilesWithoutVersionGiveZero) {
    scantest::TempFolder folder(L"TwVersion");
    EXPECT_EQ(0u, GetFileVersionMS(folder.write(L"plain.dll", "not a program")));
    EXPECT_EQ(0u, GetFileVersionMS(folder.file(L"missing.dll")));
}

} // namespace
