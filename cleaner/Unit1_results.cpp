// The results page: scan all, repair all, select all and "Back to Main Menu".
#include "cleaner/Unit1.h"

#include "toolkit/Application.h"

#include <cwchar>

namespace {

// What a category row says while it runs; the texts follow "Status : ".
struct CategoryRow {
    const wchar_t* scanningText;
    const wchar_t* scannedText;
    const wchar_t* repairingText;
    const wchar_t* repairedText;
};

// Rows 1 to 20.
const CategoryRow CategoryRows[] = {
    {L"Scanning Startup Programs", L"Scanned Startup Programs", L"Repairing Startup Programs",
     L"Repaired Startup Programs"},
    {L"Scanning Uninstaller Bugs", L"Scanned Uninstaller Bugs", L"Repairing Uninstaller Bugs",
     L"Repaired Uninstaller Bugs"},
    {L"Scanning Unused Extensions", L"Scanned Unused Extensions", L"Repairing Unused Extensions",
     L"Repaired Unused Extensions"},
    {L"Scanning ActiveX and DLLs", L"Scanned ActiveX and DLLs",
     L"Repairing Missing ActiveX and DLLs", L"Repaired Missing ActiveX and DLLs"},
    {L"Scanning Help Files", L"Scanned Help Files", L"Repairing Help Files",
     L"Repaired Help Files"},
    {L"Scanning Fonts Registration", L"Scanned Fonts Registration", L"Repairing Fonts Registration",
     L"Repaired Fonts Registration"},
    {L"Scanning Virtual Components", L"Scanned Virtual Components", L"Repairing Virtual Components",
     L"Repaired Virtual Components"},
    {L"Scanning Obsolete Software", L"Scanned Obsolete Software", L"Repairing Obsolete Software",
     L"Repaired Obsolete Software"},
    {L"Scanning Recent Documents", L"Scanned Recent Documents", L"Repairing Recent Documents",
     L"Repaired Recent Documents"},
    {L"Scanning Recycle Bin", L"Scanned Recycle Bin", L"Repairing Recycle Bin",
     L"Repaired Recycle Bin"},
    {L"Scanning Temporary Files", L"Scanned Temporary Files", L"Repairing Temporary Files",
     L"Repaired Temporary Files"},
    {L"Scanning Clipboard", L"Scanned Clipboard", L"Repairing Clipboard", L"Repaired Clipboard"},
    {L"Scanning Memory Dumps", L"Scanned Memory Dumps", L"Repairing Memory Dumps",
     L"Repaired Memory Dumps"},
    {L"Scanning Chkdsk Files", L"Scanned Chkdsk Files", L"Repairing Chkdsk Files",
     L"Repaired Chkdsk Files"},
    {L"Scanning Log Files", L"Scanned Log Files", L"Repairing Log Files", L"Repaired Log Files"},
    {L"Scanning Cookies", L"Scanned Cookies", L"Repairing Cookies", L"Repaired Cookies"},
    {L"Scanning History", L"Scanned History", L"Repairing History", L"Repaired History"},
    {L"Scanning Temporary IE", L"Scanned Temporary IE", L"Repairing Temporary IE",
     L"Repaired Temporary IE"},
    {L"Advanced Privacy Threats Analyzing", L"Advanced Analyzing Completed",
     L"Repairing Privacy Threats", L"Repaired Privacy Threats"},
    {L"Progressive Registry Analyzing", L"Progressive Analyzing Completed", L"Repairing Registry",
     L"Repaired Registry"},
};

const CategoryRow& RowInfo(int row) {
    return CategoryRows[row - FirstCategoryRow];
}

void SetStatus(TForm1& form, const std::wstring& step) {
    form.statustext->setCaption(L"Status : " + step);
}

void SetCount(TForm1& form, int row, int count) {
    form.lvall->setSubItem(row, 0, std::to_wstring(count));
}

int CountOf(const TForm1& form, int row) {
    return std::wcstol(form.lvall->subItem(row, 0).c_str(), nullptr, 10);
}

struct Totals {
    int errors = 0;
    int privacy = 0;
};

Totals ReadTotals(const TForm1& form) {
    Totals totals;
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row)
        (IsRegistryRow(row) ? totals.errors : totals.privacy) += CountOf(form, row);
    return totals;
}

void ShowTotals(TForm1& form) {
    const Totals totals = ReadTotals(form);
    TForm1::ShowCount(*form.obpriv, form.Timer3, totals.privacy, true);
    TForm1::ShowCount(*form.obmainerror, form.Timer4, totals.errors, false);
}

