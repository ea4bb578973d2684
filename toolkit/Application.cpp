#include "toolkit/Application.h"

#include "toolkit/Form.h"
#include "toolkit/MessageBox.h"

#include <commctrl.h>

#include <chrono>

namespace tk {
namespace {

std::string toUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

// UTF-8 when the bytes are valid UTF-8, the ANSI code page otherwise.
std::wstring toWide(const std::string& text) {
    UINT codePage = CP_UTF8;
    int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                   static_cast<int>(text.size()), nullptr, 0);
    if (size == 0 && !text.empty()) {
        codePage = CP_ACP;
        size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0);
    }
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

// Tab and arrow navigation between the controls of a form.
bool navigateDialog(MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || !dynamic_cast<Form*>(Control::fromHandle(root)))
        return false;
    return IsDialogMessageW(root, &msg) != FALSE;
}

void writeToStandardError(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

void dispatch(MSG& msg) {
    if (navigateDialog(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

} // namespace

Error::Error(const std::wstring& message)
    : std::runtime_error(toUtf8(message)), message_(message) {}

Application::Application() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
}

Application& app() {
    static Application application;
    return application;
}

HINSTANCE Application::instance() const {
    return GetModuleHandleW(nullptr);
}

HICON Application::icon() const {
    HICON icon = LoadIconW(instance(), L"MAINICON");
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

void Application::run() {
    MSG msg;
    while (!terminated_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        dispatch(msg);
    }
}

void Application::processMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        dispatch(msg);
    }
    lastAnswered_ = GetTickCount64();
}

void Application::answerStep() {
    processMessages();
    checkStep();
}

void Application::keepAnswering() {
    constexpr ULONGLONG AnswerIntervalMs = 20;
    if (GetTickCount64() - lastAnswered_ >= AnswerIntervalMs)
        processMessages();
    checkStep();
}

void Application::setStepCheck(std::function<void()> check) {
    stepCheck_ = std::move(check);
    stepCheckDepth_ = guardDepth_;
}

void Application::checkStep() {
    if (stepCheck_ && guardDepth_ == stepCheckDepth_)
        stepCheck_();
}

bool Application::answerWhileWaiting(HANDLE object, DWORD timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const DWORD objects = object ? 1 : 0;
    checkStep();
    for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
        const auto left =
            static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(end - now).count());
        // A terminated application handles no message: it waits for the object alone.
        const DWORD input = terminated_ ? 0 : QS_ALLINPUT;
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(objects, &object, left, input, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + objects)
            answerStep();
        else if (woke != WAIT_TIMEOUT)
            return woke == WAIT_OBJECT_0;
    }
    return false;
}

void Application::terminate() {
    PostQuitMessage(0);
}

HCURSOR systemCursor(Cursor cursor) {
    switch (cursor) {
    case Cursor::HourGlass:
        return LoadCursorW(nullptr, IDC_WAIT);
    case Cursor::HandPoint:
        return LoadCursorW(nullptr, IDC_HAND);
    case Cursor::Default:
        break;
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

void Application::setCursor(Cursor cursor) {
    cursor_ = cursor;
    SetCursor(systemCursor(cursor));
}

void Application::handleException() {
    std::wstring text;
    try {
        throw;
    } catch (const Error& error) {
        text = error.message();
    } catch (const std::exception& error) {
        text = toWide(error.what());
    } catch (...) {
        text = L"Unknown error";
    }
    messageBox(text, title_, MB_OK | MB_ICONERROR);
}

int runProgram(const std::wstring& program, const std::function<int()>& body) {
    try {
        return body();
    } catch (const std::exception& error) {
        writeToStandardError(toUtf8(program) + ": " + error.what() + "\n");
    } catch (...) {
        writeToStandardError(toUtf8(program) + ": stopped by an unknown error\n");
    }
    return 1;
}

} // namespace tk
