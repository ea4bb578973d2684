#include "form_test.h"
#include "registry_findings_support.h"

using regtest::CaptionAt;
using regtest::SystemFolder;
using scantest::SetString;
using scantest::ValueExists;

namespace {

const wchar_t RunPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t RunOncePath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const wchar_t UserRunLocation[] = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t UserRunOnceLocation[] =
    L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const wchar_t MachineRunLocation[] = L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t MissingProgram[] = L"C:\\NoSuchFolder\\gone.exe";

class SerialStartupPrograms : public scantest::FormTest {
  protected:
    std::wstring entry(const std::wstring& role) { return scantest::UniqueName(L"TwSp" + role); }
    std::vector<tk::ListItem> rowsNamed(const std::wstring& name) const {
        return regtest::Rows(*form->lvsp, regtest::CaptionIs(name));
    }
    void checkOnlyRowsNamed(const std::wstring& name, const std::wstring& location) {
        regtest::CheckOnly(*form->lvsp, CaptionAt(name, location));
    }

  private:
    scantest::SavedKey userRun_{HKEY_CURRENT_USER, RunPath};
    scantest::SavedKey userRunOnce_{HKEY_CURRENT_USER, RunOncePath};
    scantest::SavedKey machineRun_{HKEY_LOCAL_MACHINE, RunPath};
};

TEST_F(SerialStartupPrograms, MissingProgramIsAFinding) {
    const std::wstring name = entry(L"Missing");
    const std::wstring command = std::wstring(MissingProgram) + L" /background";
    SetString(HKEY_CURRENT_USER, RunPath, name, command);
    form->StartupExecute();
    const std::vector<tk::ListItem> rows = rowsNamed(name);
    ASSERT_EQ(1u, rows.size());
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ((std::vector<std::wstring>{L"Missing Startup Application(Remove)", command,
                                         UserRunLocation}),
              rows[0].subItems);
    EXPECT_EQ(form->lvsp->count(), form->LastFoundCount);
    EXPECT_EQ(4, form->lvsp->columnCount());
}

TEST_F(SerialStartupPrograms, ExistingProgramsAreNoFindings) {
    scantest::TempFolder folder(L"Tw Startup");
    const std::wstring program = folder.write(L"my app.exe");
    const std::wstring notepad = SystemFolder() + L"\\notepad.exe";
    const std::wstring app = scantest::UniqueName(L"TwApp");
    const scantest::NativeFile system64(SystemFolder() + L"\\" + app + L".exe");
    const scantest::NativeFile programFiles64(scantest::NativeProgramFiles() + L"\\" + app +
                                              L"\\app.exe");
    const std::vector<std::tuple<std::wstring, std::wstring, DWORD>> commands{
        {entry(L"Plain"), notepad, REG_SZ},
        {entry(L"Quoted"), L"\"" + program + L"\" /minimized", REG_SZ},
        {entry(L"Unquoted"), program + L" -x", REG_SZ},
        {entry(L"Arguments"), L"notepad.exe /p readme.txt", REG_SZ},
        {entry(L"Long"), notepad + L" " + std::wstring(300, L'a'), REG_SZ},
        {entry(L"Empty"), L"", REG_SZ},
        {entry(L"Expanding"), L"%SystemRoot%\\system32\\notepad.exe", REG_EXPAND_SZ},
        {entry(L"System64"), system64.path + L" /tray", REG_SZ},
        {entry(L"Bare64"), app, REG_SZ},
        {entry(L"ProgramFiles64"), L"%ProgramFiles%\\" + app + L"\\app.exe", REG_EXPAND_SZ},
        {entry(L"AbsentDrive"), L"Q:\\Tools\\app.exe", REG_SZ},
        {entry(L"Unknown"), L"%TwNoSuchVariable%\\app.exe -x", REG_EXPAND_SZ},
        {entry(L"DeviceAbsent"), L"\\\\?\\Q:\\Tools\\app.exe", REG_SZ},
        {entry(L"ObjectAbsent"), L"\\??\\Q:\\Tools\\app.exe", REG_SZ},
        {entry(L"Escaped"), L"C:\\NoSuchFolder\\my%20app.exe", REG_SZ},
    };
    for (const auto& [name, command, type] : commands)
        SetString(HKEY_CURRENT_USER, RunPath, name, command, type);
    const std::wstring gone[] = {entry(L"Gone"), entry(L"DeviceGone")};
    SetString(HKEY_CURRENT_USER, RunPath, gone[0], L"%ProgramFiles%\\" + app + L"\\gone.exe",
              REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, RunPath, gone[1], L"\\\\?\\" + std::wstring(MissingProgram));
    form->StartupExecute();
    for (const auto& [name, command, type] : commands)
        EXPECT_TRUE(rowsNamed(name).empty()) << command.substr(0, 80);
    regtest::CheckOnly(*form->lvsp, [&gone](const tk::ListItem& row) {
        return row.caption == gone[0] || row.caption == gone[1];
    });
    form->removespExecute();
    for (const auto& [name, command, type] : commands)
        EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, RunPath, name)) << command.substr(0, 80);
    for (const std::wstring& name : gone)
        EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, RunPath, name)) << name;
}

