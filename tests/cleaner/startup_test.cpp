#include "tidewell_fixture.h"

#include "cleaner/FileSystem.h"
#include "cleaner/ProgramMain.h"
#include "cleaner/splash.h"

using twtest::StoreSetting;

namespace {

class StartupTest : public twtest::TidewellTest {
  protected:
    // Runs start-up, recording the busy delays and the automatic scans.
    std::unique_ptr<TForm1> start() {
        tk::seams().busySteps = [this](unsigned long steps) {
            busyDelays.push_back(steps);
            return 0UL;
        };
        return StartTidewell([this](TForm1& form) { scannedForms.push_back(&form); });
    }

    std::vector<unsigned long> busyDelays;
    std::vector<TForm1*> scannedForms;
};

BOOL CALLBACK CountVisibleWindowOfThisProcess(HWND window, LPARAM counter) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window))
        ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// Visible top-level windows of this process.
int VisibleWindowsOfThisProcess() {
    int count = 0;
    EnumWindows(CountVisibleWindowOfThisProcess, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

TEST_F(StartupTest, SecondCopyEndsAtOnceWithExitCodeZero) {
    handles::KernelHandle mutex(CreateMutexW(nullptr, TRUE, L"Tidewell"));
    ASSERT_TRUE(mutex);
    std::wstring commandLine = L"\"" + ProgramFolder() + L"Tidewell.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << "Tidewell.exe must be built beside the tests";
    handles::KernelHandle processHandle(process.hProcess);
    handles::KernelHandle threadHandle(process.hThread);
    const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    ASSERT_EQ(WAIT_OBJECT_0, waited);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_FALSE(twtest::SettingsKeyExists());
}

TEST_F(StartupTest, SplashOnlyWhenShowsplashIsOne) {
    for (const wchar_t* value : {L"", L"0", L"1", L"2"}) {
        if (*value)
            StoreSetting(L"showsplash", value);
        busyDelays.clear();
        auto form = start();
        EXPECT_EQ(std::wstring(value) == L"1" ? std::vector<unsigned long>{4000000}
                                              : std::vector<unsigned long>{},
                  busyDelays)
            << value;
        EXPECT_EQ(1, VisibleWindowsOfThisProcess()) << value;
        EXPECT_TRUE(form->visible()) << value;
        tk::app().setMainForm(nullptr);
    }
}

TEST_F(StartupTest, SplashFlagFollowsShowsplash) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"", false}, {L"1", true}, {L"0", false}, {L"2", false}};
    for (const auto& [value, shown] : cases) {
        StoreSetting(L"showsplash", value);
        TForm2 splash;
        EXPECT_EQ(shown, splash.ShowSplashFlag) << value;
    }
}

TEST_F(StartupTest, BusyDelayAssignsEveryStepToTheSplashTimer) {
    TForm2 splash;
    tk::seams().busySteps = [](unsigned long steps) {
        EXPECT_EQ(SplashDelaySteps, steps);
        return 5UL;
    };
    RunSplashDelay(splash);
    EXPECT_EQ(5u, SplashDelayCounter);
    EXPECT_EQ(4u, splash.Timer1.interval());
    EXPECT_TRUE(splash.visible());
    EXPECT_FALSE(splash.Timer1.enabled());
}

TEST_F(StartupTest, FirstStartScansAtOnce) {
    auto form = start();
    ASSERT_EQ(1u, scannedForms.size());
    EXPECT_EQ(form.get(), scannedForms[0]);
    EXPECT_EQ(form.get(), tk::app().mainForm());
    EXPECT_EQ(L"Tidewell", tk::app().title());
}

TEST_F(StartupTest, AutoscanZeroDoesNotScan) {
    StoreSetting(L"autoscan", L"0");
    auto form = start();
    EXPECT_TRUE(scannedForms.empty());
}

TEST_F(StartupTest, AutoscanOtherTextScans) {
    StoreSetting(L"autoscan", L"yes");
    auto form = start();
    EXPECT_EQ(1u, scannedForms.size());
}

// An empty CD or card drive answers "not ready" during the whole run, the start-up scan
// included, instead of raising the system's box; the mode before comes back at the end.
TEST_F(StartupTest, WholeRunFailsCriticalErrorsQuietly) {
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    std::vector<UINT> modes;
    tk::seams().pause = [&modes](unsigned) {
        if (modes.empty())
            PostMessageW(tk::app().mainForm()->handle(), WM_CLOSE, 0, 0);
        modes.push_back(GetErrorMode());
    };
    EXPECT_EQ(0, ProgramMain());
    EXPECT_FALSE(modes.empty());
    const UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX;
    EXPECT_EQ(std::vector<UINT>(modes.size(), quiet), modes);
    EXPECT_EQ(UINT(SEM_NOGPFAULTERRORBOX), SetErrorMode(before));
    tk::app().resume();
}
