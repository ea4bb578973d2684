#pragma once
// Folder listing by mask into name lists, and the version of a file.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tidewell {

// The sizes of listed entries in listing order, as their directory entries gave them.
using FileSizes = std::vector<std::uint64_t>;

// A listed entry's full path and the size its directory entry gave.
struct ListedFile {
    std::wstring path;
    std::uint64_t size;
};

// The whole size a directory entry gives.
std::uint64_t EntrySize(const WIN32_FIND_DATAW& entry);

// Calls visit, in search order, for every entry that the search for folder + mask reports
// and whose long name fits the mask ("*", "?", letter case aside): hidden and system files
// and matching sub-folders included, links to folders or files left out, so that no walk
// lists, enters or deletes what lies behind one. Folder and mask are joined as they stand.
void ForEachListedEntry(const std::wstring& folder, const std::wstring& mask,
                        const std::function<void(const WIN32_FIND_DATAW&)>& visit);

// Clears the list, then adds blank + folder + name for every listed entry of folder + mask.
// The sizes of the listed entries go into sizes, in the same order, when one is given.
void ListFolderPaths(std::vector<std::wstring>& list, const std::wstring& folder,
                     const std::wstring& mask, FileSizes* sizes = nullptr);

// A name-list entry without the blank in front of it.
inline std::wstring ListedName(const std::wstring& entry) {
    return entry.empty() ? entry : entry.substr(1);
}

// Every entry of a name list without its blank.
inline std::vector<std::wstring> ListedNames(std::vector<std::wstring> entries) {
    for (std::wstring& entry : entries)
        entry = ListedName(entry);
    return entries;
}

// True for a drive ("C:\...") or network ("\\server\...") path: a folder value that is
// empty or relative would make a search run in the current drive or folder.
bool IsFullFolderPath(const std::wstring& folder);

// The most significant double word of the file's version (major version in the high 16
// bits, minor in the low 16 bits); 0 when the file has no version resource or a step fails.
std::uint64_t GetFileVersionMS(const std::wstring& fileName);

} // namespace tidewell
