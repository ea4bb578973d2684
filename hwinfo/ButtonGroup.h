#pragma once
// A column of full-width page buttons with pictures; each button has its own hint.

#include "toolkit/CategoryButtons.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane {

class TButtonGroup : public tk::CategoryButtons {
  public:
    TButtonGroup(tk::Control& parent, int x, int y, int width, int height, int buttonHeight);

    // Adds a button whose picture is the image at its position; returns its index.
    int addButton(const std::wstring& caption, const std::wstring& hint);
    int buttonCount() const;
    // Client point of the middle of a button.
    POINT buttonCenter(int index) const;

    std::function<void(int index)> onButtonClicked;

  protected:
    void mouseMove(int x, int y, UINT keys) override;
    void mouseLeave() override;

  private:
    // The hint of the button under the pointer; none over the empty area or outside.
    void showHotButtonHint();

    std::vector<std::wstring> hints_;
};

} // namespace corvane
