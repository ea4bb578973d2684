#include "cleaner/registry_scan/IgnoreLists.h"
#include "form_test.h"
#include "registry_findings_support.h"

using scantest::FileBytes;

namespace {

// The five "Ignore Items" and "Remove Ignored Key" buttons with their lists and files.
struct IgnoreButton {
    void (TForm1::*click)();
    std::unique_ptr<ctl::TFlatButton> TForm1::*removeButton;
    std::unique_ptr<tk::ListView> TForm1::*findings;
    std::unique_ptr<tk::ListView> TForm1::*ignored;
    const wchar_t* file;
};

const IgnoreButton IgnoreButtons[] = {
    {&TForm1::OBsp2Click, &TForm1::obremoveignoredsp, &TForm1::lvsp, &TForm1::lvignoredsp,
     L"Datasp.dat"},
    {&TForm1::obue2Click, &TForm1::obremoveignoredue, &TForm1::lvue, &TForm1::lvignoredue,
     L"Dataue.dat"},
    {&TForm1::obpc2Click, &TForm1::obremoveignoredpc, &TForm1::lvpc, &TForm1::lvignoredpc,
     L"Datapc.dat"},
    {&TForm1::obfe2Click, &TForm1::obremoveignoredfe, &TForm1::lvfe, &TForm1::lvignoredfe,
     L"Datafe.dat"},
    {&TForm1::obax2Click, &TForm1::obremoveignoredax, &TForm1::lvax, &TForm1::lvignoredax,
     L"Dataax.dat"},
};

// The window keeps its ignore-list files in a throw-away program-files folder, which
// has no Tidecrest folder to begin with.
class SerialIgnoreItems : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        form->ProgramFilesDir = folder.path();
    }

    std::wstring dataFile(const wchar_t* name) const {
        return folder.file(L"Tidecrest") + L"\\" + name;
    }
    // Adds a finding and selects it.
    void select(tk::ListView& list, const std::wstring& caption, const std::wstring& location) {
        form->AddFinding(list, caption, {L"report", L"detail", location});
        list.setItemIndex(list.count() - 1);
    }
    // Adds a finding, selects it and presses the list's "Ignore Items" button.
    void ignore(tk::ListView& list, void (TForm1::*click)(), const std::wstring& caption,
                const std::wstring& location) {
        select(list, caption, location);
        ((*form).*click)();
    }
    std::vector<tk::ListItem> reload(const wchar_t* name) {
        tk::ListView list(*form, 0, 0, 100, 100);
        std::vector<std::wstring> scratch;
        LoadIgnoreList(dataFile(name), list, scratch);
        return list.items();
    }

    scantest::TempFolder folder{L"TwProgramFiles"};
};

TEST_F(SerialIgnoreItems, SelectedFindingMovesToTheIgnoredListAndTheFile) {
    for (const IgnoreButton& button : IgnoreButtons) {
        tk::ListView& findings = *((*form).*button.findings);
        tk::ListView& ignored = *((*form).*button.ignored);
        findings.clear();
        form->AddFinding(findings, L"other", {L"r", L"d", L"HKCU\\Other"});
        select(findings, L"Item", L"HKCU\\Location");
        ((*form).*button.click)();
        ASSERT_EQ(1, findings.count()) << button.file;
        EXPECT_EQ(L"other", findings.item(0).caption);
        ASSERT_EQ(1, ignored.count()) << button.file;
        EXPECT_EQ(L"Item", ignored.item(0).caption);
        EXPECT_EQ(std::vector<std::wstring>{L"HKCU\\Location"}, ignored.item(0).subItems);
        EXPECT_TRUE(ignored.checked(0));
        EXPECT_EQ("Item=HKCU\\Location\r\n", FileBytes(dataFile(button.file)));
    }
}

