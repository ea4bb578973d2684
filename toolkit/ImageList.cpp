#include "toolkit/ImageList.h"

#include "toolkit/Application.h"

namespace tk {

ImageList::~ImageList() {
    const auto listeners = std::move(listeners_);
    for (const auto& listener : listeners)
        app().guard(listener.second);
}

void ImageList::listen(const void* listener, std::function<void()> gone) {
    listeners_[listener] = std::move(gone);
}

void ImageList::stopListening(const void* listener) {
    listeners_.erase(listener);
}

void ImageList::create(int width, int height) {
    list_.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4));
    width_ = width;
    height_ = height;
}

int ImageList::addIcon(HICON icon) {
    return list_ ? ImageList_AddIcon(list_.get(), icon) : -1;
}

int ImageList::addBitmap(HBITMAP bitmap, COLORREF maskColor) {
    return list_ ? ImageList_AddMasked(list_.get(), bitmap, maskColor) : -1;
}

int ImageList::count() const {
    return list_ ? ImageList_GetImageCount(list_.get()) : 0;
}

void ImageList::draw(HDC dc, int index, int x, int y) const {
    if (list_)
        ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
}

} // namespace tk
