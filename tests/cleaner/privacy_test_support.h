#pragma once
// Helpers of the junk-file and privacy category tests: a main window, folder values
// pointed at test folders and put back afterwards, and the list inspection that the
// other category tests use as well.

#include "form_test.h"

#include <algorithm>

namespace privacytest {

inline const wchar_t ShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline const wchar_t NtCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

using scantest::PointedValue;

inline std::vector<std::wstring> Captions(const tk::ListView& list) {
    std::vector<std::wstring> captions;
    for (const tk::ListItem& row : list.items())
        captions.push_back(row.caption);
    return captions;
}

inline const tk::ListItem* RowNamed(const tk::ListView& list, const std::wstring& caption) {
    for (const tk::ListItem& row : list.items())
        if (row.caption == caption)
            return &row;
    return nullptr;
}

// Checks the rows with these captions and unchecks every other row.
inline void CheckOnly(tk::ListView& list, const std::vector<std::wstring>& captions) {
    for (int row = 0; row < list.count(); ++row)
        list.setChecked(row, std::find(captions.begin(), captions.end(), list.item(row).caption) !=
                                 captions.end());
}

using PrivacyTest = scantest::FormTest;

// A test folder that one value of the user's Shell Folders key names for the test.
class ShellFolderTest : public PrivacyTest {
  protected:
    ShellFolderTest(const std::wstring& valueName, const std::wstring& folderPrefix)
        : folder(folderPrefix),
          folderValue(HKEY_CURRENT_USER, ShellFolders, valueName, folder.path()) {}

    scantest::TempFolder folder;

  private:
    PointedValue folderValue;
};

} // namespace privacytest
