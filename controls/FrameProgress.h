#pragma once
// The system progress bar with a switch to hide its 3-D frame.

#include "toolkit/ProgressBar.h"

namespace ctl {

class TFrameProgressBar : public tk::ProgressBar {
  public:
    TFrameProgressBar(tk::Control& parent, int x, int y, int width, int height);

    // Without the frame, the frame is covered in the bar's background colour.
    void setShowFrame(bool show);
    bool showFrame() const { return showFrame_; }

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void coverFrame();
    void coverClientEdge();

    bool showFrame_ = true;
};

} // namespace ctl
