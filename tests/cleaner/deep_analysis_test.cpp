#include "cleaner/registry_scan/DeepAnalysis.h"
#include "privacy_test_support.h"
#include "registry_findings_support.h"

using privacytest::Captions;
using privacytest::CheckOnly;
using scantest::SetString;
using scantest::ValueExists;

namespace {

const wchar_t Report[] = L"Missing Path(Removable)";

std::wstring Candidate(const std::wstring& data, std::vector<std::wstring> keys,
                       DeepRules rules = DeepRules::User) {
    return DeepCandidatePath(data, keys, rules, L"C:\\");
}

TEST(DeepRulesTest, LevelsOneAndTwoCutDifferently) {
    EXPECT_EQ(L"C:\\Missing\\app.exe,0", Candidate(L"C:\\Missing\\app.exe,0", {L"a"}));
    EXPECT_EQ(L"C:\\Missing\\app.exe", Candidate(L"C:\\Missing\\app.exe,0", {L"a", L"b"}));
    EXPECT_EQ(L"C:\\x\\page.htm", Candidate(L"file://C:\\x\\page.htm", {L"a", L"b"}));
    EXPECT_EQ(L"", Candidate(L"file://C:\\x\\page.htm", {L"a"}));
}

TEST(DeepRulesTest, QuotedValueIsTestedOnlyByTheMachineAtLevelThree) {
    const std::wstring quoted = L"\"C:\\Tools\\tool.exe\",0";
    const std::vector<std::wstring> keys{L"a", L"b", L"c"};
    EXPECT_EQ(L"C:\\Tools\\tool.exe", Candidate(quoted, keys, DeepRules::Machine));
    EXPECT_EQ(L"", Candidate(quoted, keys, DeepRules::User));
    EXPECT_EQ(L"C:\\Tools\\tool.exe",
              Candidate(L"@C:\\Tools\\tool.exe,2", keys, DeepRules::Machine));
}

TEST(DeepRulesTest, LevelFourDropsLibraryPrefixOptionsAndSwitches) {
    const std::vector<std::wstring> keys{L"a", L"b", L"c", L"d"};
    EXPECT_EQ(L"C:\\Lib\\x", Candidate(L"$(BDS)\\lib;C:\\Lib\\x,y", keys));
    EXPECT_EQ(L"C:\\Bin\\c.exe ", Candidate(L"C:\\Bin\\c.exe -nodefault -nologo/q", keys));
}

TEST(DeepRulesTest, LevelFiveCleansCommandsAndSkipsUninstallKeys) {
    const std::vector<std::wstring> keys{L"a", L"b", L"c", L"d", L"e"};
    EXPECT_EQ(L"C:\\Apps\\player.exe ",
              Candidate(L"C:\\Apps\\player.exe --one-instance --playlist-enqueue \"%1\"", keys));
    EXPECT_EQ(L"C:\\Apps\\viewer.exe ", Candidate(L"\"C:\\Apps\\viewer.exe\" \"%1\" %*", keys));
    EXPECT_EQ(L"C:\\Apps\\Data", Candidate(L"n;1;C:\\Apps\\Data\\", keys));
    EXPECT_EQ(L"", Candidate(L"C:\\Apps\\player.exe", {L"a", L"b", L"c", L"Uninstall", L"e"}));
    EXPECT_EQ(L"C:\\Apps\\player.exe",
              Candidate(L"C:\\Apps\\player.exe", {L"a", L"b", L"c", L"uninstall", L"e"}));
}

TEST(DeepRulesTest, OtherDrivesNetworkPathsAndDeeperKeysAreNotTested) {
    EXPECT_EQ(L"", Candidate(L"D:\\Missing\\app.exe", {L"a"}));
    EXPECT_EQ(L"", Candidate(L"\\\\server\\share\\app.exe", {L"a", L"b"}));
    EXPECT_EQ(L"", Candidate(L"C:\\x", {L"a", L"b", L"c", L"d", L"e", L"f"}));
    EXPECT_EQ(L"", DeepCandidatePath(L"C:\\x", {L"a"}, DeepRules::User, L""));
}

class SerialDeepAnalysis : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        form->SystemDrivePrefix = L"C:\\";
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, base.c_str());
        FormTest::TearDown();
    }

    DeepBranch branch(DeepRules rules = DeepRules::User, int depth = 5) const {
        return {HKEY_CURRENT_USER, base, L"HKCU\\" + base, depth, rules, 80};
    }
    void seed(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
        SetString(HKEY_CURRENT_USER, base + L"\\" + path, name, data);
    }
    bool exists(const std::wstring& path, const std::wstring& name) const {
        return ValueExists(HKEY_CURRENT_USER, base + L"\\" + path, name);
    }
    std::wstring location(const std::wstring& path) const {
        return L"HKCU\\" + base + L"\\" + path;
    }
    void scan(DeepRules rules = DeepRules::User, int depth = 5) {
        RunDeepAnalysis(*form, {branch(rules, depth)});
    }
    void remove() { RemoveDeepFindings(*form, {branch()}); }

    const std::wstring base = L"Software\\TwTest\\" + scantest::UniqueName(L"Deep");
    const std::wstring missing = L"C:\\" + scantest::UniqueName(L"TwGone");
    scantest::TempFolder folder{L"TwDeep"};
};

