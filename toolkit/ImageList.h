#pragma once
// Owns an HIMAGELIST of 32-bit images with masks.

#include "toolkit/GuiHandles.h"

#include <commctrl.h>

#include <functional>
#include <map>

namespace tk {

struct ImageListTraits : handles::NullIsNone<HIMAGELIST> {
    static void close(HIMAGELIST handle) { ImageList_Destroy(handle); }
};

class ImageList {
  public:
    ImageList() = default;
    ImageList(int width, int height) { create(width, height); }
    // Tells every listener that the list is gone.
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Runs `gone` when the list is destroyed, unless the listener (known by its
    // address) has stopped listening before.
    void listen(const void* listener, std::function<void()> gone);
    void stopListening(const void* listener);

    // (Re)creates an empty list of images of width x height.
    void create(int width, int height);
    // Each add returns the new image's index, or -1 on failure. The list keeps
    // copies; the caller still owns what it passed.
    int addIcon(HICON icon);
    int addBitmap(HBITMAP bitmap, COLORREF maskColor);
    int count() const;
    int width() const { return width_; }
    int height() const { return height_; }
    // Draws one image with its mask at (x, y).
    void draw(HDC dc, int index, int x, int y) const;

    HIMAGELIST handle() const { return list_.get(); }

  private:
    handles::UniqueHandle<HIMAGELIST, ImageListTraits> list_;
    int width_ = 0;
    int height_ = 0;
    std::map<const void*, std::function<void()>> listeners_;
};

} // namespace tk
