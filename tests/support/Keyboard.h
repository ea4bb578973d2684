#pragma once
// Keys as a user types them: SendInput puts them in the input queue of the
// foreground window, and the application's own message loop delivers them
// (through the dialog manager, as every message of a form).

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace keys {

// Shows the form in front, so that keys reach it.
inline void bringForward(tk::Form& form) {
    form.show();
    form.bringToFront();
    tk::app().processMessages();
}

inline INPUT keyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Sends the input events and runs the messages they cause.
inline void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (int i = 0; i < 3; ++i)
        tk::app().processMessages();
}

inline void down(WORD vk) {
    send({keyInput(vk, false)});
}

inline void up(WORD vk) {
    send({keyInput(vk, true)});
}

// Presses and releases a key while the modifiers (VK_MENU, VK_SHIFT,
// VK_CONTROL) are held.
inline void press(WORD vk, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(vk, false));
    inputs.push_back(keyInput(vk, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        inputs.push_back(keyInput(*modifier, true));
    send(inputs);
}

// Types letters, digits and blanks.
inline void type(const std::wstring& text) {
    for (wchar_t ch : text) {
        const SHORT scan = VkKeyScanW(ch);
        if (HIBYTE(scan) & 1)
            press(LOBYTE(scan), {VK_SHIFT});
        else
            press(LOBYTE(scan));
    }
}

} // namespace keys
