#include "toolkit/GroupBox.h"

namespace tk {

GroupBox::GroupBox(Control& parent, int x, int y, int width, int height,
                   const std::wstring& caption) {
    initColor(parent.color());
    createSystem(L"BUTTON", &parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX,
                 WS_EX_CONTROLPARENT, x, y, width, height, caption);
}

LRESULT GroupBox::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND)
        return eraseBackground(wParam);
    return Control::handleMessage(msg, wParam, lParam);
}

bool GroupBox::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN)
        return false;
    result = answerColors(wParam, backgroundBrush(), true);
    return true;
}

} // namespace tk
