#pragma once
// A progress bar drawn as two colour gradients, a trough and a filled part,
// inside a one-pixel border. Setting the position repaints at once, so the bar
// moves while the caller keeps the thread busy.

#include "toolkit/CustomControl.h"

namespace ctl {

enum class ProgressOrientation { Horizontal, Vertical };

// Width of the filled part of a horizontal bar of `inner` pixels; 0 when the
// range is empty.
int progressFill(int inner, int position, int min, int max);

class TGradProgressBar : public tk::CustomControl {
  public:
    enum class ColorScheme {
        Custom,
        Desert,
        Grass,
        Silver,
        Sky,
        Rose,
        Sun,
        Hackers,
        Night,
        Velvet,
        Metal,
        Violet,
        Toxic
    };

    TGradProgressBar(tk::Control& parent, int x, int y, int width = 200, int height = 16);

    // Setting one colour makes the scheme Custom.
    void setColorBorder(COLORREF color) { setSchemeColor(colorBorder_, color); }
    COLORREF colorBorder() const { return colorBorder_; }
    void setBackColorFace(COLORREF color) { setSchemeColor(backColorFace_, color); }
    COLORREF backColorFace() const { return backColorFace_; }
    void setBackColorGrad(COLORREF color) { setSchemeColor(backColorGrad_, color); }
    COLORREF backColorGrad() const { return backColorGrad_; }
    void setForeColorFace(COLORREF color) { setSchemeColor(foreColorFace_, color); }
    COLORREF foreColorFace() const { return foreColorFace_; }
    void setForeColorGrad(COLORREF color) { setSchemeColor(foreColorGrad_, color); }
    COLORREF foreColorGrad() const { return foreColorGrad_; }
    void setColorScheme(ColorScheme scheme);
    ColorScheme colorScheme() const { return scheme_; }

    // A position below min is ignored; above max it is kept as given.
    void setPosition(int position);
    int position() const { return position_; }
    // Min above max and max below min are ignored.
    void setMin(int min);
    int min() const { return min_; }
    void setMax(int max);
    int max() const { return max_; }
    void setStep(int step);
    int step() const { return step_; }
    void setOrientation(ProgressOrientation orientation);
    ProgressOrientation orientation() const { return orientation_; }

    bool graphic() const override { return true; }

  protected:
    void paint(tk::Canvas& canvas) override;

  private:
    void setSchemeColor(COLORREF& field, COLORREF color);
    void paintHorizontal(tk::Canvas& canvas, int width, int height);
    void paintVertical(tk::Canvas& canvas, int width, int height);

    COLORREF colorBorder_ = 0;
    COLORREF backColorFace_ = 0;
    COLORREF backColorGrad_ = 0;
    COLORREF foreColorFace_ = 0;
    COLORREF foreColorGrad_ = 0;
    ColorScheme scheme_ = ColorScheme::Custom;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    ProgressOrientation orientation_ = ProgressOrientation::Horizontal;
};

} // namespace ctl
