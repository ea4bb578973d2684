#include "hwinfo/Un_Tambahan.h"

#include <gtest/gtest.h>

#include <wbemidl.h>

using namespace corvane;

namespace {

// The drives that WMI lists as logical disks, in letter order.
std::vector<std::wstring> LogicalDiskIds() {
    std::vector<std::wstring> ids;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const std::wstring id = std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":";
        if (!(drives & (1u << i)))
            continue;
        const UINT type = GetDriveTypeW((id + L"\\").c_str());
        if (type == DRIVE_FIXED || type == DRIVE_REMOVABLE || type == DRIVE_CDROM)
            ids.push_back(id);
    }
    return ids;
}

class WmiValue : public ::testing::Test {
  protected:
    WmiValue() { VariantInit(&value); }
    ~WmiValue() override { VariantClear(&value); }
    VARIANT value;
};

} // namespace

TEST(GetWmiProperty, LastInstanceWins) {
    const std::vector<std::wstring> ids = LogicalDiskIds();
    ASSERT_GE(ids.size(), 2u);
    EXPECT_EQ(ids.back(), GetWmiProperty(L"", L"Win32_LogicalDisk", L"DeviceID"));
}

TEST(GetWmiProperty, MisspeltClassOrPropertyGivesEmptyText) {
    EXPECT_EQ(L"", GetWmiProperty(L"", L"Win32_LogicalDisks", L"DeviceID"));
    EXPECT_EQ(L"", GetWmiProperty(L"", L"Win32_LogicalDisk", L"DeviceId_"));
}

TEST(GetWmiProperty, ClassNameWithLeadingBlankWorks) {
    const std::wstring name = GetWmiProperty(L"", L"Win32_ComputerSystem", L"Name");
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name, GetWmiProperty(L"", L" Win32_ComputerSystem", L"Name"));
}

TEST(GetWmiProperty, BooleanReadsTrueOrFalse) {
    EXPECT_EQ(L"True", GetWmiProperty(L"", L"Win32_OperatingSystem", L"Primary"));
}

TEST_F(WmiValue, NullIsZeroAndBooleansAreWords) {
    V_VT(&value) = VT_NULL;
    EXPECT_EQ(L"0", WmiValueText(value, CIM_STRING));
    V_VT(&value) = VT_BOOL;
    V_BOOL(&value) = VARIANT_TRUE;
    EXPECT_EQ(L"True", WmiValueText(value, CIM_BOOLEAN));
    V_BOOL(&value) = VARIANT_FALSE;
    EXPECT_EQ(L"False", WmiValueText(value, CIM_BOOLEAN));
}

TEST_F(WmiValue, UnsignedThirtyTwoBitNumbersNeverPrintNegative) {
    V_VT(&value) = VT_I4;
    V_I4(&value) = static_cast<LONG>(0x80000000u);
    EXPECT_EQ(L"2147483648", WmiValueText(value, CIM_UINT32));
    V_I4(&value) = -1;
    EXPECT_EQ(L"4294967295", WmiValueText(value, CIM_UINT32));
    EXPECT_EQ(L"-1", WmiValueText(value, CIM_SINT32));
}

TEST_F(WmiValue, StringsAndNumbersAsText) {
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocString(L"C:");
    EXPECT_EQ(L"C:", WmiValueText(value, CIM_STRING));
    VariantClear(&value);
    V_VT(&value) = VT_UI1;
    V_UI1(&value) = 200;
    EXPECT_EQ(L"200", WmiValueText(value, CIM_UINT8));
    V_VT(&value) = VT_R8;
    V_R8(&value) = 1.5;
    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    EXPECT_EQ(std::wstring(L"1") + separator + L"5", WmiValueText(value, CIM_REAL64));
}

TEST_F(WmiValue, ArraysHaveNoText) {
    V_VT(&value) = VT_ARRAY | VT_I4;
    V_ARRAY(&value) = SafeArrayCreateVector(VT_I4, 0, 2);
    EXPECT_FALSE(WmiValueText(value, CIM_SINT32 | CIM_FLAG_ARRAY).has_value());
}
