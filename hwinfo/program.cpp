// Corvane: shows the splash for a fixed busy delay, creates the main window and the
// print preview, and runs the message loop until the main window closes.

#include "hwinfo/Un_Tambahan.h"
#include "hwinfo/Unit1.h"
#include "hwinfo/Unit2.h"
#include "hwinfo/print.h"

#include "toolkit/Application.h"

namespace {

using corvane::TForm1;
using corvane::TForm2;
using corvane::Tprint_form;

int RunCorvane() {
    tk::Application& application = tk::app();
    auto splash = std::make_unique<TForm2>();
    splash->show();
    splash->bringToFront();
    RedrawWindow(splash->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    splash->BusyDelay();
    TForm1 form1;
    application.setMainForm(&form1);
    Tprint_form print_form;
    application.setTitle(L"Corvane");
    splash->hide();
    splash.reset();
    form1.show();
    application.run();
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const corvane::ComApartment apartment;
    return tk::runProgram(L"Corvane", RunCorvane);
}
