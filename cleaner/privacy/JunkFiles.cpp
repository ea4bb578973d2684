// Temporary files, memory dumps, chkdsk fragments and log files: files that only take
// space, found in fixed folders of the system by mask.
#include "cleaner/privacy/JunkFiles.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/RecentDocuments.h"
#include "registry/RegHelpers.h"

namespace tidewell {

namespace {

enum class Base { SystemRoot, LocalSettings, SystemDrive, SystemTemp };

// One folder searched by one mask. The folder is the base folder followed by the
// sub-folder text. skipped names a path below the system root never listed; a search
// with requireLowerLog keeps only paths holding "log".
struct Search {
    Base base;
    const wchar_t* subFolder;
    const wchar_t* mask;
    const wchar_t* skipped = nullptr;
    bool requireLowerLog = false;
};

const Search TemporarySearches[] = {
    {Base::SystemRoot, L"\\Temp\\", L"*.tmp"},
    {Base::LocalSettings, L"\\Temp\\", L"*.tmp"},
    {Base::SystemTemp, L"", L"*.tmp"},
};

const Search DumpSearches[] = {
    {Base::SystemRoot, L"\\", L"memory.dmp"},
    {Base::SystemRoot, L"\\MiniDump\\", L"*.dmp"},
};

const Search ChkdskSearches[] = {
    {Base::SystemDrive, L"", L"File*.chk"},
};

const Search LogSearches[] = {
    {Base::SystemRoot, L"\\system32\\wbem\\Logs\\", L"*.log"},
    {Base::SystemRoot, L"\\system32\\wbem\\Logs\\", L"*.lo_"},
    {Base::SystemRoot, L"\\", L"*.log", L"\\WindowsUpdate.log"},
    {Base::SystemRoot, L"\\", L"*log.txt", nullptr, true},
    {Base::SystemRoot, L"\\Debug\\", L"*.log", L"\\Debug\\PASSWD.LOG"},
    {Base::SystemRoot, L"\\Debug\\UserMode\\", L"*.log"},
    {Base::SystemRoot, L"\\Debug\\UserMode\\", L"*.bak"},
    {Base::SystemRoot, L"\\security\\logs\\", L"*.log"},
    {Base::SystemRoot, L"\\security\\logs\\", L"*.old"},
};

const wchar_t TemporaryDetail[] = L"All items listed in History Folder";
const wchar_t JunkDetail[] = L"All items listed in Temporary Folder";

struct BaseFolders {
    std::wstring systemRoot;
    std::wstring localSettings;
    std::wstring systemTemp;
};

// The user's local settings folder; on systems without one (Vista and later), the local
// application data folder, which holds the user's Temp there.
std::wstring ReadLocalSettings() {
    const std::wstring localSettings =
        ReadRegString(ShellFoldersKey, L"Local Settings", HKEY_CURRENT_USER);
    if (!localSettings.empty())
        return localSettings;
    return ReadRegString(ShellFoldersKey, L"Local AppData", HKEY_CURRENT_USER);
}

// The user's temporary folder as the system gives it (TMP, TEMP or the profile), in its
// long form, so that a short name does not hide a folder searched already.
std::wstring ReadSystemTemp() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return L"";
    wchar_t longForm[MAX_PATH];
    const DWORD longLength = GetLongPathNameW(temp, longForm, MAX_PATH);
    if (longLength == 0 || longLength >= MAX_PATH)
        return temp;
    return longForm;
}

BaseFolders ReadBaseFolders() {
    return {ReadRegString(NtCurrentVersionKey, L"SystemRoot", HKEY_LOCAL_MACHINE),
            ReadLocalSettings(), ReadSystemTemp()};
}

std::wstring BaseFolder(const BaseFolders& folders, Base base) {
    switch (base) {
    case Base::LocalSettings:
        return folders.localSettings;
    case Base::SystemDrive:
        return DriveRoot(folders.systemRoot);
    case Base::SystemTemp:
        return folders.systemTemp;
    case Base::SystemRoot:
        break;
    }
    return folders.systemRoot;
}

bool Keeps(const Search& search, const std::wstring& systemRoot, const std::wstring& path) {
    if (search.skipped && path == systemRoot + search.skipped)
        return false;
    return !search.requireLowerLog || path.find(L"log") != std::wstring::npos;
}

bool SameText(const std::wstring& first, const std::wstring& second) {
    return CompareStringOrdinal(first.data(), static_cast<int>(first.size()), second.data(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

// The folder and mask of an earlier search, in any letter case.
bool SearchedBefore(const Search* first, const Search* search, const BaseFolders& folders) {
    const std::wstring folder = BaseFolder(folders, search->base) + search->subFolder;
    for (const Search* earlier = first; earlier != search; ++earlier)
        if (SameText(BaseFolder(folders, earlier->base) + earlier->subFolder, folder) &&
            SameText(earlier->mask, search->mask))
            return true;
    return false;
}

// The matches of every search with their sizes, in search order. A search whose base folder
// reads empty or relative is left out: it would run in the current drive or folder; so is
// one of a folder and mask searched before.
std::vector<ListedFile> CollectFiles(TForm1& form, const Search* first, const Search* last,
                                     bool bareNames) {
    const BaseFolders folders = ReadBaseFolders();
    std::vector<ListedFile> collected;
    FileSizes sizes;
    for (const Search* search = first; search != last; ++search) {
        const std::wstring base = BaseFolder(folders, search->base);
        const std::wstring folder = base + search->subFolder;
        form.ListBox1.clear();
        if (base.empty() || !IsFullFolderPath(folder) || SearchedBefore(first, search, folders))
            continue;
        if (bareNames)
            TForm1::ListFolderFiles(form.ListBox1, folder, search->mask, &sizes);
        else
            ListFolderPaths(form.ListBox1, folder, search->mask, &sizes);
        for (ListedFile& file : ListedFiles(form.ListBox1, sizes, folder, bareNames))
            if (Keeps(*search, folders.systemRoot, file.path))
                collected.push_back(std::move(file));
    }
    return collected;
}

template <std::size_t N>
void ScanJunk(TForm1& form, tk::ListView& list, const Search (&searches)[N], const wchar_t* detail,
              bool bareNames = false) {
    form.RunScanFrame(list, FileListColumns, [&] {
        for (const ListedFile& file : CollectFiles(form, searches, searches + N, bareNames))
            AddFileFinding(form, list, file, detail);
        form.AdvanceProgress(0, 100);
    });
}

} // namespace

std::vector<ListedFile> ListedFiles(const std::vector<std::wstring>& listing,
                                    const FileSizes& sizes, const std::wstring& folder,
                                    bool bareNames) {
    const std::wstring self = folder + L".";
    const std::wstring parent = folder + L"..";
    std::vector<ListedFile> files;
    for (std::size_t index = 0; index < listing.size(); ++index) {
        std::wstring path = (bareNames ? folder : std::wstring()) + ListedName(listing[index]);
        if (path != self && path != parent)
            files.push_back({std::move(path), sizes.at(index)});
    }
    return files;
}

void TForm1::temp_filesExecute() {
    ScanJunk(*this, *lvdel, TemporarySearches, TemporaryDetail, true);
}
void TForm1::dumpExecute() {
    ScanJunk(*this, *lvdump, DumpSearches, JunkDetail);
}
void TForm1::chkExecute() {
    ScanJunk(*this, *lvchk, ChkdskSearches, JunkDetail);
}
void TForm1::logExecute() {
    ScanJunk(*this, *lvlog, LogSearches, JunkDetail);
}

void TForm1::removetempExecute() {
    RemoveFileFindings(*this, *lvdel);
}
void TForm1::removedumpExecute() {
    RemoveFileFindings(*this, *lvdump);
}
void TForm1::removechkExecute() {
    RemoveFileFindings(*this, *lvchk);
}
void TForm1::removelogExecute() {
    RemoveFileFindings(*this, *lvlog);
}

} // namespace tidewell
