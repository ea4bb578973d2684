#include "form_test.h"
#include "registry_findings_support.h"

using regtest::CaptionIs;
using regtest::Rows;
using regtest::SeededKey;

namespace {

const wchar_t UninstallPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t UninstallLocation[] =
    L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class SerialUninstallEntries : public scantest::FormTest {
  protected:
    // A new uninstall entry holding the given values.
    std::unique_ptr<SeededKey> entry(const std::wstring& role,
                                     const std::vector<std::wstring>& values = {}) {
        auto key = std::make_unique<SeededKey>(HKEY_LOCAL_MACHINE,
                                               std::wstring(UninstallPath) + L"\\" +
                                                   scantest::UniqueName(L"TwUe" + role));
        for (const std::wstring& value : values)
            key->setString(value, L"x");
        return key;
    }
    static std::wstring nameOf(const SeededKey& key) {
        return key.path().substr(key.path().rfind(L'\\') + 1);
    }
    std::size_t rowsNamed(const SeededKey& key) const {
        return Rows(*form->lvue, CaptionIs(nameOf(key))).size();
    }
};

TEST_F(SerialUninstallEntries, EntryWithoutExpectedValuesIsAFinding) {
    const auto bare = entry(L"Bare");
    const auto other = entry(L"Other", {L"Publisher"});
    form->UninstallExecute();
    const std::vector<tk::ListItem> rows = Rows(*form->lvue, CaptionIs(nameOf(*bare)));
    ASSERT_EQ(1u, rows.size());
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ((std::vector<std::wstring>{L"Missing Uninstall Key(Removable)", nameOf(*bare),
                                         UninstallLocation + nameOf(*bare)}),
              rows[0].subItems);
    EXPECT_EQ(1u, rowsNamed(*other));
    EXPECT_EQ(form->lvue->count(), form->LastFoundCount);
    EXPECT_EQ(4, form->lvue->columnCount());
}

TEST_F(SerialUninstallEntries, AnyExpectedValueMakesAnEntry) {
    const auto named = entry(L"Named", {L"DisplayName"});
    const auto command = entry(L"Command", {L"UninstallString"});
    const auto source = entry(L"Source", {L"InstallSource", L"Publisher"});
    form->UninstallExecute();
    EXPECT_EQ(0u, rowsNamed(*named));
    EXPECT_EQ(0u, rowsNamed(*command));
    EXPECT_EQ(0u, rowsNamed(*source));
}

TEST_F(SerialUninstallEntries, IgnoredNameIsSkippedOnlyWhenEqualInCase) {
    const auto ignored = entry(L"Ignored");
    const auto otherCase = entry(L"Case");
    std::wstring lowered = nameOf(*otherCase);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), towlower);
    form->lvignoredue->addItem({nameOf(*ignored), {UninstallLocation}, true});
    form->lvignoredue->addItem({lowered, {UninstallLocation}, true});
    form->UninstallExecute();
    EXPECT_EQ(0u, rowsNamed(*ignored));
    EXPECT_EQ(1u, rowsNamed(*otherCase));
}

TEST_F(SerialUninstallEntries, RemovesTheCheckedEntriesWholeAndKeepsTheOthers) {
    const auto removed = entry(L"Removed");
    removed->addSubkey(L"Child\\Grandchild");
    const auto kept = entry(L"Kept");
    form->UninstallExecute();
    regtest::CheckOnly(*form->lvue, CaptionIs(nameOf(*removed)));
    form->removeueExecute();
    EXPECT_FALSE(removed->exists());
    EXPECT_TRUE(kept->exists());
    EXPECT_EQ(0u, rowsNamed(*removed));
    const std::vector<tk::ListItem> left = Rows(*form->lvue, CaptionIs(nameOf(*kept)));
    ASSERT_EQ(1u, left.size());
    EXPECT_FALSE(left[0].checked);
    EXPECT_EQ(form->lvue->count(), form->LastFoundCount);
}

TEST_F(SerialUninstallEntries, EntryRepairedBeforeRemovalIsKept) {
    const auto repaired = entry(L"Repaired");
    form->UninstallExecute();
    repaired->setString(L"DisplayName", L"Now complete");
    regtest::CheckOnly(*form->lvue, CaptionIs(nameOf(*repaired)));
    form->removeueExecute();
    EXPECT_TRUE(repaired->exists());
    EXPECT_EQ(0u, rowsNamed(*repaired));
}

TEST_F(SerialUninstallEntries, RowWithoutKeyNameDeletesNothing) {
    const auto sibling = entry(L"Sibling");
    form->lvue->clear();
    form->AddFinding(*form->lvue, L"caption", {L"Missing Uninstall Key(Removable)", L"", L""});
    form->AddFinding(*form->lvue, L"", {L"", nameOf(*sibling), L""});
    form->removeueExecute();
    EXPECT_TRUE(sibling->exists());
    EXPECT_TRUE(regtest::KeyExists(HKEY_LOCAL_MACHINE, UninstallPath));
    EXPECT_EQ(2, form->lvue->count());
}

TEST_F(SerialUninstallEntries, BarStepsOncePerFindingUpTo70) {
    std::vector<std::unique_ptr<SeededKey>> keys;
    for (int i = 0; i < 45; ++i)
        keys.push_back(entry(L"Many"));
    std::vector<int> positions;
    tk::seams().pause = [&](unsigned) { positions.push_back(form->PB->position()); };
    form->UninstallExecute();
    ASSERT_EQ(static_cast<std::size_t>(62 + form->lvue->count()), positions.size());
    const auto walk = positions.begin() + 31;
    EXPECT_EQ(70, *std::max_element(walk, walk + form->lvue->count()));
    EXPECT_EQ(70, positions[31 + 39]);
    EXPECT_EQ(100, positions.back());
}

} // namespace
