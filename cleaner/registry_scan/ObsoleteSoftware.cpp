// Obsolete software: top-level software keys of the current user and of the machine
// that hold neither values nor subkeys.
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"

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

// Scratch lists of one scan.
struct NameLists {
    std::vector<std::wstring>& keys;
    std::vector<std::wstring>& values;
    std::vector<std::wstring>& subkeys;
    void clear() {
        keys.clear();
        values.clear();
        subkeys.clear();
    }
};

// The key opens and holds neither values (a default value counts) nor subkeys.
bool IsEmptyKey(HKEY root, const std::wstring& name, NameLists& lists) {
    lists.values.clear();
    lists.subkeys.clear();
    TRegAccess key;
    key.SetRootKey(root);
    if (!key.OpenKey(SoftwarePath + L"\\" + name, false))
        return false;
    key.GetValueNames(lists.values);
    key.GetKeyNames(lists.subkeys);
    return lists.values.empty() && lists.subkeys.empty();
}

void ScanSoftwareKeys(TForm1& form, const SoftwareRoot& software, NameLists& lists) {
    lists.clear();
    ListSubkeys(software.root, SoftwarePath, lists.keys);
    for (const std::wstring& entry : lists.keys) {
        const std::wstring name = entry.substr(1);
        if (IsEmptyKey(software.root, name, lists))
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
    std::vector<std::wstring> values, subkeys, unused;
    NameLists lists{unused, values, subkeys};
    return RemoveKeyFinding(
        root, SoftwarePath, row, row.caption,
        [root, &lists](const std::wstring& name) { return IsEmptyKey(root, name, lists); });
}

} // namespace

void TForm1::ObsoleteExecute() {
    RunScanFrame(*lvos, ObsoleteColumns, [this] {
        NameLists lists{Memo1, Memo2, Memo3};
        AdvanceProgress(0, 30);
        ScanSoftwareKeys(*this, UserSoftware, lists);
        AdvanceProgress(30, 60);
        ScanSoftwareKeys(*this, MachineSoftware, lists);
        AdvanceProgress(60, 100);
    });
}

void TForm1::removeosExecute() {
    RunRemoveFrame(*lvos, RemoveSoftwareKey);
}
