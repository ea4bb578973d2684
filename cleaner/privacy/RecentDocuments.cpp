// Recent documents: the shortcuts of the user's recent-documents folder.
#include "cleaner/privacy/RecentDocuments.h"

#include "cleaner/FileSystem.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "handles/Handles.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <stdexcept>

namespace tidewell {

const wchar_t ShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const std::vector<TForm1::FindingColumn> FileListColumns{{L"File Names", 180},
                                                         {L"Repair Report", 100},
                                                         {L"Detail Info", 220},
                                                         {L"Path Location", 250},
                                                         {L"Size", 100}};

namespace {

struct SizeUnit {
    long long bytes;
    const wchar_t* label;
};

const SizeUnit SizeUnits[] = {
    {1073741824LL, L" GB"},
    {1048576LL, L" MB"},
    {1024LL, L" KB"},
};

tk::Error NotANumber(const std::wstring& text) {
    return tk::Error(L"'" + text + L"' is not a valid integer value");
}

long long ParseWholeNumber(const std::wstring& text) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::logic_error&) {
        throw NotANumber(text);
    }
    if (used != text.size() || iswspace(text.front()))
        throw NotANumber(text);
    return value;
}

// n / unit rounded to two decimals, with a point.
std::wstring TwoDecimals(long long n, long long unit) {
    const unsigned long long magnitude =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    const unsigned long long divisor = static_cast<unsigned long long>(unit);
    const unsigned long long rest = magnitude % divisor;
    const unsigned long long hundredths =
        magnitude / divisor * 100 + (rest * 200 + divisor) / (2 * divisor);
    const unsigned long long fraction = hundredths % 100;
    return (n < 0 ? L"-" : L"") + std::to_wstring(hundredths / 100) + L"." +
           (fraction < 10 ? L"0" : L"") + std::to_wstring(fraction);
}

std::wstring FormatByteCount(long long n) {
    for (const SizeUnit& unit : SizeUnits)
        if (n / unit.bytes != 0)
            return TwoDecimals(n, unit.bytes) + unit.label;
    return std::to_wstring(n) + L" bytes";
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    full.resize(length < needed ? length : 0);
    return full;
}

std::wstring FileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

// Only a plain file name inside a full folder is deleted.
TForm1::RemoveOutcome DeleteFileRow(const tk::ListItem& row) {
    using Outcome = TForm1::RemoveOutcome;
    const std::wstring folder = RowSubItem(row, LocationColumn);
    const std::wstring& name = row.caption;
    const bool plainName = !name.empty() && name.find_first_of(L"\\/") == std::wstring::npos &&
                           name != L"." && name != L"..";
    if (!IsFullFolderPath(folder) || folder.back() != L'\\' || !plainName)
        return Outcome::Survived;
    const std::wstring path = folder + name;
    return DeleteListedFile(path) ? Outcome::Removed : Outcome::Survived;
}

} // namespace

std::wstring GetFileSizeText(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const handles::FindHandle search(FindFirstFileW(FullPath(path).c_str(), &found));
    return search ? std::to_wstring(EntrySize(found)) : L"-1";
}

std::wstring FormatSizeText(const std::wstring& text) {
    return FormatByteCount(ParseWholeNumber(text));
}

void AddFileFinding(TForm1& form, tk::ListView& list, const ListedFile& file,
                    const std::wstring& detail) {
    form.AddFinding(list, FileNameOf(file.path),
                    {L"Remove", detail, FolderOf(file.path),
                     FormatByteCount(static_cast<long long>(file.size))});
}

void RemoveFileFindings(TForm1& form, tk::ListView& list) {
    form.RunRemoveFrame(list, DeleteFileRow);
}

void TForm1::PrivacyExecute() {
    RunScanFrame(*lvpc, FileListColumns, [this] {
        const std::wstring recent = ReadRegString(ShellFoldersKey, L"Recent", HKEY_CURRENT_USER);
        ListBox1.clear();
        ListBox3.clear();
        FileSizes sizes;
        if (IsFullFolderPath(recent + L"\\"))
            ListFolderFiles(ListBox3, recent + L"\\", L"*.lnk", &sizes);
        for (const std::wstring& entry : ListBox3)
            ListBox1.push_back(L" " + recent + L"\\" + ListedName(entry));
        for (std::size_t index = 0; index < ListBox1.size(); ++index) {
            const ListedFile file{ListedName(ListBox1[index]), sizes.at(index)};
            if (!IsIgnored(*lvignoredpc, FileNameOf(file.path)))
                AddFileFinding(*this, *lvpc, file, L"All items listed in Recent Documents");
        }
        AdvanceProgress(0, 100);
    });
}

void TForm1::removepcExecute() {
    RemoveFileFindings(*this, *lvpc);
}

} // namespace tidewell
