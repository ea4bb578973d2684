#include "cleaner/privacy/Clipboard.h"

#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "toolkit/Application.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

const std::vector<TForm1::FindingColumn> ClipColumns{
    {L"Filename", 250}, {L"Repair Report", 100}, {L"Detail Info", 150}};

constexpr UINT DroppedNameLength = MAX_PATH + 1;

const wchar_t TextDetail[] = L"Text File in Clipboard";
const wchar_t PictureDetail[] = L"Image File in Clipboard";
const wchar_t FileDetail[] = L"Path File in Clipboard";

// The clipboard, open for the life of the object; throws when another program holds it.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) {
        if (!OpenClipboard(owner))
            throw tk::Error(L"Cannot open clipboard");
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

// The clipboard's text up to its terminating zero, never beyond its memory block; empty
// when it cannot be locked.
std::wstring ClipboardText() {
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!text)
        return {};
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::wstring copy(text, wcsnlen(text, capacity));
    GlobalUnlock(data);
    return copy;
}

std::vector<std::wstring> DroppedFiles() {
    const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    if (!drop)
        return {};
    std::vector<std::wstring> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        wchar_t name[DroppedNameLength] = {};
        DragQueryFileW(drop, index, name, DroppedNameLength);
        files.push_back(name);
    }
    return files;
}

// What the checked rows take out of the clipboard: their text, their picture, their
// files; the files of unchecked rows are put back.
struct ClearedContents {
    bool text = false;
    bool picture = false;
    bool files = false;
    std::vector<std::wstring> keptFiles;
};

ClearedContents CheckedContents(const tk::ListView& list) {
    ClearedContents cleared;
    for (const tk::ListItem& row : list.items()) {
        const std::wstring detail = RowSubItem(row, DetailColumn);
        if (detail == TextDetail)
            cleared.text |= row.checked;
        else if (detail == PictureDetail)
            cleared.picture |= row.checked;
        else if (detail == FileDetail && row.checked)
            cleared.files = true;
        else if (detail == FileDetail)
            cleared.keptFiles.push_back(row.caption);
    }
    return cleared;
}

bool IsRegistered(UINT format, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names)
        if (format == RegisterClipboardFormatW(name))
            return true;
    return false;
}

bool IsTextFormat(UINT format) {
    return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT ||
           format == CF_LOCALE || IsRegistered(format, {L"Rich Text Format", L"HTML Format"});
}

bool IsPictureFormat(UINT format) {
    return format == CF_BITMAP || format == CF_DIB || format == CF_DIBV5 || format == CF_PALETTE;
}

bool IsFileFormat(UINT format) {
    return format == CF_HDROP ||
           IsRegistered(format, {CFSTR_FILENAMEA, CFSTR_FILENAMEW, CFSTR_SHELLIDLIST,
                                 CFSTR_FILENAMEMAPA, CFSTR_FILENAMEMAPW});
}

bool IsCleared(const ClearedContents& cleared, UINT format) {
    return (cleared.text && IsTextFormat(format)) || (cleared.picture && IsPictureFormat(format)) ||
           (cleared.files && IsFileFormat(format));
}

// A moveable copy of the bytes; nullptr when it cannot be made.
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* target = memory ? GlobalLock(memory) : nullptr;
    if (!target) {
        if (memory)
            GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    return memory;
}

bool IsInRange(UINT format, UINT first, UINT last) {
    return format >= first && format <= last;
}

// A copy of the open clipboard's data in the format: bitmaps, enhanced metafiles and
// global memory blocks; nullptr for handles of other kinds, which cannot be copied.
HANDLE CopyOfFormat(UINT format) {
    const HANDLE data = GetClipboardData(format);
    if (!data)
        return nullptr;
    switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
        return CopyImage(data, IMAGE_BITMAP, 0, 0, 0);
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
        return CopyEnhMetaFile(static_cast<HENHMETAFILE>(data), nullptr);
    case CF_PALETTE:
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
    case CF_OWNERDISPLAY:
        return nullptr;
    default:
        break;
    }
    if (IsInRange(format, CF_PRIVATEFIRST, CF_PRIVATELAST) ||
        IsInRange(format, CF_GDIOBJFIRST, CF_GDIOBJLAST))
        return nullptr;
    const void* bytes = GlobalLock(data);
    if (!bytes)
        return nullptr;
    const HGLOBAL copy = GlobalCopy(bytes, GlobalSize(data));
    GlobalUnlock(data);
    return copy;
}

// Hands the data to the open clipboard; frees it when the clipboard refuses it.
void PutData(UINT format, HANDLE data) {
    if (!data || SetClipboardData(format, data))
        return;
    if (format == CF_BITMAP || format == CF_DSPBITMAP)
        DeleteObject(data);
    else if (format == CF_ENHMETAFILE || format == CF_DSPENHMETAFILE)
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
    else
        GlobalFree(data);
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
    PutData(CF_HDROP, GlobalCopy(block.data(), block.size()));
}

// Clears the open clipboard, then puts back every format that no checked row stands for,
// unchanged and in its order, and the files of the unchecked file rows.
void ClearCheckedContents(const tk::ListView& list) {
    const ClearedContents cleared = CheckedContents(list);
    std::vector<std::pair<UINT, HANDLE>> kept;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        if (!IsCleared(cleared, format))
            kept.emplace_back(format, CopyOfFormat(format));
    EmptyClipboard();
    for (const auto& [format, data] : kept)
        PutData(format, data);
    if (cleared.files && !cleared.keptFiles.empty())
        PutFiles(cleared.keptFiles);
}

} // namespace

void TForm1::clipExecute() {
    RunScanFrame(*lvclip, ClipColumns, [this] {
        {
            const OpenedClipboard clipboard(handle());
            if (IsClipboardFormatAvailable(CF_UNICODETEXT))
                AddFinding(*lvclip, ClipboardText(), {L"Remove", TextDetail});
            if (IsClipboardFormatAvailable(CF_BITMAP))
                AddFinding(*lvclip, L"Image File", {L"Remove", PictureDetail});
        }
        {
            const OpenedClipboard clipboard(handle());
            for (const std::wstring& file : DroppedFiles())
                AddFinding(*lvclip, file, {L"Remove", FileDetail});
        }
        AdvanceProgress(0, 100);
    });
}

// The contents of the checked rows leave the clipboard; those of the unchecked rows stay.
void TForm1::removeclipExecute() {
    std::vector<tk::ListItem> kept;
    for (const tk::ListItem& row : lvclip->items())
        if (!row.checked)
            kept.push_back(row);
    if (kept.size() != lvclip->items().size()) {
        const OpenedClipboard clipboard(handle());
        ClearCheckedContents(*lvclip);
    }
    lvclip->clear();
    for (tk::ListItem& row : kept)
        lvclip->addItem(std::move(row));
    LastFoundCount = lvclip->count();
    PB->setPosition(0);
    tk::app().setCursor(tk::Cursor::Default);
}
