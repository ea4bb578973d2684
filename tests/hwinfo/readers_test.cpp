#include "hwinfo/Un_Tambahan.h"

#include <gtest/gtest.h>

#include <cwctype>

using namespace corvane;

namespace {

// A fresh key under HKCU\Software\TwTest, removed again after the test.
class ReaderKey : public ::testing::Test {
  protected:
    void SetUp() override {
        path = L"Software\\TwTest\\HwReaders" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
    }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    }
    void SetDword(const wchar_t* name, DWORD value) {
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof(value));
    }
    void SetString(const wchar_t* name, const std::wstring& text) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    std::wstring path;
    HKEY key = nullptr;
};

wchar_t MissingDriveLetter() {
    const DWORD drives = GetLogicalDrives();
    for (int i = 25; i >= 0; --i)
        if (!(drives & (1u << i)))
            return static_cast<wchar_t>(L'A' + i);
    return 0;
}

bool LooksLikeSerial(const std::wstring& text) {
    if (text.size() != 9 || text[4] != L'-')
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != 4 && !std::iswxdigit(text[i]))
            return false;
    return true;
}

} // namespace

TEST(FormatByteSize, PicksTheLargestUnitThatFits) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"0", L"0 bytes"},
        {L"512", L"512 bytes"},
        {L"1023", L"1023 bytes"},
        {L"1024", L"1.00 KB"},
        {L"1536", L"1.50 KB"},
        {L"1048575", L"1024.00 KB"},
        {L"1048576", L"1.00 MB"},
        {L"1073741823", L"1024.00 MB"},
        {L"1073741824", L"1.00 GB"},
        {L"3221225472", L"3.00 GB"},
        {L"5497558138880", L"5120.00 GB"},
        {L"-2048", L"-2.00 KB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, FormatByteSize(c.first)) << c.first;
}

TEST(FormatByteSize, TextThatIsNoWholeNumberGivesEmptyText) {
    EXPECT_EQ(L"", FormatByteSize(L""));
    EXPECT_EQ(L"", FormatByteSize(L"12 KB"));
    EXPECT_EQ(L"", FormatByteSize(L"1.5"));
    EXPECT_EQ(L"", FormatByteSize(L"99999999999999999999"));
}

TEST(VolumeSerialText, TwoGroupsOfFourUpperCaseHexDigits) {
    EXPECT_EQ(L"1234-5678", VolumeSerialText(0x12345678));
    EXPECT_EQ(L"0000-0000", VolumeSerialText(0));
    EXPECT_EQ(L"ABCD-00EF", VolumeSerialText(0xABCD00EF));
}

TEST(GetVolumeField, ReadsTheSystemDrive) {
    EXPECT_TRUE(LooksLikeSerial(GetVolumeField(L'C', TVolumeField::SerialNumber)));
    EXPECT_FALSE(GetVolumeField(L'c', TVolumeField::FileSystem).empty());
}

TEST(GetVolumeField, MissingDriveGivesEmptyTexts) {
    const wchar_t missing = MissingDriveLetter();
    ASSERT_NE(0, missing);
    EXPECT_EQ(L"", GetVolumeField(missing, TVolumeField::Label));
    EXPECT_EQ(L"", GetVolumeField(missing, TVolumeField::SerialNumber));
    EXPECT_EQ(L"", GetVolumeField(missing, TVolumeField::FileSystem));
}

TEST(DiskInDrive, TrueOnlyForADriveWithReadableSize) {
    EXPECT_TRUE(DiskInDrive(L'C'));
    EXPECT_TRUE(DiskInDrive(L'c'));
    EXPECT_FALSE(DiskInDrive(MissingDriveLetter()));
    EXPECT_FALSE(DiskInDrive(L'1'));
}

TEST(GetSystemDir, IsTheSystemFolderWithoutTrailingBackslash) {
    const std::wstring dir = GetSystemDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(L'\\', dir.back());
    const DWORD attributes = GetFileAttributesW(dir.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(ReaderKey, ReadRegistryIntegerReadsDwordsOnly) {
    SetDword(L"Count", 42);
    SetDword(L"AllBits", 0xFFFFFFFF);
    SetString(L"Text", L"42");
    EXPECT_EQ(42, ReadRegistryInteger(HKEY_CURRENT_USER, path, L"Count"));
    EXPECT_EQ(-1, ReadRegistryInteger(HKEY_CURRENT_USER, L"\\" + path, L"AllBits"));
    EXPECT_EQ(0, ReadRegistryInteger(HKEY_CURRENT_USER, path, L"Text"));
    EXPECT_EQ(0, ReadRegistryInteger(HKEY_CURRENT_USER, path, L"Missing"));
    EXPECT_EQ(0, ReadRegistryInteger(HKEY_CURRENT_USER, path + L"\\Missing", L"Count"));
}

TEST(RegistryKeyExists, LooksUnderLocalMachine) {
    EXPECT_TRUE(RegistryKeyExists(L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
    EXPECT_TRUE(RegistryKeyExists(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
    EXPECT_FALSE(RegistryKeyExists(L"\\SOFTWARE\\TwTest\\NoSuchKeyForHwReaders"));
}
