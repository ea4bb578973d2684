#include "cleaner/splash.h"

#include "cleaner/Pictures.h"
#include "cleaner/Unit1.h"

namespace tidewell {

namespace {

constexpr int SplashWidth = 385;
constexpr int SplashHeight = 211;
constexpr COLORREF White = RGB(255, 255, 255);

} // namespace

TForm2::TForm2() : tk::Form(L"Tidewell", SplashWidth, SplashHeight) {
    setBorderStyle(tk::BorderStyle::None);
    setClientSize(SplashWidth, SplashHeight);
    centerOnScreen();
    Panel1 = std::make_unique<tk::Panel>(*this, 0, 0, SplashWidth, SplashHeight);
    Panel1->setColor(White);
    Panel1->setBevelOuter(tk::Bevel::None);
    Panel1->setBevelInner(tk::Bevel::Lowered);
    Label1 =
        std::make_unique<tk::Label>(*Panel1, SplashWidth - 60, SplashHeight - 30, 40, 16, L"3.6");
    tk::FontSpec bold;
    bold.bold = true;
    Label1->setFont(bold);
    Label1->setColor(White);
    Image1 = std::make_unique<tk::Image>(*Panel1, 1, 1, SplashWidth - 2, SplashHeight - 2);
    Image1->setPicture(SplashPicture(SplashWidth - 2, SplashHeight - 2));
    FormCreate();
}

void TForm2::FormCreate() {
    const std::wstring value = ReadSetting(SettingName::ShowSplash);
    if (value == L"1")
        ShowSplashFlag = true;
    else if (value == L"0")
        ShowSplashFlag = false;
}

} // namespace tidewell
