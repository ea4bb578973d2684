#pragma once
// Junk-file categories: temporary files, memory dumps, chkdsk fragments and log files.

#include <string>
#include <vector>

// Full paths of the listed entries, without "." and "..": entries that the listing
// holds as blank + name (bareNames) or blank + folder + name.
std::vector<std::wstring> ListedPaths(const std::vector<std::wstring>& listing,
                                      const std::wstring& folder, bool bareNames);
