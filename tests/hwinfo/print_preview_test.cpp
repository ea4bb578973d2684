#include "main_window_fixture.h"

#include "hwinfo/print.h"

#include "toolkit/Canvas.h"

#include <winspool.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace {

const std::wstring Indent8(8, L' ');

std::vector<std::wstring> NumberedLines(int count) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(L"row " + std::to_wstring(i));
    return lines;
}

// A sheet of paper at a resolution the test chooses, read back after each sheet.
class PaperSheets {
  public:
    static const int Dpi = 200;
    static const int Width = 800;
    static const int Height = 700;

    TSheetDevice Device() {
        TSheetDevice device;
        device.Dc = paper_.handle();
        device.PixelsPerInchX = Dpi;
        device.PixelsPerInchY = Dpi;
        device.SheetHeight = Height;
        device.StartSheet = [this] {
            GetTextMetricsW(paper_.handle(), &metrics);
            paper_.setBrushColor(RGB(255, 255, 255));
            paper_.fillRect({0, 0, Width, Height});
            return true;
        };
        device.EndSheet = [this] {
            ReadInk();
            return true;
        };
        return device;
    }

    TEXTMETRICW metrics = {};
    // Per sheet, the first row of ink of each printed line.
    std::vector<std::vector<int>> lineTops;
    int firstInkColumn = INT_MAX;

  private:
    bool Ink(int x, int y) const { return (paper_.bits()[y * Width + x] & 0xFFFFFF) != 0xFFFFFF; }

    void ReadInk() {
        std::vector<int> tops;
        bool previousRowInked = false;
        for (int y = 0; y < Height; ++y) {
            bool inked = false;
            for (int x = 0; x < Width; ++x) {
                if (Ink(x, y)) {
                    inked = true;
                    firstInkColumn = std::min(firstInkColumn, x);
                }
            }
            if (inked && !previousRowInked)
                tops.push_back(y);
            previousRowInked = inked;
        }
        lineTops.push_back(tops);
    }

    tk::MemoryCanvas paper_{Width, Height};
};

class PrintPreviewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        preview = std::make_unique<Tprint_form>();
    }
    void TearDown() override {
        preview.reset();
        MainWindowTest::TearDown();
    }
    void AddRows(tk::ListView& list, int count) {
        for (int i = 0; i < count; ++i)
            form->AddInfoRow(list, DataRow(L"Item " + std::to_wstring(i), L"v"));
    }

    std::unique_ptr<Tprint_form> preview;
};

} // namespace

TEST(PreviewPages, SeventyRowsFitOnePage) {
    const TPreviewPages pages = BuildPreviewPages(NumberedLines(70), L"www.example");
    EXPECT_FALSE(pages.TwoPages);
    ASSERT_EQ(77u, pages.Page1.size());
    EXPECT_EQ(L"", pages.Page1[0]);
    EXPECT_EQ(L"         CORVANE", pages.Page1[3]);
    EXPECT_EQ(L"         www.example", pages.Page1[4]);
    EXPECT_EQ(L"row 0", pages.Page1[7]);
    EXPECT_EQ(L"row 69", pages.Page1[76]);
    ASSERT_EQ(7u, pages.Page2.size());
    EXPECT_EQ(L"          CORVANE", pages.Page2[3]);
}

TEST(PreviewPages, SeventyOneRowsStartTheSecondPage) {
    TPreviewPages pages = BuildPreviewPages(NumberedLines(71), L"www.example");
    EXPECT_TRUE(pages.TwoPages);
    EXPECT_EQ(78u, pages.Page1.size());
    EXPECT_EQ(7u, pages.Page2.size());

    pages = BuildPreviewPages(NumberedLines(73), L"www.example");
    ASSERT_EQ(9u, pages.Page2.size());
    EXPECT_EQ(L"row 71", pages.Page2[7]);
    EXPECT_EQ(L"row 72", pages.Page2[8]);
}

TEST_F(PrintPreviewTest, SystemRowsPrintWithTheirMark) {
    form->AddInfoRow(*form->LV2, HeadingRow(L"Processor", 1));
    form->AddInfoRow(*form->LV2, DataRow(L"Speed", L"2400 MHz"));
    form->AddInfoRow(*form->LV2, BlankRow());
    tk::ListItem markedWithoutValue;
    markedWithoutValue.caption = L"Bare";
    markedWithoutValue.checked = true;
    form->LV2->addItem(markedWithoutValue);
    form->print_button->click();

    const std::vector<std::wstring> page = preview->Memo1->Lines();
    ASSERT_EQ(11u, page.size());
    EXPECT_EQ(Indent8 + L"Processor", page[7]);
    EXPECT_EQ(Indent8 + L"Speed : 2400 MHz", page[8]);
    EXPECT_EQ(Indent8, page[9]);
    EXPECT_EQ(Indent8 + L"Bare : ", page[10]);
    EXPECT_TRUE(preview->visible());
    EXPECT_TRUE(preview->Memo1->visible());
    EXPECT_FALSE(preview->PreviewHasTwoPages);
    EXPECT_FALSE(preview->next_button->enabled());
    EXPECT_FALSE(preview->Prev_button->enabled());
}

TEST_F(PrintPreviewTest, ComponentRowsUseNineBlanksAndLongListsTwoPages) {
    form->PageControl1->setActivePage(1);
    AddRows(*form->LV1, 72);
    form->print_buttonClick();

    EXPECT_TRUE(preview->PreviewHasTwoPages);
    EXPECT_TRUE(preview->next_button->enabled());
    const std::vector<std::wstring> second = preview->Memo2->Lines();
    ASSERT_EQ(8u, second.size());
    EXPECT_EQ(std::wstring(9, L' ') + L"Item 71 : v", second[7]);
    preview->next_buttonClick();
    EXPECT_FALSE(preview->Memo1->visible());
    EXPECT_TRUE(preview->Memo2->visible());
    preview->Prev_buttonClick();
    EXPECT_TRUE(preview->Memo1->visible());
}

