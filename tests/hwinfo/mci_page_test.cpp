#include "main_window_fixture.h"

#include "hwinfo/VerInfoRes.h"

namespace {

class MciPageTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        path = L"Software\\TwTest\\CvMci" + std::to_wstring(GetCurrentProcessId());
        form->MciSource = {HKEY_CURRENT_USER, path};
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
        MainWindowTest::TearDown();
    }
    void SetDevice(const std::wstring& name, const std::wstring& driver) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(driver.c_str()),
                       static_cast<DWORD>((driver.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    const tk::ListItem& Row(int index) { return form->LV2->item(index); }
    std::wstring Value(int index) { return form->LV2->subItem(index, 0); }

    std::wstring path;
};

} // namespace

TEST_F(MciPageTest, FiveRowsPerDeviceAfterTheHeading) {
    SetDevice(L"AVIVideo", L"mciavi32.dll");
    SetDevice(L"Sequencer", L"TwTest-missing.drv");
    form->ActionManager1.execute(L"mci_device");

    ASSERT_EQ(11, form->LV2->count());
    EXPECT_EQ(L"MCI Device Information", Row(0).caption);
    EXPECT_EQ(18, Row(0).imageIndex);
    EXPECT_FALSE(Row(0).checked);

    const std::wstring driverPath = GetSystemDir() + L"\\mciavi32.dll";
    EXPECT_EQ(L"Device Name", Row(1).caption);
    EXPECT_EQ(L"AVIVideo", Value(1));
    EXPECT_EQ(20, Row(1).imageIndex);
    EXPECT_EQ(L"Driver", Row(2).caption);
    EXPECT_EQ(L"mciavi32.dll", Value(2));
    EXPECT_EQ(L"Version", Row(3).caption);
    EXPECT_EQ(TVerInfoRes(driverPath).FileVersionText(), Value(3));
    EXPECT_EQ(L"Path", Row(4).caption);
    EXPECT_EQ(driverPath, Value(4));
    EXPECT_EQ(L"", Row(5).caption);
    EXPECT_FALSE(Row(5).checked);

    EXPECT_EQ(L"Sequencer", Value(6));
    EXPECT_EQ(L"", Value(8));
    EXPECT_EQ(GetSystemDir() + L"\\TwTest-missing.drv", Value(9));
}

TEST_F(MciPageTest, EmptyKeyGivesTheHeadingOnly) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
    form->mci_deviceExecute();
    EXPECT_EQ(1, form->LV2->count());
    EXPECT_TRUE(form->SystemHasContent);
}

TEST_F(MciPageTest, KeyThatCannotBeOpenedShowsNoEarlierDevices) {
    SetDevice(L"CDAudio", L"mcicda.dll");
    form->mci_deviceExecute();
    ASSERT_EQ(6, form->LV2->count());

    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    form->mci_deviceExecute();
    EXPECT_EQ(1, form->LV2->count());
    EXPECT_TRUE(form->Memotemp.empty());
}
