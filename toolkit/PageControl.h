#pragma once
// Tabs (SysTabControl32), each with a Panel page that fills the tab's display
// area. Controls of a page are created with the page as their parent; only the
// active page is visible.

#include "toolkit/Panel.h"

#include <memory>
#include <vector>

namespace tk {

class PageControl : public Control {
  public:
    PageControl(Control& parent, int x, int y, int width, int height);

    // Adds a tab and its page; the first page added becomes the active one.
    Panel& addPage(const std::wstring& caption);
    Panel& page(int index) { return *pages_.at(index); }
    int pageCount() const { return static_cast<int>(pages_.size()); }

    int activePage() const;
    // Shows page index (does not run onChange).
    void setActivePage(int index);

    // The user chose another tab.
    std::function<void()> onChange;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    RECT pageArea() const;
    void layoutPages();
    void showActivePage();

    std::vector<std::unique_ptr<Panel>> pages_;
};

} // namespace tk
