// The category pages: each results row's findings list with its buttons and
// count, scanned the first time it is opened.
#include "cleaner/Unit1.h"

#include "toolkit/Application.h"

namespace {

template <class T> using Member = std::unique_ptr<T> TForm1::*;

struct PageButtons {
    Member<ctl::TGradButton> selectAll;
    Member<ctl::TFlatButton> ignore;
    Member<ctl::TGradButton> remove;
    Member<ctl::TGradButton> refresh;
};

struct CategoryPage {
    Member<tk::ListView> list;
    PageButtons buttons;
    int sharedPageType; // 0: the page has buttons of its own
    const wchar_t* scanningText;
    const wchar_t* scannedText;
};

const PageButtons StartupButtons = {&TForm1::OBsp1, &TForm1::OBsp2, &TForm1::OBsp3, &TForm1::OBsp4};
const PageButtons UninstallButtons = {&TForm1::OBue1, &TForm1::obue2, &TForm1::OBue3,
                                      &TForm1::OBue4};
const PageButtons ExtensionButtons = {&TForm1::OBfe1, &TForm1::obfe2, &TForm1::OBfe3,
                                      &TForm1::OBfe4};
const PageButtons ActiveXButtons = {&TForm1::OBax1, &TForm1::obax2, &TForm1::OBax3, &TForm1::OBax4};
const PageButtons VirtualButtons = {&TForm1::OBvd1, &TForm1::obvd2, &TForm1::OBvd3, &TForm1::OBvd4};
const PageButtons DocumentButtons = {&TForm1::OBpc1, &TForm1::obpc2, &TForm1::OBpc3,
                                     &TForm1::OBpc4};
const PageButtons CookieButtons = {&TForm1::OBco1, &TForm1::obco2, &TForm1::OBco3, &TForm1::OBco4};
const PageButtons AnalysisButtons = {&TForm1::OBda1, &TForm1::OBda2, &TForm1::OBda3,
                                     &TForm1::OBda4};
const PageButtons SharedButtons = {&TForm1::OBhis1, &TForm1::obhis2, &TForm1::OBhis3,
                                   &TForm1::OBhis4};

// Rows 1 to 20.
const CategoryPage CategoryPages[] = {
    {&TForm1::lvsp, StartupButtons, 0, L"Status : Scanning Startup Programs",
     L"Status : Scanned Startup Programs"},
    {&TForm1::lvue, UninstallButtons, 0, L"Status : Scanning Uninstaller Bugs ",
     L"Status : Scanned Uninstaller Bugs"},
    {&TForm1::lvfe, ExtensionButtons, 0, L"Status : Scanning Unused Extension",
     L"Status : Scanned Unused Extension"},
    {&TForm1::lvax, ActiveXButtons, 0, L"Status : Scanning ActiveX and DLLs",
     L"Status : Scanned ActiveX and DLLs"},
    {&TForm1::lvhelp, SharedButtons, 12, L"  Status : Scanning Help Files",
     L"  Status : Scanned Help Files"},
    {&TForm1::lvfont, SharedButtons, 11, L"  Status : Scanning Fonts Registration",
     L"  Status : Scanned Fonts Registration"},
    {&TForm1::lvvd, VirtualButtons, 0, L"  Status : Scanning Virtual Devices",
     L"  Status : Scanned Virtual Devices"},
    {&TForm1::lvos, SharedButtons, 4, L"  Status : Scanning Obsolete Software",
     L"  Status : Scanned Obsolete Software"},
    {&TForm1::lvpc, DocumentButtons, 0, L"Status : Scanning Recent Documents",
     L"Status : Scanned Recent Documents"},
    {&TForm1::lvbin, SharedButtons, 3, L"  Status : Scanning Recycle Bin",
     L"Status : Scanned Recycle Bin"},
    {&TForm1::lvdel, SharedButtons, 2, L"  Status : Scanning Temporary Files",
     L"  Status : Scanned Temporary Files"},
    {&TForm1::lvclip, SharedButtons, 5, L"Status : Scanning Clipboard",
     L"Status : Scanned Clipboard"},
    {&TForm1::lvdump, SharedButtons, 6, L"Status : Scanning Memory Dumps",
     L"Status : Scanned Memory Dumps"},
    {&TForm1::lvchk, SharedButtons, 7, L"Status : Scanning Chkdsk Files",
     L"Status : Scanned Chkdsk Files"},
    {&TForm1::lvlog, SharedButtons, 8, L"Status : Scanning Log Files",
     L"Status : Scanned Log Files"},
    {&TForm1::lvco, CookieButtons, 0, L"  Status : Scanning Cookies",
     L"  Status : Scanned Cookies"},
    {&TForm1::lvhis, SharedButtons, 1, L"  Status : Scanning History",
     L"  Status : Scanned History"},
    {&TForm1::lvtempie, SharedButtons, 9, L"Status : Scanning Temporary IE",
     L"Status : Scanned Temporary IE"},
    {&TForm1::lvadvanced, SharedButtons, 10, L"Status : Advanced Privacy Threats Analyzing",
     L"Status : Advanced Analyzing Completed"},
    {&TForm1::LV2, AnalysisButtons, 0, L"Status : Progressive Registry Analyzing",
     L"Status : Progressive Analyzing Completed"},
};

const CategoryPage& PageOf(int row) {
    return CategoryPages[row - FirstCategoryRow];
}

void ShowPageControls(TForm1& form, const CategoryPage& page) {
    const PageButtons& buttons = page.buttons;
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             (form.*page.list).get(), (form.*buttons.selectAll).get(), (form.*buttons.ignore).get(),
             (form.*buttons.remove).get(), (form.*buttons.refresh).get(), form.OBhelp.get()})
        control->show();
}

