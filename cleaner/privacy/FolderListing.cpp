#include "cleaner/privacy/FolderListing.h"

#include "cleaner/Unit1.h"
#include "handles/Handles.h"
#include "toolkit/Application.h"

#include <windows.h>

namespace tidewell {

namespace {

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameLetter(wchar_t a, wchar_t b) {
    if (a < 0x80 && b < 0x80)
        return AsciiUpper(a) == AsciiUpper(b);
    const auto upper = [](wchar_t c) {
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
            CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
    };
    return a == b || upper(a) == upper(b);
}

bool OnlyWildcards(const wchar_t* mask) {
    return mask[wcsspn(mask, L"*?")] == L'\0';
}

// "*" takes any run of characters; "?" one character, or none at a period or the end
// of the name; a period followed only by wildcards also fits the end of the name, so
// "*.*" takes every name.
bool Fits(const wchar_t* mask, const wchar_t* name) {
    switch (*mask) {
    case L'\0':
        return *name == L'\0';
    case L'*':
        return Fits(mask + 1, name) || (*name && Fits(mask, name + 1));
    case L'?':
        if (*name == L'\0' || *name == L'.')
            return Fits(mask + 1, name);
        return Fits(mask + 1, name + 1);
    case L'.':
        if (*name == L'\0')
            return OnlyWildcards(mask + 1);
        [[fallthrough]];
    default:
        return *name && SameLetter(*mask, *name) && Fits(mask + 1, name + 1);
    }
}

bool NameFitsMask(const std::wstring& name, const std::wstring& mask) {
    return Fits(mask.c_str(), name.c_str());
}

// Junctions, mount points and symbolic links: what lies behind them is not the folder's own.
bool IsLink(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Adds blank + prefix + name for every listed entry of the folder, and its size to sizes,
// letting the messages run as a scan does.
void ListMatches(std::vector<std::wstring>& list, const std::wstring& folder,
                 const std::wstring& mask, const std::wstring& prefix, FileSizes* sizes) {
    list.clear();
    if (sizes)
        sizes->clear();
    ForEachListedEntry(folder, mask, [&](const WIN32_FIND_DATAW& entry) {
        list.push_back(L" " + prefix + entry.cFileName);
        if (sizes)
            sizes->push_back(EntrySize(entry));
        tk::app().keepAnswering();
    });
}

} // namespace

std::uint64_t EntrySize(const WIN32_FIND_DATAW& entry) {
    return (static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

// The search alone would also report entries whose generated short name fits the mask.
void ForEachListedEntry(const std::wstring& folder, const std::wstring& mask,
                        const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW found{};
    const handles::FindHandle search(FindFirstFileW((folder + mask).c_str(), &found));
    if (!search)
        return;
    do {
        if (NameFitsMask(found.cFileName, mask) && !IsLink(found))
            visit(found);
    } while (FindNextFileW(search.get(), &found));
}

void TForm1::ListFolderFiles(std::vector<std::wstring>& list, const std::wstring& folder,
                             const std::wstring& mask, FileSizes* sizes) {
    ListMatches(list, folder, mask, L"", sizes);
}

void ListFolderPaths(std::vector<std::wstring>& list, const std::wstring& folder,
                     const std::wstring& mask, FileSizes* sizes) {
    ListMatches(list, folder, mask, folder, sizes);
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

} // namespace tidewell