// Neither without a selection nor while a flow runs (its window answers meanwhile).
TEST_F(SerialIgnoreItems, NothingSelectedChangesNothing) {
    form->AddFinding(*form->lvue, L"Item", {L"r", L"d", L"HKLM\\X"});
    form->lvue->setItemIndex(-1);
    form->obue2Click();
    form->lvue->setItemIndex(0);
    form->FlowRunning = true;
    form->obue2Click();
    form->FlowRunning = false;
    EXPECT_EQ(1, form->lvue->count());
    EXPECT_EQ(0, form->lvignoredue->count());
    EXPECT_FALSE(PathExists(folder.file(L"Tidecrest")));
}

TEST_F(SerialIgnoreItems, SecondItemAppendsASecondLine) {
    ignore(*form->lvax, &TForm1::obax2Click, L"C:\\a.dll", L"HKCR\\CLSID");
    ignore(*form->lvax, &TForm1::obax2Click, L"C:\\b.dll", L"HKCR\\CLSID");
    EXPECT_EQ("C:\\a.dll=HKCR\\CLSID\r\nC:\\b.dll=HKCR\\CLSID\r\n",
              FileBytes(dataFile(L"Dataax.dat")));
    EXPECT_EQ(2, form->lvignoredax->count());
}

TEST_F(SerialIgnoreItems, WrittenEntriesReadBackAsTheyWere) {
    ignore(*form->lvue, &TForm1::obue2Click, L"Entry One", L"HKLM\\SOFTWARE\\Uninstall\\Entry One");
    ignore(*form->lvue, &TForm1::obue2Click, L"a=b", L"HKLM\\Key");
    const std::vector<tk::ListItem> rows = reload(L"Dataue.dat");
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(L"Entry One", rows[0].caption);
    EXPECT_EQ(std::vector<std::wstring>{L"HKLM\\SOFTWARE\\Uninstall\\Entry One"}, rows[0].subItems);
    // A caption holding "=" comes back cut at it.
    EXPECT_EQ(L"a", rows[1].caption);
    EXPECT_EQ(std::vector<std::wstring>{L"b"}, rows[1].subItems);
    EXPECT_TRUE(rows[1].checked);
}

TEST_F(SerialIgnoreItems, OnlyTheFirstFiftyOneEntriesReadBack) {
    for (int i = 1; i <= 60; ++i)
        AppendIgnoreEntry(dataFile(L"Datafe.dat"), L".ext" + std::to_wstring(i), L"HKCU\\X");
    const std::vector<tk::ListItem> rows = reload(L"Datafe.dat");
    ASSERT_EQ(51u, rows.size());
    EXPECT_EQ(L".ext51", rows.back().caption);
}

TEST_F(SerialIgnoreItems, LineBreaksInACaptionKeepTheFileReadable) {
    ignore(*form->lvsp, &TForm1::OBsp2Click, L"two\r\n\r\nlines", L"HKCU\\Run");
    ignore(*form->lvsp, &TForm1::OBsp2Click, L"after", L"HKCU\\Run");
    const std::vector<tk::ListItem> rows = reload(L"Datasp.dat");
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(L"after", rows[1].caption);
    EXPECT_EQ(L"two\r\n\r\nlines", form->lvignoredsp->item(0).caption);
}

// Only the Tidecrest folder itself is made: a program-files folder that is gone stays gone.
TEST_F(SerialIgnoreItems, FileThatCannotBeWrittenKeepsTheFinding) {
    form->ProgramFilesDir = folder.file(L"Program Files Gone");
    select(*form->lvpc, L"doc.txt", L"C:\\Docs\\");
    EXPECT_THROW(form->obpc2Click(), tk::Error);
    EXPECT_FALSE(PathExists(form->ProgramFilesDir));
    EXPECT_EQ(1, form->lvpc->count());
    EXPECT_EQ(0, form->lvignoredpc->count());
}

