// Times the start-up programs scan against a bare walk of the same registry keys.
// Seeds N values into the current user's Run key (half of them naming a program that
// exists), scans with the progress pauses set to zero while the findings list is shown,
// and prints the time per 1,000 entries and the ratio to the bare walk. The seeded
// values are removed again.
#include "cleaner/Unit1.h"
#include "toolkit/Application.h"
#include "toolkit/Seams.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const wchar_t RunPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t BenchPrefix[] = L"TwBench_";
constexpr int Repeats = 3;

struct ScannedKey {
    HKEY root;
    const wchar_t* path;
};

const ScannedKey ScannedKeys[] = {
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
    {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
};

HKEY OpenRunKey() {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, RunPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    return key;
}

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH];
    GetSystemDirectoryW(buffer, MAX_PATH);
    return buffer;
}

void Seed(int count) {
    const HKEY key = OpenRunKey();
    const std::wstring present = SystemFolder() + L"\\notepad.exe /n ";
    for (int i = 0; i < count; ++i) {
        const std::wstring name = BenchPrefix + std::to_wstring(i);
        const std::wstring data = i % 2 == 0 ? present + std::to_wstring(i)
                                             : L"C:\\Missing\\app_" + std::to_wstring(i) + L".exe";
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

void Unseed(int count) {
    const HKEY key = OpenRunKey();
    for (int i = 0; i < count; ++i)
        RegDeleteValueW(key, (BenchPrefix + std::to_wstring(i)).c_str());
    RegCloseKey(key);
}

// Enumerates every value name of the keys and reads each value's data.
void BareWalk() {
    std::vector<wchar_t> name(16384);
    std::vector<BYTE> data(65536);
    for (const ScannedKey& scanned : ScannedKeys) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(scanned.root, scanned.path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        for (DWORD index = 0;; ++index) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                break;
            DWORD size = static_cast<DWORD>(data.size());
            RegQueryValueExW(key, name.data(), nullptr, nullptr, data.data(), &size);
        }
        RegCloseKey(key);
    }
}

// The best of a few runs, in milliseconds.
double BestMs(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < Repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Measure(TForm1& form, int count) {
    Seed(count);
    const double walkMs = BestMs(BareWalk);
    const double scanMs = BestMs([&] { form.StartupExecute(); });
    const int findings = form.lvsp->count();
    Unseed(count);
    std::printf("%6d entries: scan %8.1f ms (%7.1f ms per 1,000), bare walk %8.1f ms "
                "(%7.1f ms per 1,000), ratio %.2f, findings %d\n",
                count, scanMs, scanMs * 1000 / count, walkMs, walkMs * 1000 / count,
                scanMs / walkMs, findings);
}

} // namespace

int main() {
    tk::seams().sleep = [](unsigned) {};
    tk::seams().messageBox = [](HWND, const std::wstring&, const std::wstring&, UINT) {
        return IDOK;
    };
    TForm1 form;
    form.show();
    form.HiddenLV();
    form.lvsp->show();
    for (const int count : {1000, 10000})
        Measure(form, count);
    return 0;
}
