#include "main_window_fixture.h"

#include "hwinfo/ProcessList.h"

#include <algorithm>
#include <cwctype>

namespace {

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), ::towlower);
    return text;
}

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Whether the page lists the file with this path, in any case.
bool Lists(const std::vector<std::wstring>& paths, const std::wstring& path) {
    return std::any_of(paths.begin(), paths.end(), [&path](const std::wstring& listed) {
        return Lower(listed) == Lower(path);
    });
}

std::wstring ServicesPath() {
    return GetSystemDir() + L"\\services.exe";
}

// A process source of the NT platform whose module walk reads the given processes, as on a
// 32-bit system; no other source answers.
TProcessSource WalkedSource(const std::vector<TProcessPath>& walked) {
    TProcessSource source;
    source.platformId = [] { return DWORD(VER_PLATFORM_WIN32_NT); };
    source.snapshot = [] { return std::vector<TProcessPath>(); };
    std::vector<DWORD> ids;
    for (const TProcessPath& process : walked)
        ids.push_back(process.Id);
    source.processIds = [ids] { return ids; };
    source.firstModulePath = [walked](DWORD id) {
        return std::find_if(walked.begin(), walked.end(),
                            [id](const TProcessPath& process) { return process.Id == id; })
            ->Path;
    };
    return source;
}

class ProcessesPageTest : public MainWindowTest {
  protected:
    void UsePaths(std::vector<TProcessPath> paths) { form->ProcessSource = WalkedSource(paths); }
    const tk::ListItem& Row(int index) { return form->LV2->item(index); }
    // Caption and value of every third row from the first: the processes' names and
    // descriptions, or their paths from the third.
    std::vector<std::wstring> Column(int first, bool value) {
        std::vector<std::wstring> texts;
        for (int i = first; i < form->LV2->count(); i += 3)
            texts.push_back(value ? Row(i).subItems.at(0) : Row(i).caption);
        return texts;
    }
};

} // namespace

TEST(ProcessList, ContainsThisTestProgram) {
    std::vector<TProcessPath> paths;
    ListProcessPaths(&paths, TProcessSource::System());
    const std::wstring own = Lower(OwnPath());
    EXPECT_TRUE(std::any_of(paths.begin(), paths.end(), [&](const TProcessPath& process) {
        return Lower(process.Path) == own && process.Id == GetCurrentProcessId();
    }));
    ListProcessPaths(nullptr);
}

TEST(ProcessList, FileNameIsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(L"app.exe", PathFileName(L"C:\\Program Files\\app.exe"));
    EXPECT_EQ(L"x.exe", PathFileName(L"C:x.exe"));
    EXPECT_EQ(L"plain", PathFileName(L"plain"));
}

TEST_F(ProcessesPageTest, ThreeRowsPerProcessButTheIdleProcess) {
    const std::wstring own = OwnPath();
    UsePaths({{0, L"C:\\skipped.exe"}, {8, own}, {12, L"noseparator"}});
    form->processes_infoExecute();

    ASSERT_EQ(6, form->LV2->count());
    EXPECT_EQ(PathFileName(own), Row(0).caption);
    EXPECT_EQ(L"", Row(0).subItems.at(0));
    EXPECT_TRUE(Row(0).checked);
    EXPECT_GE(Row(0).imageIndex, 0);
    EXPECT_EQ(L"File Version", Row(1).caption);
    EXPECT_EQ(L"", Row(1).subItems.at(0));
    EXPECT_EQ(-1, Row(1).imageIndex);
    EXPECT_EQ(L"File Path", Row(2).caption);
    EXPECT_EQ(own, Row(2).subItems.at(0));
    EXPECT_EQ(L"noseparator", Row(3).caption);
    EXPECT_TRUE(form->SystemHasContent);
}

TEST_F(ProcessesPageTest, OnePathOrNoneGivesNoRowsAndTheFillEnds) {
    UsePaths({{0, L"C:\\only.exe"}});
    form->processes_infoExecute();
    EXPECT_EQ(0, form->LV2->count());
    UsePaths({});
    form->processes_infoExecute();
    EXPECT_EQ(0, form->LV2->count());
    EXPECT_TRUE(form->LV2->visible());
    EXPECT_TRUE(form->ButtonGroup2->enabled());
}

TEST_F(ProcessesPageTest, RefillsDoNotGrowTheIconList) {
    UsePaths({{0, L"C:\\first.exe"}, {4, L"C:\\a.exe"}, {8, L"C:\\b.exe"}});
    form->processes_infoExecute();
    form->processes_infoExecute();
    EXPECT_EQ(2, form->ImageList5.count());
}

TEST_F(ProcessesPageTest, ClickedPageShowsAFirstProcessThatIsNotTheIdleOne) {
    UsePaths({{4, L"C:\\a.exe"}, {8, L"C:\\b.exe"}});
    ClickPageButton(*form->ButtonGroup2, 12);
    ASSERT_EQ(6, form->LV2->count());
    EXPECT_EQ(L"a.exe", Row(0).caption);
}

// Under WoW64 the module walk reads none of the 64-bit system's processes: they come with the
// path the system names, or else with their name alone. Before Vista they stay out.
TEST_F(ProcessesPageTest, ProcessesTheModuleWalkCannotReadAreNamedBySystem) {
    TProcessSource source = WalkedSource({{0, L""}, {4, L""}, {8, L""}, {12, L"C:\\y.exe"}});
    source.snapshot = [] {
        return std::vector<TProcessPath>{{0, L"[System Process]"}, {4, L"System"}, {12, L"y.exe"}};
    };
    form->ProcessSource = source;
    ClickPageButton(*form->ButtonGroup2, 12);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\y.exe"}), Column(2, true));

    source.imagePath = [](DWORD id) { return std::wstring(id == 8 ? L"C:\\64\\x.exe" : L""); };
    form->ProcessSource = source;
    ClickPageButton(*form->ButtonGroup2, 12);
    EXPECT_EQ((std::vector<std::wstring>{L"System", L"x.exe", L"y.exe"}), Column(0, false));
    EXPECT_EQ((std::vector<std::wstring>{L"System", L"C:\\64\\x.exe", L"C:\\y.exe"}),
              Column(2, true));
    EXPECT_EQ(L"", Row(1).subItems.at(0));
}

// Every process of the system besides this one, as the module walk reads them all and as it
// reads this program alone (so under WoW64); also run in a 64-bit prefix.
TEST_F(ProcessesPageTest, RealListShowsEveryProcessAlsoWhenTheWalkReadsThisProgramAlone) {
    const std::vector<TProcessPath> snapshot = TProcessSource::System().snapshot();
    for (const bool walkReadsAll : {true, false}) {
        if (!walkReadsAll)
            form->ProcessSource.firstModulePath = [](DWORD id) {
                return id == GetCurrentProcessId() ? OwnPath() : std::wstring();
            };
        ClickPageButton(*form->ButtonGroup2, 12);
        const std::vector<std::wstring> names = Column(0, false);
        for (const TProcessPath& process : snapshot)
            EXPECT_TRUE(process.Id == 0 || Lists(names, process.Path)) << process.Path;
        EXPECT_TRUE(Lists(Column(2, true), OwnPath()));
        EXPECT_TRUE(Lists(Column(2, true), ServicesPath()));
        EXPECT_EQ(0, form->LV2->count() % 3);
    }
    EXPECT_TRUE(messages.empty());
}
