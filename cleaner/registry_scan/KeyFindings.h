#pragma once
// Helpers shared by the category scans: the layout of a finding row, listing the names of
// a key, the progress step taken per finding and the deletion of one finding's key or value.

#include "cleaner/Unit1.h"
#include "registry/RegAccess.h"

#include <functional>
#include <string>
#include <vector>

namespace tidewell {

// Sub-items of a finding row: the repair report, the detail and the location.
constexpr std::size_t DetailColumn = 1;
constexpr std::size_t LocationColumn = 2;

// The four columns of a registry findings list, with their widths.
std::vector<TForm1::FindingColumn> RegistryColumns(int errorItems, int repairReport, int detailInfo,
                                                   int registryLocation);

// Lists the subkey names of root\path into the list (emptied first, one blank before each
// name); nothing when the key does not open with full access.
void ListSubkeys(HKEY root, const std::wstring& path, std::vector<std::wstring>& names);

// The value names and, when wanted, the subkey names of a key, without their blanks; none
// when the key does not open for reading.
struct KeyNames {
    std::vector<std::wstring> values;
    std::vector<std::wstring> subkeys;
};
KeyNames ReadKeyNames(HKEY root, const std::wstring& path, bool withSubkeys);

// PB one step further while it is below 70, then a short pause.
void StepPerFinding(TForm1& form);

// Deletes the subkey `name` of the row's finding under root\parentPath with everything
// under it, provided it is still a finding by `stillFound` (called with the name).
// Nothing is deleted for a row without a caption or a name that is not a single key name:
// either could stand for the parent key.
TForm1::RemoveOutcome RemoveKeyFinding(HKEY root, const std::wstring& parentPath,
                                       const tk::ListItem& row, const std::wstring& name,
                                       const std::function<bool(const std::wstring&)>& stillFound);

// Deletes the value `name` of a finding through `writer` and tells whether it is gone:
// deleted, or no longer found through `reader`, which holds the same key open for queries.
// A writer whose key did not open deletes nothing.
TForm1::RemoveOutcome RemoveValueFinding(TRegAccess& writer, const TRegAccess& reader,
                                         const std::wstring& name);
// The same through one key open both to set and to query values.
TForm1::RemoveOutcome RemoveValueFinding(TRegAccess& key, const std::wstring& name);

// Registry key paths name the same key: they compare without regard to letter case.
bool SameKeyPath(const std::wstring& first, const std::wstring& second);

// The sub-item of a row, empty when the row has none there.
std::wstring RowSubItem(const tk::ListItem& row, std::size_t index);

} // namespace tidewell
