#include "toolkit/ImageList.h"

namespace tk {

ImageList::~ImageList() {
    if (list_)
        ImageList_Destroy(list_);
}

void ImageList::create(int width, int height) {
    if (list_)
        ImageList_Destroy(list_);
    list_ = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
    width_ = width;
    height_ = height;
}

int ImageList::addIcon(HICON icon) {
    return list_ ? ImageList_AddIcon(list_, icon) : -1;
}

int ImageList::addBitmap(HBITMAP bitmap, COLORREF maskColor) {
    return list_ ? ImageList_AddMasked(list_, bitmap, maskColor) : -1;
}

int ImageList::count() const {
    return list_ ? ImageList_GetImageCount(list_) : 0;
}

void ImageList::draw(HDC dc, int index, int x, int y) const {
    if (list_)
        ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
}

} // namespace tk
