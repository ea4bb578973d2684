#pragma once
// Corvane's splash window: the picture and the version, shown during start-up.

#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Timer.h"

#include <memory>

namespace corvane {

// Steps of the splash's busy delay at start-up.
const unsigned long SplashBusySteps = 3000000;

class TForm2 : public tk::Form {
  public:
    TForm2();

    // The start-up delay: counts SplashBusySteps steps (as the busySteps seam allows); the
    // timer's interval ends as the last step's number. No messages run meanwhile.
    void BusyDelay();

    std::unique_ptr<tk::Image> Image1;
    std::unique_ptr<tk::Label> Label1;
    tk::Timer Timer1{1000, false};
};

} // namespace corvane
