#include "privacy_test_support.h"

#include <shlobj.h>

#include <cstring>

using privacytest::Captions;
using privacytest::CheckOnly;

namespace {

HGLOBAL GlobalBytes(const void* data, std::size_t size) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    return memory;
}

HGLOBAL DropList(const std::vector<std::wstring>& files) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<BYTE> block(reinterpret_cast<BYTE*>(&header),
                            reinterpret_cast<BYTE*>(&header) + sizeof header);
    for (const std::wstring& file : files) {
        const auto* bytes = reinterpret_cast<const BYTE*>(file.c_str());
        block.insert(block.end(), bytes, bytes + (file.size() + 1) * sizeof(wchar_t));
    }
    block.resize(block.size() + sizeof(wchar_t), 0);
    return GlobalBytes(block.data(), block.size());
}

HBITMAP Picture() {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

struct Contents {
    std::wstring text;
    bool picture = false;
    std::vector<std::wstring> files;
};

// Registered formats by name, with their bytes.
using OtherFormats = std::vector<std::pair<std::wstring, std::string>>;

// Replaces what the clipboard holds.
void SetClipboard(const Contents& contents, const OtherFormats& others = {}) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (!contents.text.empty())
        SetClipboardData(CF_UNICODETEXT, GlobalBytes(contents.text.c_str(),
                                                     (contents.text.size() + 1) * sizeof(wchar_t)));
    if (contents.picture)
        SetClipboardData(CF_BITMAP, Picture());
    if (!contents.files.empty())
        SetClipboardData(CF_HDROP, DropList(contents.files));
    for (const auto& [name, bytes] : others)
        SetClipboardData(RegisterClipboardFormatW(name.c_str()),
                         GlobalBytes(bytes.data(), bytes.size()));
    CloseClipboard();
}

// The bytes the clipboard holds in a registered format; "none" when it has none.
std::string RegisteredBytes(const std::wstring& name) {
    if (!OpenClipboard(nullptr))
        return "not opened";
    const HANDLE data = GetClipboardData(RegisterClipboardFormatW(name.c_str()));
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    const std::string copy = bytes ? std::string(bytes, GlobalSize(data)) : "none";
    if (bytes)
        GlobalUnlock(data);
    CloseClipboard();
    return copy.substr(0, copy.find('\0'));
}

// The first file of the clipboard's dropped-file list, its path whole.
std::wstring FirstDroppedFile() {
    wchar_t name[1024] = {};
    if (OpenClipboard(nullptr)) {
        if (const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP)))
            DragQueryFileW(drop, 0, name, 1024);
        CloseClipboard();
    }
    return name;
}

bool Offers(UINT format) {
    return IsClipboardFormatAvailable(format) != FALSE;
}

const wchar_t FileA[] = L"C:\\users\\Public\\a file.txt";
const wchar_t FileB[] = L"C:\\users\\Public\\b.doc";

class Clipboard : public privacytest::PrivacyTest {
  protected:
    void TearDown() override {
        SetClipboard({});
        privacytest::PrivacyTest::TearDown();
    }
};

TEST_F(Clipboard, EmptyClipboardGivesNoRows) {
    SetClipboard({});
    form->clipExecute();
    EXPECT_EQ(0, form->lvclip->count());
    EXPECT_EQ(3, form->lvclip->columnCount());
    EXPECT_EQ(0, form->LastFoundCount);
}

TEST_F(Clipboard, TextPictureAndFilesInThatOrder) {
    SetClipboard({L"secret text", true, {FileA, FileB}});
    form->clipExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"secret text", L"Image File", FileA, FileB}),
              Captions(*form->lvclip));
    EXPECT_EQ((std::vector<std::wstring>{L"Remove", L"Text File in Clipboard"}),
              form->lvclip->item(0).subItems);
    EXPECT_EQ(L"Image File in Clipboard", form->lvclip->item(1).subItems.at(1));
    EXPECT_EQ(L"Path File in Clipboard", form->lvclip->item(2).subItems.at(1));
    EXPECT_EQ(4, form->LastFoundCount);
}

TEST_F(Clipboard, LongTextIsOneRow) {
    const std::wstring text(100000, L'z');
    SetClipboard({text, false, {}});
    form->clipExecute();
    ASSERT_EQ(1, form->lvclip->count());
    EXPECT_EQ(text, form->lvclip->item(0).caption);
}

