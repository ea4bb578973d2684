// Creation of the main window's state: folders, settings, tray record, results
// list and ignore lists; and the page switch every page starts with.

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"

#include "cleaner/Pictures.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <shlobj.h>

#include <algorithm>

const std::array<ResultsRowInfo, ResultsRowCount> ResultsRows = {{
    {L"Create Registry Backup", L""},
    {L"Running While Startup", L"Registry"},
    {L"Uninstaller Bugs", L"Registry"},
    {L"Unused Extensions", L"Registry"},
    {L"Missing ActiveX and DLLs", L"Registry"},
    {L"Help Files", L"Registry"},
    {L"Fonts Registration", L"Registry"},
    {L"Virtual Components", L"Registry"},
    {L"Obsolete Software", L"Registry"},
    {L"Recent Documents", L"Privacy Threats"},
    {L"Recycle Bin", L"Privacy Threats"},
    {L"Temporary Files", L"Privacy Threats"},
    {L"Clipboard", L"Privacy Threats"},
    {L"Memory Dumps", L"Privacy Threats"},
    {L"Chkdsk Files", L"Privacy Threats"},
    {L"Log Files", L"Privacy Threats"},
    {L"Cookies", L"Privacy Threats"},
    {L"History", L"Privacy Threats"},
    {L"Temporary IE", L"Privacy Threats"},
    {L"Advanced Privacy Threats Analysis", L"Privacy Threats"},
    {L"Progressive Registry Analysis", L"Registry"},
}};

namespace {

constexpr int BackupRow = 0;
constexpr int DeepAnalysisRow = 20;
constexpr int MaxIgnoredEntries = 51;
constexpr int ObsoleteSoftwarePage = 4;
constexpr int HelpFilesPage = 12;

const wchar_t CurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
const wchar_t NtCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Creates the folder with its missing parents; a failure is not reported.
void ForceFolder(const std::wstring& path) {
    if (!FolderExists(path))
        SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
}

tk::Error ReadError(const std::wstring& path) {
    return tk::Error(L"I/O error reading \"" + path + L"\": " + SystemErrorText(GetLastError()));
}

// The whole file as bytes; throws tk::Error when it cannot be opened or read.
std::string ReadFileBytes(const std::wstring& path) {
    tk::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw ReadError(path);
    std::string bytes;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            throw ReadError(path);
        if (read == 0)
            return bytes;
        bytes.append(buffer, read);
    }
}

// Lines of 8-bit text, at most maxLines, up to the first empty line.
std::vector<std::wstring> TextLines(const std::string& bytes, int maxLines) {
    std::vector<std::wstring> lines;
    std::size_t at = 0;
    while (at < bytes.size() && static_cast<int>(lines.size()) < maxLines) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (end == at)
            break;
        const int length = static_cast<int>(end - at);
        std::wstring line(MultiByteToWideChar(CP_ACP, 0, &bytes[at], length, nullptr, 0), L'\0');
        MultiByteToWideChar(CP_ACP, 0, &bytes[at], length, line.data(),
                            static_cast<int>(line.size()));
        lines.push_back(line);
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A name-list entry without the blank in front of it.
std::wstring Unpadded(const std::wstring& entry) {
    return entry.substr(1);
}

// Applies a stored "1" or "0" to a box; any other text leaves the designed state.
// A box whose state changes runs its handler, which writes the value back.
void ApplyToBox(const std::wstring& value, tk::CheckBox& box) {
    if (value == L"1")
        box.setChecked(true);
    else if (value == L"0")
        box.setChecked(false);
}

} // namespace

std::wstring SystemDrivePrefixOf(const std::wstring& systemRoot) {
    return RemoveText(L"WINDOWS", systemRoot);
}

void LoadIgnoreList(const std::wstring& path, tk::ListView& list,
                    std::vector<std::wstring>& scratch) {
    scratch.clear();
    if (!FileExists(path))
        return;
    for (const std::wstring& line : TextLines(ReadFileBytes(path), MaxIgnoredEntries)) {
        SplitText(line, L'=', scratch);
        tk::ListItem item;
        item.checked = true;
        item.caption = Unpadded(scratch.at(0));
        item.subItems = {scratch.size() > 1 ? Unpadded(scratch[1]) : std::wstring()};
        list.addItem(std::move(item));
    }
}

void TForm1::FormCreate() {
    AutoScanValue = ReadSetting(L"autoscan");
    labeldeep->hide();
    SelectAllState.fill(true);
    SelectAllState[0] = false;
    SelectAllState[ObsoleteSoftwarePage] = false;
    SelectAllState[HelpFilesPage] = false;
    readFolders();
    createProgramFolders();
    const std::wstring autoBackup = loadCheckBoxSettings();
    fillTrayIconData();
    tk::app().guard([this] { loadTraySetting(); });
    tk::app().guard([this] { loadSplashSetting(); });
    statustext->setCaption(L"Status : Ready");
    CategoryScanned.fill(false);
    showResultsPage();
    addResultsRows(autoBackup);
    setIgnoredColumns();
    loadIgnoreLists();
}