void RecountRows(TForm1& form) {
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row)
        SetCount(form, row, form.CategoryCount(row));
}

void ScanRow(TForm1& form, int row) {
    tk::Action* scan = form.BuiltAction(ResultsRows[row].scanAction);
    if (!scan)
        return;
    const CategoryRow& info = RowInfo(row);
    SetStatus(form, info.scanningText);
    tk::app().processMessages();
    scan->execute();
    form.CategoryScanned[row] = true;
    const bool countsNothing = row == HelpFilesRow || row == FontsRow;
    SetCount(form, row, countsNothing ? 0 : form.LastFoundCount);
    SetStatus(form, info.scannedText);
}

// Repairs one row; returns what its remove action asked the status line to say.
std::wstring RepairRow(TForm1& form, int row) {
    const wchar_t* removeAction = ResultsRows[row].removeAction;
    tk::Action* remove = form.BuiltAction(removeAction);
    if (removeAction && !remove)
        return {};
    const CategoryRow& info = RowInfo(row);
    SetStatus(form, info.repairingText);
    tk::app().processMessages();
    form.ActionStatus.clear();
    if (remove) {
        remove->execute();
        SetCount(form, row, form.LastFoundCount);
    } else {
        SetCount(form, row, form.CategoryList(row).count());
    }
    SetStatus(form, form.ActionStatus.empty() ? info.repairedText : form.ActionStatus);
    return form.ActionStatus;
}

// Backs up the registry when row 0 asks for it; false when the backup failed.
bool BackUpWhenAsked(TForm1& form) {
    if (!form.lvall->checked(BackupRow))
        return true;
    SetStatus(form, L"Backing up Registry");
    tk::app().processMessages();
    if (!form.CreateRegistryBackup())
        return false;
    SetStatus(form, L"Created Backup");
    return true;
}

void RepairAll(TForm1& form) {
    RecountRows(form);
    const Totals totals = ReadTotals(form);
    if (totals.errors == 0 && totals.privacy == 0)
        return;
    form.obmainerror->hide();
    form.obpriv->hide();
    if (!BackUpWhenAsked(form)) {
        SetStatus(form, L"Repair Cancelled");
        ShowTotals(form);
        return;
    }
    // What a removal left undone says more than "Repair Complete", and the line has room
    // for one such note.
    std::wstring notes;
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row) {
        const std::wstring note = form.lvall->checked(row) ? RepairRow(form, row) : L"";
        if (!note.empty())
            notes += (notes.empty() ? L"" : L"; ") + note;
    }
    SetStatus(form, notes.empty() ? L"Repair Complete" : notes);
    ShowTotals(form);
    if (ReadSetting(L"autoclose") == L"1")
        tk::app().terminate();
}

void ScanAll(TForm1& form) {
    form.obpriv->hide();
    form.Oberror->hide();
    form.obmainerror->hide();
    form.lvall->setSubItem(BackupRow, 0, L"");
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row)
        SetCount(form, row, 0);
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row)
        if (form.lvall->checked(row))
            ScanRow(form, row);
    SetStatus(form, L"Complete Scan Your PC");
    ShowTotals(form);
    const std::wstring autoRepair = ReadSetting(L"autorepair");
    tk::app().processMessages();
    if (autoRepair == L"1")
        RepairAll(form);
}

} // namespace

void TForm1::OBall2Click() {
    const FlowGuard flow(*this);
    if (flow.acquired())
        ScanAll(*this);
}

void TForm1::OBall4Click() {
    const FlowGuard flow(*this);
    if (flow.acquired())
        RepairAll(*this);
}

// The count column in bold red, the group column in black.
void TForm1::lvallCustomDrawSubItem(int, int subItem, tk::CellStyle& style) {
    if (subItem == 1)
        style = {RGB(255, 0, 0), true};
    else if (subItem == 2)
        style.textColor = RGB(0, 0, 0);
}

void TForm1::OBall1Click() {
    ToggleSelectAll(*OBall1, *lvall);
}

void TForm1::OBscanpcClick() {
    showResultsPage();
    const std::wstring autoBackup = ReadSetting(L"autobackup");
    if (autoBackup == L"1" || autoBackup == L"0")
        lvall->setChecked(BackupRow, autoBackup == L"1");
    RecountRows(*this);
    ShowTotals(*this);
}
