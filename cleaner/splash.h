#pragma once
// The start-up splash window: a picture with the version text.

#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

#include <memory>

namespace tidewell {

class TForm2 : public tk::Form {
  public:
    TForm2();

    // Whether the settings ask for the splash; set by FormCreate.
    bool ShowSplashFlag = false;

    std::unique_ptr<tk::Panel> Panel1;
    std::unique_ptr<tk::Image> Image1;
    std::unique_ptr<tk::Label> Label1;
    // Has no handler: the busy delay only assigns its interval.
    tk::Timer Timer1{1000, false};

    void FormCreate();
};

} // namespace tidewell
