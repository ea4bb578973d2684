#include "toolkit/CheckBox.h"

namespace tk {

CheckBox::CheckBox(Control& parent, int x, int y, int width, int height,
                   const std::wstring& caption) {
    initColor(parent.color());
    createSystem(L"BUTTON", &parent,
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_AUTOCHECKBOX, 0, x, y,
                 width, height, caption);
}

void CheckBox::setChecked(bool checked) {
    if (checked == this->checked())
        return;
    SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    fire(onClick);
}

bool CheckBox::checked() const {
    return SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::setColor(COLORREF color) {
    ownColor_ = true;
    Control::setColor(color);
}

bool CheckBox::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        result = answerColors(wParam, ownColor_ ? backgroundBrush() : parentBrush());
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            fire(onClick);
        return true;
    default:
        return false;
    }
}

} // namespace tk
