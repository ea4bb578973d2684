#include "system_page_fakes.h"

namespace {

const std::wstring Policies = L"Control Panel\\PowerCfg\\PowerPolicies\\";

class PowerPageTest : public SystemPageTest {
  protected:
    void SetScheme(const std::wstring& number, const std::wstring& name,
                   const std::wstring& description) {
        registry.SetString(HKEY_CURRENT_USER, Policies + number, L"Name", name);
        registry.SetString(HKEY_CURRENT_USER, Policies + number, L"Description", description);
    }
    std::vector<TInfoRow> ApmRows() { return ApmPageRows({registry.StringSource(), {}}); }
    void UseAcpiKey(bool exists) {
        form->PowerSources.keyExists = [this, exists](const std::wstring& key) {
            askedKeys.push_back(key);
            return exists;
        };
    }

    FakeRegistry registry;
    std::vector<std::wstring> askedKeys;
};

} // namespace

TEST_F(PowerPageTest, ListsNamedSchemesInNumberOrder) {
    SetScheme(L"3", L"Max Battery", L"Longest battery life");
    SetScheme(L"0", L"Home/Office Desk", L"For desktops");
    SetScheme(L"1", L"Portable/Laptop", L"");
    const std::vector<TInfoRow> rows = ApmRows();

    ASSERT_EQ(7u, rows.size());
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(L"Power Schemes", rows[0].Caption);
    EXPECT_EQ(7, rows[0].ImageIndex);
    EXPECT_EQ(L"Home/Office Desk", rows[1].Caption);
    EXPECT_EQ(L"For desktops", rows[1].Value);
    EXPECT_EQ(L"Portable/Laptop", rows[2].Caption);
    EXPECT_EQ(L"", rows[2].Value);
    EXPECT_EQ(L"Max Battery", rows[3].Caption);
    EXPECT_EQ(TInfoRowKind::Blank, rows[4].Kind);
    EXPECT_EQ(L"APM System Status", rows[5].Caption);
    EXPECT_EQ(13, rows[5].ImageIndex);
    EXPECT_EQ(L"AC Line Status", rows[6].Caption);
    EXPECT_EQ(L"On-Line", rows[6].Value);
}

TEST_F(PowerPageTest, SkipsUnnamedOutOfRangeAndZeroPaddedSchemes) {
    SetScheme(L"2", L"", L"Described but unnamed");
    SetScheme(L"10", L"Last", L"");
    SetScheme(L"11", L"Too far", L"");
    SetScheme(L"05", L"Padded", L"");
    const std::vector<TInfoRow> rows = ApmRows();

    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(L"Last", rows[1].Caption);
    EXPECT_EQ(TInfoRowKind::Blank, rows[2].Kind);
}

TEST_F(PowerPageTest, WithoutSchemesTheBlankRowFollowsTheHeading) {
    const std::vector<TInfoRow> rows = ApmRows();
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(TInfoRowKind::Blank, rows[1].Kind);
}

TEST_F(PowerPageTest, ApmPageKeepsItsHeadingSelected) {
    SetScheme(L"0", L"Always On", L"");
    form->PowerSources.regString = registry.StringSource();
    form->ActionManager1.execute(L"Action14");

    ASSERT_EQ(5, form->LV2->count());
    EXPECT_EQ(0, form->LV2->itemIndex());
    EXPECT_FALSE(Row(0).checked);
    EXPECT_TRUE(Row(1).checked);
    EXPECT_FALSE(Row(2).checked);
    EXPECT_TRUE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(PowerPageTest, AcpiTableWhenTheMachineHasAcpiData) {
    UseAcpiKey(true);
    form->ActionManager1.execute(L"Action15");

    EXPECT_EQ(std::vector<std::wstring>{L"\\HARDWARE\\ACPI"}, askedKeys);
    ASSERT_EQ(6, form->LV2->count());
    EXPECT_EQ(L"ACPI BIOS", Row(0).caption);
    EXPECT_EQ(11, Row(0).imageIndex);
    EXPECT_EQ(L"ACPIAM", Value(2));
    EXPECT_EQ(L"SCI ARP IRQ", Row(5).caption);
    EXPECT_EQ(L"9", Value(5));
    EXPECT_EQ(-1, form->LV2->itemIndex());
    EXPECT_TRUE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(PowerPageTest, AcpiNotAvailableKeepsTheListImagesAsTheyAre) {
    UseAcpiKey(false);
    form->LV2->setSmallImages(&form->ImageList4);
    form->ActionManager1.execute(L"Action15");

    ASSERT_EQ(1, form->LV2->count());
    EXPECT_EQ(L"Not Available", Row(0).caption);
    EXPECT_TRUE(Row(0).checked);
    EXPECT_EQ(0, Row(0).imageIndex);
    EXPECT_FALSE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(PowerPageTest, PagesFromThisMachine) {
    form->ActionManager1.execute(L"Action14");
    EXPECT_GE(form->LV2->count(), 4);
    ExpectPageEnded();
    form->ActionManager1.execute(L"Action15");
    EXPECT_TRUE(form->LV2->count() == 6 || form->LV2->count() == 1);
    ExpectPageEnded();
    form->ActionManager1.execute(L"Action16");
    ASSERT_EQ(4, form->LV2->count());
    EXPECT_EQ(12, Row(0).imageIndex);
    ExpectPageEnded();
}
