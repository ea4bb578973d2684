#include "cleaner/privacy/History.h"
#include "privacy_test_support.h"

#include <filesystem>

using privacytest::Captions;
using privacytest::CheckOnly;
using privacytest::PointedValue;

namespace {

SYSTEMTIME Day(WORD year, WORD month, WORD day) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    return time;
}

TEST(HistoryContainer, MonthWithoutAndDayWithLeadingZero) {
    EXPECT_EQ(L"MSHist0120061082006109", HistoryContainerName(Day(2006, 1, 8)));
    EXPECT_EQ(L"MSHist012006100820061009", HistoryContainerName(Day(2006, 10, 8)));
    EXPECT_EQ(L"MSHist0120061312006201", HistoryContainerName(Day(2006, 1, 31)));
    EXPECT_EQ(L"MSHist01200612312007101", HistoryContainerName(Day(2006, 12, 31)));
}

// A browser folder below a test folder named by the base value.
class BrowserFolders : public privacytest::ShellFolderTest {
  protected:
    explicit BrowserFolders(const std::wstring& baseValue)
        : ShellFolderTest(baseValue, L"TwBrowser") {}

    std::wstring file(const std::wstring& relative) const {
        const std::filesystem::path path = folder.path() + L"\\" + relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path.c_str()) << "x";
        return path.wstring();
    }
    void subFolder(const std::wstring& relative) const {
        std::filesystem::create_directories(folder.path() + L"\\" + relative);
    }
};

class History : public BrowserFolders {
  protected:
    History() : BrowserFolders(L"History") {}
};

TEST_F(History, WalksThreeLevelsAndSkipsTodaysContainer) {
    SYSTEMTIME today{};
    GetLocalTime(&today);
    file(L"History.IE5\\index.dat");
    file(L"History.IE5\\" + HistoryContainerName(today) + L"\\index.dat");
    file(L"History.IE5\\MSHist01old\\index.dat");
    file(L"History.IE5\\MSHist01old\\inner\\page.dat");
    subFolder(L"History.IE5\\MSHist01old\\inner\\deeper\\deepest");
    file(L"History.IE5\\MSHist01old\\inner\\deeper\\deepest\\far.dat");
    file(L"History.IE5\\noextension");
    file(L"History.IE5\\top.url");
    form->historyExecute();
    std::vector<std::wstring> captions = Captions(*form->lvhis);
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ((std::vector<std::wstring>{L"deeper", L"index.dat", L"page.dat", L"top.url"}),
              captions);
    const tk::ListItem* index = privacytest::RowNamed(*form->lvhis, L"index.dat");
    ASSERT_NE(nullptr, index);
    EXPECT_EQ(folder.path() + L"\\History.IE5\\MSHist01old\\", index->subItems.at(2));
    EXPECT_EQ(L"All items listed in History Folder", index->subItems.at(1));
}

TEST_F(History, RemovesCheckedFilesOnly) {
    const std::wstring gone = file(L"History.IE5\\MSHist01old\\gone.dat");
    const std::wstring kept = file(L"History.IE5\\MSHist01old\\kept.dat");
    form->historyExecute();
    CheckOnly(*form->lvhis, {L"gone.dat"});
    form->removehisExecute();
    EXPECT_FALSE(PathExists(gone));
    EXPECT_TRUE(PathExists(kept));
    EXPECT_EQ(std::vector<std::wstring>{L"kept.dat"}, Captions(*form->lvhis));
}

class TemporaryIE : public BrowserFolders {
  protected:
    TemporaryIE() : BrowserFolders(L"Cache") {}
};

TEST_F(TemporaryIE, ListsCacheFilesWithoutAnyIndex) {
    file(L"Content.IE5\\index.dat");
    file(L"Content.IE5\\ABCD1234\\index.dat");
    file(L"Content.IE5\\ABCD1234\\page[1].htm");
    file(L"Content.IE5\\ABCD1234\\sub\\index.dat");
    file(L"Content.IE5\\ABCD1234\\sub\\logo[1].gif");
    form->tempieExecute();
    std::vector<std::wstring> captions = Captions(*form->lvtempie);
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ((std::vector<std::wstring>{L"logo[1].gif", L"page[1].htm"}), captions);
}

TEST_F(TemporaryIE, EmptyBaseValueWalksNothing) {
    const PointedValue empty(HKEY_CURRENT_USER, privacytest::ShellFolders, L"Cache", L"");
    form->tempieExecute();
    EXPECT_EQ(0, form->lvtempie->count());
}

} // namespace
