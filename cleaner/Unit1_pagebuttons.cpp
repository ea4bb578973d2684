// The buttons under the category pages: select or unselect all, remove the
// checked findings, refresh. The shared set acts on the page of PrivacyPageType.
#include "cleaner/Unit1.h"

#include "toolkit/Application.h"

#include <iterator>

namespace {

// Status texts around a page's remove action.
struct Removal {
    const wchar_t* removingText;
    const wchar_t* removedText;
};

// Removals of the shared buttons, by PrivacyPageType 1 to 10; the fonts and help
// pages (11 and 12) have none.
const Removal SharedRemovals[] = {
    {L"  Status : Repairing History", L"  Status : Repaired History"},
    {L"  Status : Repairing Temporary Files", L"  Status : Repaired Temporary files"},
    {L"  Status : Repairing Recycle Bin", L"  Status : Repaired Recycle Bin"},
    {L"  Status : Repairing Obsolete Software", L"  Status : Repaired Obsolete Software"},
    {L"  Status : Repairing Clipboard", L"  Status : Repaired Clipboard"},
    {L"  Status : Repairing Memory Dump", L"  Status : Repaired Memory Dump"},
    {L"  Status : Repairing Chkdsk Files", L"  Status : Repaired Chkdsk Files"},
    {L"  Status : Repairing Log Files", L"  Status : Repaired Log Files"},
    {L"  Status : Repairing Temporary IE", L"  Status : Repaired Temporary IE"},
    {L"  Status : Repairing Privacy Threats", L"  Status : Repaired Privacy Threats"},
};

constexpr int SharedRemovalCount = static_cast<int>(std::size(SharedRemovals));

// Removes the checked findings of a results row's category, then shows the count
// left on the page, in the words the page opened with, and in the results row.
void RemoveChecked(TForm1& form, int row, const Removal& removal) {
    const TForm1::FlowGuard flow(form);
    tk::Action* remove = form.BuiltAction(ResultsRows[row].removeAction);
    if (!flow.acquired() || !remove)
        return;
    form.statustext->setCaption(removal.removingText);
    tk::app().processMessages();
    form.ActionStatus.clear();
    remove->execute();
    form.ShowPageCount(row, !IsRegistryRow(row));
    form.statustext->setCaption(form.ActionStatus.empty() ? removal.removedText
                                                          : L"Status : " + form.ActionStatus);
}

} // namespace

bool TForm1::ToggleSelectAll(tk::Control& button, tk::ListView& list) {
    const bool check = button.caption() != L"Unselect All";
    for (int row = 0; row < list.count(); ++row)
        list.setChecked(row, check);
    button.setCaption(check ? L"Unselect All" : L"Select All");
    return check;
}

void TForm1::OBsp1Click() {
    ToggleSelectAll(*OBsp1, *lvsp);
}
void TForm1::OBue1Click() {
    ToggleSelectAll(*OBue1, *lvue);
}
void TForm1::OBpc1Click() {
    ToggleSelectAll(*OBpc1, *lvpc);
}
void TForm1::OBfe1Click() {
    ToggleSelectAll(*OBfe1, *lvfe);
}
void TForm1::OBax1Click() {
    ToggleSelectAll(*OBax1, *lvax);
}
void TForm1::OBda1Click() {
    ToggleSelectAll(*OBda1, *LV2);
}
void TForm1::OBco1Click() {
    ToggleSelectAll(*OBco1, *lvco);
}

void TForm1::OBsp3Click() {
    RemoveChecked(*this, StartupRow,
                  {L"Status : Repairing Startup Programs", L"Status : Repaired Startup Programs"});
}

void TForm1::OBue3Click() {
    RemoveChecked(*this, UninstallRow,
                  {L"Status : Repairing Uninstalls", L"Status : Repaired Uninstalls"});
}

void TForm1::OBfe3Click() {
    RemoveChecked(
        *this, ExtensionsRow,
        {L"Status : Repairing File Associations", L"Status : Repaired File Associations"});
}

void TForm1::OBax3Click() {
    RemoveChecked(*this, ActiveXRow,
                  {L"Status : Repairing DLLs/ActiveX", L"Status : Repaired DLLs/ActiveX"});
}

void TForm1::OBpc3Click() {
    RemoveChecked(*this, DocumentsRow,
                  {L"Status : Repairing Recent Documents", L"Status : Repaired Recent Documents"});
}

void TForm1::OBco3Click() {
    RemoveChecked(*this, CookiesRow,
                  {L"  Status : Repairing Cookies", L"  Status : Repaired Cookies"});
}

void TForm1::OBda3Click() {
    RemoveChecked(
        *this, ProgressiveRow,
        {L"Status : Repairing Invalid Filepaths ", L"Status : Repaired Invalid Filepaths"});
}

void TForm1::OBsp4Click() {
    RefreshCategoryPage(StartupRow);
}
void TForm1::OBue4Click() {
    RefreshCategoryPage(UninstallRow);
}
void TForm1::OBfe4Click() {
    RefreshCategoryPage(ExtensionsRow);
}
void TForm1::OBax4Click() {
    RefreshCategoryPage(ActiveXRow);
}
void TForm1::OBvd4Click() {
    RefreshCategoryPage(VirtualRow);
}
void TForm1::OBpc4Click() {
    RefreshCategoryPage(DocumentsRow);
}
void TForm1::OBco4Click() {
    RefreshCategoryPage(CookiesRow);
}
void TForm1::OBda4Click() {
    RefreshCategoryPage(ProgressiveRow);
}

void TForm1::OBhis1Click() {
    const int row = SharedPageRow(PrivacyPageType);
    if (row != 0)
        SelectAllState[PrivacyPageType] = ToggleSelectAll(*OBhis1, CategoryList(row));
}

void TForm1::OBhis3Click() {
    if (PrivacyPageType >= 1 && PrivacyPageType <= SharedRemovalCount)
        RemoveChecked(*this, SharedPageRow(PrivacyPageType), SharedRemovals[PrivacyPageType - 1]);
}

void TForm1::OBhis4Click() {
    const int row = SharedPageRow(PrivacyPageType);
    if (row != 0)
        RefreshCategoryPage(row);
}
