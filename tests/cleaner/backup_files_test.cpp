#include "cleaner/registry_scan/Backups.h"

#include "scan_test_support.h"

#include <gtest/gtest.h>

using scantest::TempFolder;

namespace {

SYSTEMTIME Moment(WORD hour, WORD minute, WORD second, WORD day, WORD month, WORD year) {
    SYSTEMTIME moment{};
    moment.wHour = hour;
    moment.wMinute = minute;
    moment.wSecond = second;
    moment.wDay = day;
    moment.wMonth = month;
    moment.wYear = year;
    return moment;
}

// The text as a UTF-16 file with its byte order mark.
std::string Utf16File(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

} // namespace

TEST(BackupFileName, NumbersHaveNoLeadingZeros) {
    EXPECT_EQ(L"Backup_9-5-3_7-3-2008.reg", BackupFileName(Moment(9, 5, 3, 7, 3, 2008)));
    EXPECT_EQ(L"Backup_0-0-5_1-1-2008.reg", BackupFileName(Moment(0, 0, 5, 1, 1, 2008)));
    EXPECT_EQ(L"Backup_23-59-59_31-12-2024.reg", BackupFileName(Moment(23, 59, 59, 31, 12, 2024)));
}

TEST(BackupFileName, ParsesBackTheMomentItNames) {
    SYSTEMTIME moment{};
    ASSERT_TRUE(ParseBackupFileName(L"Backup_0-0-5_1-1-2008.reg", moment));
    EXPECT_EQ(0, moment.wHour);
    EXPECT_EQ(0, moment.wMinute);
    EXPECT_EQ(5, moment.wSecond);
    EXPECT_EQ(1, moment.wDay);
    EXPECT_EQ(1, moment.wMonth);
    EXPECT_EQ(2008, moment.wYear);
    ASSERT_TRUE(ParseBackupFileName(L"Backup_9-5-3_7-3-2008_2.reg", moment));
    EXPECT_EQ(9, moment.wHour);
    EXPECT_EQ(7, moment.wDay);
}

TEST(BackupFileName, ForeignNamesDoNotParse) {
    SYSTEMTIME moment{};
    for (const wchar_t* name :
         {L"Backup_old.reg", L"Backup_9-5-3_7-3-2008.REG", L"Backup_24-0-0_1-1-2008.reg",
          L"Backup_1-2-3_30-2-2008.reg", L"Backup_1-2_1-1-2008.reg", L"Backup_a-b-c_1-1-2008.reg",
          L"notes.reg", L""})
        EXPECT_FALSE(ParseBackupFileName(name, moment)) << name;
}

TEST(BackupFileName, SameSecondGetsANumberBeforeTheExtension) {
    TempFolder folder;
    const SYSTEMTIME moment = Moment(9, 5, 3, 7, 3, 2008);
    EXPECT_EQ(L"Backup_9-5-3_7-3-2008.reg", FreeBackupFileName(folder.path(), moment));
    folder.write(L"Backup_9-5-3_7-3-2008.reg");
    EXPECT_EQ(L"Backup_9-5-3_7-3-2008_2.reg", FreeBackupFileName(folder.path(), moment));
    folder.write(L"Backup_9-5-3_7-3-2008_2.reg");
    EXPECT_EQ(L"Backup_9-5-3_7-3-2008_3.reg", FreeBackupFileName(folder.path(), moment));
}

TEST(IsRegistryExport, AcceptsOnlyFilesWithAnEditorHeader) {
    TempFolder folder;
    EXPECT_TRUE(IsRegistryExport(
        folder.write(L"wide.reg", Utf16File(L"Windows Registry Editor Version 5.00\r\n"))));
    EXPECT_TRUE(IsRegistryExport(folder.write(L"old.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]")));
    EXPECT_TRUE(IsRegistryExport(
        folder.write(L"utf8.reg", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n")));
    EXPECT_FALSE(IsRegistryExport(folder.write(L"empty.reg", "")));
    EXPECT_FALSE(IsRegistryExport(folder.write(L"text.reg", "hello")));
    EXPECT_FALSE(IsRegistryExport(folder.write(L"cut.reg", "REGEDIT")));
    EXPECT_FALSE(IsRegistryExport(folder.file(L"absent.reg")));
}

TEST(RunRegistryEditor, ExportIsCompleteWhenItReturns) {
    TempFolder folder;
    const std::wstring key = L"Software\\TwTest\\" + scantest::UniqueName(L"Export");
    scantest::SetString(HKEY_CURRENT_USER, key, L"marker", L"exported-value");
    const std::wstring file = folder.file(L"part.reg");
    const bool ended = RunRegistryEditor(
        L"/e " + Quoted(file) + L" " + Quoted(L"HKEY_CURRENT_USER\\" + key), folder.path());
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    ASSERT_TRUE(ended);
    ASSERT_TRUE(IsRegistryExport(file));

    EXPECT_FALSE(scantest::ValueExists(HKEY_CURRENT_USER, key, L"marker"));
    ASSERT_TRUE(RunRegistryEditor(L"/s " + Quoted(file), folder.path()));
    EXPECT_TRUE(scantest::ValueExists(HKEY_CURRENT_USER, key, L"marker"));
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
}
