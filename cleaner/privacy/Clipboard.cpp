#include "cleaner/privacy/Clipboard.h"

#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "handles/Clipboard.h"
#include "handles/Handles.h"
#include "toolkit/Application.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace tidewell {

namespace {

const std::vector<TForm1::FindingColumn> ClipColumns{
    {L"Filename", 250}, {L"Repair Report", 100}, {L"Detail Info", 150}};

constexpr std::size_t FileCaptionLength = MAX_PATH;

const wchar_t TextDetail[] = L"Text File in Clipboard";
const wchar_t PictureDetail[] = L"Image File in Clipboard";
const wchar_t FileDetail[] = L"Path File in Clipboard";

// The clipboard, open for the life of the owner; throws when another program holds it.
handles::OpenedClipboard OpenClipboardOrThrow(HWND owner) {
    handles::OpenedClipboard clipboard = handles::OpenClipboardFor(owner);
    if (!clipboard)
        throw tk::Error(L"Cannot open clipboard");
    return clipboard;
}

// The files of the open clipboard's dropped-file list, their paths whole.
std::vector<std::wstring> DroppedFiles() {
    const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    if (!drop)
        return {};
    std::vector<std::wstring> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        std::wstring name(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size())));
        files.push_back(std::move(name));
    }
    return files;
}

// What the unchecked rows keep in the clipboard: their text, their picture, their files.
struct KeptContents {
    bool text = false;
    bool picture = false;
    std::vector<std::wstring> files;
};

// The file rows stand for the dropped files in list order; a row's caption may be cut short.
KeptContents UncheckedContents(const tk::ListView& list, const std::vector<std::wstring>& dropped) {
    KeptContents kept;
    std::size_t nextFile = 0;
    for (const tk::ListItem& row : list.items()) {
        const std::wstring detail = RowSubItem(row, DetailColumn);
        const std::size_t file = detail == FileDetail ? nextFile++ : dropped.size();
        if (row.checked)
            continue;
        if (detail == TextDetail)
            kept.text = true;
        else if (detail == PictureDetail)
            kept.picture = true;
        else if (file < dropped.size())
            kept.files.push_back(dropped[file]);
    }
    return kept;
}

bool IsTextFormat(UINT format) {
    return format == CF_UNICODETEXT || format == CF_TEXT || format == CF_OEMTEXT ||
           format == CF_LOCALE;
}

bool IsPictureFormat(UINT format) {
    return format == CF_BITMAP || format == CF_DIB || format == CF_DIBV5;
}

// Any other format may carry what a checked row stands for (a spreadsheet's copy of a
// text, say), so only these are kept.
bool IsKept(const KeptContents& kept, UINT format) {
    return (kept.text && IsTextFormat(format)) || (kept.picture && IsPictureFormat(format));
}

// Data of one clipboard format: a bitmap for CF_BITMAP, a memory block for any other.
struct FormatData {
    UINT format;
    HANDLE data;
};

struct FormatDataTraits {
    static bool valid(const FormatData& handle) { return handle.data != nullptr; }
    static void close(const FormatData& handle) {
        if (handle.format == CF_BITMAP)
            DeleteObject(handle.data);
        else
            GlobalFree(handle.data);
    }
};

// Data that is freed unless the clipboard takes it.
using OwnedFormatData = handles::UniqueHandle<FormatData, FormatDataTraits>;

// A moveable copy of the bytes; none when it cannot be made.
handles::GlobalMemory GlobalCopy(const void* data, std::size_t size) {
    handles::GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (!target)
        return {};
    std::memcpy(target, data, size);
    GlobalUnlock(memory.get());
    return memory;
}

// The memory block as data of the format.
OwnedFormatData MemoryData(UINT format, handles::GlobalMemory memory) {
    return OwnedFormatData({format, memory.release()});
}

// A copy of the open clipboard's data in a kept format.
OwnedFormatData CopyOfFormat(UINT format) {
    const HANDLE data = GetClipboardData(format);
    if (!data)
        return {};
    if (format == CF_BITMAP)
        return OwnedFormatData({format, CopyImage(data, IMAGE_BITMAP, 0, 0, 0)});
    const void* bytes = GlobalLock(data);
    if (!bytes)
        return {};
    OwnedFormatData copy = MemoryData(format, GlobalCopy(bytes, GlobalSize(data)));
    GlobalUnlock(data);
    return copy;
}

