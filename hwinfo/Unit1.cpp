#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace corvane {

namespace {

const COLORREF LinkBlue = RGB(0, 0, 255);
const COLORREF LinkRed = 255;

} // namespace

TForm1::TForm1() : tk::Form(L" Corvane", 656, 521) {
    setBounds(0, 0, 664, 555);
    centerOnScreen();
    setIcon(tk::app().icon());
    CreateTabs();
    CreatePictures();
    onCloseQuery = [this](bool& allowClose) {
        if (Filling()) {
            closePending_ = true;
            allowClose = false;
        }
    };
    onClose = [this] { FormClose(); };
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    SystemHasContent = false;
    ComponentHasContent = false;
    print_button->hide();
}

void TForm1::ActivePageChanged() {
    switch (PageControl1->activePage()) {
    case 0:
        TabSheet1Show();
        break;
    case 1:
        TabSheet2Show();
        break;
    case 2:
        TabSheet3Show();
        break;
    default:
        TabSheet4Show();
        break;
    }
}

void TForm1::TabSheet1Show() {
    print_button->setVisible(SystemHasContent);
}

void TForm1::TabSheet2Show() {
    print_button->setVisible(ComponentHasContent);
}

void TForm1::TabSheet3Show() {
    print_button->hide();
}

void TForm1::TabSheet4Show() {
    print_button->hide();
}

void TForm1::ShowSystemTab() {
    PageControl1->setActivePage(0);
    TabSheet1Show();
}

void TForm1::Button1Click() {
    close();
}

void TForm1::Button2Click() {
    ShowSystemTab();
}

void TForm1::SpeedButton2Click() {
    ShowSystemTab();
}

void TForm1::FormClose() {
    tk::app().terminate();
}

void TForm1::Label8MouseMove() {
    tk::FontSpec font = Label8->font();
    if (font.color == LinkRed)
        return;
    font.color = LinkRed;
    Label8->setFont(font);
}

void TForm1::Label8MouseLeave() {
    tk::FontSpec font = Label8->font();
    font.underline = true;
    font.color = LinkBlue;
    Label8->setFont(font);
}

void TForm1::Label8Click() {
    tk::seams().shellOpen(MakerUrl, L"", SW_SHOWNORMAL);
}

void TForm1::Label7MouseMove() {
    Label7->setCaption(ContactMail);
}

void TForm1::Label7MouseLeave() {
    Label7->setCaption(ContactName);
}

void TForm1::Label7Click() {
    tk::seams().shellOpen(std::wstring(L"mailto:") + ContactMail, L"", SW_SHOWNORMAL);
}

void TForm1::OpenProgramFile(const std::wstring& name) {
    const std::wstring folder = ReadRegString(L"Software\\Microsoft\\Windows\\CurrentVersion",
                                              L"ProgramFilesDir", HKEY_LOCAL_MACHINE);
    tk::seams().shellOpen(folder + L"\\Corvane\\" + name, L"", SW_SHOW);
}

void TForm1::obnewsClick() {
    OpenProgramFile(L"History.txt");
}

void TForm1::obhelpClick() {
    OpenProgramFile(L"Corvane Help.chm");
}

} // namespace corvane
