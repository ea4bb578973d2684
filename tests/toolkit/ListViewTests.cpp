#include "Fixture.h"

#include "tests/support/Keyboard.h"
#include "toolkit/ListView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

using namespace tk;

namespace {

ListItem row(const std::wstring& caption, std::vector<std::wstring> subItems = {},
             bool checked = false) {
    ListItem item;
    item.caption = caption;
    item.subItems = std::move(subItems);
    item.checked = checked;
    return item;
}

class ListViewTest : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        list.setCheckBoxes(true);
        list.setRowSelect(true);
        list.addColumn(L"Name", 150);
        list.addColumn(L"Detail", 150);
        list.onItemChecked = [this](int i) { checkedEvents.push_back(i); };
        list.onSelectItem = [this](int i) { selectEvents.push_back(i); };
    }

    // What the control itself shows (asks the model through LVN_GETDISPINFO).
    std::wstring shownText(int index, int column) {
        wchar_t buffer[256] = L"";
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 256;
        SendMessageW(list.handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    bool shownChecked(int index) {
        const auto state = SendMessageW(list.handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                        LVIS_STATEIMAGEMASK);
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }
    int shownCount() {
        return static_cast<int>(SendMessageW(list.handle(), LVM_GETITEMCOUNT, 0, 0));
    }
    // A point dx pixels into a part (LVIR_*) of a row, halfway down.
    LPARAM pointIn(int index, int part, int dx) {
        RECT r{};
        r.left = part;
        SendMessageW(list.handle(), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return MAKELPARAM(r.left + dx, (r.top + r.bottom) / 2);
    }
    // A point on the check box of a row.
    LPARAM checkBoxPoint(int index) { return pointIn(index, LVIR_BOUNDS, 8); }
    LPARAM captionPoint(int index) { return pointIn(index, LVIR_LABEL, 10); }

    ListView list{form, 0, 0, 480, 300};
    std::vector<int> checkedEvents;
    std::vector<int> selectEvents;
};

} // namespace

TEST_F(ListViewTest, AddedRowsAppearInTheControl) {
    EXPECT_EQ(0, list.addItem(row(L"HKCU\\Run", {L"Invalid", L"C:\\gone.exe"})));
    EXPECT_EQ(1, list.addItem(row(L"Second", {L"x"}, true)));
    EXPECT_EQ(2, list.count());
    EXPECT_EQ(2, shownCount());
    EXPECT_EQ(L"HKCU\\Run", shownText(0, 0));
    EXPECT_EQ(L"Invalid", shownText(0, 1));
    EXPECT_EQ(L"Second", shownText(1, 0));
}

TEST_F(ListViewTest, SubItemsBeyondTheColumnsAreKept) {
    list.addItem(row(L"a", {L"one", L"two", L"three"}));
    list.setSubItem(0, 5, L"six");
    EXPECT_EQ(L"three", list.subItem(0, 2));
    EXPECT_EQ(L"six", list.subItem(0, 5));
    EXPECT_EQ(L"", list.subItem(0, 4));
    EXPECT_EQ(L"", list.subItem(0, 9));
    EXPECT_EQ(6u, list.item(0).subItems.size());
}

TEST_F(ListViewTest, CheckBoxesShowTheModelState) {
    list.addItem(row(L"a", {}, true));
    list.addItem(row(L"b"));
    EXPECT_TRUE(shownChecked(0));
    EXPECT_FALSE(shownChecked(1));
    list.setChecked(1, true);
    EXPECT_TRUE(shownChecked(1));
    EXPECT_EQ(std::vector<int>{1}, checkedEvents);
    list.setChecked(1, true);
    EXPECT_EQ(1u, checkedEvents.size());
}

TEST_F(ListViewTest, ClickOnTheCheckBoxToggles) {
    list.addItem(row(L"a"));
    list.addItem(row(L"b"));
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(checkBoxPoint(1)), GET_Y_LPARAM(checkBoxPoint(1))};
    SendMessageW(list.handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    ASSERT_EQ(1, hit.iItem);
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);

    SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, checkBoxPoint(1));
    SendMessageW(list.handle(), WM_LBUTTONUP, 0, checkBoxPoint(1));
    EXPECT_TRUE(list.checked(1));
    EXPECT_FALSE(list.checked(0));
    EXPECT_TRUE(shownChecked(1));
    SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, checkBoxPoint(1));
    SendMessageW(list.handle(), WM_LBUTTONUP, 0, checkBoxPoint(1));
    EXPECT_FALSE(list.checked(1));
    EXPECT_EQ((std::vector<int>{1, 1}), checkedEvents);
}

TEST_F(ListViewTest, ClickOnTheCaptionSelectsWithoutToggling) {
    list.addItem(row(L"a"));
    list.addItem(row(L"b"));
    SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, captionPoint(1));
    SendMessageW(list.handle(), WM_LBUTTONUP, 0, captionPoint(1));
    EXPECT_EQ(1, list.itemIndex());
    EXPECT_FALSE(list.checked(1));
    EXPECT_EQ(std::vector<int>{1}, selectEvents);
}

