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
    const std::pair<int, tk::ListView*> categories[] = {
        {HelpFilesRow, form->lvhelp.get()},
        {FontsRow, form->lvfont.get()},
        {VirtualRow, form->lvvd.get()},
    };
    for (const auto& [row, list] : categories) {
        form->AddFinding(*list, L"stale", {});
        form->LastFoundCount = 9;
        pauses.clear();
        form->ActionManager1[row].scan();
        EXPECT_EQ(0, list->count()) << row;
        EXPECT_EQ(4, list->columnCount()) << row;
        EXPECT_EQ(0, form->LastFoundCount) << row;
        EXPECT_EQ(std::vector<unsigned>(101, 30), pauses) << row;
        EXPECT_EQ(0, form->PB->position()) << row;
        EXPECT_EQ(tk::Cursor::Default, tk::app().cursor()) << row;
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
