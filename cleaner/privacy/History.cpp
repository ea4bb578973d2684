#include "cleaner/privacy/History.h"

#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/JunkFiles.h"
#include "cleaner/privacy/RecentDocuments.h"
#include "registry/RegHelpers.h"

namespace tidewell {

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

// The entries of folder + "*.*" with their sizes, less the index when it is skipped.
std::vector<ListedFile> ListedEntries(std::vector<std::wstring>& scratch,
                                      const std::wstring& folder, bool skipIndex) {
    FileSizes sizes;
    ListFolderPaths(scratch, folder, L"*.*", &sizes);
    std::vector<ListedFile> entries;
    for (ListedFile& entry : ListedFiles(scratch, sizes, folder, false))
        if (!skipIndex || entry.path != folder + L"index.dat")
            entries.push_back(std::move(entry));
    return entries;
}

std::vector<ListedFile> CollectBrowserFiles(TForm1& form, const BrowserWalk& walk,
                                            const std::wstring& root) {
    std::vector<ListedFile> collected;
    SYSTEMTIME today{};
    GetLocalTime(&today);
    const std::wstring todaysContainer = root + HistoryContainerName(today);
    for (ListedFile& first : ListedEntries(form.ListBox1, root, true)) {
        if (walk.skipTodaysContainer && first.path == todaysContainer)
            continue;
        if (!IsWalkedAsFolder(first.path)) {
            collected.push_back(std::move(first));
            continue;
        }
        for (ListedFile& second :
             ListedEntries(form.ListBox2, first.path + L"\\", walk.skipIndexBelowRoot)) {
            if (!IsWalkedAsFolder(second.path)) {
                collected.push_back(std::move(second));
                continue;
            }
            for (ListedFile& third :
                 ListedEntries(form.ListBox3, second.path + L"\\", walk.skipIndexBelowRoot))
                collected.push_back(std::move(third));
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
        if (!base.empty() && IsFullFolderPath(root))
            for (const ListedFile& file : CollectBrowserFiles(form, walk, root))
                AddFileFinding(form, list, file, HistoryDetail);
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

} // namespace tidewell
