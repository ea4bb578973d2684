#include "toolkit/Edit.h"

namespace tk {

Edit::Edit(Control& parent, int x, int y, int width, int height, const std::wstring& text)
    : Edit(parent, x, y, width, height, text, 0) {}

Edit::Edit(Control& parent, int x, int y, int width, int height, const std::wstring& text,
           DWORD extraStyle) {
    initColor(GetSysColor(COLOR_WINDOW));
    createSystem(L"EDIT", &parent,
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | extraStyle,
                 WS_EX_CLIENTEDGE, x, y, width, height, text);
}

void Edit::setReadOnly(bool readOnly) {
    SendMessageW(handle(), EM_SETREADONLY, readOnly, 0);
}

bool Edit::readOnly() const {
    return hasStyle(ES_READONLY);
}

void Edit::setBorder(bool border) {
    setExStyleFlag(WS_EX_CLIENTEDGE, border);
}

bool Edit::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        result = answerColors(wParam, backgroundBrush(), true);
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
            fire(onChange);
        return true;
    default:
        return false;
    }
}

} // namespace tk
