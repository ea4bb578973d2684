#include "cleaner/registry_scan/IgnoreLists.h"

#include "scan_test_support.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

namespace {

class IgnoreListFile : public ::testing::Test {
  protected:
    std::wstring write(const std::string& bytes) { return folder.write(L"Data.dat", bytes); }
    void load(const std::wstring& path) { LoadIgnoreList(path, list, scratch); }
    void expectRow(int row, const std::wstring& caption, const std::wstring& location) const {
        EXPECT_EQ(caption, list.item(row).caption) << row;
        EXPECT_EQ(std::vector<std::wstring>{location}, list.item(row).subItems) << row;
    }

    scantest::TempFolder folder{L"TwIgnore"};
    tk::Form window{L"ignored", 400, 300};
    tk::ListView list{window, 0, 0, 400, 300};
    std::vector<std::wstring> scratch{L" left over"};
};

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "Entry" + std::to_string(i) + "=HKLM\\Key" + std::to_string(i) + "\r\n";
    return text;
}

} // namespace

TEST_F(IgnoreListFile, EachLineBecomesACheckedRowOfCaptionAndLocation) {
    load(write("Run1=HKCU\\Software\\Run\r\nApp=C:\\Docs\\\r\n"));
    ASSERT_EQ(2, list.count());
    expectRow(0, L"Run1", L"HKCU\\Software\\Run");
    expectRow(1, L"App", L"C:\\Docs\\");
    EXPECT_TRUE(list.checked(0));
    EXPECT_TRUE(list.checked(1));
}

TEST_F(IgnoreListFile, ReadsAtMostFiftyOneLines) {
    load(write(Lines(60)));
    ASSERT_EQ(51, list.count());
    EXPECT_EQ(L"Entry51", list.item(50).caption);
}

TEST_F(IgnoreListFile, StopsAtTheFirstEmptyLine) {
    load(write("a=1\r\nb=2\r\n\r\nc=3\r\n"));
    ASSERT_EQ(2, list.count());
    EXPECT_EQ(L"b", list.item(1).caption);
}

TEST_F(IgnoreListFile, LineWithoutEqualsSignIsAWholeCaptionWithEmptyLocation) {
    load(write("just a name\r\n"));
    ASSERT_EQ(1, list.count());
    expectRow(0, L"just a name", L"");
}

TEST_F(IgnoreListFile, PiecesAfterTheSecondAreDropped) {
    load(write("a=b=c\r\n=loc\r\n"));
    ASSERT_EQ(2, list.count());
    expectRow(0, L"a", L"b");
    expectRow(1, L"", L"loc");
}

TEST_F(IgnoreListFile, LastLineNeedsNoLineEnd) {
    load(write("a=1\nb=2"));
    ASSERT_EQ(2, list.count());
    EXPECT_EQ(L"2", list.subItem(1, 0));
}

TEST_F(IgnoreListFile, RemovalFindsEveryEntryTheListShows) {
    const std::wstring path = write("a=1\rb=2\r\nc=3\n");
    load(path);
    ASSERT_EQ(3, list.count());
    expectRow(1, L"b", L"2");
    EXPECT_TRUE(RemoveIgnoreEntry(path, L"b", L"2"));
    EXPECT_EQ("a=1\rc=3\n", scantest::FileBytes(path));
    EXPECT_FALSE(RemoveIgnoreEntry(path, L"b", L"2"));
}

TEST_F(IgnoreListFile, RowsAreAppendedAfterExistingOnes) {
    list.addItem({L"kept", {L"x"}, true});
    load(write("new=y\r\n"));
    ASSERT_EQ(2, list.count());
    EXPECT_EQ(L"kept", list.item(0).caption);
    EXPECT_EQ(L"new", list.item(1).caption);
}

TEST_F(IgnoreListFile, MissingFileAddsNothingAndClearsTheScratchList) {
    load(folder.file(L"absent.dat"));
    EXPECT_EQ(0, list.count());
    EXPECT_TRUE(scratch.empty());
}

TEST_F(IgnoreListFile, FileThatCannotBeReadThrows) {
    const std::wstring path = write("a=b\r\n");
    handles::KernelHandle held(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_THROW(load(path), tk::Error);
    EXPECT_EQ(0, list.count());
}

// A damaged file of any size: the start of its lines is read, and the file stays as it is.
TEST_F(IgnoreListFile, HugeDamagedFileIsReadLineByLineAndLeftAsItIs) {
    const std::wstring path = write("Run1=HKCU\\Run\r\n");
    LARGE_INTEGER size;
    size.QuadPart = 400LL << 20;
    {
        handles::KernelHandle file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) &&
                    SetEndOfFile(file.get()));
    }
    EXPECT_NO_THROW(load(path));
    ASSERT_EQ(2, list.count());
    expectRow(0, L"Run1", L"HKCU\\Run");
    EXPECT_EQ(65536u, list.item(1).caption.size());
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(size.QuadPart, (LONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow);
}
