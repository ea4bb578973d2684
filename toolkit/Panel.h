#pragma once
// A container painted in its colour with optional outer and inner bevels and a
// centred caption. Children are created with the panel as their parent.

#include "toolkit/CustomControl.h"

namespace tk {

enum class Bevel { None, Lowered, Raised };

class Panel : public CustomControl {
  public:
    Panel(Control& parent, int x, int y, int width, int height, const std::wstring& caption = {});

    void setBevelOuter(Bevel bevel);
    void setBevelInner(Bevel bevel);
    // Width in pixels of each bevel.
    void setBevelWidth(int width);
    Bevel bevelOuter() const { return outer_; }
    Bevel bevelInner() const { return inner_; }
    int bevelWidth() const { return bevelWidth_; }

  protected:
    void paint(Canvas& canvas) override;

  private:
    void drawBevel(Canvas& canvas, RECT& rect, Bevel bevel) const;

    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 1;
};

} // namespace tk
