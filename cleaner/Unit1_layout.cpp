// The main window's controls, created from tables, and the binding of their
// events to the handlers.

#include "cleaner/Categories.h"
#include "cleaner/Pictures.h"

#include <algorithm>
#include <tuple>

namespace tidewell {

namespace {

struct Bounds {
    int x, y, width, height;
};

// Every page's list or panel fills the page area inside its bevel.
constexpr Bounds PageBounds = {2, 2, 586, 380};
// Row of page buttons below the page area.
constexpr int ButtonRowY = 400;
constexpr int ButtonHeight = 28;
constexpr COLORREF SkyBlue = RGB(166, 202, 240);
constexpr int OptimizerBarHeight = 21;

// Puts a picture beneath the controls that stand on it.
void SendToBack(tk::Control& control) {
    SetWindowPos(control.handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

template <class T> T& Make(TForm1& form, Member<T> member, tk::Control& parent, Bounds at) {
    form.*member = std::make_unique<T>(parent, at.x, at.y, at.width, at.height);
    return *(form.*member);
}

void Bind(TForm1& form, tk::Control& control, Handler handler) {
    if (handler)
        control.onClick = [&form, handler] { (form.*handler)(); };
}

tk::FontSpec BoldFont() {
    tk::FontSpec font;
    font.bold = true;
    return font;
}

struct FlatButtonSpec {
    Member<ctl::TFlatButton> button;
    const wchar_t* caption;
    Bounds at;
    Handler click;
};

ctl::TFlatButton& MakeFlatButton(TForm1& form, tk::Control& parent, const FlatButtonSpec& entry) {
    auto& button = Make(form, entry.button, parent, entry.at);
    button.setCaption(entry.caption);
    button.setColor(GetSysColor(COLOR_BTNFACE));
    button.setHoverFont(BoldFont());
    Bind(form, button, entry.click);
    return button;
}

struct GradButtonSpec {
    Member<ctl::TGradButton> button;
    const wchar_t* caption;
    Bounds at;
    Handler click;
};

ctl::TGradButton& MakeGradButton(TForm1& form, tk::Control& parent, const GradButtonSpec& entry) {
    auto& button = Make(form, entry.button, parent, entry.at);
    button.setColorScheme(ctl::TGradButton::ColorScheme::NeoSilver);
    button.setCaption(entry.caption);
    Bind(form, button, entry.click);
    return button;
}

// A category list: report style, check boxes, whole-row selection, no border.
tk::ListView& MakeList(TForm1& form, Member<tk::ListView> member, tk::Control& parent, Bounds at,
                       bool checkBoxes) {
    auto& list = Make(form, member, parent, at);
    list.setCheckBoxes(checkBoxes);
    list.setRowSelect(true);
    list.setReadOnly(true);
    list.setBorder(false);
    return list;
}

struct CheckBoxSpec {
    Member<tk::CheckBox> box;
    const wchar_t* caption;
    bool designedChecked;
    Handler click;
};

// Settings boxes of the two groups, top to bottom; the hidden "Play Sounds"
// box stands where "Automatically Create Registry Backups" stands.
const CheckBoxSpec AdvancedSettings[] = {
    {&TForm1::CBontop, L"Always on Top", true, &TForm1::CBontopClick},
    {&TForm1::CBstartup, L"Load on Windows Startup", false, &TForm1::CBstartupClick},
    {&TForm1::CBautorepair, L"Repair Errors Automatically", true, &TForm1::CBautorepairClick},
    {&TForm1::CBautoexit, L"Exit Programs When Complete", false, &TForm1::CBautoexitClick},
    {&TForm1::CBbackup, L"Automatically Create Registry Backups", true, &TForm1::CBbackupClick},
};
const CheckBoxSpec SoundSetting = {&TForm1::CBsound, L"Play Sounds", false, &TForm1::CBsoundClick};
const CheckBoxSpec DisplaySettings[] = {
    {&TForm1::CBtraymin, L"Show System Tray Icon", true, &TForm1::CBtrayminClick},
    {&TForm1::CBtaskbar, L"Hide Taskbar When Minimized", true, &TForm1::CBtaskbarClick},
    {&TForm1::CBsplash, L"Show Startup Splash Screen", false, &TForm1::CBsplashClick},
};

constexpr int CheckBoxTop = 26;
constexpr int CheckBoxPitch = 28;

Bounds CheckBoxBounds(int index) {
    return {20, CheckBoxTop + index * CheckBoxPitch, 420, 20};
}

// The designed state is set before the handler is bound, so creation writes nothing.
void MakeCheckBox(TForm1& form, tk::Control& group, const CheckBoxSpec& entry, int index) {
    auto& box = Make(form, entry.box, group, CheckBoxBounds(index));
    box.setCaption(entry.caption);
    box.setColor(GetSysColor(COLOR_WINDOW));
    box.setChecked(entry.designedChecked);
    Bind(form, box, entry.click);
}

struct MenuEntry {
    const wchar_t* caption;
    Handler click;
};

// The page menu of each kind lists its categories in row order.
void AddPageEntries(TForm1& form, tk::PopupMenu& menu, CategoryKind kind) {
    for (const Category& category : Categories)
        if (category.kind == kind)
            menu.addItem(category.caption, [&form, open = category.openPage] { (form.*open)(); });
}

// Items of the category bar and their handlers, in the order shown.
struct BarCategory {
    const wchar_t* caption;
    std::vector<MenuEntry> items;
};

const BarCategory BarCategories[] = {
    {L"Scan",
     {{L" Registry ", &TForm1::CB1Categories0Items0Click},
      {L" Privacy Threats", &TForm1::CB1Categories0Items1Click}}},
    {L"More Options",
     {{L" Registry Optimizer", &TForm1::CB1Categories1Items3Click},
      {L" Backups", &TForm1::CB1Categories1Items0Click},
      {L" About", &TForm1::CB1Categories1Items1Click},
      {L" Settings", &TForm1::CB1Categories1Items2Click}}},
};

// Fixed texts of the Registry Optimizer page.
struct LabelSpec {
    const wchar_t* caption;
    Bounds at;
};

const std::wstring Rule(96, L'_');

const LabelSpec OptimizerTexts[] = {
    {L"Optimizing Hive:", {20, 22, 170, 16}},
    {Rule.c_str(), {20, 66, 520, 16}},
    {L"Organizing Registry Keys: ", {20, 100, 170, 16}},
    {Rule.c_str(), {20, 122, 520, 16}},
    {L"Node:", {20, 156, 170, 16}},
    {Rule.c_str(), {20, 196, 520, 16}},
    {L"Node Values:", {20, 230, 170, 16}},
};

} // namespace

TForm1::TForm1() : tk::Form(L"Tidewell ver 3.6 ", 803, 576) {
    setBorderStyle(tk::BorderStyle::Single);
    setClientSize(803, 576);
    centerOnScreen();
    setIcon(tk::app().icon());
    createFrame();
    createResultsPage();
    createCategoryLists();
    createPageButtons();
    createIgnoredLists();
    createSettingsPage();
    createBackupsPage();
    createAboutPage();
    createOptimizerPage();
    createMenusAndTimers();
    createActions();
    bindWindowEvents();
    FormCreate();
}

// The window goes first, while the controls its destroy handler uses still exist.
TForm1::~TForm1() {
    if (handle())
        DestroyWindow(handle());
}

void TForm1::createFrame() {
    Make(*this, &TForm1::ImageBanner, *this, {0, 0, 803, 81}).setPicture(BannerPicture(803, 81));
    auto& strip = Make(*this, &TForm1::PanelStatus, *this, {0, 81, 803, 32});
    strip.setBevelOuter(tk::Bevel::None);
    strip.setColor(StatusStripColor);
    auto& stripPicture = Make(*this, &TForm1::ImageStatus, strip, {0, 0, 803, 32});
    stripPicture.setStretch(true);
    stripPicture.setPicture(StatusStripPicture(803, 32));
    auto& status = Make(*this, &TForm1::statustext, strip, {10, 9, 270, 16});
    status.setFont(BoldFont());
    Make(*this, &TForm1::PB, strip, {285, 6, 233, 20})
        .setColorScheme(ctl::TGradProgressBar::ColorScheme::Grass);
    Make(*this, &TForm1::labeldeep, strip, {528, 9, 265, 16}).setColor(StatusStripColor);
    SendToBack(stripPicture);

    auto& work = Make(*this, &TForm1::PanelWork, *this, {0, 113, 803, 463});
    work.setBevelOuter(tk::Bevel::None);
    auto& pageArea = Make(*this, &TForm1::Panel10, work, {8, 8, 590, 384});
    pageArea.setBevelOuter(tk::Bevel::Lowered);
    pageArea.setBevelWidth(2);

    MakeFlatButton(
        *this, work,
        {&TForm1::OBscanpc, L"Back to Main Menu", {625, 8, 168, 26}, &TForm1::OBscanpcClick})
        .setFont(BoldFont());
    auto& help = MakeFlatButton(*this, work,
                                {&TForm1::OBhelp, L"?", {568, 398, 30, 28}, &TForm1::OBhelpClick});
    help.setHint(L"Help");
    help.setFont(BoldFont());

    auto& bar = Make(*this, &TForm1::CB1, work, {610, 40, 183, 329});
    bar.setFont(BoldFont());
    bar.setButtonWidth(150);
    bar.setButtonHeight(28);
    bar.setVerticalCaptions(true);
    bar.setGradientFill(true);
    bar.setSelectedColor(SkyBlue);
    for (const BarCategory& category : BarCategories) {
        const int index = bar.addCategory(category.caption);
        for (const MenuEntry& item : category.items)
            bar.addItem(index, item.caption);
    }

    const std::pair<Member<ctl::TFlatButton>, int> indicators[] = {
        {&TForm1::obmainerror, 398}, {&TForm1::obpriv, 430}, {&TForm1::Oberror, 430}};
    for (const auto& [member, top] : indicators) {
        auto& indicator = Make(*this, member, work, {610, top, 183, 23});
        indicator.setFont(BoldFont());
        indicator.setInactiveColor(0);
        indicator.setEnabled(false);
    }
}

void TForm1::createResultsPage() {
    MakeList(*this, &TForm1::lvall, *Panel10, PageBounds, true);
    const GradButtonSpec buttons[] = {
        {&TForm1::OBall1,
         L"Unselect All",
         {8, ButtonRowY, 120, ButtonHeight},
         &TForm1::OBall1Click},
        {&TForm1::OBall3,
         L"Detail Items",
         {134, ButtonRowY, 120, ButtonHeight},
         &TForm1::OBall3Click},
        {&TForm1::OBall2,
         L"Scan Your PC Now",
         {260, ButtonRowY, 145, ButtonHeight},
         &TForm1::OBall2Click},
        {&TForm1::OBall4,
         L"Repair Errors Now !",
         {411, ButtonRowY, 150, ButtonHeight},
         &TForm1::OBall4Click},
    };
    for (const GradButtonSpec& entry : buttons)
        MakeGradButton(*this, *PanelWork, entry).setFont(BoldFont());
    OBall3->setEnabled(false);
}

void TForm1::createCategoryLists() {
    MakeList(*this, &TForm1::LV, *Panel10, PageBounds, true);
    for (const Category& category : Categories)
        MakeList(*this, category.list, *Panel10, PageBounds, true);
    MakeList(*this, &TForm1::LVback, *Panel10, PageBounds, true).hide();
}

// Each set once: twelve categories share one.
void TForm1::createPageButtons() {
    constexpr int Width = 132;
    constexpr int Pitch = 138;
    for (const Category& category : Categories) {
        const PageButtonSet& set = category.buttons;
        if (this->*set.selectAll)
            continue;
        MakeGradButton(*this, *PanelWork,
                       {set.selectAll,
                        L"Unselect All",
                        {8, ButtonRowY, Width, ButtonHeight},
                        set.selectAllClick});
        MakeFlatButton(*this, *PanelWork,
                       {set.ignore,
                        L"Ignore Items",
                        {8 + Pitch, ButtonRowY, Width, ButtonHeight},
                        set.ignoreClick});
        MakeGradButton(*this, *PanelWork,
                       {set.remove,
                        L"Remove Checked Items",
                        {8 + 2 * Pitch, ButtonRowY, Width, ButtonHeight},
                        set.removeClick});
        MakeGradButton(*this, *PanelWork,
                       {set.refresh,
                        L"Refresh",
                        {8 + 3 * Pitch, ButtonRowY, Width, ButtonHeight},
                        set.refreshClick});
    }
}

void TForm1::createIgnoredLists() {
    auto& pages = Make(*this, &TForm1::pcignored, *Panel10, PageBounds);
    for (const Category& category : Categories) {
        const IgnoredItems& ignored = category.ignored;
        if (!ignored.list)
            continue;
        tk::Panel& page = pages.addPage(ignored.pageCaption);
        MakeList(*this, ignored.list, page, {0, 0, page.clientWidth(), page.clientHeight()}, true);
        if (ignored.removeButton)
            MakeFlatButton(*this, *PanelWork,
                           {ignored.removeButton,
                            L"Remove Ignored Key",
                            {8, ButtonRowY, 170, ButtonHeight},
                            ignored.removeClick});
    }
}

void TForm1::createSettingsPage() {
    auto& page = Make(*this, &TForm1::paneloption, *Panel10, PageBounds);
    page.setBevelOuter(tk::Bevel::None);
    page.setColor(GetSysColor(COLOR_WINDOW));
    const int advancedCount = static_cast<int>(std::size(AdvancedSettings));
    const int displayCount = static_cast<int>(std::size(DisplaySettings));
    auto& advanced = Make(*this, &TForm1::GroupAdvanced, page,
                          {16, 16, 554, CheckBoxTop + advancedCount * CheckBoxPitch + 4});
    advanced.setCaption(L"Advanced Settings");
    auto& display = Make(*this, &TForm1::GroupDisplay, page,
                         {16, advanced.top() + advanced.height() + 16, 554,
                          CheckBoxTop + displayCount * CheckBoxPitch + 4});
    display.setCaption(L"Display Settings");
    for (auto* group : {&advanced, &display})
        group->setColor(GetSysColor(COLOR_WINDOW));
    for (int i = 0; i < advancedCount; ++i)
        MakeCheckBox(*this, advanced, AdvancedSettings[i], i);
    MakeCheckBox(*this, advanced, SoundSetting, advancedCount - 1);
    CBsound->hide();
    for (int i = 0; i < displayCount; ++i)
        MakeCheckBox(*this, display, DisplaySettings[i], i);
}

void TForm1::createBackupsPage() {
    auto& list = MakeList(*this, &TForm1::LVbackup, *Panel10, PageBounds, false);
    list.setBorder(true);
    const GradButtonSpec buttons[] = {
        {&TForm1::OBbackup,
         L"Create Backup Now",
         {8, ButtonRowY, 170, ButtonHeight},
         &TForm1::OBbackupClick},
        {&TForm1::OBrestorebackup,
         L"Restore Selected Backup",
         {184, ButtonRowY, 190, ButtonHeight},
         &TForm1::OBrestorebackupClick},
        {&TForm1::OBdeletebackup,
         L"Delete Selected",
         {380, ButtonRowY, 170, ButtonHeight},
         &TForm1::OBdeletebackupClick},
    };
    for (const GradButtonSpec& entry : buttons)
        MakeGradButton(*this, *PanelWork, entry);
}

void TForm1::createAboutPage() {
    auto& background = Make(*this, &TForm1::Panelabout, *Panel10, PageBounds);
    background.setBevelOuter(tk::Bevel::Raised);
    const Bounds inner = {12, 12, PageBounds.width - 24, PageBounds.height - 24};
    auto& box = Make(*this, &TForm1::Panel3, background, inner);
    box.setBevelOuter(tk::Bevel::Lowered);
    box.setColor(RGB(255, 255, 255));
    Make(*this, &TForm1::ImageAbout, box, {1, 1, inner.width - 2, inner.height - 2})
        .setPicture(AboutPicture(inner.width - 2, inner.height - 2));
    auto& version =
        Make(*this, &TForm1::LabelVersion, box, {inner.width - 70, inner.height - 30, 50, 16});
    version.setCaption(L"3.6");
    version.setFont(BoldFont());
    version.setColor(RGB(255, 255, 255));
    SendToBack(*ImageAbout);
    const FlatButtonSpec buttons[] = {
        {&TForm1::OBhomepage,
         L"Visit Homepage",
         {8, ButtonRowY, 150, ButtonHeight},
         &TForm1::OBhomepageClick},
        {&TForm1::OBproupdate,
         L"Update Tidecrest",
         {164, ButtonRowY, 150, ButtonHeight},
         &TForm1::OBproupdateClick},
    };
    for (const FlatButtonSpec& entry : buttons)
        MakeFlatButton(*this, *PanelWork, entry);
}

void TForm1::createOptimizerPage() {
    const RECT inner = Panel3->bounds();
    auto& page = Make(*this, &TForm1::Panel4, *Panelabout,
                      {inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top});
    page.setBevelOuter(tk::Bevel::Lowered);
    for (const LabelSpec& text : OptimizerTexts) {
        OptimizerLabels.push_back(std::make_unique<tk::Label>(
            page, text.at.x, text.at.y, text.at.width, text.at.height, text.caption));
        OptimizerLabels.back()->setFont(BoldFont());
    }
    const std::tuple<Member<tk::Panel>, Member<ctl::TFrameProgressBar>, int> bars[] = {
        {&TForm1::PanelHive, &TForm1::PBHive, 18}, {&TForm1::PanelNodes, &TForm1::PBNodes, 96}};
    for (const auto& [panel, bar, top] : bars) {
        auto& frame = Make(*this, panel, page, {200, top, 340, OptimizerBarHeight + 2});
        frame.setBevelOuter(tk::Bevel::Lowered);
        Make(*this, bar, frame, {1, 1, 338, OptimizerBarHeight}).setShowFrame(false);
    }
    const std::pair<Member<ctl::TFocusText>, Bounds> texts[] = {
        {&TForm1::Hivetext, {20, 46, 520, 17}},
        {&TForm1::labelnode, {20, 176, 520, 17}},
        {&TForm1::labelvalues, {20, 250, 520, 17}},
    };
    for (const auto& [member, at] : texts)
        Make(*this, member, page, at).setColor(page.color());
    MakeGradButton(*this, *PanelWork,
                   {&TForm1::OBoptimize,
                    L"Optimize Now",
                    {8, ButtonRowY, 150, ButtonHeight},
                    &TForm1::OBoptimizeClick});
}

void TForm1::createMenusAndTimers() {
    AddPageEntries(*this, pabregistry, CategoryKind::Registry);
    AddPageEntries(*this, pabprivacy, CategoryKind::PrivacyThreats);
    PopupMenu1.addItem(L"Show Window", [this] { ShowWindow1Click(); });
    PopupMenu1.addSeparator();
    PopupMenu1.addItem(L"Exit Tidecrest", [this] { Exit1Click(); });
    Timer1.onTimer = [this] { Timer1Timer(); };
    Timer3.onTimer = [this] { Timer3Timer(); };
    Timer4.onTimer = [this] { Timer4Timer(); };
}

void TForm1::createActions() {
    for (const Category& category : Categories) {
        CategoryActions& actions = ActionManager1[category.row];
        actions.scan = [this, scan = category.scan] { (this->*scan)(); };
        if (category.remove)
            actions.remove = [this, remove = category.remove] { (this->*remove)(); };
    }
}

void TForm1::bindWindowEvents() {
    onCloseQuery = [this](bool& allowClose) {
        allowClose = !DeferExitWhileFlowRuns(ExitRequest::Close);
    };
    onClose = [this] { FormClose(); };
    onDestroy = [this] { FormDestroy(); };
    onMessage = [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (msg != TrayCallbackMessage)
            return false;
        result = 0;
        return TrayIconMessage(wParam, lParam);
    };
    CB1->onButtonClick = [this](int category, int item) {
        (this->*BarCategories[category].items.at(item).click)();
    };
    lvall->onSelectItem = [this](int index) { lvallSelectItem(index); };
    lvall->onDoubleClick = [this] { lvallDblClick(); };
    lvall->onCustomDrawSubItem = [this](int item, int subItem, tk::CellStyle& style) {
        lvallCustomDrawSubItem(item, subItem, style);
    };
}

// The other pages' controls, then every category's list and buttons (a shared set once).
std::vector<tk::Control*> TForm1::pageControls() const {
    std::vector<tk::Control*> controls = {
        LV.get(),          lvall.get(),           OBall1.get(),
        OBall2.get(),      OBall3.get(),          OBall4.get(),
        pcignored.get(),   OBhomepage.get(),      OBproupdate.get(),
        Oberror.get(),     obpriv.get(),          obmainerror.get(),
        paneloption.get(), Panelabout.get(),      LVbackup.get(),
        OBbackup.get(),    OBrestorebackup.get(), OBdeletebackup.get(),
        OBoptimize.get(),  Panel4.get()};
    for (const Category& category : Categories)
        if (category.ignored.removeButton)
            controls.push_back((this->*category.ignored.removeButton).get());
    for (const Category& category : Categories)
        for (tk::Control* control : CategoryPageControls(*this, category))
            if (std::find(controls.begin(), controls.end(), control) == controls.end())
                controls.push_back(control);
    return controls;
}

} // namespace tidewell