TEST_F(PrintPreviewTest, SecondRequestGoesInFrontUntilThePreviewCloses) {
    form->AddInfoRow(*form->LV2, DataRow(L"First", L"1"));
    form->print_buttonClick();
    form->LV2->clear();
    form->AddInfoRow(*form->LV2, DataRow(L"Second", L"2"));
    form->print_buttonClick();

    std::vector<std::wstring> page = preview->Memo1->Lines();
    ASSERT_EQ(16u, page.size());
    EXPECT_EQ(Indent8 + L"Second : 2", page[7]);
    EXPECT_EQ(Indent8 + L"First : 1", page[15]);

    preview->SpeedButton4Click();
    EXPECT_FALSE(preview->visible());
    EXPECT_TRUE(preview->Memo1->Lines().empty());
    EXPECT_TRUE(preview->Memo2->Lines().empty());
    form->print_buttonClick();
    EXPECT_EQ(8u, preview->Memo1->Lines().size());
}

TEST_F(PrintPreviewTest, OtherTabsGiveTheHeadersAlone) {
    AddRows(*form->LV2, 3);
    form->PageControl1->setActivePage(2);
    form->print_buttonClick();
    EXPECT_EQ(7u, preview->Memo1->Lines().size());
}

TEST_F(PrintPreviewTest, ZoomHalvesThePagesAndTwiceRestoresThem) {
    EXPECT_EQ(1, preview->PreviewZoom);
    EXPECT_EQ(751, preview->Memo1->width());
    EXPECT_EQ(1062, preview->Memo1->height());
    preview->zoom_buttonClick();
    EXPECT_EQ(2, preview->PreviewZoom);
    EXPECT_EQ(375, preview->Memo2->width());
    EXPECT_EQ(531, preview->Memo2->height());
    EXPECT_EQ(L" 100%", preview->zoom_button->caption());
    preview->zoom_buttonClick();
    EXPECT_EQ(1, preview->PreviewZoom);
    EXPECT_EQ(751, preview->Memo1->width());
    EXPECT_EQ(L" 50%", preview->zoom_button->caption());
}

TEST(WriteSheets, TenPointFixedPitchHalfAnInchInAndANewSheetWhenTheNextLineDoesNotFit) {
    PaperSheets paper;
    ASSERT_TRUE(WriteSheets(paper.Device(), std::vector<std::wstring>(40, L"MMMM")));

    EXPECT_EQ(MulDiv(10, PaperSheets::Dpi, 72),
              paper.metrics.tmHeight - paper.metrics.tmInternalLeading);
    EXPECT_EQ(0, paper.metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) << "fixed pitch";
    const int margin = PaperSheets::Dpi / 2;
    const int lineHeight = paper.metrics.tmHeight + paper.metrics.tmExternalLeading;
    const std::size_t perSheet =
        static_cast<std::size_t>((PaperSheets::Height - margin) / lineHeight);
    ASSERT_EQ((40 + perSheet - 1) / perSheet, paper.lineTops.size());
    EXPECT_EQ(perSheet, paper.lineTops.front().size());
    EXPECT_EQ(40 % perSheet, paper.lineTops.back().size());
    for (const std::vector<int>& tops : paper.lineTops) {
        ASSERT_FALSE(tops.empty());
        EXPECT_GE(tops.front(), margin);
        EXPECT_LT(tops.front(), margin + lineHeight);
        for (std::size_t i = 1; i < tops.size(); ++i)
            EXPECT_EQ(lineHeight, tops[i] - tops[i - 1]);
    }
    EXPECT_GE(paper.firstInkColumn, margin);
    EXPECT_LT(paper.firstInkColumn, margin + paper.metrics.tmAveCharWidth);
}

TEST(WriteJob, EndedWhenWrittenAbortedWhenASheetFailsOrThrows) {
    PaperSheets paper;
    std::string calls;
    // Each step of the job adds its name to the calls and succeeds.
    const auto call = [&calls](const char* name) {
        return [&calls, name] {
            calls += name;
            return true;
        };
    };
    TJobDevice job{paper.Device(), call("start "), call("end"), call("abort")};
    EXPECT_TRUE(WriteJob(job, {L"line"}));
    EXPECT_EQ("start end", calls);

    calls.clear();
    job.Sheets.EndSheet = [] { return false; };
    EXPECT_FALSE(WriteJob(job, {L"line"}));
    EXPECT_EQ("start abort", calls);

    calls.clear();
    job.Sheets.StartSheet = []() -> bool { throw std::runtime_error("out of paper"); };
    EXPECT_THROW(WriteJob(job, {L"line"}), std::runtime_error);
    EXPECT_EQ("start abort", calls);
}

TEST_F(PrintPreviewTest, PrinterFailureShowsTheErrorMessage) {
    PrintLinesTo(L"TwTest no such printer", {L"line"});
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"Error Printing text.", messages[0]);
}

TEST_F(PrintPreviewTest, EachFailingJobOfTwoPagesReportsItsError) {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size != 0)
        GTEST_SKIP() << "this prefix has a default printer";
    AddRows(*form->LV2, 71);
    form->print_buttonClick();
    preview->print_button->click();
    EXPECT_EQ(std::vector<std::wstring>(2, L"Error Printing text."), messages);
}
