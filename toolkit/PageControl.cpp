#include "toolkit/PageControl.h"

#include <commctrl.h>

namespace tk {

PageControl::PageControl(Control& parent, int x, int y, int width, int height) {
    initColor(parent.color());
    createSystem(WC_TABCONTROLW, &parent,
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                 WS_EX_CONTROLPARENT, x, y, width, height);
}

Panel& PageControl::addPage(const std::wstring& caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    SendMessageW(handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
    const RECT area = pageArea();
    auto page = std::make_unique<Panel>(*this, area.left, area.top, area.right - area.left,
                                        area.bottom - area.top);
    page->setBevelOuter(Bevel::None);
    pages_.push_back(std::move(page));
    if (pages_.size() == 1)
        SendMessageW(handle(), TCM_SETCURSEL, 0, 0);
    showActivePage();
    return *pages_.back();
}

int PageControl::activePage() const {
    return static_cast<int>(SendMessageW(handle(), TCM_GETCURSEL, 0, 0));
}

void PageControl::setActivePage(int index) {
    SendMessageW(handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    showActivePage();
}

RECT PageControl::pageArea() const {
    RECT area = clientRect();
    SendMessageW(handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void PageControl::layoutPages() {
    const RECT area = pageArea();
    for (auto& page : pages_)
        page->setBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void PageControl::showActivePage() {
    const int active = activePage();
    for (int i = 0; i < pageCount(); ++i)
        pages_[static_cast<std::size_t>(i)]->setVisible(i == active);
}

LRESULT PageControl::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Control::handleMessage(msg, wParam, lParam);
    if (msg == WM_SIZE)
        layoutPages();
    return result;
}

bool PageControl::reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != TCN_SELCHANGE)
        return false;
    showActivePage();
    fire(onChange);
    result = 0;
    return true;
}

} // namespace tk
