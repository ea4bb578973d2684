#include "cleaner/privacy/History.h"

#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/JunkFiles.h"
#include "cleaner/privacy/RecentDocuments.h"
#include "registry/RegHelpers.h"

namespace {

const wchar_t HistoryDetail[] = L"All items listed in History Folder";

// How one browser folder is walked.
struct BrowserWalk {
    const wchar_t* baseValue;
    const wchar_t* rootFolder;
    bool skipIndexBelowRoot;
    bool skipTodaysContainer;
};

const BrowserWalk HistoryWalk{L"History", L"\\History.IE5\\", false, true};
const BrowserWalk CacheWalk{L"Cache", L"\\Content.IE5\\", true, false};

constexpr ULONGLONG FileTimeTicksPerDay = 864000000000ULL;

std::wstring DateDigits(const SYSTEMTIME& day) {
    return std::to_wstring(day.wYear) + std::to_wstring(day.wMonth) + (day.wDay < 10 ? L"0" : L"") +
           std::to_wstring(day.wDay);
}

SYSTEMTIME NextDay(const SYSTEMTIME& day) {
    SYSTEMTIME midnight = day;
    midnight.wHour = midnight.wMinute = midnight.wSecond = midnight.wMilliseconds = 0;
    FILETIME time{};
    SystemTimeToFileTime(&midnight, &time);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    ticks.QuadPart += FileTimeTicksPerDay;
    time.dwLowDateTime = ticks.LowPart;
    time.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME next{};
    FileTimeToSystemTime(&time, &next);
    return next;
}

// An entry with no extension, or the extension ".IE5", is walked as a folder.
bool IsWalkedAsFolder(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L'\\');
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (separator != std::wstring::npos && dot < separator))
        return true;
    return path.compare(dot, std::wstring::npos, L".IE5") == 0;
}

// Files among the entries of folder + "*.*", less the index when it is skipped.
std::vector<std::wstring> ListedEntries(std::vector<std::wstring>& scratch,
                                        const std::wstring& folder, bool skipIndex,
                                        FileSizes& sizes) {
    ListFolderPaths(scratch, folder, L"*.*", &sizes);
    std::vector<std::wstring> entries;
    for (const std::wstring& path : ListedPaths(scratch, folder, false))
        if (!skipIndex || path != folder + L"index.dat")
            entries.push_back(path);
    return entries;
}

std::vector<std::wstring> CollectBrowserFiles(TForm1& form, const BrowserWalk& walk,
                                              const std::wstring& root, FileSizes& sizes) {
    std::vector<std::wstring> collected;
    SYSTEMTIME today{};
    GetLocalTime(&today);
    const std::wstring todaysContainer = root + HistoryContainerName(today);
    for (const std::wstring& first : ListedEntries(form.ListBox1, root, true, sizes)) {
        if (walk.skipTodaysContainer && first == todaysContainer)
            continue;
        if (!IsWalkedAsFolder(first)) {
            collected.push_back(first);
            continue;
        }
        for (const std::wstring& second :
             ListedEntries(form.ListBox2, first + L"\\", walk.skipIndexBelowRoot, sizes)) {
            if (!IsWalkedAsFolder(second)) {
                collected.push_back(second);
                continue;
            }
            for (const std::wstring& third :
                 ListedEntries(form.ListBox3, second + L"\\", walk.skipIndexBelowRoot, sizes))
                collected.push_back(third);
        }
    }
    return collected;
}

// A base value that reads empty or relative is not walked: the walk would start in the
// current drive.
void ScanBrowserFolder(TForm1& form, tk::ListView& list, const BrowserWalk& walk) {
    form.RunScanFrame(list, FileListColumns, [&] {
        const std::wstring base = ReadRegString(ShellFoldersKey, walk.baseValue, HKEY_CURRENT_USER);
        const std::wstring root = base + walk.rootFolder;
        form.ListBox4.clear();
        FileSizes sizes;
        if (!base.empty() && IsFullFolderPath(root))
            for (const std::wstring& path : CollectBrowserFiles(form, walk, root, sizes))
                form.ListBox4.push_back(L" " + path);
        for (const std::wstring& entry : form.ListBox4)
            AddFileFinding(form, list, ListedName(entry), HistoryDetail, sizes);
        form.AdvanceProgress(0, 100);
    });
}

} // namespace

std::wstring HistoryContainerName(const SYSTEMTIME& today) {
    return L"MSHist01" + DateDigits(today) + DateDigits(NextDay(today));
}

void TForm1::historyExecute() {
    ScanBrowserFolder(*this, *lvhis, HistoryWalk);
}
void TForm1::tempieExecute() {
    ScanBrowserFolder(*this, *lvtempie, CacheWalk);
}

void TForm1::removehisExecute() {
    RemoveFileFindings(*this, *lvhis);
}
void TForm1::removetempieExecute() {
    RemoveFileFindings(*this, *lvtempie);
}
