// The category pages: each results row's findings list with its buttons and
// count, scanned the first time it is opened.
#include "cleaner/Categories.h"

#include "toolkit/Application.h"

namespace tidewell {

namespace {

void ShowPageControls(TForm1& form, const Category& category) {
    for (tk::Control* control : CategoryPageControls(form, category))
        control->show();
    form.OBhelp->show();
}

// Scans a category whose scan has not run since start-up or its last refresh. A
// scan that fails leaves the category unscanned.
void ScanOnce(TForm1& form, int row) {
    if (form.CategoryScanned[row])
        return;
    form.ActionManager1[row].scan();
    form.CategoryScanned[row] = true;
}

void ShowPage(TForm1& form, int row) {
    const Category& category = CategoryOf(row);
    form.HiddenLV();
    ShowPageControls(form, category);
    if (const int type = category.sharedPageType; type != 0) {
        form.PrivacyPageType = type;
        form.OBhis1->setCaption(form.SelectAllState[type] ? L"Unselect All" : L"Select All");
    }
    form.statustext->setCaption(category.page.scanning);
    tk::app().answerStep();
    ScanOnce(form, row);
    form.ShowPageCount(row, !IsRegistryRow(row));
    form.statustext->setCaption(category.page.scanned);
}

} // namespace

tk::ListView& TForm1::CategoryList(int row) {
    return *(this->*CategoryOf(row).list);
}

int TForm1::CategoryCount(int row) {
    return CategoryOf(row).has(CountsBinItems) ? RecycleBinCount : CategoryList(row).count();
}

int TForm1::SharedPageRow(int pageType) {
    if (pageType == 0)
        return 0;
    for (const Category& category : Categories)
        if (category.sharedPageType == pageType)
            return category.row;
    return 0;
}

void TForm1::ShowPageCount(int row, bool privacyWords) {
    const int count = CategoryCount(row);
    ShowCount(*Oberror, Timer1, count, privacyWords);
    lvall->setSubItem(row, 0, std::to_wstring(count));
}

void TForm1::ShowCount(ctl::TFlatButton& indicator, tk::Timer& flashing, int count,
                       bool privacyWords) {
    if (count > 0) {
        indicator.setInactiveColor(255);
        indicator.setCaption(std::to_wstring(count) +
                             (privacyWords ? L" Privacy Threats Found" : L" Errors Found"));
        flashing.setEnabled(true);
    } else {
        indicator.setInactiveColor(0);
        indicator.setCaption(privacyWords ? L"No Privacy Threats Found" : L"No Errors Found");
        flashing.setEnabled(false);
    }
    indicator.show();
}

void TForm1::OpenCategoryPage(int row) {
    RunFlow([this, row] { ShowPage(*this, row); });
}

void TForm1::RefreshCategoryPage(int row) {
    RunFlow([this, row] {
        CategoryScanned[row] = false;
        ShowPage(*this, row);
    });
}

void TForm1::RunningWhileStartup1Click() {
    OpenCategoryPage(StartupRow);
}
void TForm1::UninstallerBugs1Click() {
    OpenCategoryPage(UninstallRow);
}
void TForm1::UnusedExtensions1Click() {
    OpenCategoryPage(ExtensionsRow);
}
void TForm1::MissingActiveXandDLLs1Click() {
    OpenCategoryPage(ActiveXRow);
}
void TForm1::H1Click() {
    OpenCategoryPage(HelpFilesRow);
}
void TForm1::FontsRegistra1Click() {
    OpenCategoryPage(FontsRow);
}
void TForm1::VirtualComponent1Click() {
    OpenCategoryPage(VirtualRow);
}
void TForm1::ObseleteSoftware1Click() {
    OpenCategoryPage(ObsoleteRow);
}
void TForm1::RecentDocuments2Click() {
    OpenCategoryPage(DocumentsRow);
}
void TForm1::RecycleBin2Click() {
    OpenCategoryPage(RecycleBinRow);
}
void TForm1::emporaryFiles1Click() {
    OpenCategoryPage(TempFilesRow);
}
void TForm1::Clipboard1Click() {
    OpenCategoryPage(ClipboardRow);
}
void TForm1::MemoryDumps1Click() {
    OpenCategoryPage(DumpsRow);
}
void TForm1::ChkdskFiles2Click() {
    OpenCategoryPage(ChkdskRow);
}
void TForm1::LogFiles2Click() {
    OpenCategoryPage(LogFilesRow);
}
void TForm1::Cookies1Click() {
    OpenCategoryPage(CookiesRow);
}
void TForm1::History1Click() {
    OpenCategoryPage(HistoryRow);
}
void TForm1::emporaryIE1Click() {
    OpenCategoryPage(TempIERow);
}
void TForm1::AdvancedAnalysis1Click() {
    OpenCategoryPage(AdvancedRow);
}
void TForm1::ProgressiveClick() {
    OpenCategoryPage(ProgressiveRow);
}

} // namespace tidewell
