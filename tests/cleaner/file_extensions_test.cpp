#include "form_test.h"
#include "registry_findings_support.h"

using regtest::CaptionIs;
using regtest::Rows;

namespace {

const wchar_t FileExtsPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
const wchar_t FileExtsLocation[] =
    L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

class SerialFileExtensions : public scantest::FormTest {
  protected:
    // A new extension recorded by the shell; returns its name with the dot.
    std::wstring extension(const std::wstring& role) {
        const std::wstring name = L"." + scantest::UniqueName(L"twfe" + role);
        keys.add(HKEY_CURRENT_USER, under(name));
        return name;
    }
    void key(const std::wstring& path, HKEY root = HKEY_CURRENT_USER) { keys.add(root, path); }
    static std::wstring under(const std::wstring& name) {
        return std::wstring(FileExtsPath) + L"\\" + name;
    }
    std::size_t rowsNamed(const std::wstring& name) const {
        return Rows(*form->lvfe, CaptionIs(name)).size();
    }

    regtest::SeededKeys keys;
};

TEST_F(SerialFileExtensions, ExtensionWithoutHandlersIsAFinding) {
    const std::wstring unused = extension(L"Unused");
    form->FileExtExecute();
    const std::vector<tk::ListItem> rows = Rows(*form->lvfe, CaptionIs(unused));
    ASSERT_EQ(1u, rows.size());
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Unused Extension(Removable)", L"Empty Key", FileExtsLocation}),
        rows[0].subItems);
    EXPECT_EQ(form->lvfe->count(), form->LastFoundCount);
}

TEST_F(SerialFileExtensions, OpenWithListOrClassKeyMeansInUse) {
    const std::wstring withList = extension(L"List");
    key(under(withList) + L"\\OpenWithProgids");
    const std::wstring withClass = extension(L"Class");
    key(withClass, HKEY_CLASSES_ROOT);
    const std::wstring withBoth = extension(L"Both");
    key(under(withBoth) + L"\\OpenWithProgids");
    key(withBoth, HKEY_CLASSES_ROOT);
    const std::wstring otherSubkey = extension(L"OtherSubkey");
    key(under(otherSubkey) + L"\\OpenWithList");
    const std::wstring chosen = extension(L"Chosen");
    const std::wstring chosenClass = scantest::UniqueName(L"TwFe.Class");
    key(chosenClass, HKEY_CLASSES_ROOT);
    keys.add(HKEY_CURRENT_USER, under(chosen) + L"\\UserChoice").setString(L"Progid", chosenClass);
    const std::wstring userClass = extension(L"UserClass");
    key(L"Software\\Classes\\" + userClass);
    const std::wstring userChosen = extension(L"UserChosen");
    const std::wstring application = L"Applications\\" + scantest::UniqueName(L"twfe") + L".exe";
    key(L"Software\\Classes\\" + application);
    keys.add(HKEY_CURRENT_USER, under(userChosen) + L"\\UserChoice")
        .setString(L"Progid", application);
    const std::wstring unreadableClass = extension(L"Unreadable");
    key(L"Software\\Classes\\" + unreadableClass);
    scantest::SetKeyAccess(HKEY_CURRENT_USER, L"Software\\Classes\\" + unreadableClass,
                           L"D:(D;;0x1;;;WD)(A;;KA;;;WD)");
    const std::wstring chosenGone = extension(L"ChosenGone");
    keys.add(HKEY_CURRENT_USER, under(chosenGone) + L"\\UserChoice")
        .setString(L"Progid", chosenClass + L"Gone");
    form->FileExtExecute();
    EXPECT_EQ(0u, rowsNamed(withList));
    EXPECT_EQ(0u, rowsNamed(withClass));
    EXPECT_EQ(0u, rowsNamed(withBoth));
    EXPECT_EQ(1u, rowsNamed(otherSubkey));
    EXPECT_EQ(0u, rowsNamed(chosen));
    EXPECT_EQ(0u, rowsNamed(userClass));
    EXPECT_EQ(0u, rowsNamed(userChosen));
    EXPECT_EQ(0u, rowsNamed(unreadableClass));
    regtest::CheckOnly(*form->lvfe,
                       [](const tk::ListItem& row) { return row.caption.rfind(L".twfe", 0) == 0; });
    form->removefeExecute();
    EXPECT_TRUE(regtest::KeyExists(HKEY_CURRENT_USER, under(chosen) + L"\\UserChoice"));
    EXPECT_FALSE(regtest::KeyExists(HKEY_CURRENT_USER, under(chosenGone)));
}

TEST_F(SerialFileExtensions, IgnoredExtensionIsSkipped) {
    const std::wstring ignored = extension(L"Ignored");
    form->lvignoredfe->addItem({ignored, {FileExtsLocation}, true});
    form->FileExtExecute();
    EXPECT_EQ(0u, rowsNamed(ignored));
}

TEST_F(SerialFileExtensions, RemovesTheCheckedExtensionsWholeAndKeepsTheOthers) {
    const std::wstring removed = extension(L"Removed");
    key(under(removed) + L"\\OpenWithList");
    const std::wstring kept = extension(L"Kept");
    form->FileExtExecute();
    regtest::CheckOnly(*form->lvfe, CaptionIs(removed));
    form->removefeExecute();
    EXPECT_FALSE(regtest::KeyExists(HKEY_CURRENT_USER, under(removed)));
    EXPECT_TRUE(regtest::KeyExists(HKEY_CURRENT_USER, under(kept)));
    EXPECT_EQ(0u, rowsNamed(removed));
    const std::vector<tk::ListItem> left = Rows(*form->lvfe, CaptionIs(kept));
    ASSERT_EQ(1u, left.size());
    EXPECT_FALSE(left[0].checked);
}

TEST_F(SerialFileExtensions, ExtensionGivenAHandlerBeforeRemovalIsKept) {
    const std::wstring fixed = extension(L"Fixed");
    form->FileExtExecute();
    key(fixed, HKEY_CLASSES_ROOT);
    regtest::CheckOnly(*form->lvfe, CaptionIs(fixed));
    form->removefeExecute();
    EXPECT_TRUE(regtest::KeyExists(HKEY_CURRENT_USER, under(fixed)));
    EXPECT_EQ(0u, rowsNamed(fixed));
}

TEST_F(SerialFileExtensions, RowWithoutNameDeletesNothing) {
    extension(L"Sibling");
    form->lvfe->clear();
    form->AddFinding(*form->lvfe, L"",
                     {L"Unused Extension(Removable)", L"Empty Key", FileExtsLocation});
    form->removefeExecute();
    EXPECT_TRUE(regtest::KeyExists(HKEY_CURRENT_USER, FileExtsPath));
    EXPECT_TRUE(keys.first().exists());
    EXPECT_EQ(1, form->lvfe->count());
}

TEST_F(SerialFileExtensions, BarJumpsFrom30To60AfterTheWalk) {
    extension(L"Step");
    EXPECT_EQ(std::vector<unsigned>(72, 30), regtest::Pauses([&] { form->FileExtExecute(); }));
}

} // namespace
