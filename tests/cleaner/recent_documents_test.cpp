#include "cleaner/privacy/RecentDocuments.h"
#include "privacy_test_support.h"
#include "toolkit/Application.h"

using privacytest::Captions;
using privacytest::CheckOnly;
using privacytest::PointedValue;
using privacytest::RowNamed;

namespace {

TEST(SizeText, BinaryUnitsWithTwoDecimals) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"0", L"0 bytes"},          {L"1023", L"1023 bytes"},    {L"1024", L"1.00 KB"},
        {L"1536", L"1.50 KB"},       {L"1048575", L"1024.00 KB"}, {L"1048576", L"1.00 MB"},
        {L"1073741824", L"1.00 GB"}, {L"5368709120", L"5.00 GB"}, {L"-1", L"-1 bytes"},
        {L"-2048", L"-2.00 KB"},     {L"1029", L"1.00 KB"},       {L"1030", L"1.01 KB"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(text, FormatSizeText(bytes)) << bytes;
}

TEST(SizeText, TextThatIsNoNumberIsAnError) {
    EXPECT_THROW(FormatSizeText(L"12 KB"), tk::Error);
    EXPECT_THROW(FormatSizeText(L""), tk::Error);
    EXPECT_THROW(FormatSizeText(L"99999999999999999999"), tk::Error);
}

TEST(FileSize, SizeOfFileFolderAndMissingPath) {
    scantest::TempFolder folder(L"TwSize");
    EXPECT_EQ(L"1536", GetFileSizeText(folder.write(L"a.bin", std::string(1536, 'x'))));
    EXPECT_EQ(L"-1", GetFileSizeText(folder.file(L"missing.bin")));
    EXPECT_EQ(L"0", GetFileSizeText(folder.path()));
}

// Files of 4 GiB and more keep their whole size.
TEST(FileSize, LargeFileIsNotWrapped) {
    scantest::TempFolder folder(L"TwSize");
    const std::wstring path = folder.file(L"big.bin");
    {
        const handles::KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                     CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size{};
        size.QuadPart = 5368709120LL;
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.get()));
    }
    EXPECT_EQ(L"5368709120", GetFileSizeText(path));
    EXPECT_EQ(L"5.00 GB", FormatSizeText(GetFileSizeText(path)));
}

class RecentDocuments : public privacytest::ShellFolderTest {
  protected:
    RecentDocuments() : ShellFolderTest(L"Recent", L"TwRecent") {}
};

TEST_F(RecentDocuments, ListsOnlyShortcutsWithFolderAndSize) {
    folder.write(L"report.lnk", std::string(2048, 'x'));
    folder.write(L"notes.txt");
    form->PrivacyExecute();
    ASSERT_EQ(std::vector<std::wstring>{L"report.lnk"}, Captions(*form->lvpc));
    const tk::ListItem& row = form->lvpc->item(0);
    EXPECT_TRUE(row.checked);
    EXPECT_EQ((std::vector<std::wstring>{L"Remove", L"All items listed in Recent Documents",
                                         folder.path() + L"\\", L"2.00 KB"}),
              row.subItems);
    EXPECT_EQ(5, form->lvpc->columnCount());
    EXPECT_EQ(1, form->LastFoundCount);
}

TEST_F(RecentDocuments, IgnoredShortcutIsSkippedByExactName) {
    folder.write(L"Secret.lnk");
    folder.write(L"other.lnk");
    form->lvignoredpc->addItem({L"Secret.lnk", {L"x"}, true});
    form->PrivacyExecute();
    EXPECT_EQ(std::vector<std::wstring>{L"other.lnk"}, Captions(*form->lvpc));
    form->lvignoredpc->clear();
    form->lvignoredpc->addItem({L"secret.lnk", {L"x"}, true});
    form->PrivacyExecute();
    EXPECT_EQ(2, form->lvpc->count());
}

TEST_F(RecentDocuments, RemovesCheckedShortcutsOnly) {
    const std::wstring gone = folder.write(L"gone.lnk");
    const std::wstring kept = folder.write(L"kept.lnk");
    const std::vector<std::wstring> others = {folder.write(L"doc.lnkx"), folder.write(L"keep.lnk2"),
                                              folder.write(L"keep.lnkfile")};
    form->PrivacyExecute();
    CheckOnly(*form->lvpc, {L"gone.lnk"});
    form->removepcExecute();
    EXPECT_FALSE(PathExists(gone));
    EXPECT_TRUE(PathExists(kept));
    for (const std::wstring& other : others)
        EXPECT_TRUE(PathExists(other)) << other;
    EXPECT_EQ(std::vector<std::wstring>{L"kept.lnk"}, Captions(*form->lvpc));
    EXPECT_EQ(1, form->LastFoundCount);
}

// Without a recent-documents folder the root of the current drive is not listed.
TEST_F(RecentDocuments, EmptyFolderValueListsNothing) {
    const std::wstring stray =
        folder.path().substr(0, 3) + scantest::UniqueName(L"TwStray") + L".lnk";
    std::ofstream(stray.c_str()) << "x";
    const PointedValue empty(HKEY_CURRENT_USER, privacytest::ShellFolders, L"Recent", L"");
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryW(folder.path().c_str());
    form->PrivacyExecute();
    SetCurrentDirectoryW(before);
    DeleteFileW(stray.c_str());
    EXPECT_EQ(0, form->lvpc->count());
    EXPECT_EQ(0, form->LastFoundCount);
}

TEST_F(RecentDocuments, RowWhoseFileCannotBeDeletedStays) {
    CreateDirectoryW(folder.file(L"folder.lnk").c_str(), nullptr);
    form->PrivacyExecute();
    ASSERT_NE(nullptr, RowNamed(*form->lvpc, L"folder.lnk"));
    form->removepcExecute();
    EXPECT_NE(nullptr, RowNamed(*form->lvpc, L"folder.lnk"));
    EXPECT_EQ(1, form->LastFoundCount);
}

} // namespace
