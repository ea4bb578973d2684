#include "cleaner/registry_scan/KeyFindings.h"

#include "cleaner/privacy/FolderListing.h"
#include "registry/RegAccess.h"
#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace tidewell {

namespace {

constexpr int StepLimit = 70;
constexpr unsigned StepPauseMs = 30;

// A single key name: not empty and without a path separator.
bool IsPlainKeyName(const std::wstring& name) {
    return !name.empty() && name.find(L'\\') == std::wstring::npos;
}

} // namespace

std::vector<TForm1::FindingColumn> RegistryColumns(int errorItems, int repairReport, int detailInfo,
                                                   int registryLocation) {
    return {{L"Error Items", errorItems},
            {L"Repair Report", repairReport},
            {L"Detail Info", detailInfo},
            {L"Registry Location", registryLocation}};
}

void ListSubkeys(HKEY root, const std::wstring& path, std::vector<std::wstring>& names) {
    names.clear();
    TRegAccess key;
    key.SetRootKey(root);
    if (key.OpenKey(path, false))
        key.GetKeyNames(names);
}

KeyNames ReadKeyNames(HKEY root, const std::wstring& path, bool withSubkeys) {
    KeyNames names;
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(root);
    if (!registry.OpenKey(path, false))
        return names;
    registry.GetValueNames(names.values);
    if (withSubkeys)
        registry.GetKeyNames(names.subkeys);
    names.values = ListedNames(std::move(names.values));
    names.subkeys = ListedNames(std::move(names.subkeys));
    return names;
}

void StepPerFinding(TForm1& form) {
    const int position = form.PB->position();
    if (position < StepLimit)
        form.PB->setPosition(position + 1);
    tk::seams().pause(StepPauseMs);
    tk::app().keepAnswering();
}

TForm1::RemoveOutcome RemoveKeyFinding(HKEY root, const std::wstring& parentPath,
                                       const tk::ListItem& row, const std::wstring& name,
                                       const std::function<bool(const std::wstring&)>& stillFound) {
    using Outcome = TForm1::RemoveOutcome;
    if (row.caption.empty() || !IsPlainKeyName(name))
        return Outcome::Survived;
    TRegAccess parent;
    parent.SetRootKey(root);
    if (!parent.OpenKey(parentPath, false))
        return Outcome::Survived;
    if (parent.LookUpKey(name) == KeyAnswer::Missing || !stillFound(name))
        return Outcome::NoLongerFound;
    parent.DeleteKey(name);
    return parent.LookUpKey(name) == KeyAnswer::Missing ? Outcome::Removed : Outcome::Survived;
}

TForm1::RemoveOutcome RemoveValueFinding(TRegAccess& writer, const TRegAccess& reader,
                                         const std::wstring& name) {
    using Outcome = TForm1::RemoveOutcome;
    if (writer.CurrentKey() && writer.DeleteValue(name))
        return Outcome::Removed;
    return reader.ValueExists(name) ? Outcome::Survived : Outcome::Removed;
}

TForm1::RemoveOutcome RemoveValueFinding(TRegAccess& key, const std::wstring& name) {
    return RemoveValueFinding(key, key, name);
}

std::wstring RowSubItem(const tk::ListItem& row, std::size_t index) {
    return index < row.subItems.size() ? row.subItems[index] : std::wstring();
}

bool SameKeyPath(const std::wstring& first, const std::wstring& second) {
    return CompareStringOrdinal(first.data(), static_cast<int>(first.size()), second.data(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

} // namespace tidewell
