#pragma once
// Report-style list view that keeps its own row model and shows it through a
// virtual SysListView32 (LVS_OWNERDATA): adding a row is cheap and the row is
// visible at once. Check boxes are state images answered from the model and
// toggled by a click on the check box or by Space. Single selection.

#include "toolkit/Control.h"
#include "toolkit/ImageList.h"

#include <vector>

namespace tk {

struct ListItem {
    std::wstring caption;               // first column
    std::vector<std::wstring> subItems; // second column on; may hold more than there are columns
    bool checked = false;
    int imageIndex = -1;
};

// How one cell is drawn: text colour and weight.
struct CellStyle {
    COLORREF textColor = 0;
    bool bold = false;
};

class ListView : public Control {
  public:
    ListView(Control& parent, int x, int y, int width, int height);

    void setCheckBoxes(bool checkBoxes);
    bool checkBoxes() const { return checkBoxes_; }
    // Selection and hot tracking over the whole row.
    void setRowSelect(bool rowSelect);
    // No in-place editing of captions (the default).
    void setReadOnly(bool readOnly);
    void setBorder(bool border);
    void setGridLines(bool gridLines);
    // The list is not owned; nullptr for none.
    void setSmallImages(ImageList* images);
    void setColor(COLORREF color) override;

    void clearColumns();
    int addColumn(const std::wstring& title, int width, Alignment alignment = Alignment::Left);
    // Retitles an existing column; its width stays as it is.
    void setColumnTitle(int index, const std::wstring& title);
    void setColumnWidth(int index, int width);
    int columnCount() const { return columnCount_; }

    const std::vector<ListItem>& items() const { return items_; }
    // Changes through the reference show after refreshItem / repaint.
    ListItem& item(int index) { return items_.at(index); }
    const ListItem& item(int index) const { return items_.at(index); }
    int count() const { return static_cast<int>(items_.size()); }

    // Appends a row, shown at once; returns its index.
    int addItem(ListItem item);
    void insertItem(int index, ListItem item);
    void deleteItem(int index);
    void clear();
    void refreshItem(int index);

    // Runs onItemChecked when the state changes.
    void setChecked(int index, bool checked);
    bool checked(int index) const { return items_.at(index).checked; }
    void setCaption(int index, const std::wstring& text);
    // subIndex 0 is the second column; sub-items are added as needed.
    void setSubItem(int index, int subIndex, const std::wstring& text);
    // Text of a sub-item, empty when the row has none there.
    std::wstring subItem(int index, int subIndex) const;

    // Selected row, -1 for none.
    int itemIndex() const { return itemIndex_; }
    // Selects and focuses a row (-1 clears); runs onSelectItem when it changes.
    void setItemIndex(int index);
    void makeVisible(int index);

    // Batches changes: the control catches up with the model on the last endUpdate.
    void beginUpdate();
    void endUpdate();

    // Rows added from beginAppending on reach the control only on showAddedRows or
    // endAppending, which paint the added rows in view and no row already shown: much
    // cheaper than a batch, which repaints the whole list. Other changes reach it at once.
    void beginAppending();
    void showAddedRows();
    void endAppending();

    // Row whose check box changed.
    std::function<void(int index)> onItemChecked;
    // Newly selected row (-1 when the selection went away).
    std::function<void(int index)> onSelectItem;
    // Style of a sub-item cell (column 1 on) before it is drawn; starts as the list's font.
    std::function<void(int index, int subItem, CellStyle& style)> onCustomDrawSubItem;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void setExtendedStyle(DWORD flag, bool on);
    void syncCount(bool invalidateAll);
    void fontChanged() override;
    int focusedRow() const;
    void selectNatively(int index);
    void readSelection();
    void answerDisplayInfo(NMLVDISPINFOW& info);
    LRESULT customDraw(NMLVCUSTOMDRAW& draw);
    bool clickedCheckBox(LPARAM lParam);
    void toggle(int index);
    void moveSelection(int index);

    std::vector<ListItem> items_;
    bool checkBoxes_ = false;
    int columnCount_ = 0;
    int itemIndex_ = -1;
    int updateDepth_ = 0;
    bool appending_ = false;
    bool suppressSelectEvent_ = false;
    std::shared_ptr<const Font> cellFont_;
};

} // namespace tk
