// Creation of the main window's state: folders, settings, tray record, results
// list and ignore lists; and the page switch every page starts with.

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/IgnoreLists.h"

#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <shlobj.h>

#include <algorithm>
#include <cwchar>

const std::array<ResultsRowInfo, ResultsRowCount> ResultsRows = {{
    {L"Create Registry Backup", L"", nullptr, nullptr},
    {L"Running While Startup", L"Registry", L"Startup", L"removesp"},
    {L"Uninstaller Bugs", L"Registry", L"Uninstall", L"removeue"},
    {L"Unused Extensions", L"Registry", L"FileExt", L"removefe"},
    {L"Missing ActiveX and DLLs", L"Registry", L"ActiveX", L"removeax"},
    {L"Help Files", L"Registry", L"helpfile", nullptr},
    {L"Fonts Registration", L"Registry", L"fontreg", nullptr},
    {L"Virtual Components", L"Registry", L"VirtualDevice", nullptr},
    {L"Obsolete Software", L"Registry", L"Obsolete", L"removeos"},
    {L"Recent Documents", L"Privacy Threats", L"Privacy", L"removepc"},
    {L"Recycle Bin", L"Privacy Threats", L"recycle", L"removebin"},
    {L"Temporary Files", L"Privacy Threats", L"temp_files", L"removetemp"},
    {L"Clipboard", L"Privacy Threats", L"clip", L"removeclip"},
    {L"Memory Dumps", L"Privacy Threats", L"dump", L"removedump"},
    {L"Chkdsk Files", L"Privacy Threats", L"chk", L"removechk"},
    {L"Log Files", L"Privacy Threats", L"log", L"removelog"},
    {L"Cookies", L"Privacy Threats", L"Cookies", L"removeco"},
    {L"History", L"Privacy Threats", L"history", L"removehis"},
    {L"Temporary IE", L"Privacy Threats", L"tempie", L"removetempie"},
    {L"Advanced Privacy Threats Analysis", L"Privacy Threats", L"advanced", L"removeadvanced"},
    {L"Progressive Registry Analysis", L"Registry", L"Deep", L"removeda"},
}};

bool IsRegistryRow(int row) {
    return std::wcscmp(ResultsRows[row].group, L"Registry") == 0;
}

namespace {

constexpr int ObsoleteSoftwarePage = 4;
constexpr int HelpFilesPage = 12;

const wchar_t CurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";

// Creates the folder with its missing parents; a failure is not reported.
void ForceFolder(const std::wstring& path) {
    if (!FolderExists(path))
        SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
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
    labelnode->hide();
    labelvalues->hide();
    addResultsRows(autoBackup);
    setIgnoredColumns();
    loadIgnoreLists();
}

void TForm1::readFolders() {
    CommonFilesDir = ReadRegString(CurrentVersionKey, L"CommonFilesDir", HKEY_LOCAL_MACHINE);
    ProgramFilesDir = ReadRegString(CurrentVersionKey, L"ProgramFilesDir", HKEY_LOCAL_MACHINE);
    SystemRoot = ReadRegString(NtCurrentVersionKey, L"SystemRoot", HKEY_LOCAL_MACHINE);
    SystemDrivePrefix = DriveRoot(SystemRoot);
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
    TrayIconData.hIcon = tk::app().icon();
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
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             OBall1.get(), OBall2.get(), OBall3.get(), OBall4.get(), OBhelp.get(), lvall.get()})
        control->show();
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
            item.checked = row != ProgressiveRow;
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
