#include "cleaner/registry_scan/Startup.h"

#include "registry_findings_support.h"

#include <gtest/gtest.h>

#include <map>

using regtest::SystemFolder;
using scantest::TempFolder;

namespace {

std::wstring Notepad() {
    return SystemFolder() + L"\\notepad.exe";
}

} // namespace

TEST(ProbeCommandLine, ExistingProgramByFullPathIsStartable) {
    EXPECT_EQ(0, ProbeCommandLine(Notepad()));
    EXPECT_EQ(0, ProbeCommandLine(L"  " + Notepad() + L" /p file.txt"));
}

TEST(ProbeCommandLine, MissingProgramCannotBeStarted) {
    EXPECT_EQ(1, ProbeCommandLine(L"C:\\NoSuchFolder\\nothing.exe"));
    EXPECT_EQ(1, ProbeCommandLine(L"\"C:\\No Such Folder\\nothing.exe\" /quiet"));
    EXPECT_EQ(1, ProbeCommandLine(L"no_such_program_anywhere /x"));
    EXPECT_EQ(1, ProbeCommandLine(L"\\\\?\\C:\\NoSuchFolder\\nothing.exe"));
    EXPECT_EQ(1, ProbeCommandLine(L"C:\\NoSuchFolder\\100%\\nothing.exe %1"));
    EXPECT_EQ(1, ProbeCommandLine(L""));
}

// Only the system's answer that nothing is there proves a program missing.
TEST(ProbeCommandLine, ProgramTheSystemCannotLookAtMayStart) {
    EXPECT_EQ(0, ProbeCommandLine(L"\\\\twserver\\share\\app.exe /x"));
    EXPECT_EQ(0, ProbeCommandLine(L"\"" + TempFolder().file(L"out<1>.exe") + L"\""));
    EXPECT_EQ(0, ProbeCommandLine(L"Q:\\Tools\\app.exe /x"));
    EXPECT_EQ(0, ProbeCommandLine(L"%TwNoSuchVariable%\\app.exe"));
    for (const wchar_t* prefix : {L"\\\\?\\", L"\\??\\", L"\\\\.\\"})
        EXPECT_EQ(0, ProbeCommandLine(prefix + std::wstring(L"Q:\\Tools\\app.exe"))) << prefix;
}

TEST(ProbeCommandLine, QuotedProgramWithBlanksIsTakenUpToTheClosingQuote) {
    TempFolder folder(L"Tw Probe");
    const std::wstring program = folder.write(L"my app.exe");
    EXPECT_EQ(0, ProbeCommandLine(L"\"" + program + L"\" /background"));
    EXPECT_EQ(1, ProbeCommandLine(L"\"" + folder.file(L"my") + L"\" app.exe"));
}

TEST(ProbeCommandLine, UnquotedBlanksAreTriedPrefixByPrefix) {
    TempFolder folder(L"Tw Probe");
    const std::wstring program = folder.write(L"my app.exe");
    EXPECT_EQ(0, ProbeCommandLine(program + L" -x"));
    EXPECT_EQ(1, ProbeCommandLine(folder.file(L"my other.exe") + L" -x"));
}

TEST(ProbeCommandLine, BareNamesAreSearchedAndGetExeAppended) {
    EXPECT_EQ(0, ProbeCommandLine(L"notepad.exe"));
    EXPECT_EQ(0, ProbeCommandLine(L"notepad /p"));
    EXPECT_EQ(0, ProbeCommandLine(SystemFolder() + L"\\notepad"));
}

TEST(ProbeCommandLine, ProgramFolderAndCurrentFolderAreSearched) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring selfName = self;
    selfName = selfName.substr(selfName.find_last_of(L'\\') + 1);
    EXPECT_EQ(0, ProbeCommandLine(selfName));

    TempFolder folder;
    folder.write(L"only_here.exe");
    EXPECT_EQ(1, ProbeCommandLine(L"only_here.exe"));
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.path().c_str());
    EXPECT_EQ(0, ProbeCommandLine(L"only_here.exe"));
    EXPECT_EQ(0, ProbeCommandLine(L".\\only_here.exe"));
    SetCurrentDirectoryW(previous);
}

TEST(ProbeCommandLine, EnvironmentVariablesAreExpandedFirst) {
    EXPECT_EQ(0, ProbeCommandLine(L"%SystemRoot%\\system32\\notepad.exe"));
    EXPECT_EQ(0, ProbeCommandLine(L"\"%SystemRoot%\\system32\\notepad.exe\" /p"));
    EXPECT_EQ(1, ProbeCommandLine(L"%SystemRoot%\\no_such_folder\\app.exe"));
}

TEST(ProbeCommandLine, FolderIsNoProgram) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file(L"tool.exe"));
    EXPECT_EQ(1, ProbeCommandLine(folder.file(L"tool.exe")));
}

TEST(ProbeCommandLine, LongCommandLineIsJudgedWhole) {
    EXPECT_EQ(0, ProbeCommandLine(Notepad() + L" " + std::wstring(400, L'a')));
    EXPECT_EQ(1, ProbeCommandLine(L"C:\\" + std::wstring(300, L'b') + L"\\app.exe"));
}

class ReadWholeStringTest : public ::testing::Test {
  protected:
    void SetUp() override { key_ = scantest::OpenKey(HKEY_CURRENT_USER, path_); }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
    }
    std::wstring path_ = L"Software\\TwTest\\" + scantest::UniqueName(L"ReadWhole");
    HKEY key_ = nullptr;
};

TEST_F(ReadWholeStringTest, ReadsTextsOfAnyLength) {
    const std::wstring longText(3000, L'q');
    scantest::SetString(HKEY_CURRENT_USER, path_, L"long", longText);
    scantest::SetString(HKEY_CURRENT_USER, path_, L"expand", L"%TEMP%\\x", REG_EXPAND_SZ);
    EXPECT_EQ(longText, ReadWholeString(key_, L"long"));
    EXPECT_EQ(L"%TEMP%\\x", ReadWholeString(key_, L"expand"));
}

TEST_F(ReadWholeStringTest, MissingOrOtherKindsReadEmpty) {
    const DWORD number = 7;
    RegSetValueExW(key_, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    EXPECT_EQ(L"", ReadWholeString(key_, L"number"));
    EXPECT_EQ(L"", ReadWholeString(key_, L"absent"));
}

TEST_F(ReadWholeStringTest, EveryValueIsVisitedWithItsWholeText) {
    const std::wstring longText(3000, L'q');
    scantest::SetString(HKEY_CURRENT_USER, path_, L"long", longText);
    scantest::SetString(HKEY_CURRENT_USER, path_, L"a=b", L"short");
    const DWORD number = 7;
    RegSetValueExW(key_, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    std::map<std::wstring, std::wstring> visited;
    ForEachValue(key_,
                 [&](const std::wstring& name, const std::wstring& text) { visited[name] = text; });
    EXPECT_EQ((std::map<std::wstring, std::wstring>{
                  {L"long", longText}, {L"a=b", L"short"}, {L"number", L""}}),
              visited);
}
