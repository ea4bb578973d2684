#pragma once
// Recycle bin: the number and total size of the items of every drive's bin.

#include <cstdint>

namespace tidewell {

// Count and total size of the bin's items; false when the shell is older than 4.72 or
// the query fails.
struct RecycleBinContents {
    std::int64_t items = 0;
    std::int64_t bytes = 0;
};
bool QueryRecycleBin(RecycleBinContents& contents);

} // namespace tidewell
