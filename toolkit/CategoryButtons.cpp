#include "toolkit/CategoryButtons.h"

#include <algorithm>

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

void CategoryButtons::setButtonWidth(int width) {
    buttonWidth_ = width;
    invalidate();
}

void CategoryButtons::setVerticalCaptions(bool vertical) {
    verticalCaptions_ = vertical;
    invalidate();
}

void CategoryButtons::setGradientFill(bool gradient) {
    gradientFill_ = gradient;
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
    CategoryHit hit;
    const POINT point{x, y};
    forEachPart([&](CategoryHit at, const RECT& rect) {
        if (PtInRect(&rect, point))
            hit = at;
    });
    return hit;
}

bool CategoryButtons::hasBand(const Category& category) const {
    return verticalCaptions_ && !category.collapsed && !category.items.empty();
}

void CategoryButtons::forEachPart(
    const std::function<void(CategoryHit at, const RECT& rect)>& part) const {
    const int width = clientWidth();
    int top = 0;
    for (int c = 0; c < categoryCount(); ++c) {
        const Category& category = categories_[static_cast<std::size_t>(c)];
        const int count = category.collapsed ? 0 : static_cast<int>(category.items.size());
        const bool band = hasBand(category);
        if (band) {
            part({c, -1}, {0, top, headerHeight_, top + count * buttonHeight_});
        } else {
            part({c, -1}, {0, top, width, top + headerHeight_});
            top += headerHeight_;
        }
        const int areaLeft = band ? headerHeight_ : 0;
        const int area = width - areaLeft;
        const int itemWidth = buttonWidth_ > 0 ? std::min(buttonWidth_, area) : area;
        const int left = areaLeft + (area - itemWidth) / 2;
        for (int i = 0; i < count; ++i, top += buttonHeight_)
            part({c, i}, {left, top, left + itemWidth, top + buttonHeight_});
    }
}

void CategoryButtons::paint(Canvas& canvas) {
    CustomControl::paint(canvas);
    forEachPart([&](CategoryHit at, const RECT& rect) {
        const Category& category = categories_[static_cast<std::size_t>(at.category)];
        if (at.item >= 0)
            paintItem(canvas, category.items[static_cast<std::size_t>(at.item)], rect, at);
        else if (hasBand(category))
            paintBand(canvas, category, rect);
        else
            paintHeader(canvas, category, rect);
    });
}

FontSpec CategoryButtons::textFont() const {
    FontSpec text = font();
    if (!enabled())
        text.color = GetSysColor(COLOR_GRAYTEXT);
    return text;
}

FontSpec CategoryButtons::paintHeaderBackground(Canvas& canvas, const RECT& rect) const {
    if (gradientFill_) {
        canvas.gradientFill(rect, headerColor_, color(), false);
    } else {
        canvas.setBrushColor(headerColor_);
        canvas.fillRect(rect);
    }
    canvas.setPenColor(GetSysColor(COLOR_BTNSHADOW));
    canvas.moveTo(rect.left, rect.bottom - 1);
    canvas.lineTo(rect.right, rect.bottom - 1);
    FontSpec bold = textFont();
    bold.bold = true;
    canvas.setFont(bold);
    return bold;
}

void CategoryButtons::paintHeader(Canvas& canvas, const Category& category, RECT rect) const {
    paintHeaderBackground(canvas, rect);
    RECT sign{rect.left, rect.top, rect.left + kSignWidth, rect.bottom};
    canvas.drawText(category.collapsed ? L"+" : L"-", sign, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT text{sign.right, rect.top, rect.right - kTextIndent, rect.bottom};
    canvas.drawText(category.caption, text,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The sign at the top, the caption upwards beneath it.
void CategoryButtons::paintBand(Canvas& canvas, const Category& category, const RECT& rect) const {
    FontSpec bold = paintHeaderBackground(canvas, rect);
    RECT sign{rect.left, rect.top, rect.right, rect.top + kSignWidth};
    canvas.drawText(L"-", sign, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    bold.angle = 900;
    canvas.setFont(bold);
    const SIZE text = canvas.textExtent(category.caption);
    const RECT clip{rect.left, sign.bottom, rect.right, rect.bottom - 1};
    ExtTextOutW(canvas.handle(), rect.left + (rect.right - rect.left - text.cy) / 2,
                sign.bottom + kTextIndent / 2 + text.cx, ETO_CLIPPED, &clip,
                category.caption.c_str(), static_cast<UINT>(category.caption.size()), nullptr);
}

void CategoryButtons::paintItem(Canvas& canvas, const CategoryItem& item, RECT rect,
                                CategoryHit at) const {
    if (at == selected_ || (at == hot_ && enabled())) {
        canvas.setBrushColor(at == selected_ ? selectedColor_ : hotColor_);
        canvas.fillRect(rect);
    }
    int textLeft = rect.left + kSignWidth;
    if (images_ && item.imageIndex >= 0) {
        const int imageTop = rect.top + (rect.bottom - rect.top - images_->height()) / 2;
        images_->draw(canvas.handle(), item.imageIndex, textLeft, imageTop);
        textLeft += images_->width() + kTextIndent / 2;
    }
    canvas.setFont(textFont());
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
