#include "cleaner/privacy/RecycleBin.h"

#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/RecentDocuments.h"
#include "toolkit/MessageBox.h"

#include <shellapi.h>

namespace {

// Version 4.72 of the shell library, the first that answers the bin query.
constexpr std::uint64_t BinQueryShellVersion = 0x40048;

constexpr DWORD SilentEmptyFlags = SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND;

const std::vector<TForm1::FindingColumn> BinColumns{
    {L"Error Description", 150}, {L"Repair Report", 120}, {L"Total Size", 100}};

using EmptyBinFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, DWORD);

} // namespace

bool QueryRecycleBin(RecycleBinContents& contents) {
    if (GetFileVersionMS(L"shell32.dll") < BinQueryShellVersion)
        return false;
    SHQUERYRBINFO query{};
    query.cbSize = sizeof query;
    if (SHQueryRecycleBinW(nullptr, &query) != S_OK)
        return false;
    contents.items = query.i64NumItems;
    contents.bytes = query.i64Size;
    return true;
}

void TForm1::EmptyRecycleBin() {
    const HMODULE shell = LoadLibraryW(L"Shell32.dll");
    if (!shell) {
        tk::messageBox(L"Gagal melakukan loading Shell32.dll.", L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    const auto emptyBin = reinterpret_cast<EmptyBinFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinW")));
    if (emptyBin)
        emptyBin(handle(), nullptr, SilentEmptyFlags);
    FreeLibrary(shell);
}

void TForm1::recycleExecute() {
    RunScanFrame(*lvbin, BinColumns, [this] {
        RecycleBinContents contents;
        if (!QueryRecycleBin(contents))
            contents = {};
        if (contents.items != 0)
            AddFinding(*lvbin, std::to_wstring(contents.items) + L" files in Recycle Bin",
                       {L"Remove", FormatSizeText(std::to_wstring(contents.bytes))});
        AdvanceProgress(0, 100);
        RecycleBinCount = static_cast<int>(static_cast<std::uint32_t>(contents.items));
    });
    LastFoundCount = RecycleBinCount;
}

// The bin is emptied only when its summary row is checked: an unchecked row keeps the
// bin, the row and the count.
void TForm1::removebinExecute() {
    const BusyAction busy(*PB);
    const bool emptyIt = lvbin->count() > 0 && lvbin->checked(0);
    if (emptyIt) {
        EmptyRecycleBin();
        lvbin->clear();
        RecycleBinCount = 0;
    }
    AdvanceProgress(0, 100);
    LastFoundCount = RecycleBinCount;
}
