#include "registry/RegHelpers.h"
#include "scratch_key.h"

namespace {

using WriteRegValueTest = ScratchKeyTest;
using ReadRegStringTest = ScratchKeyTest;
using Entries = std::vector<std::wstring>;

std::string SystemText(DWORD code) {
    char buffer[512];
    std::string text(buffer, FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0, buffer,
                                            sizeof buffer, nullptr));
    return text.substr(0, text.find_last_not_of(" \r\n") + 1);
}

template <typename Action> std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

Entries Split(const std::wstring& text) {
    Entries list{L"stale"};
    SplitText(text, L'=', list);
    return list;
}

TEST(RemoveText, RemovesEveryOccurrenceCaseSensitively) {
    EXPECT_EQ(L"C:\\", RemoveText(L"WINDOWS", L"C:\\WINDOWS"));
    EXPECT_EQ(L"C:\\Windows", RemoveText(L"WINDOWS", L"C:\\Windows"));
    EXPECT_EQ(L"Software\\x", RemoveText(L"HKCU\\", L"HKCU\\Software\\x"));
    EXPECT_EQ(L"", RemoveText(L"ab", L"aabb"));
    EXPECT_EQ(L"abc", RemoveText(L"", L"abc"));
}

TEST(SplitText, EachFieldGetsOneLeadingBlank) {
    EXPECT_EQ((Entries{L" Run", L" C:\\a.exe"}), Split(L"Run=C:\\a.exe"));
    EXPECT_EQ((Entries{L" a", L" ", L" b"}), Split(L"a==b"));
    EXPECT_EQ((Entries{L" a"}), Split(L"a="));
    EXPECT_EQ((Entries{L" ", L" a"}), Split(L"=a"));
    EXPECT_EQ(Entries{}, Split(L""));
}

TEST_F(WriteRegValueTest, WritesEachKindCreatingTheKey) {
    WriteRegValue(HKEY_CURRENT_USER, L"\\" + Path(L"new"), L"s", 12LL, RegDataKind::String);
    WriteRegValue(HKEY_CURRENT_USER, Path(), L"e", L"%A%", RegDataKind::ExpandString);
    WriteRegValue(HKEY_CURRENT_USER, Path(), L"i", L"-3", RegDataKind::Integer);
    WriteRegValue(HKEY_CURRENT_USER, Path(), L"b", L"abc", RegDataKind::Binary);
    EXPECT_EQ(L"12", ReadRegString(Path(L"new"), L"s", HKEY_CURRENT_USER));
    EXPECT_EQ(DWORD{REG_EXPAND_SZ}, RawValue(L"e").first);
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, std::string("\xfd\xff\xff\xff")), RawValue(L"i"));
    EXPECT_EQ(std::make_pair(DWORD{REG_BINARY}, std::string("abc")), RawValue(L"b"));
}

TEST_F(WriteRegValueTest, UnknownKindKeepsTheKindOfTheExistingValue) {
    WriteRegValue(HKEY_CURRENT_USER, Path(), L"e", L"old", RegDataKind::ExpandString);
    WriteRegValue(HKEY_CURRENT_USER, Path(), L"e", L"new", RegDataKind::Unknown);
    EXPECT_EQ(std::make_pair(DWORD{REG_EXPAND_SZ}, std::string("n\0e\0w\0\0\0", 8)),
              RawValue(L"e"));
}

TEST_F(WriteRegValueTest, UnknownKindOfAMissingValueRaisesCode1013) {
    EXPECT_EQ(SystemText(ERROR_CANTWRITE), ErrorOf([&] {
                  WriteRegValue(HKEY_CURRENT_USER, Path(L"k"), L"v", L"x", RegDataKind::Unknown);
              }));
    EXPECT_TRUE(KeyPresent(L"k"));
    EXPECT_EQ(L"", ReadRegString(Path(L"k"), L"v", HKEY_CURRENT_USER));
}

TEST_F(WriteRegValueTest, KeyThatCannotBeCreatedRaisesTheRegistryError) {
    HKEY volatileKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(key_, L"volatile", 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr));
    RegCloseKey(volatileKey);
    EXPECT_EQ(SystemText(ERROR_CHILD_MUST_BE_VOLATILE), ErrorOf([&] {
                  WriteRegValue(HKEY_CURRENT_USER, Path(L"volatile\\sub"), L"v", L"x",
                                RegDataKind::String);
              }));
    EXPECT_FALSE(KeyPresent(L"volatile\\sub"));
}

TEST_F(WriteRegValueTest, IntegerKindRejectsTextsThatAreNoIntegers) {
    EXPECT_EQ("Invalid data type for 'i'", ErrorOf([&] {
                  WriteRegValue(HKEY_CURRENT_USER, Path(), L"i", L"4x", RegDataKind::Integer);
              }));
    EXPECT_EQ("Invalid data type for 'i'", ErrorOf([&] {
                  WriteRegValue(HKEY_CURRENT_USER, Path(), L"i", 1LL << 40, RegDataKind::Integer);
              }));
}

TEST_F(ReadRegStringTest, ReadsTheTextUpToItsFirstZero) {
    SetText(L"plain", L"value");
    SetValue(L"two", REG_SZ, L"a\0b\0", 10);
    SetValue(L"unterminated", REG_SZ, L"ab", 4);
    SetValue(L"empty", REG_SZ, L"", 0);
    EXPECT_EQ(L"value", ReadRegString(Path(), L"plain", HKEY_CURRENT_USER));
    EXPECT_EQ(L"a", ReadRegString(Path(), L"two", HKEY_CURRENT_USER));
    EXPECT_EQ(L"ab", ReadRegString(Path(), L"unterminated", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegString(Path(), L"empty", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegString(Path(), L"missing", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegString(Path(L"missing"), L"plain", HKEY_CURRENT_USER));
}

// Data of other types reads as its bytes up to the first zero, never as garbage characters.
TEST_F(ReadRegStringTest, OtherTypesReadAsAnsiText) {
    SetValue(L"binary", REG_BINARY, "C:\\x.dll\0tail", 14);
    SetValue(L"unterminated", REG_BINARY, "abc", 3);
    SetValue(L"number", REG_DWORD, "7\0\0\0", 4);
    SetValue(L"multi", REG_MULTI_SZ, L"one\0two\0", 18);
    EXPECT_EQ(L"C:\\x.dll", ReadRegString(Path(), L"binary", HKEY_CURRENT_USER));
    EXPECT_EQ(L"abc", ReadRegString(Path(), L"unterminated", HKEY_CURRENT_USER));
    EXPECT_EQ(L"7", ReadRegString(Path(), L"number", HKEY_CURRENT_USER));
    EXPECT_EQ(L"one", ReadRegString(Path(), L"multi", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegStringOnly(Path(), L"binary", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegStringOnly(Path(), L"multi", HKEY_CURRENT_USER));
    SetValue(L"expand", REG_EXPAND_SZ, L"%x%", 8);
    EXPECT_EQ(L"%x%", ReadRegStringOnly(Path(), L"expand", HKEY_CURRENT_USER));
}

TEST_F(ReadRegStringTest, ReadsAtMost255Characters) {
    SetText(L"fits", std::wstring(255, L'x'));
    SetText(L"long", std::wstring(256, L'x'));
    EXPECT_EQ(std::wstring(255, L'x'), ReadRegString(Path(), L"fits", HKEY_CURRENT_USER));
    EXPECT_EQ(L"", ReadRegString(Path(), L"long", HKEY_CURRENT_USER));
}

} // namespace
