// Uninstall entries: subkeys of the machine's uninstall key that carry none of the
// values an uninstall entry is expected to have.
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"
#include "toolkit/Application.h"

namespace tidewell {

namespace {

const std::wstring UninstallPath = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const std::wstring UninstallLocation =
    L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

const std::vector<TForm1::FindingColumn> UninstallColumns = RegistryColumns(180, 210, 210, 220);

const wchar_t* const MissingReport = L"Missing Uninstall Key(Removable)";
const wchar_t* const ExpectedValues[] = {L"UninstallString", L"InstallSource", L"DisplayName"};

// The entry opens and holds none of the expected values.
bool LacksUninstallValues(const std::wstring& name) {
    TRegAccess entry;
    entry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!entry.OpenKey(UninstallPath + L"\\" + name, false))
        return false;
    for (const wchar_t* value : ExpectedValues)
        if (entry.ValueExists(value))
            return false;
    return true;
}

TForm1::RemoveOutcome RemoveEntry(const tk::ListItem& row) {
    return RemoveKeyFinding(HKEY_LOCAL_MACHINE, UninstallPath, row, RowSubItem(row, DetailColumn),
                            LacksUninstallValues);
}

} // namespace

void TForm1::UninstallExecute() {
    RunScanFrame(*lvue, UninstallColumns, [this] {
        AdvanceProgress(0, 30);
        ListSubkeys(HKEY_LOCAL_MACHINE, UninstallPath, Memo1);
        for (const std::wstring& entry : Memo1) {
            tk::app().keepAnswering();
            const std::wstring name = entry.substr(1);
            if (!LacksUninstallValues(name) || IsIgnored(*lvignoredue, name))
                continue;
            AddFinding(*lvue, name, {MissingReport, name, UninstallLocation + name});
            StepPerFinding(*this);
        }
        AdvanceProgress(70, 100);
    });
}

void TForm1::removeueExecute() {
    RunRemoveFrame(*lvue, RemoveEntry);
}

} // namespace tidewell
