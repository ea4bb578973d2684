#include "form_test.h"

namespace {

class SilentCategoriesTest : public scantest::ResultsTest {
  protected:
    void SetUp() override {
        ResultsTest::SetUp();
        tk::seams().pause = [this](unsigned ms) { pauses.push_back(ms); };
    }
    std::vector<unsigned> pauses;
};

TEST_F(SilentCategoriesTest, ScansLayOutTheirListsFindNothingAndRunTheProgress) {
    const std::pair<const wchar_t*, tk::ListView*> categories[] = {
        {L"helpfile", form->lvhelp.get()},
        {L"fontreg", form->lvfont.get()},
        {L"VirtualDevice", form->lvvd.get()},
    };
    for (const auto& [action, list] : categories) {
        form->AddFinding(*list, L"stale", {});
        form->LastFoundCount = 9;
        pauses.clear();
        form->ActionManager1.execute(action);
        EXPECT_EQ(0, list->count()) << action;
        EXPECT_EQ(4, list->columnCount()) << action;
        EXPECT_EQ(0, form->LastFoundCount) << action;
        EXPECT_EQ(std::vector<unsigned>(101, 30), pauses) << action;
        EXPECT_EQ(0, form->PB->position()) << action;
        EXPECT_EQ(tk::Cursor::Default, tk::app().cursor()) << action;
    }
}

TEST_F(SilentCategoriesTest, ScanAllCountsThemAsScannedWithNothingFound) {
    checkOnly({HelpFilesRow, FontsRow, VirtualRow});
    form->OBall2Click();
    for (int row = HelpFilesRow; row <= VirtualRow; ++row) {
        EXPECT_TRUE(form->CategoryScanned[row]) << row;
        EXPECT_EQ(L"0", form->lvall->subItem(row, 0)) << row;
    }
    EXPECT_EQ(L"No Errors Found", form->obmainerror->caption());
}

} // namespace
