#pragma once
// A Corvane main window with the modal and blocking seams replaced.

#include "hwinfo/Unit1.h"

#include "toolkit/Application.h"
#include "toolkit/Seams.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The tests speak of Corvane's own names.
using namespace corvane;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk::seams().pause = [this](unsigned ms) {
            sleeps.push_back(ms);
            if (duringTyping)
                duringTyping();
        };
        tk::seams().messageBox = [this](HWND, const std::wstring& text, const std::wstring&, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        tk::seams().shellOpen = [this](const std::wstring& file, const std::wstring&, int show) {
            opened.push_back(file);
            openedShow = show;
            return true;
        };
        form = std::make_unique<TForm1>();
        form->show();
    }

    void TearDown() override {
        form.reset();
        tk::resetSeams();
        tk::app().resume();
    }

    // Clicks a page button the way the mouse does, through the message queue.
    static void PostButtonClick(TButtonGroup& group, int index) {
        const POINT at = group.buttonCenter(index);
        const LPARAM where = MAKELPARAM(at.x, at.y);
        PostMessageW(group.handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageW(group.handle(), WM_LBUTTONUP, 0, where);
    }
    // Opens a page by a click on its button and lets its fill run.
    static void ClickPageButton(TButtonGroup& group, int index) {
        PostButtonClick(group, index);
        tk::app().processMessages();
    }

    std::unique_ptr<TForm1> form;
    std::vector<unsigned> sleeps;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> opened;
    int openedShow = -1;
    std::function<void()> duringTyping;
};