// Scans a category whose scan has not run since start-up or its last refresh. A
// scan that fails leaves the category unscanned.
void ScanOnce(TForm1& form, int row) {
    if (form.CategoryScanned[row])
        return;
    tk::Action* scan = form.BuiltAction(ResultsRows[row].scanAction);
    if (!scan)
        return;
    scan->execute();
    form.CategoryScanned[row] = true;
}

void ShowPage(TForm1& form, int row) {
    const CategoryPage& page = PageOf(row);
    form.HiddenLV();
    ShowPageControls(form, page);
    if (page.sharedPageType != 0) {
        form.PrivacyPageType = page.sharedPageType;
        form.OBhis1->setCaption(form.SelectAllState[page.sharedPageType] ? L"Unselect All"
                                                                         : L"Select All");
    }
    form.statustext->setCaption(page.scanningText);
    tk::app().processMessages();
    ScanOnce(form, row);
    form.ShowPageCount(row, !IsRegistryRow(row));
    form.statustext->setCaption(page.scannedText);
}

} // namespace

tk::Action* TForm1::BuiltAction(const wchar_t* name) {
    tk::Action* action = name ? ActionManager1.find(name) : nullptr;
    return action && action->onExecute ? action : nullptr;
}

tk::ListView& TForm1::CategoryList(int row) {
    return *(this->*PageOf(row).list);
}

int TForm1::CategoryCount(int row) {
    return row == RecycleBinRow ? RecycleBinCount : CategoryList(row).count();
}

int TForm1::SharedPageRow(int pageType) {
    if (pageType == 0)
        return 0;
    for (int row = FirstCategoryRow; row <= LastCategoryRow; ++row)
        if (PageOf(row).sharedPageType == pageType)
            return row;
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
    const FlowGuard flow(*this);
    if (flow.acquired())
        ShowPage(*this, row);
}

void TForm1::RefreshCategoryPage(int row) {
    const FlowGuard flow(*this);
    if (!flow.acquired())
        return;
    CategoryScanned[row] = false;
    ShowPage(*this, row);
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
