// Creation of the main window's state: folders, settings, tray record, results
// list and ignore lists; and the page switch every page starts with.

#include "cleaner/Categories.h"
#include "cleaner/FileSystem.h"
#include "cleaner/registry_scan/IgnoreLists.h"

#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <shlobj.h>

namespace tidewell {

namespace {

const wchar_t BackupRowCaption[] = L"Create Registry Backup";

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
    AutoScanValue = ReadSetting(SettingName::AutoScan);
    labeldeep->hide();
    SelectAllState.fill(false);
    for (const Category& category : Categories)
        if (category.sharedPageType != 0)
            SelectAllState[category.sharedPageType] = !category.has(SelectAllStartsOff);
    readFolders();
    createProgramFolders();
    const std::wstring autoBackup = loadCheckBoxesReturningAutoBackup();
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
std::wstring TForm1::loadCheckBoxesReturningAutoBackup() {
    auto& app = tk::app();
    app.guard([this] {
        const std::wstring value = ReadSetting(SettingName::AlwaysOnTop);
        if (value == L"1" || value == L"0")
            setTopmost(value == L"1");
        ApplyToBox(value, *CBontop);
    });
    app.guard([this] {
        const std::wstring value = ReadSetting(SettingName::LoadWithWindows);
        ApplyToBox(value, *CBstartup);
        if (value == L"1")
            WriteStartupEntry();
        else if (value == L"0")
            DeleteStartupEntry();
    });
    app.guard([this] { ApplyToBox(ReadSetting(SettingName::AutoRepair), *CBautorepair); });
    app.guard([this] { ApplyToBox(ReadSetting(SettingName::AutoClose), *CBautoexit); });
    app.guard([this] { ApplyToBox(ReadSetting(SettingName::PlaySounds), *CBsound); });
    const std::wstring autoBackup = ReadSetting(SettingName::AutoBackup);
    app.guard([&] { ApplyToBox(autoBackup, *CBbackup); });
    app.guard([this] { ApplyToBox(ReadSetting(SettingName::TaskbarStatus), *CBtaskbar); });
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
    const std::wstring value = ReadSetting(SettingName::TrayMinimize);
    if (value != L"1" && value != L"0")
        return;
    ApplyToBox(value, *CBtraymin);
    applyTrayIcon(value == L"1");
}

void TForm1::loadSplashSetting() {
    ApplyToBox(ReadSetting(SettingName::ShowSplash), *CBsplash);
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
    tk::ListItem backup;
    backup.caption = BackupRowCaption;
    // Any other text (absent included) follows the box's designed state.
    backup.checked = autoBackup == L"1" || (autoBackup != L"0" && CBbackup->checked());
    backup.subItems = {L""};
    lvall->addItem(std::move(backup));
    for (const Category& category : Categories) {
        tk::ListItem item;
        item.caption = category.caption;
        item.checked = !category.has(StartsUnchecked);
        item.subItems = {L"0", KindText(category.kind)};
        lvall->addItem(std::move(item));
    }
}

void TForm1::setIgnoredColumns() {
    for (const Category& category : Categories) {
        if (!category.ignored.list)
            continue;
        tk::ListView& list = *(this->*category.ignored.list);
        list.clearColumns();
        list.addColumn(L"Ignored Value", 180);
        list.addColumn(L"Error Location", 260);
    }
}

// A file that cannot be read is shown and the next file follows.
void TForm1::loadIgnoreLists() {
    for (const Category& category : Categories)
        if (category.ignored.fileName)
            tk::app().guard([&] {
                LoadIgnoreList(IgnoreFilePath(*this, category), *(this->*category.ignored.list),
                               ListBox1);
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

} // namespace tidewell