void TForm1::readFolders() {
    CommonFilesDir = ReadRegString(CurrentVersionKey, L"CommonFilesDir", HKEY_LOCAL_MACHINE);
    ProgramFilesDir = ReadRegString(CurrentVersionKey, L"ProgramFilesDir", HKEY_LOCAL_MACHINE);
    SystemRoot = ReadRegString(NtCurrentVersionKey, L"SystemRoot", HKEY_LOCAL_MACHINE);
    SystemDrivePrefix = SystemDrivePrefixOf(SystemRoot);
}

void TForm1::createProgramFolders() const {
    ForceFolder(ProgramFilesDir + L"\\Tidewell\\Backups");
    ForceFolder(ProgramFilesDir + L"\\Tidewell\\startbug");
}

// Each value is applied on its own: a failing one is shown and the next follows.
// Returns the stored "autobackup" text.
std::wstring TForm1::loadCheckBoxSettings() {
    auto& app = tk::app();
    app.guard([this] {
        const std::wstring value = ReadSetting(L"alwaysontop");
        if (value == L"1" || value == L"0")
            setTopmost(value == L"1");
        ApplyToBox(value, *CBontop);
    });
    app.guard([this] {
        const std::wstring value = ReadSetting(L"loadwithwin");
        ApplyToBox(value, *CBstartup);
        if (value == L"1")
            WriteStartupEntry();
        else if (value == L"0")
            DeleteStartupEntry();
    });
    app.guard([this] { ApplyToBox(ReadSetting(L"autorepair"), *CBautorepair); });
    app.guard([this] { ApplyToBox(ReadSetting(L"autoclose"), *CBautoexit); });
    app.guard([this] { ApplyToBox(ReadSetting(L"playsounds"), *CBsound); });
    const std::wstring autoBackup = ReadSetting(L"autobackup");
    app.guard([&] { ApplyToBox(autoBackup, *CBbackup); });
    app.guard([this] { ApplyToBox(ReadSetting(L"taskbarstatus"), *CBtaskbar); });
    return autoBackup;
}

void TForm1::fillTrayIconData() {
    TrayIconData = {};
    TrayIconData.hIcon = ProgramIcon();
    lstrcpynW(TrayIconData.szTip, tk::app().title().c_str(), 64);
    TrayIconData.hWnd = handle();
    TrayIconData.uCallbackMessage = TrayCallbackMessage;
    TrayIconData.uID = 1;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.cbSize = NOTIFYICONDATAW_V1_SIZE;
}

void TForm1::loadTraySetting() {
    const std::wstring value = ReadSetting(L"trayminimize");
    if (value != L"1" && value != L"0")
        return;
    ApplyToBox(value, *CBtraymin);
    applyTrayIcon(value == L"1");
}

void TForm1::loadSplashSetting() {
    ApplyToBox(ReadSetting(L"showsplash"), *CBsplash);
}

void TForm1::showResultsPage() {
    HiddenLV();
    for (ctl::TFlatButton* button :
         {OBall1.get(), OBall2.get(), OBall3.get(), OBall4.get(), OBhelp.get()})
        button->show();
    lvall->show();
    pcignored->hide();
    labelnode->hide();
    labelvalues->hide();
}

void TForm1::addResultsRows(const std::wstring& autoBackup) {
    LVbackup->clearColumns();
    LVbackup->addColumn(L"Backup File", 300);
    LVbackup->addColumn(L"Date Create", 100);
    LVbackup->addColumn(L"Time Create", 100);
    lvall->clearColumns();
    lvall->addColumn(L"Scanned Items", 210);
    lvall->addColumn(L"Number of Errors", 100, tk::Alignment::Center);
    lvall->addColumn(L"Category", 100);
    for (int row = 0; row < ResultsRowCount; ++row) {
        tk::ListItem item;
        item.caption = ResultsRows[row].caption;
        if (row == BackupRow) {
            // Any other text (absent included) follows the box's designed state.
            item.checked = autoBackup == L"1" || (autoBackup != L"0" && CBbackup->checked());
            item.subItems = {L""};
        } else {
            item.checked = row != DeepAnalysisRow;
            item.subItems = {L"0", ResultsRows[row].group};
        }
        lvall->addItem(std::move(item));
    }
}

void TForm1::setIgnoredColumns() {
    for (tk::ListView* list : {lvignoredsp.get(), lvignoredue.get(), lvignoredpc.get(),
                               lvignoredfe.get(), lvignoredax.get(), lvignoredda.get()}) {
        list->clearColumns();
        list->addColumn(L"Ignored Value", 180);
        list->addColumn(L"Error Location", 260);
    }
}

// A file that cannot be read is shown and the next file follows.
void TForm1::loadIgnoreLists() {
    const std::pair<const wchar_t*, tk::ListView*> files[] = {
        {L"Datasp.dat", lvignoredsp.get()}, {L"Dataue.dat", lvignoredue.get()},
        {L"Datapc.dat", lvignoredpc.get()}, {L"Datafe.dat", lvignoredfe.get()},
        {L"Dataax.dat", lvignoredax.get()},
    };
    for (const auto& file : files)
        tk::app().guard([&] {
            LoadIgnoreList(ProgramFilesDir + L"\\Tidecrest\\" + file.first, *file.second, ListBox1);
        });
}

void TForm1::HiddenLV() {
    OBhelp->hide();
    Timer1.setEnabled(false);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    for (tk::Control* control : pageControls())
        control->hide();
}