// Hands the data to the open clipboard, which then owns it.
void PutData(OwnedFormatData data) {
    if (data && SetClipboardData(data.get().format, data.get().data))
        data.release();
}

void PutFiles(const std::vector<std::wstring>& files) {
    std::vector<BYTE> block(sizeof(DROPFILES));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof header);
    for (const std::wstring& file : files) {
        const auto* bytes = reinterpret_cast<const BYTE*>(file.c_str());
        block.insert(block.end(), bytes, bytes + (file.size() + 1) * sizeof(wchar_t));
    }
    block.resize(block.size() + sizeof(wchar_t), 0);
    PutData(MemoryData(CF_HDROP, GlobalCopy(block.data(), block.size())));
}

// Empties the open clipboard, then puts back the text and picture formats of the unchecked
// rows, in their order, and the files of the unchecked file rows.
void ClearCheckedContents(const tk::ListView& list) {
    const KeptContents kept = UncheckedContents(list, DroppedFiles());
    std::vector<OwnedFormatData> copies;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        if (IsKept(kept, format))
            copies.push_back(CopyOfFormat(format));
    EmptyClipboard();
    for (OwnedFormatData& data : copies)
        PutData(std::move(data));
    if (!kept.files.empty())
        PutFiles(kept.files);
}

// Adds the clipboard's rows and keeps the sequence number they were read at.
void ListClipboard(TForm1& form) {
    form.ClipboardSequence = GetClipboardSequenceNumber();
    tk::ListView& list = *form.lvclip;
    {
        const handles::OpenedClipboard clipboard = OpenClipboardOrThrow(form.handle());
        if (IsClipboardFormatAvailable(CF_UNICODETEXT))
            form.AddFinding(list, handles::ClipboardText(), {L"Remove", TextDetail});
        if (IsClipboardFormatAvailable(CF_BITMAP))
            form.AddFinding(list, L"Image File", {L"Remove", PictureDetail});
    }
    const handles::OpenedClipboard clipboard = OpenClipboardOrThrow(form.handle());
    for (const std::wstring& file : DroppedFiles())
        form.AddFinding(list, file.substr(0, FileCaptionLength), {L"Remove", FileDetail});
}

// Clears the checked rows' contents while the clipboard still holds what its rows were read
// from, and keeps the sequence number of what is put back; false, clipboard untouched, when
// it changed since.
bool ClearListedContents(TForm1& form) {
    {
        const handles::OpenedClipboard clipboard = OpenClipboardOrThrow(form.handle());
        if (GetClipboardSequenceNumber() != form.ClipboardSequence)
            return false;
        ClearCheckedContents(*form.lvclip);
    }
    form.ClipboardSequence = GetClipboardSequenceNumber();
    return true;
}

void RemoveCheckedRows(tk::ListView& list) {
    std::vector<tk::ListItem> kept;
    for (const tk::ListItem& row : list.items())
        if (!row.checked)
            kept.push_back(row);
    list.clear();
    for (tk::ListItem& row : kept)
        list.addItem(std::move(row));
}

} // namespace

void TForm1::clipExecute() {
    RunScanFrame(*lvclip, ClipColumns, [this] {
        ListClipboard(*this);
        AdvanceProgress(0, 100);
    });
}

// With any row checked the clipboard is emptied and only what the unchecked rows stand for
// is put back; with none checked it is left as it is. A clipboard that changed since its
// rows were read is listed again and kept, so that nothing copied since goes unseen.
void TForm1::removeclipExecute() {
    const auto& rows = lvclip->items();
    const bool anyChecked =
        std::any_of(rows.begin(), rows.end(), [](const tk::ListItem& row) { return row.checked; });
    if (anyChecked && !ClearListedContents(*this)) {
        lvclip->clear();
        ListClipboard(*this);
        ActionStatus = L"Clipboard changed, not cleared";
    } else {
        RemoveCheckedRows(*lvclip);
    }
    LastFoundCount = lvclip->count();
    PB->setPosition(0);
    tk::app().setCursor(tk::Cursor::Default);
}

} // namespace tidewell
