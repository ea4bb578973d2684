#include "controls/SideButtonEdit.h"

#include "controls/CtrlCommon.h"
#include "handles/Clipboard.h"
#include "toolkit/Application.h"

#include <windowsx.h>

namespace ctl {

namespace {

std::wstring clipboardText(HWND owner) {
    const handles::OpenedClipboard clipboard = handles::OpenClipboardFor(owner);
    return clipboard ? handles::ClipboardText() : std::wstring();
}

} // namespace

bool pasteAllowed(const std::wstring& text) {
    return text.find_first_of(L"\r\n") == std::wstring::npos;
}

// A multi-line edit, so that a formatting rectangle can keep the text clear of the button.
TSideButtonEdit::TSideButtonEdit(tk::Control& parent, int x, int y, int width, int height)
    : tk::Edit(parent, x, y, width, height, std::wstring(), ES_MULTILINE) {
    setBorder(false);
    setFormattingRect();
}

TSideButtonEdit::~TSideButtonEdit() {
    if (glyph_)
        glyph_->stopListening(this);
}

int TSideButtonEdit::borderWidth() const {
    return borderColor_ != clNone ? 1 : 0;
}

bool TSideButtonEdit::overButton(int x) const {
    return x > width() - btnWidth_ - 2 * borderWidth();
}

void TSideButtonEdit::setAlignment(tk::Alignment alignment) {
    if (store(alignment_, alignment))
        repaint();
}

void TSideButtonEdit::setBtnVisible(bool visible) {
    if (store(btnVisible_, visible))
        fitTextToButton();
}

void TSideButtonEdit::setBtnWidth(int width) {
    if (store(btnWidth_, width))
        fitTextToButton();
}

void TSideButtonEdit::fitTextToButton() {
    setFormattingRect();
    repaint();
}

void TSideButtonEdit::setPasswordChar(wchar_t ch) {
    const bool becomesPassword = passwordChar_ == 0;
    if (!store(passwordChar_, ch))
        return;
    if (becomesPassword || ch == 0) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)) &
                           ~static_cast<DWORD>(ES_MULTILINE | ES_PASSWORD);
        recreateSystem(style | (ch ? ES_PASSWORD : ES_MULTILINE));
    }
    SendMessageW(handle(), EM_SETPASSWORDCHAR, ch, 0);
    setFormattingRect();
    repaint();
}

void TSideButtonEdit::setGlyph(tk::ImageList* images) {
    tk::ImageList* const previous = glyph_;
    if (!store(glyph_, images))
        return;
    if (previous)
        previous->stopListening(this);
    if (glyph_)
        glyph_->listen(this, [this] {
            glyph_ = nullptr;
            extrasRequest();
        });
    extrasRequest();
}

