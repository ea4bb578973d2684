#pragma once
// Shows a bitmap, at its own size from the top-left corner or stretched to the
// control. Owns the bitmap it shows.

#include "toolkit/CustomControl.h"

namespace tk {

class Image : public CustomControl {
  public:
    Image(Control& parent, int x, int y, int width, int height);

    // Shows the bitmap (none clears the picture).
    void setPicture(BitmapHandle bitmap);
    HBITMAP picture() const { return picture_.get(); }
    // Loads a BITMAP resource of the program; false when there is none.
    bool loadBitmapResource(const std::wstring& name);
    void setStretch(bool stretch);
    bool stretch() const { return stretch_; }
    // Size of the picture, {0, 0} without one.
    SIZE pictureSize() const;

    bool graphic() const override { return true; }

  protected:
    void paint(Canvas& canvas) override;

  private:
    BitmapHandle picture_;
    bool stretch_ = false;
};

} // namespace tk
