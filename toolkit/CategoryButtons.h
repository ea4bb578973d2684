#pragma once
// A self-painted vertical bar of categories. Each category is a caption header
// (a click collapses or expands it) and a list of button items with a caption
// and an image. The item under the mouse is painted hot, the chosen one
// selected; a click on an item selects it and runs onButtonClick. With vertical
// captions an expanded category's caption runs upwards in a band as wide as a
// header is high, at the left of its buttons. A disabled bar shows its captions
// grey and takes no clicks.

#include "toolkit/CustomControl.h"
#include "toolkit/ImageList.h"

#include <vector>

namespace tk {

struct CategoryItem {
    std::wstring caption;
    int imageIndex = -1;
};

struct Category {
    std::wstring caption;
    bool collapsed = false;
    std::vector<CategoryItem> items;
};

// What lies at a point: a header (item -1), an item, or nothing (category -1).
struct CategoryHit {
    int category = -1;
    int item = -1;
    bool operator==(const CategoryHit& o) const { return category == o.category && item == o.item; }
    bool operator!=(const CategoryHit& o) const { return !(*this == o); }
};

class CategoryButtons : public CustomControl {
  public:
    CategoryButtons(Control& parent, int x, int y, int width, int height);

    // Each add returns the new index.
    int addCategory(const std::wstring& caption);
    int addItem(int category, const std::wstring& caption, int imageIndex = -1);
    void clear();
    int categoryCount() const { return static_cast<int>(categories_.size()); }
    const Category& category(int index) const { return categories_.at(index); }

    void setCollapsed(int category, bool collapsed);
    bool collapsed(int category) const { return categories_.at(category).collapsed; }

    // The list is not owned; nullptr for no images.
    void setImages(ImageList* images);
    void setHeaderHeight(int height);
    void setButtonHeight(int height);
    int buttonHeight() const { return buttonHeight_; }
    // 0 (the default): buttons as wide as the bar; narrower ones stand centred.
    void setButtonWidth(int width);
    void setVerticalCaptions(bool vertical);
    // Headers fade from the header colour into the bar's colour.
    void setGradientFill(bool gradient);
    void setHeaderColor(COLORREF color);
    void setHotColor(COLORREF color);
    void setSelectedColor(COLORREF color);

    // Selects an item ({-1, -1} for none) without running onButtonClick.
    void setSelected(CategoryHit selected);
    CategoryHit selected() const { return selected_; }
    CategoryHit hot() const { return hot_; }

    // What lies at client point (x, y).
    CategoryHit hitTest(int x, int y) const;

    std::function<void(int category, int item)> onButtonClick;

  protected:
    void paint(Canvas& canvas) override;
    void mouseDown(MouseButton button, int x, int y, UINT keys) override;
    void mouseMove(int x, int y, UINT keys) override;
    void mouseLeave() override;

  private:
    bool hasBand(const Category& category) const;
    // Calls part for each header and each shown item with its rectangle, top to bottom.
    void forEachPart(const std::function<void(CategoryHit at, const RECT& rect)>& part) const;
    // The font of the captions: grey while the bar is disabled.
    FontSpec textFont() const;
    // Paints a header's background and selects its bold font, which it returns.
    FontSpec paintHeaderBackground(Canvas& canvas, const RECT& rect) const;
    void paintHeader(Canvas& canvas, const Category& category, RECT rect) const;
    void paintBand(Canvas& canvas, const Category& category, const RECT& rect) const;
    void paintItem(Canvas& canvas, const CategoryItem& item, RECT rect, CategoryHit at) const;
    void setHot(CategoryHit hot);

    std::vector<Category> categories_;
    ImageList* images_ = nullptr;
    int headerHeight_ = 22;
    int buttonHeight_ = 24;
    int buttonWidth_ = 0;
    bool verticalCaptions_ = false;
    bool gradientFill_ = false;
    COLORREF headerColor_;
    COLORREF hotColor_;
    COLORREF selectedColor_;
    CategoryHit selected_;
    CategoryHit hot_;
};

} // namespace tk
