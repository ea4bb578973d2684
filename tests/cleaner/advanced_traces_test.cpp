#include "privacy_test_support.h"

using privacytest::CheckOnly;
using privacytest::RowNamed;
using scantest::SetString;
using scantest::ValueExists;

namespace {

const wchar_t TypedUrls[] = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
const wchar_t RunMru[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const wchar_t Explorer[] = L"Software\\Microsoft\\Internet Explorer";
const wchar_t OpenSaveMru[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";
const wchar_t SearchMru[] = L"Software\\Microsoft\\Search Assistant\\ACMru\\";
const wchar_t MachineDirectDraw[] = L"Software\\Microsoft\\DirectDraw\\MostRecentApplication";

// Values written by a test, deleted afterwards; the keys' other values are left alone.
class AdvancedTraces : public privacytest::PrivacyTest {
  protected:
    void TearDown() override {
        for (const auto& [root, path, name] : written_)
            scantest::DeleteValue(root, path, name);
        RegDeleteTreeW(HKEY_CURRENT_USER, (SearchMru + searchKey).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, (SearchMru + searchKey).c_str());
        privacytest::PrivacyTest::TearDown();
    }
    std::wstring seed(HKEY root, const std::wstring& path, const std::wstring& role,
                      const std::wstring& data) {
        const std::wstring name = scantest::UniqueName(L"TwTrace" + role);
        SetString(root, path, name, data);
        written_.push_back({root, path, name});
        return name;
    }
    const tk::ListItem& row(const std::wstring& caption) {
        const tk::ListItem* found = RowNamed(*form->lvadvanced, caption);
        if (!found)
            throw std::runtime_error("no row");
        return *found;
    }

    const std::wstring searchKey = scantest::UniqueName(L"TwTraceSearch");
    twtest::SavedValue runMruList{HKEY_CURRENT_USER, RunMru, L"MRUList"};
    twtest::SavedValue openSaveMruList{HKEY_CURRENT_USER, OpenSaveMru, L"MRUList"};
    twtest::SavedValue downloadFolder{HKEY_CURRENT_USER, Explorer, L"Download Directory"};

  private:
    std::vector<std::tuple<HKEY, std::wstring, std::wstring>> written_;
};

TEST_F(AdvancedTraces, EachPlaceWithItsLabelDataAndLocation) {
    const std::wstring url = seed(HKEY_CURRENT_USER, TypedUrls, L"Url", L"http://example.org/");
    const std::wstring run = seed(HKEY_CURRENT_USER, RunMru, L"Run", L"notepad\\1");
    const std::wstring search =
        seed(HKEY_CURRENT_USER, SearchMru + searchKey + L"\\", L"Search", L"holiday");
    const std::wstring machine = seed(HKEY_LOCAL_MACHINE, MachineDirectDraw, L"Draw", L"x");
    SetString(HKEY_CURRENT_USER, Explorer, L"Download Directory", L"C:\\Downloads");
    form->advancedExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"Recently Typed URLs", L"http://example.org/",
                                         std::wstring(L"HKCU\\") + TypedUrls}),
              row(url).subItems);
    EXPECT_EQ(L"Recently Typed in Run Menu", row(run).subItems.at(0));
    EXPECT_EQ((std::vector<std::wstring>{L"Recently Typed in Search Menu", L"holiday",
                                         L"HKCU\\" + (SearchMru + searchKey) + L"\\"}),
              row(search).subItems);
    EXPECT_EQ((std::vector<std::wstring>{L"Last Download Location", L"C:\\Downloads",
                                         std::wstring(L"HKCU\\") + Explorer}),
              row(L"Download Directory").subItems);
    EXPECT_EQ(RowNamed(*form->lvadvanced, machine), nullptr)
        << "only the value named Name is taken";
    EXPECT_EQ(4, form->lvadvanced->columnCount());
    EXPECT_EQ(form->lvadvanced->count(), form->LastFoundCount);
}

TEST_F(AdvancedTraces, DataThatIsNoStringShowsAsText) {
    const std::wstring name = seed(HKEY_CURRENT_USER, TypedUrls, L"Binary", L"");
    HKEY key = scantest::OpenKey(HKEY_CURRENT_USER, TypedUrls);
    RegSetValueExW(key, name.c_str(), 0, REG_BINARY,
                   reinterpret_cast<const BYTE*>("http://binary/\0x"), 16);
    RegCloseKey(key);
    form->advancedExecute();
    EXPECT_EQ(L"http://binary/", row(name).subItems.at(1));
}

TEST_F(AdvancedTraces, MruListOnlyFromRunMenu) {
    SetString(HKEY_CURRENT_USER, RunMru, L"MRUList", L"a");
    SetString(HKEY_CURRENT_USER, OpenSaveMru, L"MRUList", L"a");
    form->advancedExecute();
    int mruLists = 0;
    for (const tk::ListItem& item : form->lvadvanced->items())
        if (item.caption == L"MRUList") {
            ++mruLists;
            EXPECT_EQ(L"Recently Typed in Run Menu", item.subItems.at(0));
        }
    EXPECT_EQ(1, mruLists);
}

TEST_F(AdvancedTraces, RemovesCheckedValuesUnderTheirOwnRoot) {
    const std::wstring gone = seed(HKEY_CURRENT_USER, TypedUrls, L"Gone", L"http://a/");
    const std::wstring kept = seed(HKEY_CURRENT_USER, TypedUrls, L"Kept=1", L"http://b/");
    const std::wstring search =
        seed(HKEY_CURRENT_USER, SearchMru + searchKey + L"\\", L"Search", L"x");
    const twtest::SavedValue machineName(HKEY_LOCAL_MACHINE, MachineDirectDraw, L"Name");
    SetString(HKEY_LOCAL_MACHINE, MachineDirectDraw, L"Name", L"game.exe");
    form->advancedExecute();
    const std::wstring machineLocation = std::wstring(L"HKLM\\") + MachineDirectDraw;
    tk::ListView& list = *form->lvadvanced;
    for (int index = 0; index < list.count(); ++index) {
        const tk::ListItem& item = list.item(index);
        list.setChecked(index,
                        item.caption == gone || item.caption == search ||
                            (item.caption == L"Name" && item.subItems.at(2) == machineLocation));
    }
    form->removeadvancedExecute();
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, TypedUrls, gone));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, SearchMru + searchKey + L"\\", search));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, MachineDirectDraw, L"Name"));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, TypedUrls, kept));
    EXPECT_NE(nullptr, RowNamed(*form->lvadvanced, kept));
    EXPECT_EQ(nullptr, RowNamed(*form->lvadvanced, gone));
    EXPECT_EQ(form->lvadvanced->count(), form->LastFoundCount);
}

TEST_F(AdvancedTraces, CheckedDefaultValueIsDeleted) {
    const std::wstring key = SearchMru + searchKey;
    SetString(HKEY_CURRENT_USER, key, L"", L"typed");
    SetString(HKEY_CURRENT_USER, key, L"kept", L"other");
    form->advancedExecute();
    CheckOnly(*form->lvadvanced, {L""});
    ASSERT_NE(nullptr, RowNamed(*form->lvadvanced, L""));
    form->removeadvancedExecute();
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, key, L""));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, key, L"kept"));
    EXPECT_EQ(nullptr, RowNamed(*form->lvadvanced, L""));
}

} // namespace
