#include "toolkit/Image.h"

#include "toolkit/Application.h"

namespace tk {

Image::Image(Control& parent, int x, int y, int width, int height)
    : CustomControl(parent, x, y, width, height) {}

void Image::setPicture(BitmapHandle bitmap) {
    picture_ = std::move(bitmap);
    invalidate();
}

bool Image::loadBitmapResource(const std::wstring& name) {
    BitmapHandle bitmap(static_cast<HBITMAP>(
        LoadImageW(app().instance(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        return false;
    setPicture(std::move(bitmap));
    return true;
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    invalidate();
}

SIZE Image::pictureSize() const {
    return bitmapSize(picture_.get());
}

void Image::paint(Canvas& canvas) {
    CustomControl::paint(canvas);
    if (!picture_)
        return;
    if (stretch_)
        canvas.stretchDraw(clientRect(), picture_.get());
    else
        canvas.draw(0, 0, picture_.get());
}

} // namespace tk
