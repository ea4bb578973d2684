// Measures how long Tidewell's window goes without answering during the automatic flow:
// start-up scan, registry backup and repair, then the program ends by itself. Seeds 20
// broken start-up entries, sets "autoscan", "autobackup", "autorepair" and "autoclose" to
// "1" (the splash off), starts Tidewell.exe from this program's folder and sends its
// window a message every 20 ms from outside the process. Prints every stretch of more than
// one second without an answer, how long each status line stood, the number of probes, how
// many waited over 100 ms and the longest wait. The settings, the seeded entries and the
// backup files of the run are put back or removed afterwards.
#include "tests/cleaner/scan_test_support.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const wchar_t SettingsPath[] = L"Software\\Tidewell";
const wchar_t RunPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr int BrokenEntries = 20;
constexpr DWORD ProbeEveryMs = 20;
constexpr DWORD AnswerTimeoutMs = 120000;
constexpr double ReportedStretchS = 1.0;
constexpr double SlowAnswerS = 0.1;
constexpr auto LongestRun = std::chrono::minutes(15);

std::wstring BackupsFolder() {
    wchar_t folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                 L"ProgramFilesDir", RRF_RT_REG_SZ, nullptr, folder, &size);
    return std::wstring(folder) + L"\\Tidewell\\Backups";
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The program's main window once it is shown; nullptr when the program ended first.
HWND WaitForMainWindow(const PROCESS_INFORMATION& program) {
    for (;;) {
        WindowSearch search{program.dwProcessId, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(program.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
}

BOOL CALLBACK FindStatusText(HWND child, LPARAM data) {
    wchar_t text[512];
    const int length = GetWindowTextW(child, text, 512);
    if (std::wstring(text, length).find(L"Status : ") == std::wstring::npos)
        return TRUE;
    *reinterpret_cast<std::wstring*>(data) = std::wstring(text, length);
    return FALSE;
}

// What the status line says now (the window answers, so this does not block for long).
std::wstring StatusText(HWND window) {
    std::wstring status;
    EnumChildWindows(window, FindStatusText, reinterpret_cast<LPARAM>(&status));
    return status;
}

double SecondsSince(Clock::time_point start, Clock::time_point moment) {
    return std::chrono::duration<double>(moment - start).count();
}

struct Probes {
    int sent = 0;
    int slow = 0;
    double longest = 0;

    void count(double wait) {
        ++sent;
        slow += wait > SlowAnswerS ? 1 : 0;
        longest = std::max(longest, wait);
    }
};

// Each status line in turn, from when a probe first saw it.
struct StatusLine {
    std::wstring text;
    double seenAt;
};

void PrintStatusTimes(const std::vector<StatusLine>& lines, double end) {
    std::printf("how long each status line stood:\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double until = i + 1 < lines.size() ? lines[i + 1].seenAt : end;
        std::printf("%7.1f s %6.2f s  %ls\n", lines[i].seenAt, until - lines[i].seenAt,
                    lines[i].text.c_str());
    }
}

// Sends the window a message every ProbeEveryMs until the program ends.
Probes ProbeUntilTheEnd(const PROCESS_INFORMATION& program, HWND window) {
    const Clock::time_point start = Clock::now();
    Probes probes;
    std::vector<StatusLine> lines;
    while (WaitForSingleObject(program.hProcess, ProbeEveryMs) == WAIT_TIMEOUT) {
        if (Clock::now() - start > LongestRun) {
            std::printf("the flow did not end within %d minutes: stopped\n",
                        static_cast<int>(std::chrono::minutes(LongestRun).count()));
            TerminateProcess(program.hProcess, 1);
            break;
        }
        const Clock::time_point sent = Clock::now();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, AnswerTimeoutMs, &result) &&
            !IsWindow(window))
            break;
        const Clock::time_point answered = Clock::now();
        const double stretch = SecondsSince(sent, answered);
        probes.count(stretch);
        const std::wstring status = StatusText(window);
        if (stretch > ReportedStretchS)
            std::printf("%7.1f s: no answer for %5.2f s, then %ls\n", SecondsSince(start, sent),
                        stretch, status.c_str());
        if (!status.empty() && (lines.empty() || lines.back().text != status))
            lines.push_back({status, SecondsSince(start, answered)});
    }
    const double end = SecondsSince(start, Clock::now());
    PrintStatusTimes(lines, end);
    std::printf("flow took %.1f s\n", end);
    return probes;
}

void SeedBrokenEntries() {
    for (int i = 0; i < BrokenEntries; ++i)
        scantest::SetString(HKEY_CURRENT_USER, RunPath, L"TwResponsiveBench_" + std::to_wstring(i),
                            L"C:\\Missing\\bench_" + std::to_wstring(i) + L".exe");
}

void AskForTheAutomaticFlow() {
    for (const wchar_t* name : {L"autoscan", L"autobackup", L"autorepair", L"autoclose"})
        scantest::SetString(HKEY_CURRENT_USER, SettingsPath, name, L"1");
    scantest::SetString(HKEY_CURRENT_USER, SettingsPath, L"showsplash", L"0");
}

} // namespace

int main() {
    const std::wstring backups = BackupsFolder();
    const std::vector<std::wstring> backupsBefore = scantest::FileNames(backups);
    Probes probes;
    bool shown = false;
    {
        const scantest::SavedKey settings(HKEY_CURRENT_USER, SettingsPath);
        const scantest::SavedKey run(HKEY_CURRENT_USER, RunPath);
        AskForTheAutomaticFlow();
        SeedBrokenEntries();
        std::wstring program = ProgramFolder() + L"Tidewell.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started)) {
            std::printf("cannot start %ls\n", program.c_str());
            return 1;
        }
        if (const HWND window = WaitForMainWindow(started)) {
            shown = true;
            probes = ProbeUntilTheEnd(started, window);
        }
        WaitForSingleObject(started.hProcess, INFINITE);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    for (const std::wstring& name : scantest::FileNames(backups))
        if (std::find(backupsBefore.begin(), backupsBefore.end(), name) == backupsBefore.end())
            DeleteFileW((backups + L"\\" + name).c_str());
    if (!shown) {
        std::printf("Tidewell ended before its window was shown\n");
        return 1;
    }
    std::printf("%d probes, %d waited over 100 ms, longest wait %.3f s\n", probes.sent, probes.slow,
                probes.longest);
    return 0;
}
