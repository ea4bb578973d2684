#pragma once
// Progress bar (msctls_progress32). Range defaults to 0..100, step to 10.

#include "toolkit/Control.h"

namespace tk {

class ProgressBar : public Control {
  public:
    ProgressBar(Control& parent, int x, int y, int width, int height);

    void setMin(int min);
    void setMax(int max);
    // Clamped to min..max.
    void setPosition(int position);
    void setStep(int step);
    // Advances by the step; wraps to min after passing max, as the control does.
    void stepIt();
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    int step() const { return step_; }

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
};

} // namespace tk
