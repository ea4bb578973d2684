#pragma once
// The process's application object: message loop, title, main form, busy
// cursor and the default error box for exceptions thrown by event handlers.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace tk {

class Form;

enum class Cursor { Default, HourGlass, HandPoint };

// The system's cursor for a Cursor (the arrow for Default).
HCURSOR systemCursor(Cursor cursor);

// An error whose message is a wide text; the default error box shows message().
class Error : public std::runtime_error {
  public:
    explicit Error(const std::wstring& message);
    const std::wstring& message() const { return message_; }

  private:
    std::wstring message_;
};

class Application {
  public:
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void setTitle(const std::wstring& title) { title_ = title; }
    const std::wstring& title() const { return title_; }
    HINSTANCE instance() const;
    // The program's icon: the resource "MAINICON", or the system's default icon
    // in a program without it. Shared: never destroyed.
    HICON icon() const;

    // Runs the message loop until WM_QUIT (returns at once when already terminated).
    void run();
    // Runs the pending messages without blocking. A WM_QUIT met here marks the
    // application terminated (run() then returns at once).
    void processMessages();

    // The steps of a long action (answerStep, keepAnswering, answerWhileWaiting) ask its
    // step check (setStepCheck) after the messages ran, and so may throw what it throws.
    // Runs the pending messages, then asks the step check.
    void answerStep();
    // Runs the pending messages when they last ran 20 ms or more ago: for long loops,
    // so that no message waits long, at a small cost per step.
    void keepAnswering();
    // Waits until the object is signalled or timeoutMs have passed, running the messages
    // as they arrive, so that the window answers throughout; true when the object was
    // signalled. Without an object it waits the whole time. Once the application is
    // terminated it only waits. It asks the step check first and after each message run.
    bool answerWhileWaiting(HANDLE object, DWORD timeoutMs);
    // A fixed pause during which the window answers. The pauses of long actions go
    // through seams().pause, which calls this.
    void answerFor(unsigned ms) { answerWhileWaiting(nullptr, ms); }
    // Posts WM_QUIT.
    void terminate();
    bool terminated() const { return terminated_; }
    // Forgets the WM_QUIT met before: the message loop runs again (for a test
    // that ended the application, before the next test).
    void resume() { terminated_ = false; }

    // The check that the steps of the long action now starting call (nullptr once it
    // ended). A step reached from a handler run meanwhile (a guard deeper than the one
    // the action started in) does not call it, so that what the check throws leaves only
    // through the action's own code, which catches it.
    void setStepCheck(std::function<void()> check);

    // Destroying the main form terminates the application.
    void setMainForm(Form* form) { mainForm_ = form; }
    Form* mainForm() const { return mainForm_; }

    // The cursor every control shows while it is not Default.
    void setCursor(Cursor cursor);
    Cursor cursor() const { return cursor_; }

    // Shows the exception being handled (call inside a catch block) in the
    // default error box: through the messageBox seam, caption = title(),
    // MB_ICONERROR, text = Error::message() or what().
    void handleException();

    // Runs f; any exception it throws goes to handleException(). Every event
    // handler of every control is invoked through guard.
    template <class F> void guard(F&& f) noexcept {
        ++guardDepth_;
        try {
            f();
        } catch (...) {
            handleException();
        }
        --guardDepth_;
    }

  private:
    friend Application& app();
    Application();

    std::wstring title_;
    bool terminated_ = false;
    Form* mainForm_ = nullptr;
    Cursor cursor_ = Cursor::Default;
    ULONGLONG lastAnswered_ = 0;
    int guardDepth_ = 0;
    std::function<void()> stepCheck_;
    int stepCheckDepth_ = 0;

    void checkStep();
};

// The one application of the process (initialises the common controls on first use).
Application& app();

// Runs a program's body and returns its exit code. An exception that escapes it
// (a window that cannot be created) ends the program with one line on standard
// error, "<program>: <what failed>", and exit code 1.
int runProgram(const std::wstring& program, const std::function<int()>& body);

} // namespace tk
