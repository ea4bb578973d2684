#include "cleaner/Pictures.h"

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"

#include <string>

namespace tidewell {

namespace {

constexpr COLORREF DeepBlue = RGB(16, 52, 112);
constexpr COLORREF SeaBlue = RGB(38, 132, 200);
constexpr COLORREF White = RGB(255, 255, 255);

void DrawTitle(tk::Canvas& canvas, int x, int y, int titleHeight, COLORREF color) {
    tk::FontSpec title;
    title.name = L"Tahoma";
    title.height = titleHeight;
    title.bold = true;
    title.color = color;
    canvas.setFont(title);
    canvas.textOut(x, y, L"Tidewell");
    tk::FontSpec line;
    line.height = titleHeight * 2 / 5;
    line.color = color;
    canvas.setFont(line);
    canvas.textOut(x + 2, y + titleHeight + 2, L"Registry and Privacy Cleaner");
}

void DrawIcon(tk::Canvas& canvas, int x, int y, int size) {
    DrawIconEx(canvas.handle(), x, y, tk::app().icon(), size, size, 0, nullptr, DI_NORMAL);
}

} // namespace

tk::BitmapHandle BannerPicture(int width, int height) {
    return tk::paintBitmap(width, height, [=](tk::Canvas& canvas) {
        canvas.gradientFill({0, 0, width, height}, DeepBlue, SeaBlue, false);
        DrawIcon(canvas, 18, (height - 48) / 2, 48);
        DrawTitle(canvas, 80, 14, 32, White);
    });
}

tk::BitmapHandle StatusStripPicture(int width, int height) {
    return tk::paintBitmap(width, height, [=](tk::Canvas& canvas) {
        canvas.setBrushColor(StatusStripColor);
        canvas.fillRect({0, 0, width, height});
        canvas.setPenColor(White);
        canvas.moveTo(0, 0);
        canvas.lineTo(width, 0);
        canvas.setPenColor(RGB(160, 180, 210));
        canvas.moveTo(0, height - 1);
        canvas.lineTo(width, height - 1);
    });
}

tk::BitmapHandle SplashPicture(int width, int height) {
    return tk::paintBitmap(width, height, [=](tk::Canvas& canvas) {
        const int band = height * 3 / 4;
        canvas.gradientFill({0, 0, width, band}, DeepBlue, SeaBlue, true);
        canvas.setBrushColor(White);
        canvas.fillRect({0, band, width, height});
        DrawIcon(canvas, 24, (band - 48) / 2, 48);
        DrawTitle(canvas, 88, band / 2 - 28, 36, White);
    });
}

tk::BitmapHandle AboutPicture(int width, int height) {
    return tk::paintBitmap(width, height, [=](tk::Canvas& canvas) {
        canvas.setBrushColor(White);
        canvas.fillRect({0, 0, width, height});
        canvas.gradientFill({0, 0, width, 6}, DeepBlue, SeaBlue, false);
        DrawIcon(canvas, 40, 60, 48);
        DrawTitle(canvas, 104, 58, 36, DeepBlue);
    });
}

} // namespace tidewell