void TSideButtonEdit::setFormattingRect() {
    if (passwordChar_)
        return;
    const RECT client = clientRect();
    RECT rect{1, 0, client.right - (btnVisible_ ? btnWidth_ + borderWidth() : 0),
              client.bottom + 1};
    SendMessageW(handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TSideButtonEdit::fontChanged() {
    setFormattingRect();
}

void TSideButtonEdit::extrasRequest() {
    if (!paintAllowed(onPaint))
        return;
    tk::WindowCanvas canvas(handle());
    paintExtras(canvas);
}

void TSideButtonEdit::paintExtras(tk::Canvas& canvas) {
    const RECT client = clientRect();
    const int w = client.right;
    const int h = client.bottom;
    const int b = borderWidth();
    canvas.setFont(btnFont_);
    const SIZE textSize = canvas.textExtent(btnCaption_);
    const bool image =
        glyph_ && glyphIndex_ >= 0 && glyphIndex_ < glyph_->count() && glyphIndex_ <= 255;
    const SIZE content = image ? SIZE{glyph_->width(), glyph_->height()} : textSize;
    const int x = centre(btnWidth_, 0, content.cx) + w - b - btnWidth_;
    const int y = centre(h, b, content.cy);
    const bool fits = x + content.cx <= w - b && y + content.cy <= h - b;

    canvas.setBrushStyle(tk::BrushStyle::Solid);
    canvas.setBrushColor(borderColor_ != clNone ? borderColor_ : color());
    canvas.frameRect(client);
    if (!btnVisible_)
        return;
    RECT button{client.left + b, client.top + b, client.right - b, client.bottom - b};
    button.left = button.right - btnWidth_;
    canvas.setBrushColor(btnColor_);
    canvas.fillRect(button);
    if (borderColor_ != clNone) {
        canvas.setPenStyle(tk::PenStyle::Solid);
        canvas.setPenColor(borderColor_);
        canvas.moveTo(button.left - 1, button.top);
        canvas.lineTo(button.left - 1, button.bottom);
    }
    if (!fits)
        return;
    if (image) {
        glyph_->draw(canvas.handle(), glyphIndex_, x, y);
    } else {
        canvas.setBrushStyle(tk::BrushStyle::Clear);
        canvas.textOut(x, y, btnCaption_);
    }
}

void TSideButtonEdit::paintText(tk::Canvas& canvas) {
    const RECT client = clientRect();
    const int b = borderWidth();
    RECT rect{client.left + b, client.top + b, client.right - b, client.bottom - b};
    if (btnVisible_)
        rect.right -= btnWidth_;
    canvas.setBrushStyle(tk::BrushStyle::Solid);
    canvas.setBrushColor(color());
    canvas.fillRect(rect);
    canvas.setFont(font());
    const std::wstring text =
        passwordChar_ ? std::wstring(this->text().size(), passwordChar_) : this->text();
    const int textWidth = canvas.textWidth(text);
    const int marginX = 1;
    const int marginY = 2;
    const int rectWidth = rect.right - rect.left;
    int x = marginX;
    if (alignment_ == tk::Alignment::Right)
        x = rectWidth - textWidth - marginX - 1;
    else if (alignment_ == tk::Alignment::Center)
        x = (rectWidth - textWidth) / 2;
    const int saved = SaveDC(canvas.handle());
    IntersectClipRect(canvas.handle(), rect.left, rect.top, rect.right, rect.bottom);
    canvas.textOut(x, marginY, text);
    RestoreDC(canvas.handle(), saved);
}

LRESULT TSideButtonEdit::paintMessage(WPARAM wParam, LPARAM lParam) {
    if (alignment_ == tk::Alignment::Left || editing_) {
        const LRESULT result = tk::Edit::handleMessage(WM_PAINT, wParam, lParam);
        extrasRequest();
        return result;
    }
    tk::PaintDc painting;
    if (!wParam)
        painting = tk::beginPaint(handle());
    const HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : painting.get().paint.hdc;
    tk::app().guard([&] {
        tk::Canvas canvas(dc);
        paintText(canvas);
    });
    painting.reset();
    extrasRequest();
    return 0;
}

LRESULT TSideButtonEdit::buttonDown(UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                 reinterpret_cast<LPARAM>(&selEnd));
    const LRESULT result = tk::Edit::handleMessage(msg, wParam, lParam);
    if (btnVisible_ && overButton(GET_X_LPARAM(lParam))) {
        SendMessageW(handle(), EM_SETSEL, selStart, selEnd);
        buttonDown_ = true;
        extrasRequest();
    }
    return result;
}

// A release over the button clicks it; the edit then sees the release beyond
// its right edge, so the caret stays where it was.
LRESULT TSideButtonEdit::buttonUp(WPARAM wParam, LPARAM lParam) {
    if (buttonDown_) {
        const int x = GET_X_LPARAM(lParam);
        if (overButton(x) && x < width() && mouseOver_) {
            if (!focused())
                setFocus();
            fire(onButtonClick);
            lParam = MAKELPARAM(width() + 1, HIWORD(lParam));
        }
        buttonDown_ = false;
        extrasRequest();
    }
    return tk::Edit::handleMessage(WM_LBUTTONUP, wParam, lParam);
}

LRESULT TSideButtonEdit::focusMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    editing_ = msg == WM_SETFOCUS;
    if (alignment_ != tk::Alignment::Left)
        InvalidateRect(handle(), nullptr, TRUE);
    if (!editing_)
        buttonDown_ = false;
    const LRESULT result = tk::Edit::handleMessage(msg, wParam, lParam);
    if (editing_) {
        const auto end = static_cast<WPARAM>(GetWindowTextLengthW(handle()));
        SendMessageW(handle(), EM_SETSEL, end, end);
    }
    extrasRequest();
    return result;
}

void TSideButtonEdit::trackMouse(int x) {
    if (!mouseOver_) {
        mouseOver_ = true;
        trackMouseLeave();
        extrasRequest();
    }
    if (btnVisible_ && overButton(x))
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

LRESULT TSideButtonEdit::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        return paintMessage(wParam, lParam);
    case WM_SIZE: {
        const LRESULT result = tk::Edit::handleMessage(msg, wParam, lParam);
        setFormattingRect();
        extrasRequest();
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = tk::Edit::handleMessage(msg, wParam, lParam);
        trackMouse(GET_X_LPARAM(lParam));
        return result;
    }
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        extrasRequest();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return buttonDown(msg, wParam, lParam);
    case WM_LBUTTONUP:
        return buttonUp(wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return focusMessage(msg, wParam, lParam);
    case WM_PASTE:
        if (!pasteAllowed(clipboardText(handle())))
            return 0;
        break;
    case WM_CHAR:
        // Enter and Ctrl+J would break the line.
        if (wParam == L'\r' || wParam == L'\n')
            return 0;
        break;
    case WM_KEYDOWN:
        // Shift+Insert pastes past WM_PASTE.
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
            SendMessageW(handle(), WM_PASTE, 0, 0);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // Enter, Escape and Tab go to the form, as from any single-line box.
        return tk::Edit::handleMessage(msg, wParam, lParam) & ~DLGC_WANTALLKEYS;
    default:
        break;
    }
    return tk::Edit::handleMessage(msg, wParam, lParam);
}

} // namespace ctl
