#pragma once
// Fixture of the tests that create Tidewell's main window: the real settings key
// HKCU\Software\Tidewell starts empty and is put back afterwards, as is the
// start-with-Windows value; message boxes are recorded and delays skipped.

#include "cleaner/Unit1.h"
#include "registry/RegHelpers.h"
#include "scan_test_support.h"
#include "toolkit/Application.h"
#include "toolkit/Seams.h"

#include <gtest/gtest.h>

namespace twtest {

inline const wchar_t SettingsKey[] = L"Software\\Tidewell";
inline const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

using scantest::SavedValue;

inline std::wstring Setting(const std::wstring& name) {
    return ReadRegString(SettingsKey, name, HKEY_CURRENT_USER);
}

inline void StoreSetting(const std::wstring& name, const std::wstring& value) {
    scantest::SetString(HKEY_CURRENT_USER, SettingsKey, name, value);
}

inline bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline bool StartupEntryExists() {
    return scantest::ValueExists(HKEY_CURRENT_USER, RunKey, L"Tidewell");
}

inline bool Topmost(const tk::Form& form) {
    return (GetWindowLongPtrW(form.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class TidewellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
        scantest::DeleteValue(HKEY_CURRENT_USER, RunKey, L"Tidewell");
        tk::seams().messageBox = [this](HWND, const std::wstring& text, const std::wstring&, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        tk::seams().pause = [](unsigned) {};
        tk::seams().busySteps = [](unsigned long) { return 0UL; };
    }
    void TearDown() override {
        tk::app().setMainForm(nullptr);
        tk::resetSeams();
    }

    std::vector<std::wstring> messages;

  private:
    scantest::SavedKey savedSettings_{HKEY_CURRENT_USER, SettingsKey};
    SavedValue savedStartupEntry_{HKEY_CURRENT_USER, RunKey, L"Tidewell"};
};

} // namespace twtest