TEST_F(SerialIgnoreItems, IgnoredUninstallEntryIsNotListedAgain) {
    const std::wstring name = scantest::UniqueName(L"TwUeIgnore");
    regtest::SeededKey key(HKEY_LOCAL_MACHINE,
                           L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + name);
    form->UninstallExecute();
    const auto isEntry = regtest::CaptionIs(name);
    for (int row = 0; row < form->lvue->count(); ++row)
        if (isEntry(form->lvue->item(row)))
            form->lvue->setItemIndex(row);
    form->obue2Click();
    EXPECT_TRUE(regtest::Rows(*form->lvue, isEntry).empty());
    form->lvignoredue->clear();
    std::vector<std::wstring> scratch;
    LoadIgnoreList(dataFile(L"Dataue.dat"), *form->lvignoredue, scratch);
    form->UninstallExecute();
    EXPECT_TRUE(regtest::Rows(*form->lvue, isEntry).empty());
    EXPECT_TRUE(key.exists());
}

TEST_F(SerialIgnoreItems, RemoveIgnoredKeyTakesTheSelectedEntryOutOfListAndFile) {
    for (const IgnoreButton& button : IgnoreButtons) {
        tk::ListView& findings = *((*form).*button.findings);
        tk::ListView& ignored = *((*form).*button.ignored);
        ignore(findings, button.click, L"first", L"HKCU\\A");
        ignore(findings, button.click, L"second", L"HKCU\\B");
        ignored.setItemIndex(0);
        ((*form).*button.removeButton)->onClick();
        ASSERT_EQ(1, ignored.count()) << button.file;
        EXPECT_EQ(L"second", ignored.item(0).caption);
        EXPECT_EQ("second=HKCU\\B\r\n", FileBytes(dataFile(button.file)));
    }
}

TEST_F(SerialIgnoreItems, RemoveIgnoredKeyWithoutSelectionChangesNothing) {
    ignore(*form->lvfe, &TForm1::obfe2Click, L".abc", L"HKCU\\X");
    form->lvignoredfe->setItemIndex(-1);
    form->obremoveignoredfeClick();
    EXPECT_EQ(1, form->lvignoredfe->count());
    EXPECT_EQ(".abc=HKCU\\X\r\n", FileBytes(dataFile(L"Datafe.dat")));
}

TEST_F(SerialIgnoreItems, RemoveIgnoredKeyKeepsEveryOtherLineAsItWas) {
    std::string lines = "a=b=c\r\nsame=1\r\nsame=1\r\n";
    for (int i = 0; i < 55; ++i)
        lines += "n" + std::to_string(i) + "=x\r\n";
    lines += "a=b=c\r\n";
    CreateDirectoryW(folder.file(L"Tidecrest").c_str(), nullptr);
    std::ofstream(dataFile(L"Datasp.dat").c_str(), std::ios::binary) << lines;
    LoadIgnoreList(dataFile(L"Datasp.dat"), *form->lvignoredsp, form->ListBox1);
    form->lvignoredsp->setItemIndex(0);
    form->obremoveignoredspClick();
    form->lvignoredsp->setItemIndex(1);
    form->obremoveignoredspClick();
    std::string expected = "same=1\r\n";
    for (int i = 0; i < 55; ++i)
        expected += "n" + std::to_string(i) + "=x\r\n";
    expected += "a=b=c\r\n";
    EXPECT_EQ(expected, FileBytes(dataFile(L"Datasp.dat")));
    EXPECT_EQ(49, form->lvignoredsp->count());
}

TEST_F(SerialIgnoreItems, RemoveIgnoredKeyFindsACaptionStoredWithoutItsLineBreaks) {
    ignore(*form->lvue, &TForm1::obue2Click, L"two\r\nlines", L"HKLM\\X");
    form->lvignoredue->setItemIndex(0);
    form->obremoveignoredueClick();
    EXPECT_EQ(0, form->lvignoredue->count());
    EXPECT_EQ("", FileBytes(dataFile(L"Dataue.dat")));
}

} // namespace
