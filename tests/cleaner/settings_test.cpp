#include "tidewell_fixture.h"

using twtest::Setting;
using twtest::StoreSetting;

namespace {

class SettingsTest : public twtest::TidewellTest {};

// Clicks a box as the user does: its state flips and its handler runs.
void Toggle(tk::CheckBox& box) {
    box.setChecked(!box.checked());
}

} // namespace

TEST_F(SettingsTest, EachBoxWritesItsValueTheMomentItChanges) {
    TForm1 form;
    const std::pair<tk::CheckBox*, const wchar_t*> boxes[] = {
        {form.CBontop.get(), L"alwaysontop"},     {form.CBstartup.get(), L"loadwithwin"},
        {form.CBautorepair.get(), L"autorepair"}, {form.CBautoexit.get(), L"autoclose"},
        {form.CBsound.get(), L"playsounds"},      {form.CBbackup.get(), L"autobackup"},
        {form.CBtaskbar.get(), L"taskbarstatus"}, {form.CBtraymin.get(), L"trayminimize"},
        {form.CBsplash.get(), L"showsplash"},
    };
    for (const auto& [box, name] : boxes) {
        Toggle(*box);
        EXPECT_EQ(box->checked() ? L"1" : L"0", Setting(name)) << name;
        Toggle(*box);
        EXPECT_EQ(box->checked() ? L"1" : L"0", Setting(name)) << name;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsTest, OnTopBoxPlacesTheWindow) {
    TForm1 form;
    form.CBontop->setChecked(false);
    EXPECT_FALSE(twtest::Topmost(form));
    form.CBontop->setChecked(true);
    EXPECT_TRUE(twtest::Topmost(form));
}

TEST_F(SettingsTest, TrayBoxEnablesTheTaskbarBox) {
    TForm1 form;
    form.CBtraymin->setChecked(false);
    EXPECT_FALSE(form.CBtaskbar->enabled());
    form.CBtraymin->setChecked(true);
    EXPECT_TRUE(form.CBtaskbar->enabled());
    EXPECT_EQ(L"1", Setting(L"trayminimize"));
}

TEST_F(SettingsTest, StartupBoxWritesAndRemovesTheStartupEntry) {
    TForm1 form;
    form.CBstartup->setChecked(true);
    const std::wstring command = ReadRegString(twtest::RunKey, L"Tidewell", HKEY_CURRENT_USER);
    EXPECT_EQ(StartupEntryCommand(), command);
    EXPECT_EQ(L"\\velloran.exe", command.substr(command.size() - 13));
    form.CBstartup->setChecked(false);
    EXPECT_FALSE(twtest::StartupEntryExists());
    EXPECT_EQ(L"0", Setting(L"loadwithwin"));
}

TEST_F(SettingsTest, StartupEntryPointsIntoTheProgramFolder) {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program);
    folder.erase(folder.find_last_of(L'\\') + 1);
    EXPECT_EQ(folder + L"velloran.exe", StartupEntryCommand());
}

TEST_F(SettingsTest, ClosingStoresAutoscanZero) {
    TForm1 form;
    StoreSetting(L"autoscan", L"1");
    EXPECT_TRUE(form.close());
    EXPECT_EQ(L"0", Setting(L"autoscan"));
}

TEST_F(SettingsTest, DestroyWritesTheStartupEntryWhenLoadWithWindowsIsOn) {
    {
        TForm1 form;
        StoreSetting(L"loadwithwin", L"1");
    }
    EXPECT_EQ(StartupEntryCommand(), ReadRegString(twtest::RunKey, L"Tidewell", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", Setting(L"autoscan"));
}

TEST_F(SettingsTest, DestroyDeletesTheStartupEntryWhenLoadWithWindowsIsOff) {
    {
        TForm1 form;
        form.CBstartup->setChecked(true);
        StoreSetting(L"loadwithwin", L"0");
    }
    EXPECT_FALSE(twtest::StartupEntryExists());
}

TEST_F(SettingsTest, DestroyLeavesTheStartupEntryWithoutLoadWithWindows) {
    scantest::SetString(HKEY_CURRENT_USER, twtest::RunKey, L"Tidewell", L"C:\\elsewhere.exe");
    { TForm1 form; }
    EXPECT_EQ(L"C:\\elsewhere.exe", ReadRegString(twtest::RunKey, L"Tidewell", HKEY_CURRENT_USER));
}

TEST_F(SettingsTest, SettingsItemShowsTheSettingsPage) {
    TForm1 form;
    form.Timer4.setEnabled(true);
    form.CB1Categories1Items2Click();
    EXPECT_TRUE(form.paneloption->visible());
    EXPECT_FALSE(form.lvall->visible());
    EXPECT_FALSE(form.OBall2->visible());
    EXPECT_FALSE(form.OBhelp->visible());
    EXPECT_FALSE(form.Timer4.enabled());
}

TEST_F(SettingsTest, PageSwitchHidesEveryPageControlAndStopsTheTimers) {
    TForm1 form;
    form.lvsp->show();
    form.OBhis1->show();
    form.Oberror->show();
    form.Panelabout->show();
    form.Timer1.setEnabled(true);
    form.Timer3.setEnabled(true);
    form.HiddenLV();
    for (tk::Control* hidden : std::vector<tk::Control*>{
             form.lvsp.get(), form.OBhis1.get(), form.Oberror.get(), form.Panelabout.get(),
             form.lvall.get(), form.OBall1.get(), form.OBhelp.get()})
        EXPECT_FALSE(hidden->visible());
    EXPECT_FALSE(form.Timer1.enabled());
    EXPECT_FALSE(form.Timer3.enabled());
    for (tk::Control* kept : std::vector<tk::Control*>{form.statustext.get(), form.PB.get(),
                                                       form.CB1.get(), form.OBscanpc.get()})
        EXPECT_TRUE(kept->visible());
}
