#include "system_page_fakes.h"

namespace {

const std::uint64_t GiB = 1073741824;

class MemoryPageTest : public SystemPageTest {
  protected:
    void SeedSystem() {
        wmi.Set(L"Win32_OperatingSystem", L"Caption", L"Microsoft Windows XP Professional");
        wmi.Set(L"Win32_OperatingSystem", L"Version", L"5.1.2600");
        wmi.Set(L"Win32_OperatingSystem", L"CSDVersion", L"Service Pack 2");
        wmi.Set(L"Win32_OperatingSystem", L"BuildType", L"Uniprocessor Free");
        wmi.Set(L"Win32_OperatingSystem", L"NumberOfUsers", L"2");
        wmi.Set(L"Win32_ComputerSystem", L"Name", L"DESK");
        wmi.Set(L"Win32_ComputerSystem", L"UserName", L"DESK\\ann");
        wmi.Set(L"Win32_ComputerSystem", L"Domain", L"WORKGROUP");
    }
    std::wstring Shown(int row) { return WindowsInfoPageRows(wmi.Source()).at(row).Value; }
    std::wstring ActivationShown(const std::wstring& text) {
        wmi.Set(L"Win32_WindowsProductActivation", L"ActivationRequired", text);
        return Shown(9);
    }
    std::wstring ProtectionShown(const std::wstring& text) {
        wmi.Set(L"Win32_OperatingSystem", L"DataExecutionPrevention_Available", text);
        return Shown(12);
    }
    std::wstring UserShown(const std::wstring& host, const std::wstring& user) {
        wmi.Set(L"Win32_ComputerSystem", L"Name", host);
        wmi.Set(L"Win32_ComputerSystem", L"UserName", user);
        return Shown(18);
    }

    FakeWmi wmi;
};

} // namespace

TEST_F(MemoryPageTest, MemoryFiguresAndPageFile) {
    TMemoryFigures memory;
    memory.LoadPercent = 37;
    memory.TotalPhysical = GiB;
    memory.AvailablePhysical = 6 * GiB;
    memory.TotalPageFile = 1536;
    memory.AvailablePageFile = 512;
    wmi.Set(L"Win32_PageFile", L"Name", L"C:\\pagefile.sys");
    wmi.Set(L"Win32_PageFile", L"InitialSize", L"1536");
    wmi.Set(L"Win32_PageFile", L"MaximumSize", L"3072");
    const std::vector<TInfoRow> rows = MemoryPageRows(memory, wmi.Source());

    ASSERT_EQ(9u, rows.size());
    EXPECT_EQ(L"Total Physical Memory", rows[1].Caption);
    EXPECT_EQ(L"1.00 GB", rows[1].Value);
    EXPECT_EQ(L"6.00 GB", rows[2].Value);
    EXPECT_EQ(L"1.50 KB", rows[3].Value);
    EXPECT_EQ(L"512 bytes", rows[4].Value);
    EXPECT_EQ(L"C:\\pagefile.sys", rows[5].Value);
    EXPECT_EQ(L"1536", rows[6].Value);
    EXPECT_EQ(L"3072", rows[7].Value);
    EXPECT_EQ(L"Allocated Memory Load", rows[8].Caption);
    EXPECT_EQ(L"37 %", rows[8].Value);
}

