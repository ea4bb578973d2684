// Moving around the main window: the category bar's menus, a results row's
// page, the tray icon and its menu, the flashing indicators, the About page and
// the maker's web pages.
#include "cleaner/Categories.h"

#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace tidewell {

namespace {

// Where the category menus open, from the window's top left corner.
constexpr int MenuLeft = 655;
constexpr int MaximizedMenuLeft = 875;
constexpr int RegistryMenuTop = 214;
constexpr int PrivacyMenuTop = 242;

// Items of the bar's "Scan" category.
constexpr tk::CategoryHit RegistryBarItem = {0, 0};
constexpr tk::CategoryHit PrivacyBarItem = {0, 1};

constexpr COLORREF FlashRed = 255;
constexpr COLORREF FlashGrey = 12632256;

const wchar_t HelpPage[] = L"https://www.tidecrest.com/tidewell/help";
const wchar_t UpdatePage[] = L"https://www.tidecrest.com/tidewell/update";
const wchar_t HomePage[] = L"https://www.tidecrest.com/";

void PopupCategoryMenu(TForm1& form, tk::PopupMenu& menu, int top) {
    const RECT window = form.bounds();
    const bool maximized = form.windowState() == tk::WindowState::Maximized;
    menu.popup(window.left + (maximized ? MaximizedMenuLeft : MenuLeft), window.top + top,
               form.handle());
}

// The results row with this caption (1 to 20), or 0.
int CategoryRowOf(const std::wstring& caption) {
    for (const Category& category : Categories)
        if (caption == category.caption)
            return category.row;
    return 0;
}

// Ignored while a flow runs, as every page switch is.
void OpenRowPage(TForm1& form, const std::wstring& caption) {
    const int row = CategoryRowOf(caption);
    if (row == 0 || form.FlowRunning)
        return;
    form.CB1->setSelected(IsRegistryRow(row) ? RegistryBarItem : PrivacyBarItem);
    form.OpenCategoryPage(row);
}

void Flash(ctl::TFlatButton& indicator) {
    indicator.setInactiveColor(indicator.inactiveColor() == FlashRed ? FlashGrey : FlashRed);
}

void OpenWebPage(const wchar_t* address) {
    tk::seams().shellOpen(address, L"", SW_SHOWNORMAL);
}

} // namespace

void TForm1::CB1Categories0Items0Click() {
    PopupCategoryMenu(*this, pabregistry, RegistryMenuTop);
}

void TForm1::CB1Categories0Items1Click() {
    PopupCategoryMenu(*this, pabprivacy, PrivacyMenuTop);
}

void TForm1::lvallSelectItem(int index) {
    if (index < 0 || lvall->itemIndex() < 0)
        return;
    SelectedRowCaption = lvall->item(index).caption;
    OBall3->setEnabled(!FlowRunning);
}

void TForm1::OBall3Click() {
    OpenRowPage(*this, SelectedRowCaption);
}

void TForm1::lvallDblClick() {
    const int selected = lvall->itemIndex();
    if (selected < 0)
        return;
    SelectedRowCaption = lvall->item(selected).caption;
    OpenRowPage(*this, SelectedRowCaption);
}

bool TForm1::TrayIconMessage(WPARAM, LPARAM lParam) {
    if (lParam != WM_RBUTTONDOWN)
        return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    PopupMenu1.popup(cursor.x, cursor.y, handle());
    return true;
}

void TForm1::ShowWindow1Click() {
    show();
    ShowWindow(handle(), SW_SHOWNORMAL);
}

void TForm1::Exit1Click() {
    if (!DeferExitWhileFlowRuns(ExitRequest::Terminate))
        tk::app().terminate();
}

void TForm1::Timer1Timer() {
    Flash(*Oberror);
}
void TForm1::Timer3Timer() {
    Flash(*obpriv);
}
void TForm1::Timer4Timer() {
    Flash(*obmainerror);
}

void TForm1::CB1Categories1Items1Click() {
    HiddenLV();
    Panelabout->show();
    Panel3->show();
    Panel4->hide();
    OBhomepage->show();
    OBproupdate->show();
}

void TForm1::OBhelpClick() {
    OpenWebPage(HelpPage);
    setWindowState(tk::WindowState::Minimized);
}

void TForm1::OBproupdateClick() {
    OpenWebPage(UpdatePage);
}
void TForm1::OBhomepageClick() {
    OpenWebPage(HomePage);
}

} // namespace tidewell
