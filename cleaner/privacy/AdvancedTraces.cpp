#include "cleaner/privacy/AdvancedTraces.h"

#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"

namespace tidewell {

namespace {

const std::vector<TForm1::FindingColumn> TraceColumns{
    {L"File Names", 180}, {L"Repair Report", 180}, {L"Detail Info", 220}, {L"Path Location", 360}};

enum class Take { All, AllButMruList, Only };

// One key whose values are traces. only names the single value taken with Take::Only.
struct Place {
    HKEY root;
    const wchar_t* rootText;
    const wchar_t* path;
    Take take;
    const wchar_t* only;
    const wchar_t* label;
};

const wchar_t ExplorerMrus[] = L"Explorer MRUs";
const wchar_t LastDownload[] = L"Last Download Location";

const Place TypedUrls{
    HKEY_CURRENT_USER, L"HKCU", L"\\Software\\Microsoft\\Internet Explorer\\TypedURLs",
    Take::All,         nullptr, L"Recently Typed URLs"};
const Place RunMru{
    HKEY_CURRENT_USER, L"HKCU", L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
    Take::All,         nullptr, L"Recently Typed in Run Menu"};
const Place DownloadFolder{
    HKEY_CURRENT_USER,     L"HKCU",     L"\\Software\\Microsoft\\Internet Explorer", Take::Only,
    L"Download Directory", LastDownload};
const Place SaveFolder{
    HKEY_CURRENT_USER, L"HKCU",           L"\\Software\\Microsoft\\Internet Explorer\\Main",
    Take::Only,        L"Save Directory", LastDownload};
const wchar_t SearchMruPath[] = L"\\Software\\Microsoft\\Search Assistant\\ACMru\\";
const wchar_t SearchMruLabel[] = L"Recently Typed in Search Menu";
const Place OpenSaveMru{HKEY_CURRENT_USER,
                        L"HKCU",
                        L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                        L"OpenSaveMRU",
                        Take::AllButMruList,
                        nullptr,
                        ExplorerMrus};
const Place NetworkDriveMru{HKEY_CURRENT_USER,
                            L"HKCU",
                            L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map "
                            L"Network Drive MRU",
                            Take::AllButMruList,
                            nullptr,
                            ExplorerMrus};
const Place ComputerDescriptions{
    HKEY_CURRENT_USER,
    L"HKCU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComputerDescriptions",
    Take::AllButMruList,
    nullptr,
    ExplorerMrus};
const Place UserDirect3D{
    HKEY_CURRENT_USER, L"HKCU", L"\\Software\\Microsoft\\Direct3D\\MostRecentApplication",
    Take::Only,        L"Name", ExplorerMrus};
const Place MachineDirect3D{
    HKEY_LOCAL_MACHINE, L"HKLM", L"\\Software\\Microsoft\\Direct3D\\MostRecentApplication",
    Take::Only,         L"Name", ExplorerMrus};
const Place MachineDirectDraw{
    HKEY_LOCAL_MACHINE, L"HKLM", L"\\Software\\Microsoft\\DirectDraw\\MostRecentApplication",
    Take::Only,         L"Name", ExplorerMrus};

bool Takes(const Place& place, const std::wstring& name) {
    switch (place.take) {
    case Take::AllButMruList:
        return name != L"MRUList";
    case Take::Only:
        return name == place.only;
    case Take::All:
        break;
    }
    return true;
}

void AddTraces(TForm1& form, const Place& place, const std::wstring& path) {
    TRegAccess key;
    key.SetRootKey(place.root);
    if (!key.OpenKey(path, false))
        return;
    const std::wstring location = std::wstring(place.rootText) + path;
    ForEachValueText(key.CurrentKey(), false,
                     [&](const std::wstring& name, const std::wstring& data) {
                         if (Takes(place, name))
                             form.AddFinding(*form.lvadvanced, name, {place.label, data, location});
                     });
}

void AddSearchTraces(TForm1& form) {
    ListSubkeys(HKEY_CURRENT_USER, SearchMruPath, form.Memo2);
    for (const std::wstring& entry : form.Memo2)
        AddTraces(form, {HKEY_CURRENT_USER, L"HKCU", nullptr, Take::All, nullptr, SearchMruLabel},
                  SearchMruPath + entry.substr(1) + L"\\");
}

void AddPlace(TForm1& form, const Place& place) {
    AddTraces(form, place, place.path);
}

// The root and the key a location names; the locations of search traces end in a
// backslash.
bool SplitLocation(std::wstring location, HKEY& root, std::wstring& path) {
    if (!location.empty() && location.back() == L'\\')
        location.pop_back();
    return TForm1::ParseRegistryLocation(location, root, path);
}

// Deletes the value under the root its location names; the row stays while the value does.
TForm1::RemoveOutcome DeleteTrace(const tk::ListItem& row) {
    using Outcome = TForm1::RemoveOutcome;
    HKEY root = nullptr;
    std::wstring path;
    if (!SplitLocation(RowSubItem(row, LocationColumn), root, path))
        return Outcome::Survived;
    TRegAccess registry;
    registry.SetRootKey(root);
    if (!registry.OpenKey(L"\\" + path, false))
        return Outcome::NoLongerFound;
    return RemoveValueFinding(registry, row.caption);
}

} // namespace

void TForm1::advancedExecute() {
    RunScanFrame(*lvadvanced, TraceColumns, [this] {
        AdvanceProgress(0, 10);
        AddPlace(*this, TypedUrls);
        AdvanceProgress(10, 20);
        AddPlace(*this, RunMru);
        AdvanceProgress(20, 30);
        AddPlace(*this, DownloadFolder);
        AddPlace(*this, SaveFolder);
        AdvanceProgress(30, 40);
        AddSearchTraces(*this);
        AdvanceProgress(40, 50);
        AddPlace(*this, OpenSaveMru);
        AdvanceProgress(50, 60);
        AddPlace(*this, NetworkDriveMru);
        AdvanceProgress(60, 70);
        AddPlace(*this, ComputerDescriptions);
        AdvanceProgress(70, 80);
        AddPlace(*this, UserDirect3D);
        AdvanceProgress(80, 90);
        AddPlace(*this, MachineDirect3D);
        AddPlace(*this, MachineDirectDraw);
        AdvanceProgress(90, 100);
    });
}

void TForm1::removeadvancedExecute() {
    RunRemoveFrame(*lvadvanced, DeleteTrace);
}

} // namespace tidewell
