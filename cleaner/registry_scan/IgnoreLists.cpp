// The ignore lists of the category pages: "Ignore Items" moves the selected finding
// into the category's ignored list and appends it to the category's file; "Remove
// Ignored Key" takes the selected ignored entry out of both again.
#include "cleaner/registry_scan/IgnoreLists.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <algorithm>
#include <utility>

namespace {

template <class T> using Member = std::unique_ptr<T> TForm1::*;

constexpr int MaxIgnoredEntries = 51;

tk::Error FileError(const wchar_t* doing, const std::wstring& path) {
    return tk::Error(L"I/O error " + std::wstring(doing) + L" \"" + path + L"\": " +
                     SystemErrorText(GetLastError()));
}

// The text as one line: its line breaks become blanks.
std::wstring OneLine(std::wstring text) {
    std::replace_if(
        text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    return text;
}

std::string EightBit(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string bytes(
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(),
                        static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

std::wstring Wide(const std::string& bytes) {
    const int length = static_cast<int>(bytes.size());
    std::wstring text(MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(),
                        static_cast<int>(text.size()));
    return text;
}

void WriteBytes(const std::wstring& path, DWORD access, DWORD disposition,
                const std::string& bytes) {
    tk::KernelHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file ||
        !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw FileError(L"writing", path);
}

// The whole file; throws when it cannot be read.
std::string ReadBytes(const std::wstring& path) {
    tk::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw FileError(L"reading", path);
    std::string bytes;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            throw FileError(L"reading", path);
        if (read == 0)
            return bytes;
        bytes.append(buffer, read);
    }
}

// Where a line of the file stands: [begin, end), and where the next one begins.
struct LineSpan {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<LineSpan> LineSpans(const std::string& bytes) {
    std::vector<LineSpan> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        const std::size_t next =
            std::min(end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1), bytes.size());
        lines.push_back({at, end, next});
        at = next;
    }
    return lines;
}

std::wstring LineText(const std::string& bytes, const LineSpan& line) {
    return Wide(bytes.substr(line.begin, line.end - line.begin));
}

// Replaces the file by a new one with the bytes, so that a failed write loses nothing.
void ReplaceBytes(const std::wstring& path, const std::string& bytes) {
    const std::wstring fresh = path + L".new";
    WriteBytes(fresh, GENERIC_WRITE, CREATE_ALWAYS, bytes);
    if (!MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const tk::Error error = FileError(L"writing", path);
        DeleteFileW(fresh.c_str());
        throw error;
    }
}

using Entry = std::pair<std::wstring, std::wstring>;

// Caption and location as the reader takes them from a line: the first two fields
// between "=" signs.
Entry EntryOfLine(const std::wstring& line, std::vector<std::wstring>& fields) {
    SplitText(line, L'=', fields);
    const auto field = [&fields](std::size_t index) {
        return index < fields.size() ? fields[index].substr(1) : std::wstring();
    };
    return {field(0), field(1)};
}

struct IgnoreCategory {
    Member<tk::ListView> findings;
    Member<tk::ListView> ignored;
    const wchar_t* fileName;
};

const IgnoreCategory StartupIgnores{&TForm1::lvsp, &TForm1::lvignoredsp, L"Datasp.dat"};
const IgnoreCategory UninstallIgnores{&TForm1::lvue, &TForm1::lvignoredue, L"Dataue.dat"};
const IgnoreCategory DocumentIgnores{&TForm1::lvpc, &TForm1::lvignoredpc, L"Datapc.dat"};
const IgnoreCategory ExtensionIgnores{&TForm1::lvfe, &TForm1::lvignoredfe, L"Datafe.dat"};
const IgnoreCategory ActiveXIgnores{&TForm1::lvax, &TForm1::lvignoredax, L"Dataax.dat"};

std::wstring IgnoreFilePath(const TForm1& form, const IgnoreCategory& category) {
    return form.ProgramFilesDir + L"\\Tidecrest\\" + category.fileName;
}

// The row is written to the file first: a finding whose entry could not be stored
// stays where it was. Nothing is moved while a flow may be walking the lists.
void IgnoreSelected(TForm1& form, const IgnoreCategory& category) {
    tk::ListView& findings = *(form.*category.findings);
    const int selected = findings.itemIndex();
    if (form.FlowRunning || selected < 0 || selected >= findings.count())
        return;
    tk::ListItem entry;
    entry.caption = findings.item(selected).caption;
    entry.subItems = {findings.subItem(selected, LocationColumn)};
    entry.checked = true;
    AppendIgnoreEntry(IgnoreFilePath(form, category), entry.caption, entry.subItems[0]);
    (form.*category.ignored)->addItem(std::move(entry));
    findings.deleteItem(selected);
}

void ForgetSelected(TForm1& form, const IgnoreCategory& category) {
    tk::ListView& ignored = *(form.*category.ignored);
    const int selected = ignored.itemIndex();
    if (form.FlowRunning || selected < 0 || selected >= ignored.count())
        return;
    const std::wstring path = IgnoreFilePath(form, category);
    if (PathExists(path))
        RemoveIgnoreEntry(path, ignored.item(selected).caption, ignored.subItem(selected, 0));
    ignored.deleteItem(selected);
}

} // namespace

void AppendIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location) {
    CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    WriteBytes(path, FILE_APPEND_DATA, OPEN_ALWAYS,
               EightBit(OneLine(caption + L"=" + location)) + "\r\n");
}

bool RemoveIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location) {
    const std::string bytes = ReadBytes(path);
    const Entry wanted{OneLine(caption), OneLine(location)};
    std::vector<std::wstring> fields;
    for (const LineSpan& line : LineSpans(bytes)) {
        // An empty line ends what is read back; it is never an entry.
        if (line.end != line.begin && EntryOfLine(LineText(bytes, line), fields) == wanted) {
            ReplaceBytes(path, bytes.substr(0, line.begin) + bytes.substr(line.next));
            return true;
        }
    }
    return false;
}

void LoadIgnoreList(const std::wstring& path, tk::ListView& list,
                    std::vector<std::wstring>& scratch) {
    scratch.clear();
    if (!FileExists(path))
        return;
    const std::string bytes = ReadBytes(path);
    int loaded = 0;
    for (const LineSpan& line : LineSpans(bytes)) {
        if (loaded == MaxIgnoredEntries || line.end == line.begin)
            return;
        const Entry entry = EntryOfLine(LineText(bytes, line), scratch);
        tk::ListItem item;
        item.checked = true;
        item.caption = entry.first;
        item.subItems = {entry.second};
        list.addItem(std::move(item));
        ++loaded;
    }
}

void TForm1::OBsp2Click() {
    IgnoreSelected(*this, StartupIgnores);
}
void TForm1::obue2Click() {
    IgnoreSelected(*this, UninstallIgnores);
}
void TForm1::obpc2Click() {
    IgnoreSelected(*this, DocumentIgnores);
}
void TForm1::obfe2Click() {
    IgnoreSelected(*this, ExtensionIgnores);
}
void TForm1::obax2Click() {
    IgnoreSelected(*this, ActiveXIgnores);
}

void TForm1::obremoveignoredspClick() {
    ForgetSelected(*this, StartupIgnores);
}
void TForm1::obremoveignoredueClick() {
    ForgetSelected(*this, UninstallIgnores);
}
void TForm1::obremoveignoredpcClick() {
    ForgetSelected(*this, DocumentIgnores);
}
void TForm1::obremoveignoredfeClick() {
    ForgetSelected(*this, ExtensionIgnores);
}
void TForm1::obremoveignoredaxClick() {
    ForgetSelected(*this, ActiveXIgnores);
}
