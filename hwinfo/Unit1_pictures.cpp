#include "hwinfo/JpegPicture.h"
#include "hwinfo/Unit1.h"

#include "toolkit/Canvas.h"

#include <cstdint>

namespace corvane {

namespace {

const COLORREF MaskColor = RGB(255, 0, 255);

const COLORREF TileColors[] = {RGB(29, 111, 165), RGB(46, 139, 87),  RGB(178, 102, 34),
                               RGB(120, 72, 160), RGB(160, 50, 60),  RGB(30, 130, 140),
                               RGB(90, 100, 110), RGB(200, 140, 20), RGB(60, 80, 170)};

COLORREF TileColor(int index) {
    return TileColors[index % (sizeof(TileColors) / sizeof(TileColors[0]))];
}

// A rounded tile in the colour of its position with a letter on it.
void DrawLetterTile(tk::MemoryCanvas& canvas, int index, wchar_t letter) {
    const int size = canvas.width();
    canvas.setBrushColor(MaskColor);
    canvas.fillRect({0, 0, size, size});
    canvas.setPenColor(RGB(255, 255, 255));
    canvas.setBrushColor(TileColor(index));
    canvas.roundRect({1, 1, size - 1, size - 1}, size / 3, size / 3);
    tk::FontSpec font;
    font.height = size * 2 / 3;
    font.bold = true;
    font.color = RGB(255, 255, 255);
    canvas.setFont(font);
    RECT area = {0, 0, size, size};
    canvas.drawText(std::wstring(1, letter), area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// GDI leaves the alpha channel empty; the picture is opaque except where the mask colour is.
void MaskToAlpha(const tk::MemoryCanvas& canvas) {
    const std::uint32_t mask = 0xFF00FF;
    std::uint32_t* pixel = canvas.bits();
    for (int i = 0; i < canvas.width() * canvas.height(); ++i, ++pixel)
        *pixel = (*pixel & 0xFFFFFF) == mask ? 0 : (*pixel | 0xFF000000);
}

void AddToImages(tk::ImageList& images, const tk::MemoryCanvas& canvas) {
    MaskToAlpha(canvas);
    images.addBitmap(canvas.bitmap(), MaskColor);
}

void AddLetterTile(tk::ImageList& images, int index, wchar_t letter) {
    tk::MemoryCanvas canvas(images.width(), images.height());
    DrawLetterTile(canvas, index, letter);
    AddToImages(images, canvas);
}

// The button's own picture: a small tile with a letter, the mask colour transparent.
void SetLetterGlyph(ctl::TFlatButton& button, int index, wchar_t letter) {
    tk::MemoryCanvas canvas(16, 16);
    DrawLetterTile(canvas, index, letter);
    button.setAutoTransparency(true);
    button.setUseCustomGlyphs(true);
    button.setShowGlyph(true);
    button.setInactiveGlyph(canvas.bitmap());
    button.setActiveGlyph(canvas.bitmap());
    button.setDownActiveGlyph(canvas.bitmap());
    button.setDisabledGlyph(canvas.bitmap());
}

// A small chip with pins, in the colour of its position.
void AddChipTile(tk::ImageList& images, int index) {
    const int size = images.width();
    tk::MemoryCanvas canvas(size, size);
    canvas.setBrushColor(MaskColor);
    canvas.fillRect({0, 0, size, size});
    canvas.setPenColor(RGB(90, 90, 90));
    for (int pin = 5; pin < size - 4; pin += 3) {
        canvas.moveTo(pin, 1);
        canvas.lineTo(pin, size - 1);
        canvas.moveTo(1, pin);
        canvas.lineTo(size - 1, pin);
    }
    canvas.setPenColor(RGB(40, 40, 40));
    canvas.setBrushColor(TileColor(index));
    canvas.rectangle({4, 4, size - 4, size - 4});
    AddToImages(images, canvas);
}

// A printer with a sheet going in and a printed one coming out.
void SetPrinterGlyph(tk::Button& button) {
    tk::MemoryCanvas canvas(16, 16);
    canvas.setBrushColor(MaskColor);
    canvas.fillRect({0, 0, 16, 16});
    canvas.setPenColor(RGB(64, 64, 64));
    canvas.setBrushColor(RGB(255, 255, 255));
    canvas.rectangle({4, 1, 12, 7});
    canvas.setBrushColor(RGB(150, 150, 150));
    canvas.rectangle({1, 6, 15, 12});
    canvas.setBrushColor(RGB(255, 255, 255));
    canvas.rectangle({3, 10, 13, 15});
    canvas.setPixel(12, 8, RGB(0, 190, 0));
    MaskToAlpha(canvas);
    button.setGlyph(canvas.bitmap(), MaskColor);
}

// Row pictures by index: the System list's rows go up to index 20 (APM status 13, memory
// 14, USB ports 16, serial and parallel ports 17, MCI heading 18 and MCI device 20), the
// Component list's rows up to 8, one per page button.
const int SystemRowPictures = 21;
const int ComponentRowPictures = 9;

void AddTiles(tk::ImageList& buttons, tk::ImageList& rows, const TButtonGroup& group,
              int rowPictures) {
    const std::vector<tk::CategoryItem>& items = group.category(0).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::wstring& caption = items[i].caption;
        const std::size_t letter = caption.find_first_not_of(L' ');
        AddLetterTile(buttons, static_cast<int>(i),
                      letter == std::wstring::npos ? L' ' : caption[letter]);
    }
    for (int i = 0; i < rowPictures; ++i)
        AddChipTile(rows, i);
}

} // namespace

void TForm1::CreatePictures() {
    AddTiles(ImageList2, ImageList3, *ButtonGroup2, SystemRowPictures);
    AddTiles(ImageList1, ImageList4, *ButtonGroup1, ComponentRowPictures);
    AboutPicture->setPicture(LoadJpegResource(L"ABOUT"));
    SetLetterGlyph(*obnews, 1, L'N');
    SetLetterGlyph(*obhelp, 0, L'?');
    SetPrinterGlyph(*print_button);
}

} // namespace corvane
