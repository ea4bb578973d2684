#pragma once
// Base of every window of the toolkit. A Control owns exactly one HWND and
// destroys it with itself (unless the window is already gone). Windows of our
// own classes and subclassed system controls both find their object through
// GWLP_USERDATA, so fromHandle() works for every control. Parents reflect
// WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* to the child's object.
// Event handlers (onClick, ...) run through app().guard: exceptions never
// reach user32.

#include "toolkit/Application.h"
#include "toolkit/Font.h"
#include "toolkit/GuiHandles.h"

#include <functional>
#include <memory>
#include <string>

namespace tk {

enum class Alignment { Left, Center, Right };

class Form;

class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The window; nullptr once it has been destroyed.
    HWND handle() const { return hwnd_; }
    // The object of a toolkit window, nullptr for any other window.
    static Control* fromHandle(HWND hwnd);
    // The control this one was created in (nullptr for top-level windows).
    Control* parent() const { return parent_; }
    // The form whose window holds this one (itself for a form), nullptr for none.
    Form* parentForm() const;

    // Position relative to the parent's client area (screen for top-level windows).
    void setBounds(int x, int y, int width, int height);
    RECT bounds() const;
    int left() const { return bounds().left; }
    int top() const { return bounds().top; }
    int width() const;
    int height() const;
    // Client area, origin (0, 0).
    RECT clientRect() const;
    int clientWidth() const { return clientRect().right; }
    int clientHeight() const { return clientRect().bottom; }

    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool visible() const;
    void setEnabled(bool enabled);
    bool enabled() const;

    // Window text.
    virtual void setCaption(const std::wstring& caption);
    std::wstring caption() const;

    // Font (and, for texts, its colour).
    void setFont(const FontSpec& fontStyle);
    const FontSpec& font() const { return font_; }
    // Background colour.
    virtual void setColor(COLORREF color);
    COLORREF color() const { return color_; }
    // The cursor over the control itself (not over its children), while the
    // application shows no cursor of its own.
    void setCursor(Cursor cursor) { cursor_ = cursor; }
    Cursor cursor() const { return cursor_; }
    // Tooltip text; empty for none.
    void setHint(const std::wstring& hint);
    const std::wstring& hint() const { return hint_; }

    // Whether the control stands for a picture or a text drawn on its parent:
    // a transparent control in front of it shows it.
    virtual bool graphic() const { return false; }

    // Invalidates and repaints at once.
    void repaint();
    void invalidate();
    void setFocus();
    bool focused() const;
    // Visible and enabled, and so are all the windows that hold it.
    bool canFocus() const;

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  protected:
    Control() = default;

    // Creates a window of a toolkit class (registered on first use with the
    // given class style). Call from the constructor of the derived class.
    void createOwn(const wchar_t* className, Control* parent, DWORD style, DWORD exStyle, int x,
                   int y, int width, int height, const std::wstring& caption = {},
                   UINT classStyle = CS_DBLCLKS);
    // Creates a system control (BUTTON, STATIC, EDIT, SysListView32, ...) and
    // subclasses it so that its messages reach handleMessage.
    void createSystem(const wchar_t* className, Control* parent, DWORD style, DWORD exStyle, int x,
                      int y, int width, int height, const std::wstring& caption = {});
    // Makes the window of a system control again with another style, for the
    // styles that only creation sets; place, text, font, hint and focus stay.
    void recreateSystem(DWORD style);

    // Every message of the window. Default: defaultHandler plus the toolkit's
    // own handling (busy cursor, reflection to children, background erase).
    virtual LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for own classes, DefSubclassProc for system controls.
    LRESULT defaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification the parent received from this control (WM_COMMAND,
    // WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*). Return true and set result when handled.
    virtual bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Runs an event through app().guard when it is set.
    static void fire(const std::function<void()>& event);

    // Answers a WM_CTLCOLOR* message: text in font().color, background color()
    // behind the text when opaque (else none), the brush for the rest.
    LRESULT answerColors(WPARAM dc, HBRUSH brush, bool opaque = false);

    // Called after setFont.
    virtual void fontChanged() {}

    // Solid brush of color(), for WM_CTLCOLOR* answers and background erase.
    HBRUSH backgroundBrush();
    // The parent's brush (own brush for top-level windows).
    HBRUSH parentBrush();
    // Answers WM_ERASEBKGND: fills the client area with the background brush.
    LRESULT eraseBackground(WPARAM dc);
    // Asks for WM_MOUSELEAVE when the mouse leaves the window; false when it cannot.
    bool trackMouseLeave();
    // Stores the background colour without repainting (for constructors).
    void initColor(COLORREF color);
    // Sets or clears window style bits (GWL_STYLE / GWL_EXSTYLE) and refreshes the frame.
    void setStyleFlag(LONG_PTR flag, bool on);
    void setExStyleFlag(LONG_PTR flag, bool on);
    bool hasStyle(LONG_PTR flag) const;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    static void registerClass(const wchar_t* className, UINT classStyle);
    LRESULT dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    bool reflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void attach(HWND hwnd);
    void attachSystem(HWND hwnd);
    void detach();
    void applyFont();
    void addHint();
    void relayPointerToHint();
    void removeHint();

    HWND hwnd_ = nullptr;
    Control* parent_ = nullptr;
    bool subclassed_ = false;
    FontSpec font_;
    std::shared_ptr<const Font> fontObject_;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    Cursor cursor_ = Cursor::Default;
    BrushHandle brush_;
    std::wstring hint_;
};

} // namespace tk