TEST_F(SerialStartupPrograms, LongMissingCommandIsListedWhole) {
    const std::wstring name = entry(L"LongMissing");
    const std::wstring command = std::wstring(MissingProgram) + L" " + std::wstring(300, L'z');
    SetString(HKEY_CURRENT_USER, RunPath, name, command);
    form->StartupExecute();
    const std::vector<tk::ListItem> rows = rowsNamed(name);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(command, rows[0].subItems.at(1));
}

TEST_F(SerialStartupPrograms, RunOnceIsJudgedLikeRun) {
    const std::wstring missing = entry(L"OnceMissing");
    const std::wstring present = entry(L"OncePresent");
    SetString(HKEY_CURRENT_USER, RunOncePath, missing, MissingProgram);
    SetString(HKEY_CURRENT_USER, RunOncePath, present, L"notepad.exe");
    form->StartupExecute();
    const std::vector<tk::ListItem> rows = rowsNamed(missing);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(UserRunOnceLocation, rows[0].subItems.at(2));
    EXPECT_TRUE(rowsNamed(present).empty());
}

TEST_F(SerialStartupPrograms, SameNameInBothHivesIsRemovedOnlyWhereChecked) {
    const std::wstring name = entry(L"Both");
    SetString(HKEY_CURRENT_USER, RunPath, name, MissingProgram);
    SetString(HKEY_LOCAL_MACHINE, RunPath, name, MissingProgram);
    form->StartupExecute();
    const std::vector<tk::ListItem> rows = rowsNamed(name);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(UserRunLocation, rows[0].subItems.at(2));
    EXPECT_EQ(MachineRunLocation, rows[1].subItems.at(2));

    checkOnlyRowsNamed(name, UserRunLocation);
    form->removespExecute();
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, RunPath, name));
    EXPECT_TRUE(ValueExists(HKEY_LOCAL_MACHINE, RunPath, name));
    const std::vector<tk::ListItem> left = rowsNamed(name);
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(MachineRunLocation, left[0].subItems.at(2));
    EXPECT_FALSE(left[0].checked);
}

TEST_F(SerialStartupPrograms, BrokenDefaultValueIsRemovedWhenChecked) {
    SetString(HKEY_CURRENT_USER, RunPath, L"", MissingProgram);
    const std::wstring sibling = entry(L"Sibling");
    SetString(HKEY_CURRENT_USER, RunPath, sibling, MissingProgram);
    form->StartupExecute();
    ASSERT_EQ(1u, rowsNamed(L"").size());
    checkOnlyRowsNamed(L"", UserRunLocation);
    form->removespExecute();
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, RunPath, L""));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, RunPath, sibling));
    EXPECT_TRUE(rowsNamed(L"").empty());
}

TEST_F(SerialStartupPrograms, ScanStartsNothing) {
    scantest::TempFolder folder;
    const std::wstring mark = folder.file(L"started.txt");
    const std::wstring name = entry(L"Marker");
    SetString(HKEY_CURRENT_USER, RunPath, name,
              SystemFolder() + L"\\cmd.exe /c echo started > \"" + mark + L"\"");
    form->StartupExecute();
    Sleep(2000);
    EXPECT_FALSE(PathExists(mark));
    EXPECT_TRUE(rowsNamed(name).empty());
}

TEST_F(SerialStartupPrograms, EntryFixedBeforeRemovalIsKept) {
    scantest::TempFolder folder;
    const std::wstring name = entry(L"Fixed");
    const std::wstring command = folder.file(L"late.exe");
    SetString(HKEY_CURRENT_USER, RunPath, name, command);
    form->StartupExecute();
    ASSERT_EQ(1u, rowsNamed(name).size());
    folder.write(L"late.exe");
    checkOnlyRowsNamed(name, UserRunLocation);
    form->removespExecute();
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, RunPath, name));
    EXPECT_TRUE(rowsNamed(name).empty());
    form->StartupExecute();
    EXPECT_TRUE(rowsNamed(name).empty());
}

TEST_F(SerialStartupPrograms, EntryDeletedBeforeRemovalLeavesTheList) {
    const std::wstring name = entry(L"Gone");
    SetString(HKEY_CURRENT_USER, RunPath, name, MissingProgram);
    form->StartupExecute();
    scantest::DeleteValue(HKEY_CURRENT_USER, RunPath, name);
    checkOnlyRowsNamed(name, UserRunLocation);
    form->removespExecute();
    EXPECT_TRUE(rowsNamed(name).empty());
}

TEST_F(SerialStartupPrograms, IgnoredEntryIsNotListed) {
    const std::wstring name = entry(L"Ignored");
    SetString(HKEY_CURRENT_USER, RunPath, name, MissingProgram);
    tk::ListItem ignored;
    ignored.caption = name;
    ignored.subItems = {UserRunLocation};
    form->lvignoredsp->addItem(ignored);
    form->StartupExecute();
    EXPECT_TRUE(rowsNamed(name).empty());
}

TEST_F(SerialStartupPrograms, ScanTakesItsProgressSteps) {
    EXPECT_EQ(std::vector<unsigned>(104, 30), regtest::Pauses([&] { form->StartupExecute(); }));
}

} // namespace
