#include "hwinfo/Unit1.h"

#include <vector>

namespace corvane {

namespace {

struct PageButton {
    const wchar_t* caption;
    const wchar_t* hint;
    const wchar_t* action;
    void (TForm1::*handler)();
};

const std::vector<PageButton> SystemButtons = {
    {L"   System Summary", L"Show System Summary Information", L"Action10",
     &TForm1::Action10Execute},
    {L"   Mainboard", L"Show Mainboard Information  ", L"Action11", &TForm1::Action11Execute},
    {L"   CPU", L"Show Processor Information", L"Action12", &TForm1::Action12Execute},
    {L"   BIOS", L"Show BIOS Information", L"Action13", &TForm1::Action13Execute},
    {L"   APM", L"Show APM Information", L"Action14", &TForm1::Action14Execute},
    {L"   ACPI", L"Show ACPI Information", L"Action15", &TForm1::Action15Execute},
    {L"   Card Bus(es)", L"Show Bus(es) Information", L"Action16", &TForm1::Action16Execute},
    {L"   Video Adapter", L"Show Video Adapter Information", L"Action17", &TForm1::Action17Execute},
    {L"   Memory", L"", L"Action18", &TForm1::Action18Execute},
    {L"   Windows Info", L"", L"windowsinfo", &TForm1::windowsinfoExecute},
    {L"   Ports Info", L"", L"portsinfo", &TForm1::portsinfoExecute},
    {L"   MCI Device", L"", L"mci_device", &TForm1::mci_deviceExecute},
    {L"   Processes Info", L"", L"processes_info", &TForm1::processes_infoExecute},
};

const std::vector<PageButton> ComponentButtons = {
    {L"   Monitor", L"Show Monitor Information", L"Action1", &TForm1::Action1Execute},
    {L"   CD-ROM", L"Show CD-ROM Information", L"Action2", &TForm1::Action2Execute},
    {L"   Sound Device", L"Show Sound Device Information", L"Action3", &TForm1::Action3Execute},
    {L"   Keyboard", L"Show Keyboard  Information", L"Action4", &TForm1::Action4Execute},
    {L"   Pointing Device", L"Show Pointing Device Information", L"Action5",
     &TForm1::Action5Execute},
    {L"   Modem", L"Show Modem Information", L"Action6", &TForm1::Action6Execute},
    {L"   Storage", L"Show Storage Information", L"Action7", &TForm1::Action7Execute},
    {L"   Printer", L"Show Printer Information", L"Action8", &TForm1::Action8Execute},
    {L"   USB", L"Show USB Information", L"Action9", &TForm1::Action9Execute},
};

const wchar_t* const TabCaptions[] = {L"     System     ", L" Component ", L"    About     ",
                                      L"      Exit      "};

const COLORREF PictureBottom = RGB(11, 42, 74);

tk::FontSpec TahomaFont(int height, bool bold = false) {
    tk::FontSpec font;
    font.height = height;
    font.bold = bold;
    return font;
}

std::unique_ptr<tk::ListView> InfoList(tk::Control& page) {
    auto list = std::make_unique<tk::ListView>(page, 200, 8, 441, 444);
    list->setRowSelect(true);
    list->addColumn(L"Item", 150);
    list->addColumn(L"Value", 350);
    return list;
}

std::unique_ptr<tk::Panel> WaitingPanel(tk::Control& page) {
    auto panel = std::make_unique<tk::Panel>(page, 200, 8, 441, 479);
    panel->setBevelOuter(tk::Bevel::Lowered);
    panel->setBevelInner(tk::Bevel::Lowered);
    panel->hide();
    return panel;
}

std::unique_ptr<tk::Label> WaitingLabel(tk::Panel& panel, int top) {
    auto label = std::make_unique<tk::Label>(panel, 32, top, 380, 20);
    label->setFont(TahomaFont(13));
    return label;
}

} // namespace

void TForm1::CreateTabs() {
    PageControl1 = std::make_unique<tk::PageControl>(*this, 0, 0, clientWidth(), clientHeight());
    PageControl1->setCursor(tk::Cursor::HandPoint);
    tk::Panel** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4};
    for (int i = 0; i < 4; ++i)
        *sheets[i] = &PageControl1->addPage(TabCaptions[i]);
    PageControl1->onChange = [this] { ActivePageChanged(); };
    CreatePageTab(TInfoTab::System);
    CreatePageTab(TInfoTab::Component);
    CreateAboutTab();
    CreateExitTab();
    CreatePrintButton();
}

