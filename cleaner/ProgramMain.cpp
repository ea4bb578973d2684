#include "cleaner/ProgramMain.h"

#include "cleaner/Unit1.h"
#include "cleaner/splash.h"
#include "handles/ErrorMode.h"
#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace tidewell {

volatile std::uint32_t SplashDelayCounter = 0;

bool AnotherCopyRuns() {
    // Never closed: the system releases the mutex when the process ends.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Tidewell");
    return WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT;
}

void RunSplashDelay(TForm2& splash) {
    splash.show();
    UpdateWindow(splash.handle());
    const unsigned long steps = tk::seams().busySteps(SplashDelaySteps);
    for (SplashDelayCounter = 0; SplashDelayCounter != steps; ++SplashDelayCounter)
        splash.Timer1.setInterval(SplashDelayCounter);
}

std::unique_ptr<TForm1> StartTidewell(const std::function<void(TForm1&)>& scanAll) {
    tk::app().setTitle(L"Tidewell");
    auto splash = std::make_unique<TForm2>();
    if (splash->ShowSplashFlag)
        RunSplashDelay(*splash);
    auto form = std::make_unique<TForm1>();
    tk::app().setMainForm(form.get());
    form->hide();
    splash->hide();
    splash.reset();
    form->show();
    if (form->AutoScanValue != L"0")
        scanAll(*form);
    return form;
}

int ProgramMain() {
    if (AnotherCopyRuns())
        return 0;
    const handles::CriticalErrorsSilenced silenced;
    const auto form = StartTidewell([](TForm1& mainForm) { mainForm.OBall2Click(); });
    tk::app().run();
    return 0;
}

} // namespace tidewell
