#include "toolkit/ListView.h"

#include "toolkit/Application.h"

#include <commctrl.h>
#include <windowsx.h>

namespace tk {
namespace {

int columnFormat(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return LVCFMT_CENTER;
    case Alignment::Right:
        return LVCFMT_RIGHT;
    case Alignment::Left:
        break;
    }
    return LVCFMT_LEFT;
}

// State image 1 is the empty check box, 2 the checked one.
UINT checkStateImage(bool checked) {
    return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

} // namespace

ListView::ListView(Control& parent, int x, int y, int width, int height) {
    initColor(GetSysColor(COLOR_WINDOW));
    createSystem(WC_LISTVIEWW, &parent,
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA |
                     LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                 WS_EX_CLIENTEDGE, x, y, width, height);
}

void ListView::setExtendedStyle(DWORD flag, bool on) {
    SendMessageW(handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, flag, on ? flag : 0);
}

void ListView::setCheckBoxes(bool checkBoxes) {
    checkBoxes_ = checkBoxes;
    setExtendedStyle(LVS_EX_CHECKBOXES, checkBoxes);
    SendMessageW(handle(), LVM_SETCALLBACKMASK, checkBoxes ? LVIS_STATEIMAGEMASK : 0, 0);
    invalidate();
}

void ListView::setRowSelect(bool rowSelect) {
    setExtendedStyle(LVS_EX_FULLROWSELECT, rowSelect);
}

void ListView::setReadOnly(bool readOnly) {
    setStyleFlag(LVS_EDITLABELS, !readOnly);
}

void ListView::setBorder(bool border) {
    setExStyleFlag(WS_EX_CLIENTEDGE, border);
}

void ListView::setGridLines(bool gridLines) {
    setExtendedStyle(LVS_EX_GRIDLINES, gridLines);
}

void ListView::setSmallImages(ImageList* images) {
    SendMessageW(handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(images ? images->handle() : nullptr));
}

void ListView::setColor(COLORREF color) {
    Control::setColor(color);
    SendMessageW(handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
    SendMessageW(handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
}

void ListView::fontChanged() {
    SendMessageW(handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(font().color));
}

void ListView::clearColumns() {
    for (; columnCount_ > 0; --columnCount_)
        SendMessageW(handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(columnCount_ - 1), 0);
}

int ListView::addColumn(const std::wstring& title, int width, Alignment alignment) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = columnFormat(alignment);
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    column.iSubItem = columnCount_;
    SendMessageW(handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(columnCount_),
                 reinterpret_cast<LPARAM>(&column));
    return columnCount_++;
}

void ListView::setColumnTitle(int index, const std::wstring& title) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    SendMessageW(handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void ListView::setColumnWidth(int index, int width) {
    SendMessageW(handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0));
}

int ListView::addItem(ListItem item) {
    items_.push_back(std::move(item));
    const int index = count() - 1;
    if (appending_)
        return index;
    syncCount(false);
    refreshItem(index);
    return index;
}

void ListView::insertItem(int index, ListItem item) {
    items_.insert(items_.begin() + index, std::move(item));
    syncCount(true);
    if (itemIndex_ >= index)
        moveSelection(itemIndex_ + 1);
}

void ListView::deleteItem(int index) {
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index)
        setItemIndex(-1);
    else if (itemIndex_ > index)
        moveSelection(itemIndex_ - 1);
    syncCount(true);
}

void ListView::clear() {
    items_.clear();
    // Emptied first: clearing the selection visits every row the control holds.
    SendMessageW(handle(), LVM_DELETEALLITEMS, 0, 0);
    setItemIndex(-1);
    syncCount(true);
}

void ListView::refreshItem(int index) {
    if (updateDepth_ > 0)
        return;
    SendMessageW(handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
    UpdateWindow(handle());
}

void ListView::syncCount(bool invalidateAll) {
    if (updateDepth_ > 0)
        return;
    const LPARAM flags = LVSICF_NOSCROLL | (invalidateAll ? 0 : LVSICF_NOINVALIDATEALL);
    SendMessageW(handle(), LVM_SETITEMCOUNT, items_.size(), flags);
    if (invalidateAll)
        invalidate();
}

void ListView::setChecked(int index, bool checked) {
    ListItem& row = items_.at(static_cast<std::size_t>(index));
    if (row.checked == checked)
        return;
    row.checked = checked;
    refreshItem(index);
    if (onItemChecked)
        app().guard([&] { onItemChecked(index); });
}

void ListView::toggle(int index) {
    setChecked(index, !checked(index));
}

void ListView::setCaption(int index, const std::wstring& text) {
    items_.at(static_cast<std::size_t>(index)).caption = text;
    refreshItem(index);
}

void ListView::setSubItem(int index, int subIndex, const std::wstring& text) {
    auto& subItems = items_.at(static_cast<std::size_t>(index)).subItems;
    if (static_cast<int>(subItems.size()) <= subIndex)
        subItems.resize(static_cast<std::size_t>(subIndex) + 1);
    subItems[static_cast<std::size_t>(subIndex)] = text;
    refreshItem(index);
}

std::wstring ListView::subItem(int index, int subIndex) const {
    const auto& subItems = items_.at(static_cast<std::size_t>(index)).subItems;
    if (subIndex < 0 || subIndex >= static_cast<int>(subItems.size()))
        return {};
    return subItems[static_cast<std::size_t>(subIndex)];
}

void ListView::setItemIndex(int index) {
    if (index >= count())
        index = -1;
    selectNatively(index);
    readSelection();
}

// Selects and focuses one row in the control, or none for -1.
void ListView::selectNatively(int index) {
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&clear));
    if (index < 0)
        return;
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&select));
}

