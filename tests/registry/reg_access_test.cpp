#include "registry/RegAccess.h"
#include "scratch_key.h"

#include <algorithm>

namespace {

using RegAccessTest = ScratchKeyTest;

std::vector<std::wstring> Sorted(std::vector<std::wstring> list) {
    std::sort(list.begin(), list.end());
    return list;
}

template <typename Action> std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const ERegAccessError& error) {
        return error.what();
    }
    return "no error";
}

TEST_F(RegAccessTest, AbsolutePathsResolveUnderTheRootAndRelativeOnesUnderTheCurrentKey) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(L"\\" + Path(), false));
    EXPECT_EQ(Path(), reg.CurrentPath());
    ASSERT_TRUE(reg.OpenKey(L"y", true));
    EXPECT_EQ(Path(L"y"), reg.CurrentPath());
    EXPECT_TRUE(KeyPresent(L"y"));
    ASSERT_TRUE(reg.OpenKey(L"\\" + Path(), false));
    EXPECT_EQ(Path(), reg.CurrentPath());
}

TEST_F(RegAccessTest, RelativePathWithoutOpenKeyResolvesUnderTheRoot) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_EQ(Path(), reg.CurrentPath());
}

TEST_F(RegAccessTest, EmptyPathOpensTheBaseKeyWithoutCreating) {
    SetText(L"v", L"x");
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(L"", true));
    EXPECT_EQ(L"", reg.CurrentPath());
    EXPECT_NE(nullptr, reg.CurrentKey());
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    ASSERT_TRUE(reg.OpenKey(L"", true));
    EXPECT_EQ(Path(), reg.CurrentPath());
    EXPECT_TRUE(reg.ValueExists(L"v"));
    std::vector<std::wstring> keys;
    reg.GetKeyNames(keys);
    EXPECT_TRUE(keys.empty());
}

TEST_F(RegAccessTest, FailedOpenKeepsTheCurrentKey) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_FALSE(reg.OpenKey(L"missing", false));
    EXPECT_EQ(DWORD{ERROR_FILE_NOT_FOUND}, GetLastError());
    EXPECT_EQ(Path(), reg.CurrentPath());
    reg.WriteString(L"still", L"open");
    EXPECT_EQ(REG_SZ, RawValue(L"still").first);
}

TEST_F(RegAccessTest, ChangingTheRootClosesTheCurrentKey) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_EQ(Path(), reg.CurrentPath());
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(nullptr, reg.CurrentKey());
    EXPECT_EQ(L"", reg.CurrentPath());
}

TEST_F(RegAccessTest, KeyNamesHaveOneLeadingBlankAndKeepEqualsSigns) {
    CreateKey(L"A");
    CreateKey(L"B=C");
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    std::vector<std::wstring> names{L"stale"};
    reg.GetKeyNames(names);
    EXPECT_EQ((std::vector<std::wstring>{L" A", L" B=C"}), Sorted(names));
}

TEST_F(RegAccessTest, ValueNamesHaveOneLeadingBlank) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    SetText(L"", L"default");
    std::vector<std::wstring> names;
    reg.GetValueNames(names);
    EXPECT_EQ(std::vector<std::wstring>{L" "}, names);
    SetText(L"x=y", L"1");
    reg.GetValueNames(names);
    EXPECT_EQ((std::vector<std::wstring>{L" ", L" x=y"}), Sorted(names));
}

TEST_F(RegAccessTest, NameListsWithoutAnOpenKeyAreEmpty) {
    TRegAccess reg;
    std::vector<std::wstring> names{L"stale"};
    reg.GetKeyNames(names);
    EXPECT_TRUE(names.empty());
    names = {L"stale"};
    reg.GetValueNames(names);
    EXPECT_TRUE(names.empty());
}

TEST_F(RegAccessTest, DeleteKeyRemovesNestedSubkeys) {
    CreateKey(L"a\\b\\c");
    CreateKey(L"a\\d");
    CreateKey(L"e");
    TRegAccess reg;
    EXPECT_TRUE(reg.DeleteKey(L"\\" + Path(L"a")));
    EXPECT_FALSE(KeyPresent(L"a"));
    EXPECT_TRUE(KeyPresent(L"e"));
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_TRUE(reg.DeleteKey(L"e"));
    EXPECT_FALSE(KeyPresent(L"e"));
    EXPECT_EQ(Path(), reg.CurrentPath());
    EXPECT_FALSE(reg.DeleteKey(L"missing"));
}