// A spreadsheet's own copies of the text go with it.
TEST_F(Clipboard, AllCheckedClearsTheClipboard) {
    const OtherFormats copies{{L"Csv", "password"}, {L"XML Spreadsheet", "<Data>password</Data>"}};
    SetClipboard({L"password", true, {FileA}}, copies);
    form->clipExecute();
    form->removeclipExecute();
    EXPECT_EQ(0u, CountClipboardFormats());
    EXPECT_FALSE(Offers(CF_UNICODETEXT));
    EXPECT_FALSE(Offers(CF_BITMAP));
    EXPECT_FALSE(Offers(CF_HDROP));
    EXPECT_EQ(0, form->lvclip->count());
    EXPECT_EQ(0, form->LastFoundCount);
}

TEST_F(Clipboard, NothingCheckedKeepsTheClipboard) {
    SetClipboard({L"text", false, {}});
    form->clipExecute();
    CheckOnly(*form->lvclip, {});
    form->removeclipExecute();
    EXPECT_TRUE(Offers(CF_UNICODETEXT));
    EXPECT_EQ(1, form->LastFoundCount);
}

// Only the text, picture and files of the unchecked rows come back: any other format may
// hold what a checked row held.
TEST_F(Clipboard, UncheckedContentsStay) {
    const OtherFormats others{{L"HTML Format", "<b>kept text</b>"},
                              {L"Rich Text Format", "{\\rtf1 kept text}"},
                              {L"TwApplication Format", "app data"}};
    SetClipboard({L"kept text", true, {FileA, FileB}}, others);
    form->clipExecute();
    CheckOnly(*form->lvclip, {L"Image File", FileA});
    form->removeclipExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"kept text", FileB}), Captions(*form->lvclip));
    EXPECT_EQ(2, form->LastFoundCount);
    EXPECT_FALSE(Offers(CF_BITMAP));
    for (const auto& [name, bytes] : others)
        EXPECT_EQ("none", RegisteredBytes(name));
    form->clipExecute();
    EXPECT_EQ((std::vector<std::wstring>{L"kept text", FileB}), Captions(*form->lvclip));

    SetClipboard({L"secret", true, {}}, others);
    form->clipExecute();
    CheckOnly(*form->lvclip, {L"secret"});
    form->removeclipExecute();
    EXPECT_FALSE(Offers(CF_UNICODETEXT));
    EXPECT_EQ("none", RegisteredBytes(L"HTML Format"));
    EXPECT_EQ("none", RegisteredBytes(L"Rich Text Format"));
    EXPECT_EQ("none", RegisteredBytes(L"TwApplication Format"));
    EXPECT_TRUE(Offers(CF_BITMAP));
}

// The row shows the path cut at 260 characters; the file put back is the whole path.
TEST_F(Clipboard, LongPathOfAnUncheckedRowComesBackWhole) {
    const std::wstring longFile = L"C:\\users\\Public\\" + std::wstring(300, L'n') + L".txt";
    SetClipboard({L"", false, {longFile, FileA}});
    form->clipExecute();
    CheckOnly(*form->lvclip, {FileA});
    form->removeclipExecute();
    EXPECT_EQ((std::vector<std::wstring>{longFile.substr(0, MAX_PATH)}), Captions(*form->lvclip));
    EXPECT_EQ(longFile, FirstDroppedFile());
    form->lvclip->setChecked(0, true);
    form->removeclipExecute();
    EXPECT_FALSE(Offers(CF_HDROP));
}

// Text copied after the scan is not cleared unseen: the list is read again.
TEST_F(Clipboard, ClipboardChangedSinceTheScanIsListedAgainNotCleared) {
    SetClipboard({L"scanned", false, {}});
    form->Clipboard1Click();
    SetClipboard({L"copied later", false, {}});
    form->OBhis3Click();
    EXPECT_TRUE(Offers(CF_UNICODETEXT));
    EXPECT_EQ((std::vector<std::wstring>{L"copied later"}), Captions(*form->lvclip));
    EXPECT_EQ(L"Status : Clipboard changed, not cleared", form->statustext->caption());
    form->OBhis3Click();
    EXPECT_EQ(0u, CountClipboardFormats());
    EXPECT_EQ(L"  Status : Repaired Clipboard", form->statustext->caption());
}

} // namespace
