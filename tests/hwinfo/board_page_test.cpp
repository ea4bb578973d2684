#include "system_page_fakes.h"

namespace {

class BoardPageTest : public SystemPageTest {
  protected:
    void SeedBiosDate() {
        registry.SetString(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System", L"SystemBiosDate",
                           L"08/13/04");
    }
    void SeedBoard() {
        SeedBiosDate();
        wmi.Set(L"Win32_BaseBoard", L"Product", L"P4P800");
        wmi.Set(L"Win32_BaseBoard", L"Version", L"Rev 1.xx");
    }
    TBoardPageSources Sources() { return {wmi.Source(), registry.StringSource()}; }
    std::wstring SmbiosShown(const std::wstring& major, const std::wstring& minor) {
        wmi.Set(L"Win32_BIOS", L"SMBIOSMajorVersion", major);
        wmi.Set(L"Win32_BIOS", L"SMBIOSMinorVersion", minor);
        return BiosPageRows(Sources()).at(6).Value;
    }

    FakeRegistry registry;
    FakeWmi wmi;
};

} // namespace

TEST_F(BoardPageTest, MainboardWithoutWmiKeepsLiteralsAndTheRegistryDate) {
    SeedBiosDate();
    const std::vector<TInfoRow> rows = MainboardPageRows(Sources());

    EXPECT_EQ(L"AGP PCI IMB USB i2c/SMBus", rows[1].Value);
    EXPECT_EQ(L"1 CPU(s)", rows[2].Value);
    EXPECT_EQ(L"08/13/04", rows[7].Value);
    for (int row : {3, 4, 5, 6, 8})
        EXPECT_EQ(L"", rows[row].Value) << "row " << row;
}

TEST_F(BoardPageTest, BiosPlugAndPlayVersionIsTheBoardVersion) {
    SeedBoard();
    const std::vector<TInfoRow> rows = BiosPageRows(Sources());

    ASSERT_EQ(7u, rows.size());
    EXPECT_EQ(L"08/13/04", rows[2].Value);
    EXPECT_EQ(L"Plug & Play Version", rows[5].Caption);
    EXPECT_EQ(L"Rev 1.xx", rows[5].Value);
}

TEST_F(BoardPageTest, SmbiosVersionJoinsMajorAndMinor) {
    EXPECT_EQ(L"2.3", SmbiosShown(L"2", L"3"));
    EXPECT_EQ(L"0.0", SmbiosShown(L"0", L"0"));
    EXPECT_EQ(L".", SmbiosShown(L"", L""));
}

TEST_F(BoardPageTest, PagesShowTheirHeadingsWithNoRowSelected) {
    SeedBoard();
    form->BoardSources = Sources();

    form->ActionManager1.execute(L"Action11");
    ASSERT_EQ(9, form->LV2->count());
    EXPECT_EQ(L"Mainboard", Row(0).caption);
    EXPECT_EQ(2, Row(0).imageIndex);
    EXPECT_FALSE(Row(0).checked);
    EXPECT_EQ(L"P4P800", Value(3));
    EXPECT_TRUE(Row(3).checked);
    EXPECT_EQ(-1, form->LV2->itemIndex());
    ExpectPageEnded();

    form->ActionManager1.execute(L"Action13");
    ASSERT_EQ(7, form->LV2->count());
    EXPECT_EQ(L"BIOS", Row(0).caption);
    EXPECT_EQ(10, Row(0).imageIndex);
    EXPECT_EQ(-1, Row(6).imageIndex);
    EXPECT_TRUE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(BoardPageTest, PagesFromThisMachine) {
    form->ActionManager1.execute(L"Action11");
    EXPECT_EQ(9, form->LV2->count());
    ExpectPageEnded();
    form->ActionManager1.execute(L"Action13");
    EXPECT_EQ(7, form->LV2->count());
    ExpectPageEnded();
}