TEST_F(SerialDeepAnalysis, MissingPathsAreFindingsInWalkOrder) {
    seed(L"A", L"one", missing + L"\\a.exe");
    seed(L"A\\B", L"", L"file://" + missing + L"\\page.htm");
    seed(L"A\\B\\C\\D\\E", L"player", missing + L"\\player.exe /play");
    seed(L"Z", L"icon", missing + L"\\z.exe,0");
    scan();
    EXPECT_EQ(4, form->LV2->columnCount());
    ASSERT_EQ((std::vector<std::wstring>{missing + L"\\a.exe", missing + L"\\page.htm",
                                         missing + L"\\player.exe ", missing + L"\\z.exe,0"}),
              Captions(*form->LV2));
    const tk::ListItem& defaultRow = form->LV2->item(1);
    EXPECT_TRUE(defaultRow.checked);
    EXPECT_EQ((std::vector<std::wstring>{Report, L"(Default)", location(L"A\\B")}),
              defaultRow.subItems);
    EXPECT_EQ(location(L"A\\B\\C\\D\\E"), form->LV2->item(2).subItems.at(2));
    EXPECT_EQ(4, form->LastFoundCount);
    EXPECT_FALSE(form->labeldeep->visible());
    EXPECT_EQ(location(L"Z"), form->labeldeep->caption());
    EXPECT_EQ(scantest::CaptionWidth(*form->labeldeep), form->labeldeep->width());
    EXPECT_EQ(0, form->PB->position());
}

TEST_F(SerialDeepAnalysis, PendingMessagesRunDuringTheScan) {
    seed(L"A", L"value", L"text");
    const scantest::PostedMessageProbe probe([this] { return form->labeldeep->visible(); });
    scan();
    EXPECT_TRUE(probe.seenDuringTheAction());
}

