#pragma once
// The mouse as a user moves it: SendInput puts the events in the input queue,
// and the application's own message loop delivers them.

#include "tests/support/Keyboard.h"
#include "toolkit/Control.h"

namespace mouse {

// Sends one event and runs the messages it causes.
inline void send(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{INPUT_MOUSE, {}};
    input.mi = {dx, dy, 0, flags, 0, 0};
    keys::send({input});
}

// Moves the pointer to a screen point; absolute input runs from 0 to 65535.
inline void moveTo(POINT at) {
    send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
         MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
         MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1));
}

// Moves the pointer to a client point of the control, also one outside it.
inline void moveTo(const tk::Control& control, int x, int y) {
    POINT at{x, y};
    ClientToScreen(control.handle(), &at);
    moveTo(at);
}

inline void press() {
    send(MOUSEEVENTF_LEFTDOWN);
}

inline void release() {
    send(MOUSEEVENTF_LEFTUP);
}

// Clicks the left button at a client point of the control.
inline void click(const tk::Control& control, int x, int y) {
    moveTo(control, x, y);
    press();
    release();
}

// Puts a click at a screen point in the input queue, press and release at once (a caption
// button waits for the release in a loop of its own); the caller's loop delivers it.
inline void queueClick(POINT at) {
    moveTo(at);
    INPUT inputs[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// A point of a window's close button (the X of its caption), on the screen.
inline POINT closeButton(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG y =
        frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    LONG x = frame.right - 1;
    while (x > frame.left && SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE)
        --x;
    return {x - 4, y};
}

} // namespace mouse
