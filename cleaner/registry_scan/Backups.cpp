#include "cleaner/registry_scan/Backups.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/MessageBox.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

namespace tidewell {

namespace {

// How long an export or import of the whole registry may take.
constexpr DWORD RegistryEditorTimeoutMs = 10 * 60 * 1000;

const std::wstring BackupExtension = L".reg";

// The pieces of the text between the delimiters, without the blank SplitText adds.
std::vector<std::wstring> Pieces(const std::wstring& text, wchar_t delimiter) {
    std::vector<std::wstring> pieces;
    SplitText(text, delimiter, pieces);
    return ListedNames(std::move(pieces));
}

bool ParseNumber(const std::wstring& text, WORD& number) {
    if (text.empty() || text.size() > 4)
        return false;
    unsigned value = 0;
    for (const wchar_t digit : text) {
        if (digit < L'0' || digit > L'9')
            return false;
        value = value * 10 + (digit - L'0');
    }
    number = static_cast<WORD>(value);
    return true;
}

// Three numbers joined by "-".
bool ParseTriple(const std::wstring& text, WORD& first, WORD& second, WORD& third) {
    const std::vector<std::wstring> numbers = Pieces(text, L'-');
    return numbers.size() == 3 && ParseNumber(numbers[0], first) &&
           ParseNumber(numbers[1], second) && ParseNumber(numbers[2], third);
}

bool IsValidMoment(SYSTEMTIME moment) {
    FILETIME unused;
    return moment.wHour < 24 && moment.wMinute < 60 && moment.wSecond < 60 &&
           SystemTimeToFileTime(&moment, &unused);
}

std::string StartOfFile(const std::wstring& path, std::size_t size) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::string bytes(size, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// The leading text of the file: UTF-16 after a little-endian byte order mark, otherwise
// 8-bit text (a UTF-8 byte order mark skipped).
std::wstring LeadingText(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        std::memcpy(text.data(), bytes.data() + 2, text.size() * sizeof(wchar_t));
        return text;
    }
    const std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    return std::wstring(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(start, bytes.size())),
                        bytes.end());
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

using MomentFormatter = int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int);

// The moment in the user's format that the formatter and its flags pick.
std::wstring MomentText(MomentFormatter format, DWORD flags, const SYSTEMTIME& moment) {
    wchar_t buffer[128];
    const int length = format(LOCALE_USER_DEFAULT, flags, &moment, nullptr, buffer, 128);
    return length > 0 ? std::wstring(buffer, length - 1) : std::wstring();
}

} // namespace

std::wstring BackupFileName(const SYSTEMTIME& moment) {
    return L"Backup_" + std::to_wstring(moment.wHour) + L"-" + std::to_wstring(moment.wMinute) +
           L"-" + std::to_wstring(moment.wSecond) + L"_" + std::to_wstring(moment.wDay) + L"-" +
           std::to_wstring(moment.wMonth) + L"-" + std::to_wstring(moment.wYear) + BackupExtension;
}

std::wstring FreeBackupFileName(const std::wstring& folder, const SYSTEMTIME& moment) {
    const std::wstring name = BackupFileName(moment);
    const std::wstring stem = name.substr(0, name.size() - BackupExtension.size());
    std::wstring candidate = name;
    for (int number = 2; PathExists(folder + L"\\" + candidate); ++number)
        candidate = stem + L"_" + std::to_wstring(number) + BackupExtension;
    return candidate;
}

bool ParseBackupFileName(const std::wstring& name, SYSTEMTIME& moment) {
    const std::vector<std::wstring> pieces = Pieces(name, L'_');
    if (pieces.size() < 3)
        return false;
    SYSTEMTIME parsed{};
    if (!ParseTriple(RemoveText(BackupExtension, pieces[2]), parsed.wDay, parsed.wMonth,
                     parsed.wYear) ||
        !ParseTriple(pieces[1], parsed.wHour, parsed.wMinute, parsed.wSecond) ||
        !IsValidMoment(parsed))
        return false;
    moment = parsed;
    return true;
}

std::wstring ShortDateText(const SYSTEMTIME& moment) {
    return MomentText(GetDateFormatW, DATE_SHORTDATE, moment);
}

std::wstring LongTimeText(const SYSTEMTIME& moment) {
    return MomentText(GetTimeFormatW, 0, moment);
}

bool IsRegistryExport(const std::wstring& path) {
    const std::wstring text = LeadingText(StartOfFile(path, 128));
    return StartsWith(text, L"REGEDIT4") ||
           StartsWith(text, L"Windows Registry Editor Version 5.00");
}

// Through the shell's "open", so that under User Account Control the editor is started
// elevated after the user's consent instead of being refused.
bool RegistryEditorRun::start(const std::wstring& arguments, const std::wstring& workingFolder) {
    const std::wstring editor = WindowsFolder() + L"\\regedit.exe";
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
    run.lpVerb = L"open";
    run.lpFile = editor.c_str();
    run.lpParameters = arguments.c_str();
    run.lpDirectory = workingFolder.c_str();
    run.nShow = SW_HIDE;
    if (!ShellExecuteExW(&run) || !run.hProcess)
        return false;
    process_.reset(run.hProcess);
    return true;
}

bool RegistryEditorRun::wait() {
    if (!process_)
        return false;
    if (!tk::app().answerWhileWaiting(process_.get(), RegistryEditorTimeoutMs)) {
        end();
        return false;
    }
    DWORD exitCode = 1;
    return GetExitCodeProcess(process_.get(), &exitCode) && exitCode == 0;
}

