#include "toolkit/CategoryButtons.h"

namespace tk {
namespace {

const int kTextIndent = 6;
const int kSignWidth = 16;

} // namespace

CategoryButtons::CategoryButtons(Control& parent, int x, int y, int width, int height)
    : CustomControl(parent, x, y, width, height), headerColor_(GetSysColor(COLOR_BTNFACE)),
      hotColor_(RGB(0xDD, 0xE8, 0xF8)), selectedColor_(RGB(0xB4, 0xCC, 0xF0)) {
    initColor(GetSysColor(COLOR_WINDOW));
}

int CategoryButtons::addCategory(const std::wstring& caption) {
    categories_.push_back(Category{caption, false, {}});
    invalidate();
    return categoryCount() - 1;
}

int CategoryButtons::addItem(int category, const std::wstring& caption, int imageIndex) {
    auto& items = categories_.at(static_cast<std::size_t>(category)).items;
    items.push_back(CategoryItem{caption, imageIndex});
    invalidate();
    return static_cast<int>(items.size()) - 1;
}

void CategoryButtons::clear() {
    categories_.clear();
    selected_ = {};
    hot_ = {};
    invalidate();
}

void CategoryButtons::setCollapsed(int category, bool collapsed) {
    categories_.at(static_cast<std::size_t>(category)).collapsed = collapsed;
    if (collapsed && selected_.category == category)
        selected_ = {};
    hot_ = {};
    invalidate();
}

void CategoryButtons::setImages(ImageList* images) {
    images_ = images;
    invalidate();
}

void CategoryButtons::setHeaderHeight(int height) {
    headerHeight_ = height;
    invalidate();
}

void CategoryButtons::setButtonHeight(int height) {
    buttonHeight_ = height;
    invalidate();
}

void CategoryButtons::setHeaderColor(COLORREF color) {
    headerColor_ = color;
    invalidate();
}

void CategoryButtons::setHotColor(COLORREF color) {
    hotColor_ = color;
    invalidate();
}

void CategoryButtons::setSelectedColor(COLORREF color) {
    selectedColor_ = color;
    invalidate();
}

void CategoryButtons::setSelected(CategoryHit selected) {
    selected_ = selected;
    invalidate();
}

CategoryHit CategoryButtons::hitTest(int x, int y) const {
    if (x < 0 || x >= clientWidth() || y < 0)
        return {};
    int top = 0;
    for (int c = 0; c < categoryCount(); ++c) {
        const Category& category = categories_[static_cast<std::size_t>(c)];
        if (y < top + headerHeight_)
            return {c, -1};
        top += headerHeight_;
        if (category.collapsed)
            continue;
        const int count = static_cast<int>(category.items.size());
        if (y < top + count * buttonHeight_)
            return {c, (y - top) / buttonHeight_};
        top += count * buttonHeight_;
    }
    return {};
}

void CategoryButtons::paint(Canvas& canvas) {
    CustomControl::paint(canvas);
    const int width = clientWidth();
    int top = 0;
    for (int c = 0; c < categoryCount(); ++c) {
        const Category& category = categories_[static_cast<std::size_t>(c)];
        paintHeader(canvas, category, {0, top, width, top + headerHeight_});
        top += headerHeight_;
        if (category.collapsed)
            continue;
        for (int i = 0; i < static_cast<int>(category.items.size()); ++i) {
            paintItem(canvas, category.items[static_cast<std::size_t>(i)],
                      {0, top, width, top + buttonHeight_}, {c, i});
            top += buttonHeight_;
        }
    }
}

void CategoryButtons::paintHeader(Canvas& canvas, const Category& category, RECT rect) const {
    canvas.setBrushColor(headerColor_);
    canvas.fillRect(rect);
    canvas.setPenColor(GetSysColor(COLOR_BTNSHADOW));
    canvas.moveTo(rect.left, rect.bottom - 1);
    canvas.lineTo(rect.right, rect.bottom - 1);
    FontSpec bold = font();
    bold.bold = true;
    canvas.setFont(bold);
    RECT sign{rect.left, rect.top, rect.left + kSignWidth, rect.bottom};
    canvas.drawText(category.collapsed ? L"+" : L"-", sign, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT text{sign.right, rect.top, rect.right - kTextIndent, rect.bottom};
    canvas.drawText(category.caption, text,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CategoryButtons::paintItem(Canvas& canvas, const CategoryItem& item, RECT rect,
                                CategoryHit at) const {
    if (at == selected_ || at == hot_) {
        canvas.setBrushColor(at == selected_ ? selectedColor_ : hotColor_);
        canvas.fillRect(rect);
    }
    int textLeft = rect.left + kSignWidth;
    if (images_ && item.imageIndex >= 0) {
        const int imageTop = rect.top + (rect.bottom - rect.top - images_->height()) / 2;
        images_->draw(canvas.handle(), item.imageIndex, textLeft, imageTop);
        textLeft += images_->width() + kTextIndent / 2;
    }
    canvas.setFont(font());
    RECT text{textLeft, rect.top, rect.right - kTextIndent, rect.bottom};
    canvas.drawText(item.caption, text,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CategoryButtons::mouseDown(MouseButton button, int x, int y, UINT) {
    if (button != MouseButton::Left)
        return;
    const CategoryHit hit = hitTest(x, y);
    if (hit.category < 0)
        return;
    if (hit.item < 0) {
        setCollapsed(hit.category, !collapsed(hit.category));
        return;
    }
    setSelected(hit);
    if (onButtonClick)
        onButtonClick(hit.category, hit.item);
}

void CategoryButtons::mouseMove(int x, int y, UINT) {
    const CategoryHit hit = hitTest(x, y);
    setHot(hit.item >= 0 ? hit : CategoryHit{});
}

void CategoryButtons::mouseLeave() {
    setHot({});
}

void CategoryButtons::setHot(CategoryHit hot) {
    if (hot == hot_)
        return;
    hot_ = hot;
    invalidate();
}

} // namespace tk
