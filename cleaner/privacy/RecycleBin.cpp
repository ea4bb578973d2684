#include "cleaner/privacy/RecycleBin.h"

#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/privacy/RecentDocuments.h"
#include "handles/Handles.h"
#include "toolkit/MessageBox.h"

#include <shellapi.h>

namespace tidewell {

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

bool TForm1::EmptyRecycleBin() {
    const handles::LibraryHandle shell(LoadLibraryW(L"Shell32.dll"));
    if (!shell) {
        tk::messageBox(L"Gagal melakukan loading Shell32.dll.", L"Error", MB_OK | MB_ICONERROR);
        return false;
    }
    const auto emptyBin = reinterpret_cast<EmptyBinFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell.get(), "SHEmptyRecycleBinW")));
    return emptyBin && SUCCEEDED(emptyBin(handle(), nullptr, SilentEmptyFlags));
}

namespace {

// The bin's item count as the count field holds it.
int CountOf(const RecycleBinContents& contents) {
    return static_cast<int>(static_cast<std::uint32_t>(contents.items));
}

// The bin's summary row for the contents (none for an empty bin), its count and its size.
void ShowBinContents(TForm1& form, const RecycleBinContents& contents) {
    form.lvbin->clear();
    if (contents.items != 0)
        form.AddFinding(*form.lvbin, std::to_wstring(contents.items) + L" files in Recycle Bin",
                        {L"Remove", FormatSizeText(std::to_wstring(contents.bytes))});
    form.RecycleBinCount = CountOf(contents);
    form.RecycleBinBytes = contents.bytes;
}

RecycleBinContents CurrentBinContents() {
    RecycleBinContents contents;
    return QueryRecycleBin(contents) ? contents : RecycleBinContents{};
}

// Empties the bin only while it still holds as many items of as many bytes as its row says;
// otherwise the row is brought up to date and the bin kept, so that nothing recycled since
// is destroyed unseen. A bin that could not be emptied keeps its row.
void EmptyListedBin(TForm1& form) {
    const RecycleBinContents now = CurrentBinContents();
    if (CountOf(now) != form.RecycleBinCount || now.bytes != form.RecycleBinBytes) {
        ShowBinContents(form, now);
        form.ActionStatus = L"Recycle Bin changed, not emptied";
        return;
    }
    if (!form.EmptyRecycleBin()) {
        form.ActionStatus = L"Recycle Bin could not be emptied";
        return;
    }
    ShowBinContents(form, RecycleBinContents{});
}

} // namespace

void TForm1::recycleExecute() {
    RunScanFrame(*lvbin, BinColumns, [this] {
        ShowBinContents(*this, CurrentBinContents());
        AdvanceProgress(0, 100);
    });
    LastFoundCount = RecycleBinCount;
}

// The bin is emptied only when its summary row is checked: an unchecked row keeps the
// bin, the row and the count.
void TForm1::removebinExecute() {
    const BusyAction busy(*PB);
    if (lvbin->count() > 0 && lvbin->checked(0))
        EmptyListedBin(*this);
    AdvanceProgress(0, 100);
    LastFoundCount = RecycleBinCount;
}

} // namespace tidewell
