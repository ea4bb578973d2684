#include "cleaner/privacy/FolderListing.h"

#include "cleaner/Unit1.h"

#include <windows.h>

namespace {

// Adds blank + prefix + name for every match of the pattern.
void ListMatches(std::vector<std::wstring>& list, const std::wstring& pattern,
                 const std::wstring& prefix) {
    list.clear();
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        list.push_back(L" " + prefix + found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

void TForm1::ListFolderFiles(std::vector<std::wstring>& list, const std::wstring& folder,
                             const std::wstring& mask) {
    ListMatches(list, folder + mask, L"");
}

void ListFolderPaths(std::vector<std::wstring>& list, const std::wstring& folder,
                     const std::wstring& mask) {
    ListMatches(list, folder + mask, folder);
}

bool IsFullFolderPath(const std::wstring& folder) {
    const bool drive =
        folder.size() >= 3 && iswalpha(folder[0]) && folder[1] == L':' && folder[2] == L'\\';
    const bool network = folder.size() >= 3 && folder.compare(0, 2, L"\\\\") == 0;
    return drive || network;
}

std::uint64_t GetFileVersionMS(const std::wstring& fileName) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
    if (size == 0)
        return 0;
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!GetFileVersionInfoW(fileName.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
        !fixed || fixedSize < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return fixed->dwFileVersionMS;
}
