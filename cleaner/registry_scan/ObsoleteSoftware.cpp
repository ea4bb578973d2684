// Obsolete software: top-level software keys of the current user and of the machine
// that hold neither values nor subkeys.
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"
#include "toolkit/Application.h"

namespace tidewell {

namespace {

const std::wstring SoftwarePath = L"\\Software";

struct SoftwareRoot {
    HKEY root;
    const wchar_t* location;
};

const SoftwareRoot UserSoftware{HKEY_CURRENT_USER, L"HKCU\\Software\\"};
const SoftwareRoot MachineSoftware{HKEY_LOCAL_MACHINE, L"HKLM\\Software\\"};

const std::vector<TForm1::FindingColumn> ObsoleteColumns = RegistryColumns(180, 210, 210, 220);

const wchar_t* const EmptyKeyReport = L"Empty Key(Remove)";

// The key opens and holds neither values (a default value counts) nor subkeys.
bool IsEmptyKey(HKEY root, const std::wstring& name) {
    TRegAccess key;
    key.SetRootKey(root);
    TRegKeyInfo info;
    return key.OpenKey(SoftwarePath + L"\\" + name, false) && key.GetKeyInfo(info) &&
           info.NumValues == 0 && info.NumSubKeys == 0;
}

void ScanSoftwareKeys(TForm1& form, const SoftwareRoot& software) {
    ListSubkeys(software.root, SoftwarePath, form.Memo1);
    for (const std::wstring& entry : form.Memo1) {
        tk::app().keepAnswering();
        const std::wstring name = entry.substr(1);
        if (IsEmptyKey(software.root, name))
            form.AddFinding(*form.lvos, name, {EmptyKeyReport, name, software.location});
    }
}

// The root a row's location names; false for any other location.
bool RootOfLocation(const std::wstring& location, HKEY& root) {
    for (const SoftwareRoot& software : {UserSoftware, MachineSoftware})
        if (location == software.location) {
            root = software.root;
            return true;
        }
    return false;
}

TForm1::RemoveOutcome RemoveSoftwareKey(const tk::ListItem& row) {
    HKEY root = nullptr;
    if (!RootOfLocation(RowSubItem(row, LocationColumn), root))
        return TForm1::RemoveOutcome::Survived;
    return RemoveKeyFinding(root, SoftwarePath, row, row.caption,
                            [root](const std::wstring& name) { return IsEmptyKey(root, name); });
}

} // namespace

void TForm1::ObsoleteExecute() {
    RunScanFrame(*lvos, ObsoleteColumns, [this] {
        AdvanceProgress(0, 30);
        ScanSoftwareKeys(*this, UserSoftware);
        AdvanceProgress(30, 60);
        ScanSoftwareKeys(*this, MachineSoftware);
        AdvanceProgress(60, 100);
    });
}

void TForm1::removeosExecute() {
    RunRemoveFrame(*lvos, RemoveSoftwareKey);
}

} // namespace tidewell
