// The ignore lists of the category pages: "Ignore Items" moves the selected finding
// into the category's ignored list and appends it to the category's file; "Remove
// Ignored Key" takes the selected ignored entry out of both again.
#include "cleaner/registry_scan/IgnoreLists.h"

#include "cleaner/Categories.h"
#include "cleaner/FileSystem.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "handles/Handles.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tidewell {

namespace {

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
    handles::KernelHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr,
                                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file ||
        !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw FileError(L"writing", path);
}

// A line keeps at most this much of its text: more than any caption and location the lists
// hold, and little enough that a damaged file of any size costs little memory.
constexpr std::size_t MaxLineBytes = 65536;

handles::KernelHandle OpenToRead(const std::wstring& path) {
    handles::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw FileError(L"reading", path);
    return file;
}

// One line of a file: the start of its text (at most MaxLineBytes), where it begins and
// where the next one begins.
struct Line {
    std::string text;
    ULONGLONG begin = 0;
    ULONGLONG next = 0;
};

// Reads a file line by line, a piece at a time; a CR, an LF or CR LF ends a line. Throws
// when the file cannot be read.
class LineReader {
  public:
    explicit LineReader(const std::wstring& path) : path_(path), file_(OpenToRead(path)) {}

    // The next line; false at the end of the file.
    bool next(Line& line) {
        if (!fill())
            return false;
        line.text.clear();
        line.begin = position();
        for (;;) {
            const std::size_t end = std::min(buffer_.find_first_of("\r\n", at_), buffer_.size());
            line.text.append(buffer_, at_, std::min(end - at_, MaxLineBytes - line.text.size()));
            at_ = end;
            if (at_ < buffer_.size())
                break;
            if (!fill()) {
                line.next = position();
                return true;
            }
        }
        if (buffer_[at_++] == '\r' && fill() && buffer_[at_] == '\n')
            ++at_;
        line.next = position();
        return true;
    }

  private:
    ULONGLONG position() const { return bufferStart_ + at_; }

    // False at the end of the file; otherwise at_ stands on an unread byte.
    bool fill() {
        if (at_ < buffer_.size())
            return true;
        bufferStart_ += buffer_.size();
        buffer_.resize(65536);
        DWORD read = 0;
        if (!ReadFile(file_.get(), buffer_.data(), static_cast<DWORD>(buffer_.size()), &read,
                      nullptr))
            throw FileError(L"reading", path_);
        buffer_.resize(read);
        at_ = 0;
        return read > 0;
    }

    std::wstring path_;
    handles::KernelHandle file_;
    std::string buffer_;
    std::size_t at_ = 0;
    ULONGLONG bufferStart_ = 0;
};

// Copies the bytes of the source from `from` up to `to` (or its end) to the target.
void CopyRange(HANDLE source, HANDLE target, ULONGLONG from, ULONGLONG to,
               const std::wstring& path) {
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(from);
    if (!SetFilePointerEx(source, start, nullptr, FILE_BEGIN))
        throw FileError(L"reading", path);
    std::string buffer(65536, '\0');
    for (ULONGLONG left = to - from; left > 0;) {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<ULONGLONG>(left, buffer.size()));
        if (!ReadFile(source, buffer.data(), wanted, &read, nullptr))
            throw FileError(L"reading", path);
        if (read == 0)
            return;
        DWORD written = 0;
        if (!WriteFile(target, buffer.data(), read, &written, nullptr) || written != read)
            throw FileError(L"writing", path);
        left -= read;
    }
}

// Replaces the file by a copy without the bytes of the line, so that a failed write loses
// nothing.
void RemoveLine(const std::wstring& path, const Line& line) {
    const std::wstring fresh = path + L".new";
    {
        const handles::KernelHandle source = OpenToRead(path);
        const handles::KernelHandle target(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr,
                                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                       nullptr));
        if (!target)
            throw FileError(L"writing", fresh);
        CopyRange(source.get(), target.get(), 0, line.begin, path);
        CopyRange(source.get(), target.get(), line.next, ~0ULL, path);
    }
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

