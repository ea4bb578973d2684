#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

// A fresh key HKCU\Software\TwTest\<test name>.<process id>, deleted with all it holds
// after the test.
class ScratchKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string(test->test_suite_name()) + "." + test->name();
        path_ = L"Software\\TwTest\\" + std::wstring(name.begin(), name.end()) + L"." +
                std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr));
    }

    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    }

    // Path of the scratch key (or of a key below it) under HKEY_CURRENT_USER.
    std::wstring Path(const std::wstring& sub = L"") const {
        return sub.empty() ? path_ : path_ + L"\\" + sub;
    }

    void CreateKey(const std::wstring& sub) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(key_, sub.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        RegCloseKey(key);
    }

    bool KeyPresent(const std::wstring& sub) const {
        HKEY key;
        if (RegOpenKeyExW(key_, sub.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    void SetValue(const std::wstring& name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key_, name.c_str(), 0, type,
                                                static_cast<const BYTE*>(data), size));
    }

    void SetText(const std::wstring& name, const std::wstring& text) {
        SetValue(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
    }

    // Type and raw bytes of a value of the scratch key; type ~0 when absent.
    std::pair<DWORD, std::string> RawValue(const std::wstring& name) const {
        DWORD type = 0;
        char data[1024];
        DWORD size = sizeof data;
        if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                             &size) != ERROR_SUCCESS)
            return {~DWORD{0}, {}};
        return {type, std::string(data, size)};
    }

    HKEY key_ = nullptr;

  private:
    std::wstring path_;
};
