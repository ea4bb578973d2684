#pragma once
// A shown form to put controls on, and seams that record instead of blocking.

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Seams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk::seams().messageBox = [this](HWND, const std::wstring& text, const std::wstring& caption,
                                        UINT flags) {
            boxes.push_back({text, caption, flags});
            return IDOK;
        };
        form.show();
        tk::app().processMessages();
    }
    void TearDown() override {
        tk::resetSeams();
        tk::app().resume();
    }

    struct Box {
        std::wstring text;
        std::wstring caption;
        UINT flags;
    };
    std::vector<Box> boxes;
    tk::Form form{L"Test", 500, 400};
};
