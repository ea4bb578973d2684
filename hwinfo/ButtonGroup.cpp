#include "hwinfo/ButtonGroup.h"

namespace corvane {

TButtonGroup::TButtonGroup(tk::Control& parent, int x, int y, int width, int height,
                           int buttonHeight)
    : tk::CategoryButtons(parent, x, y, width, height) {
    setHeaderHeight(0);
    setButtonHeight(buttonHeight);
    addCategory(L"");
    onButtonClick = [this](int, int item) {
        if (onButtonClicked)
            onButtonClicked(item);
    };
}

int TButtonGroup::addButton(const std::wstring& caption, const std::wstring& hint) {
    hints_.push_back(hint);
    const int index = buttonCount();
    return addItem(0, caption, index);
}

int TButtonGroup::buttonCount() const {
    return static_cast<int>(category(0).items.size());
}

POINT TButtonGroup::buttonCenter(int index) const {
    return {clientWidth() / 2, index * buttonHeight() + buttonHeight() / 2};
}

void TButtonGroup::mouseMove(int x, int y, UINT keys) {
    tk::CategoryButtons::mouseMove(x, y, keys);
    showHotButtonHint();
}

void TButtonGroup::mouseLeave() {
    tk::CategoryButtons::mouseLeave();
    showHotButtonHint();
}

// A new hint starts the hint's delay again, so it changes only with the text.
void TButtonGroup::showHotButtonHint() {
    const int item = hot().item;
    const std::wstring hint = item >= 0 ? hints_.at(static_cast<std::size_t>(item)) : L"";
    if (hint != this->hint())
        setHint(hint);
}

} // namespace corvane
