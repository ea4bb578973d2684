#pragma once
// A test with Tidewell's main window, made after the settings are cleared and freed
// before they are put back.

#include "tidewell_fixture.h"

namespace scantest {

class FormTest : public twtest::TidewellTest {
  protected:
    void SetUp() override {
        TidewellTest::SetUp();
        form = std::make_unique<TForm1>();
    }
    void TearDown() override {
        form.reset();
        TidewellTest::TearDown();
    }

    std::unique_ptr<TForm1> form;
};

} // namespace scantest
