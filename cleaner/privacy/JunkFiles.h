#pragma once
// Junk-file categories: temporary files, memory dumps, chkdsk fragments and log files.

#include "cleaner/privacy/FolderListing.h"

#include <string>
#include <vector>

namespace tidewell {

// The listed entries with their sizes, without "." and "..": entries that the listing
// holds as blank + name (bareNames) or blank + folder + name, with the sizes it gave them.
std::vector<ListedFile> ListedFiles(const std::vector<std::wstring>& listing,
                                    const FileSizes& sizes, const std::wstring& folder,
                                    bool bareNames);

} // namespace tidewell