void RegistryEditorRun::end() {
    if (!process_)
        return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), INFINITE);
}

bool RunRegistryEditor(const std::wstring& arguments, const std::wstring& workingFolder) {
    RegistryEditorRun editor;
    return editor.start(arguments, workingFolder) && editor.wait();
}

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

namespace {

constexpr unsigned BackupStepMs = 150;
constexpr unsigned DeleteStepMs = 50;

std::wstring BackupsFolder(const TForm1& form) {
    return form.ProgramFilesDir + L"\\Tidewell\\Backups";
}

void ShowMessage(const std::wstring& text, UINT flags = MB_OK) {
    tk::messageBox(text, tk::app().title(), flags);
}

int RowNamed(const tk::ListView& list, const std::wstring& name) {
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row).caption == name)
            return row;
    return -1;
}

// A row for the backup file; a name that names no moment gets empty date and time.
void AddBackupRow(tk::ListView& list, const std::wstring& name) {
    tk::ListItem item;
    item.caption = name;
    SYSTEMTIME moment;
    item.subItems = ParseBackupFileName(name, moment)
                        ? std::vector<std::wstring>{ShortDateText(moment), LongTimeText(moment)}
                        : std::vector<std::wstring>{L"", L""};
    list.addItem(std::move(item));
}

// The "*.reg" files of the folder in the order the file system gives them.
std::vector<std::wstring> BackupFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    ForEachListedEntry(folder + L"\\", L"*.reg", [&](const WIN32_FIND_DATAW& entry) {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    });
    return names;
}

// Runs the work on the selected backup as a flow, giving it the backup's name by value
// (not a row of the list); without a selection it only asks for one.
void WithSelectedBackup(TForm1& form, const std::function<void(const std::wstring&)>& work) {
    form.RunFlow([&form, &work] {
        const int selected = form.LVbackup->itemIndex();
        if (selected < 0) {
            ShowMessage(L"Please select backup file");
            return;
        }
        const std::wstring name = form.LVbackup->item(selected).caption;
        work(name);
    });
}

// Runs the step under the busy cursor, lets messages run once and sweeps PB from 0 to
// 100; returns what the step returned.
bool RunBusyStep(TForm1& form, unsigned pauseMs, const std::function<bool()>& step) {
    const TForm1::BusyAction busy(*form.PB);
    const bool done = step();
    tk::app().answerStep();
    form.AdvanceProgress(0, 100, pauseMs);
    return done;
}

bool ImportBackup(const std::wstring& folder, const std::wstring& name) {
    const std::wstring path = folder + L"\\" + name;
    return IsRegistryExport(path) && RunRegistryEditor(L"/s " + Quoted(path), folder);
}

} // namespace

bool TForm1::CreateRegistryBackup() {
    const BusyAction busy(*PB);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::wstring folder = BackupsFolder(*this);
    const std::wstring name = FreeBackupFileName(folder, now);
    const std::wstring path = folder + L"\\" + name;
    RegistryEditorRun editor;
    const bool started = editor.start(L"/e " + Quoted(path), folder);
    bool exported = false;
    try {
        AdvanceProgress(0, 70, BackupStepMs);
        exported = started && editor.wait() && IsRegistryExport(path);
    } catch (...) {
        // Ended during the export: no half-written backup stays.
        editor.end();
        DeleteFileW(path.c_str());
        throw;
    }
    if (!exported) {
        DeleteFileW(path.c_str());
        ShowMessage(L"The registry backup could not be created.", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (RowNamed(*LVbackup, name) < 0)
        AddBackupRow(*LVbackup, name);
    LVbackup->repaint();
    AdvanceProgress(70, 100, BackupStepMs);
    return true;
}

void TForm1::backupregExecute() {
    CreateRegistryBackup();
}

void TForm1::OBbackupClick() {
    RunFlow([this] { backupregExecute(); });
}

void TForm1::CB1Categories1Items0Click() {
    HiddenLV();
    LVbackup->clear();
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             LVbackup.get(), OBbackup.get(), OBrestorebackup.get(), OBdeletebackup.get()})
        control->show();
    for (const std::wstring& name : BackupFiles(BackupsFolder(*this)))
        AddBackupRow(*LVbackup, name);
}

void TForm1::OBrestorebackupClick() {
    WithSelectedBackup(*this, [this](const std::wstring& name) {
        const bool restored = RunBusyStep(*this, BackupStepMs, [&] {
            setTopmost(false);
            return ImportBackup(BackupsFolder(*this), name);
        });
        const std::wstring alwaysOnTop = ReadSetting(SettingName::AlwaysOnTop);
        if (alwaysOnTop == L"1")
            setTopmost(true);
        if (alwaysOnTop == L"1" || alwaysOnTop == L"0")
            CBontop->setChecked(alwaysOnTop == L"1");
        if (!restored)
            ShowMessage(L"The registry backup could not be restored.", MB_OK | MB_ICONWARNING);
    });
}

// The row goes with its file, so that the list holds what the folder holds during the
// pause after it too.
void TForm1::OBdeletebackupClick() {
    WithSelectedBackup(*this, [this](const std::wstring& name) {
        const std::wstring path = BackupsFolder(*this) + L"\\" + name;
        const bool deleted = RunBusyStep(*this, DeleteStepMs, [&] {
            if (!DeleteListedFile(path))
                return false;
            if (const int row = RowNamed(*LVbackup, name); row >= 0)
                LVbackup->deleteItem(row);
            return true;
        });
        if (!deleted)
            ShowMessage(L"The backup file could not be deleted.", MB_OK | MB_ICONWARNING);
    });
}

} // namespace tidewell
