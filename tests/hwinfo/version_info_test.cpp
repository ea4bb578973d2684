#include "hwinfo/Un_Tambahan.h"
#include "hwinfo/VerInfoRes.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A program of the system that carries a full version resource.
std::wstring SystemProgram() {
    return GetSystemDir() + L"\\msiexec.exe";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ExpectNoVersionStrings(const TFileVersionRecord& record) {
    for (const std::wstring* text :
         {&record.CompanyName, &record.FileDescription, &record.FileVersion, &record.InternalName,
          &record.LegalCopyright, &record.LegalTrademarks, &record.OriginalFilename,
          &record.ProductName, &record.ProductVersion, &record.Comments, &record.SpecialBuildText,
          &record.PrivateBuildText, &record.FileType})
        EXPECT_EQ(L"", *text);
}

} // namespace

TEST(FileVersionInfo, ProgramWithoutVersionResourceGivesTypeNameOnly) {
    TFileVersionRecord record;
    record.CompanyName = L"left over";
    ReadFileVersionInfo(OwnPath(), record);
    ExpectNoVersionStrings(record);
    EXPECT_FALSE(record.Debug || record.PreRelease || record.Patched);

    const TVerInfoRes resource(OwnPath());
    EXPECT_FALSE(resource.Loaded());
    EXPECT_EQ(L"", resource.FileVersionText());
}

TEST(FileVersionInfo, MissingFileGivesEmptyTexts) {
    TFileVersionRecord record;
    ReadFileVersionInfo(L"C:\\TwTest-no-such-folder\\nothing.exe", record);
    ExpectNoVersionStrings(record);
    EXPECT_EQ(L"", TVerInfoRes(L"C:\\TwTest-no-such-folder\\nothing.exe").FileVersionText());
}

TEST(FileVersionInfo, ProgramWithVersionResourceGivesItsStrings) {
    const std::wstring path = SystemProgram();
    ASSERT_TRUE(Exists(path));
    TFileVersionRecord record;
    ReadFileVersionInfo(path, record);
    EXPECT_NE(L"", record.TypeName);
    EXPECT_NE(L"", record.FileDescription);
    EXPECT_NE(L"", record.FileVersion);
    EXPECT_EQ(L"Application", record.FileType);

    const TVerInfoRes resource(path);
    EXPECT_TRUE(resource.Loaded());
    const std::wstring version = resource.FileVersionText();
    EXPECT_EQ(3, std::count(version.begin(), version.end(), L'.')) << version;
}

TEST(FileVersionInfo, TidewellVersionWhenBuilt) {
    const std::wstring own = OwnPath();
    const std::wstring path = own.substr(0, own.find_last_of(L'\\')) + L"\\Tidewell.exe";
    if (!Exists(path))
        GTEST_SKIP() << "Tidewell.exe not built in this folder";
    TFileVersionRecord record;
    ReadFileVersionInfo(path, record);
    EXPECT_NE(L"", record.FileVersion);
    EXPECT_EQ(L"3.6.0.0", TVerInfoRes(path).FileVersionText());
}

TEST(FileVersionInfo, LibraryGetsOnlyItsTypeNameButHasAVersion) {
    const std::wstring path = GetSystemDir() + L"\\kernel32.dll";
    TFileVersionRecord record;
    ReadFileVersionInfo(path, record);
    ExpectNoVersionStrings(record);

    const std::wstring version = TVerInfoRes(path).FileVersionText();
    EXPECT_EQ(3, std::count(version.begin(), version.end(), L'.')) << version;
}

TEST(FileVersionInfo, FileTypeTexts) {
    EXPECT_EQ(L"Unknown", FileTypeText(VFT_UNKNOWN, 0));
    EXPECT_EQ(L"Application", FileTypeText(VFT_APP, 0));
    EXPECT_EQ(L"", FileTypeText(VFT_DLL, 0));
    EXPECT_EQ(L"Sound Driver", FileTypeText(VFT_DRV, VFT2_DRV_SOUND));
    EXPECT_EQ(L"Communications Driver", FileTypeText(VFT_DRV, 10));
    EXPECT_EQ(L"", FileTypeText(VFT_DRV, 11));
    EXPECT_EQ(L"Truetype Font", FileTypeText(VFT_FONT, VFT2_FONT_TRUETYPE));
    EXPECT_EQ(L"", FileTypeText(VFT_FONT, 4));
    EXPECT_EQ(L"Virtual Defice Identifier = 00001A2B", FileTypeText(VFT_VXD, 0x1a2b));
    EXPECT_EQ(L"", FileTypeText(6, 0));
    EXPECT_EQ(L"Static-link Library", FileTypeText(VFT_STATIC_LIB, 0));
    EXPECT_EQ(L"", FileTypeText(8, 0));
}
