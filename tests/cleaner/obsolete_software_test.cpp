#include "form_test.h"
#include "registry_findings_support.h"

using regtest::CaptionAt;
using regtest::CaptionIs;
using regtest::Rows;
using regtest::SeededKey;

namespace {

const wchar_t UserLocation[] = L"HKCU\\Software\\";
const wchar_t MachineLocation[] = L"HKLM\\Software\\";

class SerialObsoleteSoftware : public scantest::FormTest {
  protected:
    const SeededKey& software(const std::wstring& name, HKEY root = HKEY_CURRENT_USER) {
        return keys.add(root, L"Software\\" + name);
    }
    std::size_t rowsNamed(const std::wstring& name) const {
        return Rows(*form->lvos, CaptionIs(name)).size();
    }

    regtest::SeededKeys keys;
};

TEST_F(SerialObsoleteSoftware, EmptySoftwareKeyIsAFinding) {
    const std::wstring name = scantest::UniqueName(L"TwOsEmpty");
    software(name);
    form->ObsoleteExecute();
    const std::vector<tk::ListItem> rows = Rows(*form->lvos, CaptionIs(name));
    ASSERT_EQ(1u, rows.size());
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ((std::vector<std::wstring>{L"Empty Key(Remove)", name, UserLocation}),
              rows[0].subItems);
    EXPECT_EQ(form->lvos->count(), form->LastFoundCount);
}

TEST_F(SerialObsoleteSoftware, KeysWithAValueOrASubkeyAreNoFindings) {
    const std::wstring withDefault = scantest::UniqueName(L"TwOsDefault");
    software(withDefault).setString(L"", L"x");
    const std::wstring withSubkey = scantest::UniqueName(L"TwOsSubkey");
    const SeededKey& parent = software(withSubkey);
    parent.addSubkey(L"Empty");
    form->ObsoleteExecute();
    EXPECT_EQ(0u, rowsNamed(withDefault));
    EXPECT_EQ(0u, rowsNamed(withSubkey));

    RegDeleteKeyW(HKEY_CURRENT_USER, (parent.path() + L"\\Empty").c_str());
    form->ObsoleteExecute();
    EXPECT_EQ(1u, rowsNamed(withSubkey));
}

TEST_F(SerialObsoleteSoftware, EachRootsKeyIsJudgedAndRemovedOnItsOwn) {
    const std::wstring name = scantest::UniqueName(L"TwOsBoth");
    const SeededKey& user = software(name);
    const SeededKey& machine = software(name, HKEY_LOCAL_MACHINE);
    form->ObsoleteExecute();
    ASSERT_EQ(1u, Rows(*form->lvos, CaptionAt(name, UserLocation)).size());
    ASSERT_EQ(1u, Rows(*form->lvos, CaptionAt(name, MachineLocation)).size());

    regtest::CheckOnly(*form->lvos, CaptionAt(name, UserLocation));
    form->removeosExecute();
    EXPECT_FALSE(user.exists());
    EXPECT_TRUE(machine.exists());
    const std::vector<tk::ListItem> left = Rows(*form->lvos, CaptionIs(name));
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(MachineLocation, left[0].subItems.at(2));
    EXPECT_FALSE(left[0].checked);
    EXPECT_EQ(form->lvos->count(), form->LastFoundCount);
}

TEST_F(SerialObsoleteSoftware, KeyFilledBeforeRemovalIsKept) {
    const std::wstring name = scantest::UniqueName(L"TwOsFilled");
    const SeededKey& key = software(name);
    form->ObsoleteExecute();
    key.setString(L"Version", L"2");
    regtest::CheckOnly(*form->lvos, CaptionIs(name));
    form->removeosExecute();
    EXPECT_TRUE(key.exists());
    EXPECT_EQ(0u, rowsNamed(name));
}

TEST_F(SerialObsoleteSoftware, RowsWithoutNameOrKnownLocationDeleteNothing) {
    const std::wstring name = scantest::UniqueName(L"TwOsOdd");
    const SeededKey& key = software(name);
    form->lvos->clear();
    form->AddFinding(*form->lvos, L"", {L"Empty Key(Remove)", L"", UserLocation});
    form->AddFinding(*form->lvos, name, {L"Empty Key(Remove)", name, L"HKCU\\Software\\Other\\"});
    form->removeosExecute();
    EXPECT_TRUE(regtest::KeyExists(HKEY_CURRENT_USER, L"Software"));
    EXPECT_TRUE(key.exists());
    EXPECT_EQ(2, form->lvos->count());
}

TEST_F(SerialObsoleteSoftware, ScanTakesItsProgressSteps) {
    EXPECT_EQ(std::vector<unsigned>(103, 30), regtest::Pauses([&] { form->ObsoleteExecute(); }));
}

} // namespace
