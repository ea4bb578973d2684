#pragma once
// Helpers shared by the categories whose findings are registry keys: the progress
// step taken per finding and the deletion of one finding's key.

#include "cleaner/Unit1.h"

#include <functional>
#include <string>
#include <vector>

// Lists the subkey names of root\path into the list (emptied first, one blank before
// each name); nothing when the key does not open.
void ListSubkeys(HKEY root, const std::wstring& path, std::vector<std::wstring>& names);

// PB one step further while it is below 70, then a short pause.
void StepPerFinding(TForm1& form);

// A single key name: not empty and without a path separator.
bool IsPlainKeyName(const std::wstring& name);

// Deletes the subkey `name` of root\parentPath with everything under it, provided it
// is still a finding by `stillFound` (called with the name). Nothing is deleted for a
// name that is not a single key name.
TForm1::RemoveOutcome RemoveKeyFinding(HKEY root, const std::wstring& parentPath,
                                       const std::wstring& name,
                                       const std::function<bool(const std::wstring&)>& stillFound);

// The sub-item of a row, empty when the row has none there.
std::wstring RowSubItem(const tk::ListItem& row, std::size_t index);
