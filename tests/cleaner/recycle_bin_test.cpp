#include "cleaner/privacy/RecycleBin.h"
#include "privacy_test_support.h"

namespace {

// Moves the file into the recycle bin; true when it went there.
bool Recycle(const std::wstring& path) {
    const std::wstring from = path + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted &&
           !PathExists(path);
}

std::int64_t ItemsInBin() {
    RecycleBinContents contents;
    return QueryRecycleBin(contents) ? contents.items : -1;
}

// Only a bin that holds nothing but the test's own items is ever emptied.
class RecycleBin : public privacytest::PrivacyTest {
  protected:
    void SetUp() override {
        privacytest::PrivacyTest::SetUp();
        if (ItemsInBin() != 0)
            GTEST_SKIP() << "the recycle bin is not empty";
    }
    void recycleOneFile() { recycle(L"recycled.txt", 1); }
    void recycle(const std::wstring& name, std::int64_t itemsAfter, std::size_t size = 1536) {
        if (!Recycle(folder.write(name, std::string(size, 'x'))) || ItemsInBin() != itemsAfter)
            GTEST_SKIP() << "the file could not be recycled";
    }

    scantest::TempFolder folder{L"TwBin"};
};

TEST_F(RecycleBin, EmptyBinGivesNoRow) {
    form->RecycleBinCount = 7;
    form->recycleExecute();
    EXPECT_EQ(0, form->lvbin->count());
    EXPECT_EQ(3, form->lvbin->columnCount());
    EXPECT_EQ(0, form->RecycleBinCount);
    EXPECT_EQ(0, form->LastFoundCount);
}

TEST_F(RecycleBin, OneItemIsCountedWithItsSize) {
    recycleOneFile();
    form->recycleExecute();
    ASSERT_EQ(1, form->lvbin->count());
    EXPECT_EQ(L"1 files in Recycle Bin", form->lvbin->item(0).caption);
    EXPECT_EQ((std::vector<std::wstring>{L"Remove", L"1.50 KB"}), form->lvbin->item(0).subItems);
    EXPECT_TRUE(form->lvbin->item(0).checked);
    EXPECT_EQ(1, form->RecycleBinCount);
    EXPECT_EQ(1, form->LastFoundCount);
    form->removebinExecute();
}

TEST_F(RecycleBin, CheckedRowEmptiesTheBinSilently) {
    recycleOneFile();
    form->recycleExecute();
    form->removebinExecute();
    EXPECT_EQ(0, ItemsInBin());
    EXPECT_EQ(0, form->lvbin->count());
    EXPECT_EQ(0, form->RecycleBinCount);
    EXPECT_EQ(0, form->LastFoundCount);
    EXPECT_TRUE(messages.empty());
}

// An item recycled after the scan is not destroyed unseen: the row is counted again.
TEST_F(RecycleBin, BinThatChangedSinceTheScanIsRecountedNotEmptied) {
    recycleOneFile();
    form->RecycleBin2Click();
    recycle(L"later.txt", 2);
    form->OBhis3Click();
    EXPECT_EQ(2, ItemsInBin());
    ASSERT_EQ(1, form->lvbin->count());
    EXPECT_EQ(L"2 files in Recycle Bin", form->lvbin->item(0).caption);
    EXPECT_EQ(2, form->RecycleBinCount);
    EXPECT_EQ(L"2 Privacy Threats Found", form->Oberror->caption());
    EXPECT_EQ(L"Status : Recycle Bin changed, not emptied", form->statustext->caption());
    form->OBhis3Click();
    EXPECT_EQ(0, ItemsInBin());
    EXPECT_EQ(L"  Status : Repaired Recycle Bin", form->statustext->caption());

    recycle(L"scanned.txt", 1);
    form->OBhis4Click();
    ASSERT_TRUE(form->EmptyRecycleBin());
    recycle(L"unseen.txt", 1, 100);
    form->OBhis3Click();
    ASSERT_EQ(1, ItemsInBin());
    EXPECT_EQ(L"100 bytes", form->lvbin->item(0).subItems.at(1));
    EXPECT_EQ(L"Status : Recycle Bin changed, not emptied", form->statustext->caption());
    form->OBhis3Click();
}

TEST_F(RecycleBin, UncheckedRowKeepsTheBin) {
    recycleOneFile();
    form->recycleExecute();
    form->lvbin->setChecked(0, false);
    form->removebinExecute();
    EXPECT_EQ(1, ItemsInBin());
    EXPECT_EQ(1, form->lvbin->count());
    EXPECT_EQ(1, form->RecycleBinCount);
    EXPECT_EQ(1, form->LastFoundCount);
    form->lvbin->setChecked(0, true);
    form->removebinExecute();
    EXPECT_EQ(0, ItemsInBin());
}

} // namespace