TEST_F(SerialDeepAnalysis, ExistingPathsAreNoFindings) {
    const std::wstring file = folder.write(L"app.exe");
    const scantest::NativeFile system64(WindowsFolder() + L"\\system32\\" +
                                        scantest::UniqueName(L"TwDeep64") + L".exe");
    const std::wstring commaFolder = folder.path() + L"\\My, Tools";
    CreateDirectoryW(commaFolder.c_str(), nullptr);
    seed(L"A", L"file", file);
    seed(L"A", L"icon", file + L",0");
    seed(L"A\\B", L"folder", folder.path());
    seed(L"A\\B", L"comma", commaFolder);
    seed(L"A\\B\\C\\D\\E", L"slash", folder.path() + L"\\");
    seed(L"A\\B\\C\\D\\E", L"quoted", L"\"" + file + L"\" \"%1\"");
    seed(L"A\\B", L"other drive", L"Q:\\Nothing\\here.exe");
    seed(L"A\\B\\C", L"command", file + L" -a -r");
    const std::vector<std::array<std::wstring, 3>> lists{
        {L"A", L"list", missing + L";;" + folder.path()},
        {L"A\\B", L"list", folder.path() + L";" + file},
        {L"A\\B\\C\\D\\E", L"list", missing + L";" + folder.path() + L";"},
        {L"A", L"mask", folder.path() + L"\\*.txt"},
        {L"A\\B\\C\\D", L"mask", folder.path() + L"\\data?.log"},
        {L"A\\B", L"far list", missing + L";Q:\\Tools;\\\\server\\share"},
        {L"A", L"blank", missing + L"; " + folder.path()},
        {L"A\\B\\C\\D", L"blank", missing + L" ;\t" + file},
        {L"A", L"variable", missing + L";%SystemRoot%\\system32"},
        {L"A\\B", L"relative", missing + L";.\\plugins"},
        {L"A", L"middle mask", folder.path() + L"\\Sub*\\report.txt"},
        {L"A", L"template", folder.path() + L"\\log_%Y%m%d.txt"},
        {L"A\\B", L"encoded", L"file://" + folder.path() + L"\\report%20v2.txt"},
        {L"A", L"rejected", folder.path() + L"\\out<date>.log"},
        {L"A\\B", L"rejected reading", folder.path() + L"\\report,v<2>.txt"},
        {L"A", L"system64", system64.path},
        {L"A\\B\\C\\D", L"help topic", file + L"::/topic.htm"},
        {L"A", L"page part", file + L"#part"},
        {L"A\\B", L"line", file + L":12"},
        {L"A\\B\\C\\D\\E", L"single quoted", L"'" + file + L"'"},
        {L"A\\B\\C\\D\\E", L"bracketed", L"(" + file + L")"},
        {L"A\\B\\C\\D\\E", L"resource", L"@" + file + L",-8964"}};
    for (const auto& [path, name, data] : lists)
        seed(path, name, data);
    const std::vector<std::wstring> gone{missing + L";" + missing + L"\\*.txt",
                                         missing + L"\\100%\\app.exe", missing + L"\\page.htm#part",
                                         missing + L"; " + missing + L"\\Sub*\\report.txt"};
    seed(L"A", L"gone", gone[0]);
    seed(L"A", L"percent", gone[1]);
    seed(L"A\\B", L"gone", gone[2] + L",1");
    seed(L"A\\B\\C\\D", L"gone", gone[3]);
    scan();
    EXPECT_EQ(gone, Captions(*form->LV2));
    remove();
    for (const wchar_t* path : {L"A", L"A\\B", L"A\\B\\C\\D"})
        EXPECT_FALSE(exists(path, L"gone")) << path;
    EXPECT_FALSE(exists(L"A", L"percent"));
    for (const auto& [path, name, data] : lists)
        EXPECT_TRUE(exists(path, name)) << data;
}

// A Run value or a class's server is judged as start-up programs or ActiveX and DLLs judge
// it: neither what the user ignored there nor a server the loader finds with ".dll" added
// is deleted, while a dead entry and a dead server are.
TEST_F(SerialDeepAnalysis, RunValuesAndServersKeepTheirCategorysVerdict) {
    const wchar_t run[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const scantest::SavedKey savedRun(HKEY_CURRENT_USER, run);
    form->ProgramFilesDir = folder.path();
    folder.write(L"server.dll");
    const std::wstring entries[] = {scantest::UniqueName(L"TwDeepIgnored"),
                                    scantest::UniqueName(L"TwDeepDead")};
    for (const std::wstring& entry : entries)
        SetString(HKEY_CURRENT_USER, run, entry, missing + L"\\" + entry + L".exe");
    regtest::SeededKeys classes;
    std::vector<std::tuple<HKEY, std::wstring, std::wstring>> servers;
    for (const auto& [root, path] : {std::pair{HKEY_CURRENT_USER, L"Software\\Classes\\CLSID\\"},
                                     std::pair{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\CLSID\\"}})
        for (const std::wstring& server :
             {folder.path() + L"\\server", missing + L"\\ignored.dll", missing + L"\\dead.dll"}) {
            const std::wstring key =
                std::wstring(path) + L"{" + scantest::UniqueName(L"TwDeepAx") + L"}";
            classes.add(root, key);
            servers.emplace_back(root, key + L"\\InprocServer32", server);
            SetString(root, key + L"\\InprocServer32", L"", server);
        }
    const auto ignore = [](tk::ListView& list, const std::wstring& caption) {
        const std::vector<std::wstring> captions = Captions(list);
        list.setItemIndex(static_cast<int>(std::find(captions.begin(), captions.end(), caption) -
                                           captions.begin()));
    };
    form->StartupExecute();
    ignore(*form->lvsp, entries[0]);
    form->OBsp2Click();
    form->ActiveXExecute();
    ignore(*form->lvax, missing + L"\\ignored.dll");
    form->obax2Click();
    form->DeepExecute();
    regtest::CheckOnly(*form->LV2, [this](const tk::ListItem& row) {
        return row.caption.rfind(missing, 0) == 0 || row.caption.rfind(folder.path(), 0) == 0;
    });
    form->removedaExecute();
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, run, entries[0]));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, run, entries[1]));
    for (const auto& [root, key, server] : servers)
        EXPECT_EQ(server == missing + L"\\dead.dll" ? L"" : server, ReadRegString(key, L"", root))
            << server;
}

