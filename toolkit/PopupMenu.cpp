#include "toolkit/PopupMenu.h"

#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace tk {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

int PopupMenu::addItem(const std::wstring& caption, std::function<void()> handler) {
    const int item = count();
    AppendMenuW(menu_.get(), MF_STRING, commandId(item), caption.c_str());
    handlers_.push_back(std::move(handler));
    return item;
}

int PopupMenu::addSeparator() {
    const int item = count();
    AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
    handlers_.emplace_back();
    return item;
}

void PopupMenu::setEnabled(int item, bool enabled) {
    EnableMenuItem(menu_.get(), commandId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PopupMenu::setDefault(int item) {
    SetMenuDefaultItem(menu_.get(), commandId(item), FALSE);
}

int PopupMenu::popup(int x, int y, HWND owner) {
    const int item = seams().trackPopupMenu(menu_.get(), x, y, owner) - 1;
    if (item < 0 || item >= count())
        return -1;
    run(item);
    return item;
}

void PopupMenu::run(int item) {
    const auto handler = handlers_.at(static_cast<std::size_t>(item));
    if (handler)
        app().guard(handler);
}

} // namespace tk
