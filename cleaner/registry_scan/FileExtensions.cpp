// Unused file extensions: extensions recorded by the shell for the current user that
// have neither an "OpenWithProgids" subkey, a class key of their own nor a chosen class
// that exists.
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

namespace tidewell {

namespace {

const std::wstring FileExtsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
const std::wstring FileExtsPath = L"\\" + FileExtsKey;
const std::wstring FileExtsLocation = L"HKCU\\" + FileExtsKey;

const std::vector<TForm1::FindingColumn> ExtensionColumns = RegistryColumns(100, 200, 150, 150);

const wchar_t* const UnusedReport = L"Unused Extension(Removable)";
const wchar_t* const EmptyKeyDetail = L"Empty Key";

bool NamesNoKey(const TRegAccess& registry, const std::wstring& path) {
    return registry.LookUpKey(path) == KeyAnswer::Missing;
}

// Proven to have no class key under the merged class root nor under the user's own classes,
// which the merged root does not show everywhere. An empty name is no class.
bool HasNoClassKey(const std::wstring& name) {
    if (name.empty())
        return true;
    TRegAccess classes(KEY_READ);
    classes.SetRootKey(HKEY_CLASSES_ROOT);
    TRegAccess userClasses(KEY_READ);
    userClasses.SetRootKey(HKEY_CURRENT_USER);
    return NamesNoKey(classes, L"\\" + name) &&
           NamesNoKey(userClasses, L"\\Software\\Classes\\" + name);
}

// The class the user chose to open the extension with.
std::wstring ChosenClass(const std::wstring& extension) {
    return ReadRegStringOnly(FileExtsKey + L"\\" + extension + L"\\UserChoice", L"Progid",
                             HKEY_CURRENT_USER);
}

// Proven to have neither an "OpenWithProgids" subkey below the open FileExts key, a class key
// nor a chosen class that exists.
bool IsUnusedBelow(const TRegAccess& fileExts, const std::wstring& extension) {
    return NamesNoKey(fileExts, extension + L"\\OpenWithProgids") && HasNoClassKey(extension) &&
           HasNoClassKey(ChosenClass(extension));
}

bool OpenFileExts(TRegAccess& fileExts) {
    fileExts.SetRootKey(HKEY_CURRENT_USER);
    return fileExts.OpenKey(FileExtsPath, false);
}

// A FileExts key that cannot be opened judges nothing.
bool IsUnused(const std::wstring& extension) {
    TRegAccess fileExts;
    return OpenFileExts(fileExts) && IsUnusedBelow(fileExts, extension);
}

TForm1::RemoveOutcome RemoveExtension(const tk::ListItem& row) {
    return RemoveKeyFinding(HKEY_CURRENT_USER, FileExtsPath, row, row.caption, IsUnused);
}

} // namespace

void TForm1::FileExtExecute() {
    RunScanFrame(*lvfe, ExtensionColumns, [this] {
        AdvanceProgress(0, 30);
        Memo1.clear();
        TRegAccess fileExts;
        if (OpenFileExts(fileExts))
            fileExts.GetKeyNames(Memo1);
        for (const std::wstring& entry : Memo1) {
            tk::app().keepAnswering();
            const std::wstring extension = entry.substr(1);
            if (IsUnusedBelow(fileExts, extension) && !IsIgnored(*lvignoredfe, extension))
                AddFinding(*lvfe, extension, {UnusedReport, EmptyKeyDetail, FileExtsLocation});
        }
        AdvanceProgress(60, 100);
    });
}

void TForm1::removefeExecute() {
    RunRemoveFrame(*lvfe, RemoveExtension);
}

} // namespace tidewell
