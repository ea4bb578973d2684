#pragma once
// A top-level window of the toolkit's class. Destroying the application's main
// form terminates the application. The message loop runs every message of a
// form through the dialog manager: Tab moves the focus, and Enter and Escape
// that the focused control does not take reach the form as IDOK and IDCANCEL,
// which it offers to its own controls (see CustomControl).

#include "toolkit/Control.h"

namespace tk {

enum class BorderStyle { Single, Sizeable, None };
enum class WindowState { Normal, Minimized, Maximized };

class Form : public Control {
  public:
    // Hidden until show(); centred on the screen.
    Form(const std::wstring& caption, int clientWidth, int clientHeight);
    // A form owned by another (stays above it, shares its taskbar button).
    Form(const std::wstring& caption, int clientWidth, int clientHeight, Form& owner);

    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return borderStyle_; }
    void setClientSize(int width, int height);
    void centerOnScreen();
    void setTopmost(bool topmost);
    // The icon is not owned.
    void setIcon(HICON icon);
    void setWindowState(WindowState state);
    WindowState windowState() const;
    // Brings the form to the front and activates it.
    void bringToFront();

    // Asks onCloseQuery; if allowed, runs onClose and destroys the window (or
    // hides it when hideOnClose is set). The close box and Alt+F4 come here too.
    // Returns whether the form closed.
    bool close();
    // Closing hides instead of destroying (for forms shown again and again).
    void setHideOnClose(bool hide) { hideOnClose_ = hide; }

    // The result a button of the form leaves on every click (IDOK, IDCANCEL, ...; 0 for none).
    void setModalResult(int result) { modalResult_ = result; }
    int modalResult() const { return modalResult_; }

    std::function<void(bool& allowClose)> onCloseQuery;
    std::function<void()> onClose;
    std::function<void()> onDestroy;
    std::function<void()> onResize;
    // Sees every message first; return true (and set result) to consume it.
    // Private messages belong in the WM_APP range: the message loop's dialog
    // navigation sends DM_* (WM_USER + n) messages to forms.
    std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)> onMessage;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void create(const std::wstring& caption, int clientWidth, int clientHeight, HWND owner);
    bool offerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void destroyed();

    BorderStyle borderStyle_ = BorderStyle::Single;
    bool hideOnClose_ = false;
    int modalResult_ = 0;
};

} // namespace tk
