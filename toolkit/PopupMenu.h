#pragma once
// A popup menu of items with handlers. popup() goes through the
// trackPopupMenu seam and runs the chosen item's handler through guard.

#include "toolkit/GuiHandles.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tk {

class PopupMenu {
  public:
    PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // Returns the item's index (0, 1, ...; separators count as items).
    int addItem(const std::wstring& caption, std::function<void()> handler);
    int addSeparator();
    void setEnabled(int item, bool enabled);
    // Shows the item in bold as the default one.
    void setDefault(int item);
    int count() const { return static_cast<int>(handlers_.size()); }

    // Shows the menu at screen point (x, y); returns the chosen item's index or
    // -1 when nothing was chosen. The owner window receives the menu's messages.
    int popup(int x, int y, HWND owner);
    // Runs the handler of an item through guard.
    void run(int item);

    HMENU handle() const { return menu_.get(); }

  private:
    static UINT commandId(int item) { return static_cast<UINT>(item) + 1; }

    MenuHandle menu_;
    std::vector<std::function<void()>> handlers_;
};

} // namespace tk
