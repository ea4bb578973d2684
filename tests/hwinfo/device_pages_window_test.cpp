#include "device_sources_fake.h"
#include "main_window_fixture.h"

#include <commctrl.h>

namespace {

using namespace device_fakes;

class DevicePagesWindowTest : public MainWindowTest {
  protected:
    std::wstring ColumnTitle(tk::ListView& list, int column) {
        wchar_t text[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 64;
        SendMessageW(list.handle(), LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&info));
        return text;
    }
    int ColumnWidth(tk::ListView& list, int column) {
        return static_cast<int>(
            SendMessageW(list.handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    // Drags the right edge of a column's header by dx pixels, as the mouse does.
    void DragColumnEdge(tk::ListView& list, int column, int dx) {
        const HWND header =
            reinterpret_cast<HWND>(SendMessageW(list.handle(), LVM_GETHEADER, 0, 0));
        RECT item{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
        const int y = (item.top + item.bottom) / 2;
        PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 1, y));
        PostMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right - 1 + dx, y));
        PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(item.right - 1 + dx, y));
        tk::app().processMessages();
    }
    void ExpectEndStepRan(tk::ListView& list, TButtonGroup& buttons, bool hasContent) {
        EXPECT_TRUE(list.visible());
        EXPECT_TRUE(buttons.enabled());
        EXPECT_TRUE(form->print_button->visible());
        EXPECT_TRUE(hasContent);
        EXPECT_TRUE(messages.empty());
    }
};

} // namespace

TEST_F(DevicePagesWindowTest, EveryComponentPageReachesItsEndStepWithTheRealSources) {
    const std::vector<void (TForm1::*)()> pages = {
        &TForm1::Action1Execute, &TForm1::Action2Execute, &TForm1::Action3Execute,
        &TForm1::Action4Execute, &TForm1::Action5Execute, &TForm1::Action6Execute,
        &TForm1::Action7Execute, &TForm1::Action8Execute, &TForm1::Action9Execute};
    for (auto page : pages) {
        form->ComponentHasContent = false;
        (form.get()->*page)();
        ExpectEndStepRan(*form->LV1, *form->ButtonGroup1, form->ComponentHasContent);
    }
    EXPECT_FALSE(form->SystemHasContent);
}

TEST_F(DevicePagesWindowTest, PortsPageReachesItsEndStepWithTheRealSources) {
    form->portsinfoExecute();
    ExpectEndStepRan(*form->LV2, *form->ButtonGroup2, form->SystemHasContent);
    ASSERT_GE(form->LV2->count(), 31);
    EXPECT_EQ(L"Serial Ports", form->LV2->item(0).caption);
    EXPECT_EQ(-1, form->LV2->itemIndex());
    EXPECT_EQ(L"Item", ColumnTitle(*form->LV2, 0));
    EXPECT_FALSE(form->ComponentHasContent);
}

TEST_F(DevicePagesWindowTest, HeadingRowStaysSelectedOnlyOnPagesThatKeepIt) {
    FakeRegistry registry;
    form->UsbSources.Registry = registry.Source();
    form->InputSources.Registry = registry.Source();
    form->Action9Execute();
    ASSERT_EQ(1, form->LV1->count());
    EXPECT_EQ(0, form->LV1->itemIndex());
    EXPECT_FALSE(form->LV1->item(0).checked);
    EXPECT_EQ(8, form->LV1->item(0).imageIndex);

    form->Action4Execute();
    EXPECT_EQ(L"Keyboard", form->LV1->item(0).caption);
    EXPECT_EQ(-1, form->LV1->itemIndex());
    EXPECT_TRUE(form->LV1->item(1).checked);
}

TEST_F(DevicePagesWindowTest,
       UsbPageRetitlesTheColumnsAndTheNextPageRestoresThemKeepingTheValueWidth) {
    form->PageControl1->setActivePage(1);
    DragColumnEdge(*form->LV1, 0, -90);
    DragColumnEdge(*form->LV1, 1, -90);
    const int widthGiven = ColumnWidth(*form->LV1, 1);
    ASSERT_EQ(260, widthGiven);
    form->Action9Execute();
    EXPECT_EQ(L"Device", ColumnTitle(*form->LV1, 0));
    EXPECT_EQ(200, ColumnWidth(*form->LV1, 0));
    EXPECT_EQ(L"PNP Device ID", ColumnTitle(*form->LV1, 1));
    form->Action4Execute();
    EXPECT_EQ(L"Item", ColumnTitle(*form->LV1, 0));
    EXPECT_EQ(150, ColumnWidth(*form->LV1, 0));
    EXPECT_EQ(L"Value", ColumnTitle(*form->LV1, 1));
    EXPECT_EQ(widthGiven, ColumnWidth(*form->LV1, 1));
}

TEST_F(DevicePagesWindowTest, ClickedMonitorPageShowsTheDesktopMonitorWhereNoClassKeyQualifies) {
    FakeWmi wmi;
    wmi.Set(L"Win32_DesktopMonitor", L"Name", L"Generic Non-PnP Monitor");
    form->MonitorSources = {FakeRegistry().Source(), wmi.Source()};
    ClickPageButton(*form->ButtonGroup1, 0);
    ASSERT_EQ(8, form->LV1->count());
    EXPECT_EQ(L"Generic Non-PnP Monitor", form->LV1->subItem(1, 0));
}

TEST_F(DevicePagesWindowTest, PrinterPageWithoutWmiShowsOneDataRow) {
    form->SoundSources.Wmi = [](const std::wstring&, const std::wstring&) {
        return std::wstring();
    };
    form->Action8Execute();
    ASSERT_EQ(1, form->LV1->count());
    EXPECT_EQ(L"Not Available", form->LV1->item(0).caption);
    EXPECT_TRUE(form->LV1->item(0).checked);
    EXPECT_EQ(0, form->LV1->item(0).imageIndex);
    EXPECT_EQ(-1, form->LV1->itemIndex());
}
