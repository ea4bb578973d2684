// The settings page's check boxes, the start-with-Windows entry, and what the
// main window stores when it closes and when it is destroyed.

#include "cleaner/Unit1.h"

#include "cleaner/FileSystem.h"
#include "registry/RegHelpers.h"

namespace tidewell {

namespace {

const wchar_t SettingsKey[] = L"Software\\Tidewell";
const wchar_t RunKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t StartupValueName[] = L"Tidewell";

void WriteSetting(const std::wstring& name, bool on) {
    WriteRegValue(HKEY_CURRENT_USER, std::wstring(L"\\") + SettingsKey, name,
                  std::wstring(on ? L"1" : L"0"), RegDataKind::String);
}

} // namespace

std::wstring ReadSetting(const std::wstring& name) {
    return ReadRegString(SettingsKey, name, HKEY_CURRENT_USER);
}

std::wstring StartupEntryCommand() {
    return ProgramFolder() + L"velloran.exe";
}

void WriteStartupEntry() {
    WriteRegValue(HKEY_CURRENT_USER, RunKey, StartupValueName, StartupEntryCommand(),
                  RegDataKind::String);
}

// Opens the Run key without creating it; nothing happens when it does not open.
void DeleteStartupEntry() {
    TRegAccess registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.OpenKey(RunKey, false))
        registry.DeleteValue(StartupValueName);
}

void TForm1::CBontopClick() {
    setTopmost(CBontop->checked());
    WriteSetting(SettingName::AlwaysOnTop, CBontop->checked());
}

void TForm1::CBstartupClick() {
    WriteSetting(SettingName::LoadWithWindows, CBstartup->checked());
    if (CBstartup->checked())
        WriteStartupEntry();
    else
        DeleteStartupEntry();
}

void TForm1::CBautorepairClick() {
    WriteSetting(SettingName::AutoRepair, CBautorepair->checked());
}

void TForm1::CBautoexitClick() {
    WriteSetting(SettingName::AutoClose, CBautoexit->checked());
}

void TForm1::CBsoundClick() {
    WriteSetting(SettingName::PlaySounds, CBsound->checked());
}

void TForm1::CBbackupClick() {
    WriteSetting(SettingName::AutoBackup, CBbackup->checked());
}

void TForm1::CBtaskbarClick() {
    WriteSetting(SettingName::TaskbarStatus, CBtaskbar->checked());
}

void TForm1::CBtrayminClick() {
    WriteSetting(SettingName::TrayMinimize, CBtraymin->checked());
    applyTrayIcon(CBtraymin->checked());
}

void TForm1::CBsplashClick() {
    WriteSetting(SettingName::ShowSplash, CBsplash->checked());
}

// The tray icon and the box that only matters while it is shown.
void TForm1::applyTrayIcon(bool on) {
    CBtaskbar->setEnabled(on);
    Shell_NotifyIconW(on ? NIM_ADD : NIM_DELETE, &TrayIconData);
}

void TForm1::CB1Categories1Items2Click() {
    HiddenLV();
    paneloption->show();
}

void TForm1::FormClose() {
    WriteSetting(SettingName::AutoScan, false);
}

void TForm1::FormDestroy() {
    Shell_NotifyIconW(NIM_DELETE, &TrayIconData);
    const std::wstring loadWithWindows = ReadSetting(SettingName::LoadWithWindows);
    if (loadWithWindows == L"1") {
        CBstartup->setChecked(true);
        WriteStartupEntry();
    } else if (loadWithWindows == L"0") {
        CBstartup->setChecked(false);
        DeleteStartupEntry();
    }
}

} // namespace tidewell