// The selected row moved to another index with the rows around it: follow it
// without reporting a change of selection.
void ListView::moveSelection(int index) {
    suppressSelectEvent_ = true;
    itemIndex_ = index;
    selectNatively(index);
    suppressSelectEvent_ = false;
}

// Takes the control's selection into the model; reports a change.
void ListView::readSelection() {
    if (suppressSelectEvent_)
        return;
    int selected = static_cast<int>(
        SendMessageW(handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected >= count())
        selected = -1;
    if (selected == itemIndex_)
        return;
    itemIndex_ = selected;
    if (onSelectItem)
        app().guard([&] { onSelectItem(selected); });
}

void ListView::makeVisible(int index) {
    SendMessageW(handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void ListView::beginUpdate() {
    if (updateDepth_++ == 0)
        SendMessageW(handle(), WM_SETREDRAW, FALSE, 0);
}

void ListView::endUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    SendMessageW(handle(), WM_SETREDRAW, TRUE, 0);
    syncCount(true);
}

void ListView::beginAppending() {
    appending_ = true;
}

void ListView::showAddedRows() {
    syncCount(false);
    UpdateWindow(handle());
}

void ListView::endAppending() {
    appending_ = false;
    showAddedRows();
}

int ListView::focusedRow() const {
    const int focused = static_cast<int>(
        SendMessageW(handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    return focused >= 0 && focused < count() ? focused : itemIndex_;
}

bool ListView::clickedCheckBox(LPARAM lParam) {
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SendMessageW(handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (!(hit.flags & LVHT_ONITEMSTATEICON) || hit.iItem < 0 || hit.iItem >= count())
        return false;
    setFocus();
    toggle(hit.iItem);
    return true;
}

LRESULT ListView::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (checkBoxes_) {
        switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (clickedCheckBox(lParam))
                return 0;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                const int row = focusedRow();
                if (row >= 0)
                    toggle(row);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L' ')
                return 0;
            break;
        default:
            break;
        }
    }
    return Control::handleMessage(msg, wParam, lParam);
}

LRESULT ListView::customDraw(NMLVCUSTOMDRAW& draw) {
    if (!onCustomDrawSubItem)
        return CDRF_DODEFAULT;
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        break;
    default:
        return CDRF_DODEFAULT;
    }
    CellStyle style{font().color, font().bold};
    const int index = static_cast<int>(draw.nmcd.dwItemSpec);
    if (draw.iSubItem > 0 && index >= 0 && index < count())
        app().guard([&] { onCustomDrawSubItem(index, draw.iSubItem, style); });
    draw.clrText = style.textColor;
    FontSpec cellFont = font();
    cellFont.bold = style.bold;
    cellFont_ = Font::shared(cellFont);
    SelectObject(draw.nmcd.hdc, cellFont_->handle());
    return CDRF_NEWFONT;
}

void ListView::answerDisplayInfo(NMLVDISPINFOW& info) {
    LVITEMW& asked = info.item;
    if (asked.iItem < 0 || asked.iItem >= count())
        return;
    const ListItem& row = items_[static_cast<std::size_t>(asked.iItem)];
    if ((asked.mask & LVIF_TEXT) && asked.pszText && asked.cchTextMax > 0) {
        const std::wstring text =
            asked.iSubItem == 0 ? row.caption : subItem(asked.iItem, asked.iSubItem - 1);
        lstrcpynW(asked.pszText, text.c_str(), asked.cchTextMax);
    }
    if (asked.mask & LVIF_IMAGE)
        asked.iImage = row.imageIndex;
    if ((asked.mask & LVIF_STATE) && checkBoxes_) {
        asked.state = (asked.state & ~LVIS_STATEIMAGEMASK) | checkStateImage(row.checked);
        asked.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

bool ListView::reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    result = 0;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        answerDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        return true;
    case NM_CUSTOMDRAW:
        result = customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        return true;
    case LVN_ITEMCHANGED:
        if (reinterpret_cast<NMLISTVIEW*>(lParam)->uChanged & LVIF_STATE)
            readSelection();
        return true;
    case NM_CLICK:
        fire(onClick);
        return true;
    case NM_DBLCLK:
        fire(onDoubleClick);
        return true;
    default:
        return false;
    }
}

} // namespace tk
