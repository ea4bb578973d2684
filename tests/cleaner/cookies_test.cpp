#include "cleaner/privacy/Cookies.h"
#include "privacy_test_support.h"

using privacytest::Captions;
using privacytest::CheckOnly;
using privacytest::PointedValue;

namespace {

TEST(CookieNames, KeywordsMatchAnywhereCaseSensitively) {
    EXPECT_TRUE(IsTrackingCookieName(L"user@doubleclick[1].txt"));
    EXPECT_TRUE(IsTrackingCookieName(L"user@blog.example[1].txt")); // "log"
    EXPECT_TRUE(IsTrackingCookieName(L"tw@geo[1].txt"));
    EXPECT_TRUE(IsTrackingCookieName(L"john@adClutter[1].txt"));
    EXPECT_FALSE(IsTrackingCookieName(L"john@adclutter[1].txt"));
    EXPECT_FALSE(IsTrackingCookieName(L"user@Google[1].txt"));
    EXPECT_FALSE(IsTrackingCookieName(L"user@wikipedia[1].txt"));
}

class Cookies : public privacytest::ShellFolderTest {
  protected:
    Cookies() : ShellFolderTest(L"Cookies", L"TwCookies") {}
};

TEST_F(Cookies, ListsTrackingCookiesOnly) {
    folder.write(L"user@doubleclick[1].txt", std::string(3000, 'x'));
    folder.write(L"user@wikipedia[1].txt");
    folder.write(L"user@ads.example[1].dat");
    folder.write(L"blog.txtfile");
    folder.write(L"google.txtx");
    folder.write(L"user@ads.txt2");
    form->CookiesExecute();
    ASSERT_EQ(std::vector<std::wstring>{L"user@doubleclick[1].txt"}, Captions(*form->lvco));
    EXPECT_EQ((std::vector<std::wstring>{L"Remove", L"All items listed in Cookies",
                                         folder.path() + L"\\", L"2.93 KB"}),
              form->lvco->item(0).subItems);
    EXPECT_EQ(1, form->LastFoundCount);
}

TEST_F(Cookies, RemovesCheckedCookiesAndNeverTheCleanOnes) {
    const std::wstring gone = folder.write(L"user@zedo[1].txt");
    const std::wstring kept = folder.write(L"user@tracking[2].txt");
    const std::wstring clean = folder.write(L"user@wikipedia[1].txt");
    form->CookiesExecute();
    CheckOnly(*form->lvco, {L"user@zedo[1].txt"});
    form->removecoExecute();
    EXPECT_FALSE(PathExists(gone));
    EXPECT_TRUE(PathExists(kept));
    EXPECT_TRUE(PathExists(clean));
    EXPECT_EQ(std::vector<std::wstring>{L"user@tracking[2].txt"}, Captions(*form->lvco));
}

TEST_F(Cookies, EmptyFolderValueListsNothing) {
    const PointedValue empty(HKEY_CURRENT_USER, privacytest::ShellFolders, L"Cookies", L"");
    form->CookiesExecute();
    EXPECT_EQ(0, form->lvco->count());
    EXPECT_EQ(0, form->LastFoundCount);
}

} // namespace