void TForm1::CreatePageTab(TInfoTab tab) {
    const bool system = tab == TInfoTab::System;
    tk::Panel& page = system ? *TabSheet1 : *TabSheet2;
    auto buttons = std::make_unique<TButtonGroup>(page, 8, 8, 185, 479, system ? 36 : 40);
    buttons->setCursor(tk::Cursor::HandPoint);
    buttons->setImages(system ? &ImageList2 : &ImageList1);
    for (const PageButton& entry : system ? SystemButtons : ComponentButtons) {
        tk::Action& action = ActionManager1.add(entry.action);
        action.caption = entry.caption;
        action.hint = entry.hint;
        action.onExecute = [this, handler = entry.handler] { (this->*handler)(); };
        buttons->addButton(entry.caption, entry.hint);
    }
    buttons->onButtonClicked = [this, system](int index) {
        const auto& table = system ? SystemButtons : ComponentButtons;
        ActionManager1.execute(table.at(static_cast<std::size_t>(index)).action);
    };
    auto list = InfoList(page);
    auto panel = WaitingPanel(page);
    auto label = WaitingLabel(*panel, system ? 32 : 24);
    if (system) {
        ButtonGroup2 = std::move(buttons);
        LV2 = std::move(list);
        Panel3 = std::move(panel);
        Label2 = std::move(label);
    } else {
        list->setReadOnly(true);
        ButtonGroup1 = std::move(buttons);
        LV1 = std::move(list);
        Panel1 = std::move(panel);
        Label1 = std::move(label);
    }
}

void TForm1::CreatePrintButton() {
    ActionManager1.add(L"printAction");
    const POINT origin = {205, 479};
    print_button = std::make_unique<tk::Button>(*this, origin.x, origin.y, 90, 30, L" Print.... ");
    print_button->setHint(L"Click to Print this page");
    print_button->setCursor(tk::Cursor::HandPoint);
    print_button->onClick = [this] { print_buttonClick(); };
    SetWindowPos(print_button->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm1::CreateAboutTab() {
    AboutBox = std::make_unique<tk::GroupBox>(*TabSheet3, 64, 53, 513, 353);
    AboutPicture = std::make_unique<tk::Image>(*AboutBox, 10, 18, 141, 325);
    AboutPicture->setStretch(true);
    Label7 = std::make_unique<THoverLabel>(*AboutPicture, 8, 300, 128, 16, ContactName);
    Label7->setColor(PictureBottom);
    Label7->setFont([] {
        tk::FontSpec font = TahomaFont(11);
        font.color = RGB(255, 255, 255);
        return font;
    }());
    Label7->onMouseMove = [this] { Label7MouseMove(); };
    Label7->onMouseLeave = [this] { Label7MouseLeave(); };
    Label7->onClick = [this] { Label7Click(); };

    ProductLabel = std::make_unique<tk::Label>(*AboutBox, 168, 22, 200, 18, L"Corvane");
    ProductLabel->setFont(TahomaFont(13, true));
    VersionLabel = std::make_unique<tk::Label>(*AboutBox, 168, 42, 200, 18, L"Version 2.4");
    VersionLabel->setFont(TahomaFont(13, true));
    AboutLine = std::make_unique<tk::Panel>(*AboutBox, 168, 68, 330, 2);
    AboutLine->setBevelOuter(tk::Bevel::Lowered);
    NoticeLabel = std::make_unique<tk::Label>(*AboutBox, 168, 80, 330, 48, MakerNotice);

    SupportBox =
        std::make_unique<tk::GroupBox>(*AboutBox, 168, 150, 330, 64, L"Support/Contact Details ");
    Label8 = std::make_unique<THoverLabel>(*SupportBox, 16, 28, 300, 16, MakerSite);
    Label8->setCursor(tk::Cursor::HandPoint);
    Label8MouseLeave();
    Label8->onMouseMove = [this] { Label8MouseMove(); };
    Label8->onMouseLeave = [this] { Label8MouseLeave(); };
    Label8->onClick = [this] { Label8Click(); };

    obnews = std::make_unique<ctl::TFlatButton>(*AboutBox, 168, 312, 100, 27);
    obnews->setCaption(L"What's New");
    obnews->setCursor(tk::Cursor::HandPoint);
    obnews->onClick = [this] { obnewsClick(); };
    obhelp = std::make_unique<ctl::TFlatButton>(*AboutBox, 278, 312, 90, 27);
    obhelp->setCaption(L"Help");
    obhelp->setCursor(tk::Cursor::HandPoint);
    obhelp->onClick = [this] { obhelpClick(); };
    SpeedButton2 = std::make_unique<tk::Button>(*AboutBox, 417, 313, 81, 25, L"OK");
    SpeedButton2->onClick = [this] { SpeedButton2Click(); };
}

void TForm1::CreateExitTab() {
    ExitBox = std::make_unique<tk::GroupBox>(*TabSheet4, 160, 136, 289, 161);
    ExitLabel =
        std::make_unique<tk::Label>(*ExitBox, 50, 48, 200, 18, L"Are you sure want to exit ?");
    ExitLabel->setFont(TahomaFont(13));
    Button2 = std::make_unique<tk::Button>(*ExitBox, 160, 104, 75, 25, L"No");
    Button2->onClick = [this] { Button2Click(); };
    Button1 = std::make_unique<tk::Button>(*ExitBox, 64, 104, 75, 25, L"Yes");
    Button1->onClick = [this] { Button1Click(); };
    for (tk::Button* button : {Button1.get(), Button2.get()})
        button->setCursor(tk::Cursor::HandPoint);
}

} // namespace corvane
