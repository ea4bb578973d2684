#include "main_window_fixture.h"

#include <stdexcept>

#include <commctrl.h>

namespace {

class PageFrameTest : public MainWindowTest {
  protected:
    // Every picture a row asks for is in the list's small images.
    static void ExpectRowPicturesExist(const tk::ListView& list) {
        const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(
            SendMessageW(list.handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        const int count = images ? ImageList_GetImageCount(images) : 0;
        for (const tk::ListItem& row : list.items())
            EXPECT_LT(row.imageIndex, count) << std::string(row.caption.begin(), row.caption.end());
    }
};

} // namespace

TEST_F(PageFrameTest, TypesTheWaitingTextOneCharacterPerStep) {
    std::vector<std::wstring> shown;
    duringTyping = [&] {
        shown.push_back(form->Label2->caption());
        EXPECT_FALSE(form->LV2->visible());
        EXPECT_TRUE(form->Panel3->visible());
        EXPECT_FALSE(form->ButtonGroup2->enabled());
        EXPECT_FALSE(form->print_button->visible());
    };
    form->ActionManager1.execute(L"Action10");

    ASSERT_EQ(32u, shown.size());
    EXPECT_EQ(std::vector<unsigned>(32, 50u), sleeps);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(TForm1::WaitingText.substr(0, i + 1), shown[i]);
    EXPECT_EQ(L"Please Wait ....................", shown.back());
}

TEST_F(PageFrameTest, EndStepRestoresTheTabAndMarksOnlyItsContent) {
    form->ActionManager1.execute(L"Action10");

    EXPECT_TRUE(form->LV2->visible());
    EXPECT_FALSE(form->Panel3->visible());
    EXPECT_EQ(L"", form->Label2->caption());
    EXPECT_TRUE(form->ButtonGroup2->enabled());
    EXPECT_TRUE(form->print_button->visible());
    EXPECT_TRUE(form->SystemHasContent);
    EXPECT_FALSE(form->ComponentHasContent);
}

TEST_F(PageFrameTest, EndStepRunsWhenTheFillThrows) {
    EXPECT_THROW(
        {
            TPageFill fill(*form, TInfoTab::Component);
            throw std::runtime_error("source failed");
        },
        std::runtime_error);

    EXPECT_TRUE(form->LV1->visible());
    EXPECT_FALSE(form->Panel1->visible());
    EXPECT_TRUE(form->ButtonGroup1->enabled());
    EXPECT_TRUE(form->ComponentHasContent);
    EXPECT_FALSE(form->Filling());
}

TEST_F(PageFrameTest, EveryPageButtonRunsInsideTheFrameAndItsRowPicturesExist) {
    for (TButtonGroup* group : {form->ButtonGroup2.get(), form->ButtonGroup1.get()}) {
        for (int i = 0; i < group->buttonCount(); ++i) {
            sleeps.clear();
            PostButtonClick(*group, i);
            tk::app().processMessages();
            EXPECT_EQ(32u, sleeps.size()) << "button " << i;
            EXPECT_TRUE(group->enabled());
            ExpectRowPicturesExist(group == form->ButtonGroup2.get() ? *form->LV2 : *form->LV1);
        }
    }
    EXPECT_EQ(13, form->ButtonGroup2->buttonCount());
    EXPECT_EQ(9, form->ButtonGroup1->buttonCount());
}

TEST_F(PageFrameTest, FillOfTheOtherTabStartedDuringTypingEndsFirst) {
    bool clicked = false;
    bool componentDoneBeforeSystem = false;
    duringTyping = [&] {
        if (!clicked) {
            clicked = true;
            PostButtonClick(*form->ButtonGroup1, 0);
        } else if (form->ComponentHasContent && !form->SystemHasContent) {
            componentDoneBeforeSystem = form->LV1->visible() && form->ButtonGroup1->enabled() &&
                                        !form->ButtonGroup2->enabled();
        }
    };
    form->ActionManager1.execute(L"Action12");

    EXPECT_TRUE(componentDoneBeforeSystem);
    EXPECT_EQ(64u, sleeps.size());
    EXPECT_TRUE(form->SystemHasContent);
    EXPECT_EQ(30, form->LV2->count());
    EXPECT_FALSE(form->Filling());
}

TEST_F(PageFrameTest, CloseDuringAFillWaitsForItsEnd) {
    bool closedDuringFill = true;
    duringTyping = [&] {
        if (sleeps.size() == 1)
            closedDuringFill = form->close();
    };
    form->ActionManager1.execute(L"Action1");

    EXPECT_FALSE(closedDuringFill);
    ASSERT_NE(nullptr, form->handle());
    EXPECT_TRUE(form->LV1->visible());
    tk::app().processMessages();
    EXPECT_EQ(nullptr, form->handle());
    EXPECT_TRUE(tk::app().terminated());
}

TEST_F(PageFrameTest, QuitDuringAFillIsPassedOn) {
    duringTyping = [&] {
        if (sleeps.size() == 3)
            PostQuitMessage(0);
    };
    form->ActionManager1.execute(L"Action12");

    EXPECT_TRUE(tk::app().terminated());
    EXPECT_EQ(32u, sleeps.size());
    EXPECT_TRUE(form->ButtonGroup2->enabled());
}
