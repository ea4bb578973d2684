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

class ProcessesPageTest : public MainWindowTest {
  protected:
    void UsePaths(std::vector<TProcessPath> paths) {
        form->ProcessPaths = [paths](std::vector<TProcessPath>* list) {
            list->insert(list->end(), paths.begin(), paths.end());
        };
    }
    const tk::ListItem& Row(int index) { return form->LV2->item(index); }
};

} // namespace

TEST(ProcessList, ContainsThisTestProgram) {
    std::vector<TProcessPath> paths;
    ListProcessPaths(&paths);
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

TEST_F(ProcessesPageTest, RealListShowsThisTestProgram) {
    form->ActionManager1.execute(L"processes_info");
    const std::wstring own = Lower(OwnPath());
    bool found = false;
    for (const tk::ListItem& row : form->LV2->items())
        found = found || (row.caption == L"File Path" && Lower(row.subItems.at(0)) == own);
    EXPECT_TRUE(found);
    EXPECT_EQ(0, form->LV2->count() % 3);
    EXPECT_TRUE(messages.empty());
}