TEST_F(ListViewTest, SpaceTogglesTheSelectedRowOnce) {
    list.addItem(row(L"a"));
    list.addItem(row(L"b"));
    list.setItemIndex(1);
    keys::bringForward(form);
    list.setFocus();
    keys::press(VK_SPACE);
    EXPECT_TRUE(list.checked(1));
    EXPECT_FALSE(list.checked(0));
    EXPECT_EQ(std::vector<int>{1}, checkedEvents);
    keys::press(VK_SPACE);
    EXPECT_FALSE(list.checked(1));
}

TEST_F(ListViewTest, SelectionFollowsInsertAndDelete) {
    for (auto name : {L"a", L"b", L"c"})
        list.addItem(row(name));
    list.setItemIndex(1);
    EXPECT_EQ(std::vector<int>{1}, selectEvents);
    list.insertItem(0, row(L"first"));
    EXPECT_EQ(2, list.itemIndex());
    EXPECT_EQ(L"b", list.item(list.itemIndex()).caption);
    EXPECT_EQ(L"first", shownText(0, 0));
    EXPECT_EQ(4, shownCount());
    list.deleteItem(0);
    EXPECT_EQ(1, list.itemIndex());
    EXPECT_EQ(L"b", list.item(1).caption);
    EXPECT_EQ(std::vector<int>{1}, selectEvents);
    list.deleteItem(1);
    EXPECT_EQ(-1, list.itemIndex());
    EXPECT_EQ(2, shownCount());
    EXPECT_EQ(L"c", shownText(1, 0));
}

TEST_F(ListViewTest, ClearEmptiesModelControlAndSelection) {
    list.addItem(row(L"a"));
    list.setItemIndex(0);
    list.clear();
    EXPECT_EQ(0, list.count());
    EXPECT_EQ(0, shownCount());
    EXPECT_EQ(-1, list.itemIndex());
    EXPECT_EQ(-1, static_cast<int>(SendMessageW(list.handle(), LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED)));
}

TEST_F(ListViewTest, BatchedAndAppendedRowsShowWhenTheirBatchEnds) {
    list.beginUpdate();
    for (int i = 0; i < 500; ++i)
        list.addItem(row(L"row " + std::to_wstring(i)));
    list.endUpdate();
    EXPECT_EQ(500, shownCount());
    EXPECT_EQ(L"row 499", shownText(499, 0));

    list.beginAppending();
    list.addItem(row(L"appended"));
    EXPECT_EQ(500, shownCount());
    list.showAddedRows();
    EXPECT_EQ(501, shownCount());
    list.addItem(row(L"last"));
    list.endAppending();
    EXPECT_EQ(502, shownCount());
    EXPECT_EQ(L"last", shownText(501, 0));
    list.addItem(row(L"after"));
    EXPECT_EQ(503, shownCount());
}

TEST_F(ListViewTest, OutOfRangeSelectionClears) {
    list.addItem(row(L"a"));
    list.setItemIndex(0);
    list.setItemIndex(7);
    EXPECT_EQ(-1, list.itemIndex());
}

TEST_F(ListViewTest, ColumnsCanBeReplaced) {
    list.clearColumns();
    EXPECT_EQ(0, list.columnCount());
    list.addColumn(L"Key", 100, Alignment::Left);
    EXPECT_EQ(1, list.columnCount());
    HWND header = reinterpret_cast<HWND>(SendMessageW(list.handle(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(1, static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
}

TEST_F(ListViewTest, CustomDrawColoursTheCellsItIsAskedFor) {
    std::vector<std::pair<int, int>> asked;
    list.onCustomDrawSubItem = [&](int index, int subItem, CellStyle& style) {
        asked.push_back({index, subItem});
        if (subItem == 1)
            style = {RGB(255, 0, 0), true};
    };
    list.addItem(row(L"caption", {L"WWWWWWWW"}));
    list.repaint();

    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_LABEL;
    SendMessageW(list.handle(), LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    HDC dc = GetDC(list.handle());
    int redPixels = 0;
    for (int x = cell.left; x < cell.right; ++x)
        for (int y = cell.top; y < cell.bottom; ++y)
            redPixels += GetPixel(dc, x, y) == RGB(255, 0, 0);
    ReleaseDC(list.handle(), dc);

    EXPECT_GT(redPixels, 0);
    EXPECT_NE(asked.end(), std::find(asked.begin(), asked.end(), std::make_pair(0, 1)));
}

TEST_F(ListViewTest, RowsAddedDuringAnUpdateAppearAtItsEnd) {
    list.beginUpdate();
    list.addItem(row(L"a"));
    list.addItem(row(L"b"));
    list.endUpdate();
    EXPECT_EQ(2, shownCount());
    EXPECT_EQ(L"b", shownText(1, 0));
}