// Data of other types is never a path, even when its bytes spell one.
TEST_F(SerialDeepAnalysis, ValuesThatAreNoStringsAreNeverFindings) {
    for (const DWORD type : {REG_BINARY, REG_NONE, REG_MULTI_SZ})
        SetString(HKEY_CURRENT_USER, base + L"\\A", L"type" + std::to_wstring(type),
                  missing + L"\\a.exe", type);
    scan();
    EXPECT_EQ(0, form->LV2->count());
}

TEST_F(SerialDeepAnalysis, WalkStopsAtTheBranchDepth) {
    seed(L"A\\B\\C\\D\\E\\F", L"deep", missing);
    seed(L"A\\B\\C\\D\\E", L"fifth", missing);
    scan(DeepRules::Machine, 4);
    EXPECT_EQ(0, form->LV2->count());
    scan();
    EXPECT_EQ(std::vector<std::wstring>{missing}, Captions(*form->LV2));
}

TEST_F(SerialDeepAnalysis, UninstallKeysAtLevelFourHideLevelFiveValues) {
    seed(L"A\\B\\C\\Uninstall\\E", L"gone", missing);
    scan();
    EXPECT_EQ(0, form->LV2->count());
}

TEST_F(SerialDeepAnalysis, RemovingDeletesExactlyTheCheckedValues) {
    seed(L"A", L"first", missing + L"\\1.exe");
    seed(L"A", L"second", missing + L"\\2.exe");
    seed(L"A", L"kept", L"D:\\elsewhere");
    seed(L"A\\B", L"", missing + L"\\3.exe");
    seed(L"A\\B", L"sibling", L"text");
    scan();
    ASSERT_EQ(3, form->LV2->count());
    CheckOnly(*form->LV2, {missing + L"\\1.exe", missing + L"\\3.exe"});
    remove();
    EXPECT_FALSE(exists(L"A", L"first"));
    EXPECT_TRUE(exists(L"A", L"second"));
    EXPECT_TRUE(exists(L"A", L"kept"));
    EXPECT_TRUE(exists(L"A\\B", L""));
    EXPECT_EQ(L"", ReadRegString(base + L"\\A\\B", L"", HKEY_CURRENT_USER));
    EXPECT_TRUE(exists(L"A\\B", L"sibling"));
    EXPECT_EQ(std::vector<std::wstring>{missing + L"\\2.exe"}, Captions(*form->LV2));
    EXPECT_FALSE(form->LV2->item(0).checked);
    EXPECT_EQ(1, form->LastFoundCount);
}

TEST_F(SerialDeepAnalysis, ValueChangedSinceTheScanIsNotDeleted) {
    const std::wstring file = folder.write(L"now.exe");
    seed(L"A", L"changed", missing);
    seed(L"A", L"gone", missing + L"\\x");
    scan();
    ASSERT_EQ(2, form->LV2->count());
    seed(L"A", L"changed", file);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, (base + L"\\A").c_str(), L"gone");
    remove();
    EXPECT_EQ(file, ReadRegString(base + L"\\A", L"changed", HKEY_CURRENT_USER));
    EXPECT_EQ(0, form->LV2->count());
}

TEST_F(SerialDeepAnalysis, RowsOutsideTheWalkedBranchesAreKept) {
    seed(L"A", L"value", missing);
    tk::ListItem row;
    row.caption = missing;
    row.subItems = {Report, L"value", L"HKCU\\Software\\TwTest\\Elsewhere\\A"};
    row.checked = true;
    form->LV2->addItem(row);
    row.subItems[2] = location(L"");
    form->LV2->addItem(row);
    remove();
    EXPECT_TRUE(exists(L"A", L"value"));
    EXPECT_EQ(2, form->LV2->count());
}

} // namespace