// The first line of the file that reads back as the entry.
std::optional<Line> LineOfEntry(const std::wstring& path, const Entry& wanted) {
    std::vector<std::wstring> fields;
    Line line;
    for (LineReader reader(path); reader.next(line);)
        // An empty line ends what is read back; it is never an entry.
        if (!line.text.empty() && EntryOfLine(Wide(line.text), fields) == wanted)
            return line;
    return std::nullopt;
}

// The row is written to the file first: a finding whose entry could not be stored
// stays where it was. Nothing is moved while a flow may be walking the lists.
void IgnoreSelected(TForm1& form, int row) {
    const Category& category = CategoryOf(row);
    tk::ListView& findings = *(form.*category.list);
    const int selected = findings.itemIndex();
    if (form.FlowRunning || selected < 0 || selected >= findings.count())
        return;
    tk::ListItem entry;
    entry.caption = findings.item(selected).caption;
    entry.subItems = {findings.subItem(selected, LocationColumn)};
    entry.checked = true;
    AppendIgnoreEntry(IgnoreFilePath(form, category), entry.caption, entry.subItems[0]);
    (form.*category.ignored.list)->addItem(std::move(entry));
    findings.deleteItem(selected);
}

void ForgetSelected(TForm1& form, int row) {
    const Category& category = CategoryOf(row);
    tk::ListView& ignored = *(form.*category.ignored.list);
    const int selected = ignored.itemIndex();
    if (form.FlowRunning || selected < 0 || selected >= ignored.count())
        return;
    const std::wstring path = IgnoreFilePath(form, category);
    if (PathExists(path))
        RemoveIgnoreEntry(path, ignored.item(selected).caption, ignored.subItem(selected, 0));
    ignored.deleteItem(selected);
}

} // namespace

std::wstring IgnoreFilePath(const TForm1& form, const Category& category) {
    return form.ProgramFilesDir + L"\\Tidecrest\\" + category.ignored.fileName;
}

void AppendIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location) {
    CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    WriteBytes(path, FILE_APPEND_DATA, OPEN_ALWAYS,
               EightBit(OneLine(caption + L"=" + location)) + "\r\n");
}

bool RemoveIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location) {
    const std::optional<Line> line = LineOfEntry(path, {OneLine(caption), OneLine(location)});
    if (line)
        RemoveLine(path, *line);
    return line.has_value();
}

void LoadIgnoreList(const std::wstring& path, tk::ListView& list,
                    std::vector<std::wstring>& scratch) {
    scratch.clear();
    if (!FileExists(path))
        return;
    LineReader reader(path);
    Line line;
    for (int loaded = 0; loaded < MaxIgnoredEntries && reader.next(line) && !line.text.empty();
         ++loaded) {
        const Entry entry = EntryOfLine(Wide(line.text), scratch);
        tk::ListItem item;
        item.checked = true;
        item.caption = entry.first;
        item.subItems = {entry.second};
        list.addItem(std::move(item));
    }
}

void TForm1::OBsp2Click() {
    IgnoreSelected(*this, StartupRow);
}
void TForm1::obue2Click() {
    IgnoreSelected(*this, UninstallRow);
}
void TForm1::obpc2Click() {
    IgnoreSelected(*this, DocumentsRow);
}
void TForm1::obfe2Click() {
    IgnoreSelected(*this, ExtensionsRow);
}
void TForm1::obax2Click() {
    IgnoreSelected(*this, ActiveXRow);
}

void TForm1::obremoveignoredspClick() {
    ForgetSelected(*this, StartupRow);
}
void TForm1::obremoveignoredueClick() {
    ForgetSelected(*this, UninstallRow);
}
void TForm1::obremoveignoredpcClick() {
    ForgetSelected(*this, DocumentsRow);
}
void TForm1::obremoveignoredfeClick() {
    ForgetSelected(*this, ExtensionsRow);
}
void TForm1::obremoveignoredaxClick() {
    ForgetSelected(*this, ActiveXRow);
}

} // namespace tidewell