TEST_F(RegAccessTest, DeleteKeyRefusesAPathNamingTheBaseKey) {
    CreateKey(L"kept");
    TRegAccess reg;
    reg.SetRootKey(key_);
    EXPECT_FALSE(reg.DeleteKey(L""));
    EXPECT_FALSE(reg.DeleteKey(L"\\"));
    ASSERT_TRUE(reg.OpenKey(L"kept", false));
    EXPECT_FALSE(reg.DeleteKey(L""));
    EXPECT_TRUE(KeyPresent(L"kept"));
}

TEST_F(RegAccessTest, KeyExistsLeavesAccessAndCurrentKeyAlone) {
    CreateKey(L"sub");
    TRegAccess reg(KEY_WRITE);
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_TRUE(reg.KeyExists(L"sub"));
    EXPECT_FALSE(reg.KeyExists(L"missing"));
    EXPECT_TRUE(reg.KeyExists(L"\\" + Path(L"sub")));
    EXPECT_EQ(REGSAM{KEY_WRITE}, reg.Access());
    EXPECT_EQ(Path(), reg.CurrentPath());
}

TEST_F(RegAccessTest, WritesStoreTheirRegistryTypes) {
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    reg.WriteString(L"s", L"");
    reg.WriteExpandString(L"e", L"%A%");
    reg.WriteInteger(L"i", -2);
    reg.WriteBinaryData(L"b", "\x01\x02", 2);
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string(2, '\0')), RawValue(L"s"));
    EXPECT_EQ(std::make_pair(DWORD{REG_EXPAND_SZ}, std::string("%\0A\0%\0\0\0", 8)),
              RawValue(L"e"));
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, std::string("\xfe\xff\xff\xff")), RawValue(L"i"));
    EXPECT_EQ(std::make_pair(DWORD{REG_BINARY}, std::string("\x01\x02")), RawValue(L"b"));
    EXPECT_EQ(RegDataKind::String, reg.GetDataType(L"s"));
    EXPECT_EQ(RegDataKind::ExpandString, reg.GetDataType(L"e"));
    EXPECT_EQ(RegDataKind::Integer, reg.GetDataType(L"i"));
    EXPECT_EQ(RegDataKind::Binary, reg.GetDataType(L"b"));
    EXPECT_EQ(-2, reg.ReadInteger(L"i"));
}

TEST_F(RegAccessTest, UnlistedOrMissingValuesHaveUnknownKind) {
    SetValue(L"multi", REG_MULTI_SZ, L"a\0\0", 6);
    TRegAccess reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_EQ(RegDataKind::Unknown, reg.GetDataType(L"multi"));
    EXPECT_EQ(RegDataKind::Unknown, reg.GetDataType(L"missing"));
    EXPECT_TRUE(reg.ValueExists(L"multi"));
    EXPECT_TRUE(reg.DeleteValue(L"multi"));
    EXPECT_FALSE(reg.ValueExists(L"multi"));
    EXPECT_FALSE(reg.DeleteValue(L"multi"));
}

TEST_F(RegAccessTest, FailuresRaiseTheirTextsWithTheValueName) {
    SetText(L"short", L"1");
    SetText(L"long", L"a longer text");
    TRegAccess reg;
    EXPECT_EQ("Failed to set data for 'w'", ErrorOf([&] { reg.WriteInteger(L"w", 1); }));
    ASSERT_TRUE(reg.OpenKey(Path(), false));
    EXPECT_EQ("Failed to get data for 'missing'", ErrorOf([&] { reg.ReadInteger(L"missing"); }));
    EXPECT_EQ("Invalid data type for 'short'", ErrorOf([&] { reg.ReadInteger(L"short"); }));
    EXPECT_EQ("Invalid data type for 'long'", ErrorOf([&] { reg.ReadInteger(L"long"); }));
}

} // namespace
