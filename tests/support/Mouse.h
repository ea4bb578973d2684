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

} // namespace mouse
