// The results page: scan all, repair all, select all and "Back to Main Menu".
#include "cleaner/Categories.h"

#include "toolkit/Application.h"

#include <cwchar>
#include <vector>

namespace tidewell {

namespace {

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
    const Category& category = CategoryOf(row);
    SetStatus(form, category.results.scanning);
    tk::app().answerStep();
    form.ActionManager1[row].scan();
    form.CategoryScanned[row] = true;
    SetCount(form, row, category.has(ScanAllCountsZero) ? 0 : form.LastFoundCount);
    SetStatus(form, category.results.scanned);
}

// Repairs one row; returns what its remove action asked the status line to say.
std::wstring RepairRow(TForm1& form, int row) {
    const StatusTexts& texts = CategoryOf(row).results;
    SetStatus(form, texts.repairing);
    tk::app().answerStep();
    form.ActionStatus.clear();
    if (const auto& remove = form.ActionManager1[row].remove) {
        remove();
        SetCount(form, row, form.LastFoundCount);
    } else {
        SetCount(form, row, form.CategoryList(row).count());
    }
    SetStatus(form, form.ActionStatus.empty() ? texts.repaired : form.ActionStatus);
    return form.ActionStatus;
}

// What a removal left undone, and the row of its category.
struct RepairNote {
    int row;
    std::wstring text;
};

// What a removal left undone says more than "Repair Complete". The line has room for one
// note; of several, it names the categories left as they were.
std::wstring RepairEndText(const std::vector<RepairNote>& notes) {
    if (notes.empty())
        return L"Repair Complete";
    if (notes.size() == 1)
        return notes.front().text;
    std::wstring text = L"Not cleared: ";
    for (std::size_t index = 0; index < notes.size(); ++index)
        text.append(index == 0 ? L"" : L", ").append(CategoryOf(notes[index].row).caption);
    return text;
}

// Backs up the registry when row 0 asks for it; false when the backup failed.
bool BackUpWhenAsked(TForm1& form) {
    if (!form.lvall->checked(BackupRow))
        return true;
    SetStatus(form, L"Backing up Registry");
    tk::app().answerStep();
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
    std::vector<RepairNote> notes;
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row) {
        std::wstring note = form.lvall->checked(row) ? RepairRow(form, row) : L"";
        if (!note.empty())
            notes.push_back({row, std::move(note)});
    }
    SetStatus(form, RepairEndText(notes));
    ShowTotals(form);
    if (ReadSetting(SettingName::AutoClose) == L"1")
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
    const std::wstring autoRepair = ReadSetting(SettingName::AutoRepair);
    tk::app().answerStep();
    if (autoRepair == L"1")
        RepairAll(form);
}

} // namespace

void TForm1::OBall2Click() {
    RunFlow([this] { ScanAll(*this); });
}

void TForm1::OBall4Click() {
    RunFlow([this] { RepairAll(*this); });
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
    const std::wstring autoBackup = ReadSetting(SettingName::AutoBackup);
    if (autoBackup == L"1" || autoBackup == L"0")
        lvall->setChecked(BackupRow, autoBackup == L"1");
    RecountRows(*this);
    ShowTotals(*this);
}

} // namespace tidewell
