#include "hwinfo/Unit2.h"

#include "hwinfo/JpegPicture.h"

#include "toolkit/Seams.h"

namespace corvane {

namespace {

// The colour of the picture behind the version label, so the label blends into it.
COLORREF PictureColorAt(HBITMAP picture, int x, int y) {
    DIBSECTION dib = {};
    if (!picture || GetObjectW(picture, sizeof(dib), &dib) != sizeof(dib) ||
        x >= dib.dsBm.bmWidth || y >= dib.dsBm.bmHeight)
        return RGB(20, 78, 121);
    const auto* row = static_cast<const unsigned char*>(dib.dsBm.bmBits) +
                      static_cast<std::size_t>(y) * dib.dsBm.bmWidthBytes;
    const unsigned char* pixel = row + static_cast<std::size_t>(x) * 4;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

} // namespace

TForm2::TForm2() : tk::Form(L"", 451, 342) {
    setBorderStyle(tk::BorderStyle::None);
    setClientSize(451, 342);
    centerOnScreen();
    Image1 = std::make_unique<tk::Image>(*this, 0, 0, 451, 342);
    Image1->setStretch(true);
    Image1->setPicture(LoadJpegResource(L"SPLASH"));
    Label1 = std::make_unique<tk::Label>(*Image1, 304, 176, 120, 24, L"version 2.4");
    tk::FontSpec font;
    font.height = 20;
    font.color = RGB(255, 255, 255);
    Label1->setFont(font);
    Label1->setColor(PictureColorAt(Image1->picture(), 304, 188));
}

// Every step hands its number to the (idle) timer, so an optimiser keeps all the steps.
void TForm2::BusyDelay() {
    const unsigned long steps = tk::seams().busySteps(SplashBusySteps);
    if (steps == 0)
        return;
    for (unsigned long step = 0; step < steps; ++step)
        Timer1.setInterval(static_cast<unsigned>(step));
}

} // namespace corvane