TEST_F(MemoryPageTest, MemoryIsReadBeforeTheWaitingTextIsTyped) {
    bool readWhileFilling = true;
    form->MemorySources.memory = [&] {
        readWhileFilling = form->Filling();
        TMemoryFigures memory;
        memory.TotalPhysical = 2 * GiB;
        return memory;
    };
    form->MemorySources.wmi = wmi.Source();
    form->ActionManager1.execute(L"Action18");

    EXPECT_FALSE(readWhileFilling);
    ASSERT_EQ(9, form->LV2->count());
    EXPECT_EQ(L"Memory Info", Row(0).caption);
    EXPECT_EQ(14, Row(0).imageIndex);
    EXPECT_FALSE(Row(0).checked);
    EXPECT_EQ(L"2.00 GB", Value(1));
    EXPECT_EQ(-1, form->LV2->itemIndex());
    EXPECT_TRUE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(MemoryPageTest, ReadsTheMemoryStatusOfThisMachine) {
    const TMemoryFigures memory = ReadMemoryFigures();
    EXPECT_GT(memory.TotalPhysical, 0u);
    EXPECT_LE(memory.AvailablePhysical, memory.TotalPhysical);
    EXPECT_LE(memory.LoadPercent, 100u);
}

TEST_F(MemoryPageTest, WindowsInfoRowKinds) {
    SeedSystem();
    const std::vector<TInfoRow> rows = WindowsInfoPageRows(wmi.Source());

    ASSERT_EQ(20u, rows.size());
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(8, rows[0].ImageIndex);
    for (int row : {7, 10, 15})
        EXPECT_EQ(TInfoRowKind::Blank, rows[row].Kind) << "row " << row;
    for (int row : {8, 11, 16}) {
        EXPECT_EQ(TInfoRowKind::Heading, rows[row].Kind) << "row " << row;
        EXPECT_EQ(-1, rows[row].ImageIndex) << "row " << row;
    }
    EXPECT_EQ(L"Microsoft Windows XP Professional 5.1.2600 Service Pack 2", rows[1].Value);
    EXPECT_EQ(L"Uniprocessor Free", rows[2].Value);
    EXPECT_EQ(L"Number of Licenced Processors", rows[3].Caption);
    EXPECT_EQ(L"2", rows[3].Value);
    EXPECT_EQ(L"DESK", rows[17].Value);
    EXPECT_EQ(L"ann", rows[18].Value);
    EXPECT_EQ(L"WORKGROUP", rows[19].Value);
}

TEST_F(MemoryPageTest, FailedQueriesLeaveTheJoiningBlanks) {
    EXPECT_EQ(L"  ", Shown(1));
    EXPECT_EQ(L"", Shown(9));
    EXPECT_EQ(L"", Shown(14));
}

TEST_F(MemoryPageTest, ActivationAndProtectionTextsMatchExactly) {
    EXPECT_EQ(L"No", ActivationShown(L"0"));
    EXPECT_EQ(L"Yes", ActivationShown(L"1"));
    EXPECT_EQ(L"2", ActivationShown(L"2"));
    EXPECT_EQ(L"Yes", ProtectionShown(L"True"));
    EXPECT_EQ(L"No", ProtectionShown(L"False"));
    EXPECT_EQ(L"true", ProtectionShown(L"true"));
    EXPECT_EQ(L"0", ProtectionShown(L"0"));
}

TEST_F(MemoryPageTest, UserNameLosesOnlyThisHostsPrefix) {
    EXPECT_EQ(L"ann", UserShown(L"DESK", L"DESK\\ann"));
    EXPECT_EQ(L"CORP\\ann", UserShown(L"DESK", L"CORP\\ann"));
    EXPECT_EQ(L"desk\\ann", UserShown(L"DESK", L"desk\\ann"));
    EXPECT_EQ(L"CORP\\ann", UserShown(L"", L"CORP\\ann"));
}

TEST_F(MemoryPageTest, WindowsInfoPageShowsTwentyRows) {
    SeedSystem();
    form->MemorySources.wmi = wmi.Source();
    form->ActionManager1.execute(L"windowsinfo");

    ASSERT_EQ(20, form->LV2->count());
    EXPECT_EQ(L"General Information", Row(0).caption);
    EXPECT_FALSE(Row(8).checked);
    EXPECT_TRUE(Row(9).checked);
    EXPECT_EQ(L"ann", Value(18));
    EXPECT_EQ(-1, form->LV2->itemIndex());
    ExpectPageEnded();
}

TEST_F(MemoryPageTest, PagesFromThisMachine) {
    form->ActionManager1.execute(L"Action18");
    ASSERT_EQ(9, form->LV2->count());
    EXPECT_NE(L"", Value(1));
    ExpectPageEnded();
    form->ActionManager1.execute(L"windowsinfo");
    EXPECT_EQ(20, form->LV2->count());
    ExpectPageEnded();
}
