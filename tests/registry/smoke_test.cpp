#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, Registry) {
    HKEY k;
    EXPECT_EQ(0, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TwSmoke", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr));
    RegCloseKey(k);
}
TEST(Smoke, Window) {
    HWND w = CreateWindowW(L"STATIC", L"x", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(nullptr, w);
}
