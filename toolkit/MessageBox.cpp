#include "toolkit/MessageBox.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Seams.h"

namespace tk {

int messageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    Form* main = app().mainForm();
    return messageBox(main ? main->handle() : nullptr, text, caption, flags);
}

int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return seams().messageBox(owner, text, caption, flags);
}

} // namespace tk
