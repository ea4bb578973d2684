#include "form_test.h"
#include "registry_findings_support.h"

using regtest::CaptionIs;
using regtest::DetailIs;
using regtest::Rows;

namespace {

const wchar_t MissingServer[] = L"C:\\NoSuchFolder\\gone.dll";

class SerialActiveX : public scantest::FormTest {
  protected:
    // A new class identifier whose in-process server is the given path; returns the
    // identifier.
    std::wstring classId(const std::wstring& server, DWORD type = REG_SZ) {
        const std::wstring id = newClass();
        if (!server.empty())
            scantest::SetString(HKEY_CLASSES_ROOT, serverKey(id), L"", server, type);
        return id;
    }
    // A new class identifier whose server value holds the bytes, of the given type.
    std::wstring classIdWithBytes(const std::string& bytes, DWORD type) {
        const std::wstring id = newClass();
        HKEY key = scantest::OpenKey(HKEY_CLASSES_ROOT, serverKey(id));
        RegSetValueExW(key, L"", 0, type, reinterpret_cast<const BYTE*>(bytes.c_str()),
                       static_cast<DWORD>(bytes.size() + 1));
        RegCloseKey(key);
        return id;
    }
    std::wstring newClass() {
        const std::wstring id = L"{" + scantest::UniqueName(L"TwAx") + L"}";
        keys.add(HKEY_CLASSES_ROOT, L"CLSID\\" + id);
        RegCloseKey(scantest::OpenKey(HKEY_CLASSES_ROOT, serverKey(id)));
        return id;
    }
    // Gives the class a program server with the command; returns the identifier.
    static std::wstring localServer(const std::wstring& id, const std::wstring& command) {
        scantest::SetString(HKEY_CLASSES_ROOT, L"CLSID\\" + id + L"\\LocalServer32", L"", command,
                            REG_EXPAND_SZ);
        return id;
    }
    static std::wstring serverKey(const std::wstring& id) {
        return L"CLSID\\" + id + L"\\InprocServer32";
    }
    static bool classExists(const std::wstring& id) {
        return regtest::KeyExists(HKEY_CLASSES_ROOT, L"CLSID\\" + id);
    }
    std::size_t rowsFor(const std::wstring& id) const {
        return Rows(*form->lvax, DetailIs(id)).size();
    }

    regtest::SeededKeys keys;
};

TEST_F(SerialActiveX, MissingServerIsAFindingCaptionedByItsPath) {
    const std::wstring id = classId(MissingServer);
    form->ActiveXExecute();
    const std::vector<tk::ListItem> rows = Rows(*form->lvax, DetailIs(id));
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(MissingServer, rows[0].caption);
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ((std::vector<std::wstring>{L"Missing Path(Removable)", id, L"HKCR\\CLSID"}),
              rows[0].subItems);
    EXPECT_EQ(form->lvax->count(), form->LastFoundCount);
}

TEST_F(SerialActiveX, ServersFoundInTheirUsualFormsAreNoFindings) {
    scantest::TempFolder folder(L"Tw ActiveX");
    const std::wstring server = folder.write(L"here.dll");
    const std::wstring onPath = scantest::UniqueName(L"twaxpath");
    folder.write(onPath + L".dll");
    const std::wstring path = ExpandEnvironment(L"%PATH%");
    SetEnvironmentVariableW(L"PATH", (path + L";" + folder.path()).c_str());
    const std::wstring inWindows = scantest::UniqueName(L"twaxbare") + L".dll";
    std::ofstream((WindowsFolder() + L"\\" + inWindows).c_str()) << "x";
    const std::wstring app = scantest::UniqueName(L"twax64");
    const scantest::NativeFile system64(regtest::SystemFolder() + L"\\" + app + L".dll");
    const scantest::NativeFile programFiles64(scantest::NativeProgramFiles() + L"\\" + app +
                                              L"\\x.dll");
    const std::vector<std::wstring> present{
        classId(server),
        classId(L"\"" + server + L"\""),
        classId(L"\\\\?\\" + server),
        classId(L"\\??\\" + server),
        classId(L"ole32.dll"),
        classId(inWindows),
        classId(onPath),
        classId(L"%SystemRoot%\\system32\\ole32.dll", REG_EXPAND_SZ),
        classId(L"%windir%\\system32\\ole32.dll", REG_EXPAND_SZ),
        localServer(classId(MissingServer), L"\"%SystemRoot%\\system32\\notepad.exe\" /Automation"),
        classId(folder.path() + L"\\here"),
        classId(L"\\\\twaxserver\\share\\remote.dll"),
        classId(folder.path() + L"\\out<1>.dll"),
        classId(system64.path),
        classId(app),
        classId(L"%ProgramFiles%\\" + app + L"\\x.dll", REG_EXPAND_SZ),
        classId(L"Q:\\Servers\\x.dll"),
        classId(L"%TwNoSuchVariable%\\x.dll", REG_EXPAND_SZ),
        classId(L"\\\\?\\Q:\\Servers\\x.dll"),
    };
    const std::vector<std::wstring> gone{
        localServer(classId(MissingServer), L"C:\\NoSuchFolder\\gone.exe"),
        classId(folder.path() + L"\\absent"),
        classId(L"%ProgramFiles%\\" + app + L"\\gone.dll", REG_EXPAND_SZ),
        classId(L"\\\\?\\" + std::wstring(MissingServer))};
    const std::wstring noValue = classId(L"");
    form->ActiveXExecute();
    for (const std::wstring& id : present)
        EXPECT_EQ(0u, rowsFor(id)) << id;
    EXPECT_EQ(0u, rowsFor(noValue));
    regtest::CheckOnly(*form->lvax, [](const tk::ListItem& row) {
        return row.subItems.at(1).rfind(L"{TwAx", 0) == 0;
    });
    form->removeaxExecute();
    SetEnvironmentVariableW(L"PATH", path.c_str());
    DeleteFileW((WindowsFolder() + L"\\" + inWindows).c_str());
    for (const std::wstring& id : present)
        EXPECT_TRUE(classExists(id)) << id;
    for (const std::wstring& id : gone)
        EXPECT_FALSE(classExists(id)) << id;
}

// Data that is no string names no path, whatever its bytes read as.
TEST_F(SerialActiveX, ServerValueThatIsNoStringIsNeverAFinding) {
    const std::vector<std::wstring> ids{
        classIdWithBytes("C:\\windows\\system32\\ole32.dll", REG_BINARY),
        classIdWithBytes("C:\\NoSuchFolder\\gone.dll", REG_BINARY),
        classIdWithBytes("gone", REG_DWORD),
        classId(L"C:\\NoSuchFolder\\multi.dll", REG_MULTI_SZ),
    };
    form->ActiveXExecute();
    for (const std::wstring& id : ids)
        EXPECT_EQ(0u, rowsFor(id)) << id;
    form->AddFinding(*form->lvax, L"C:\\NoSuchFolder\\gone.dll",
                     {L"Missing Path(Removable)", ids[1], L"HKCR\\CLSID"});
    form->removeaxExecute();
    EXPECT_TRUE(classExists(ids[1]));
}

// A place built from an empty system folder value is not looked at, and a server that
// could lie there is not judged missing.
TEST_F(SerialActiveX, EmptyFolderValuesJudgeNothing) {
    const std::wstring bare = classId(L"ole32.dll");
    const std::wstring gone = classId(MissingServer);
    struct Folder {
        std::wstring TForm1::*member;
        const wchar_t* name;
    };
    for (const Folder& folder : {Folder{&TForm1::SystemRoot, L"SystemRoot"},
                                 Folder{&TForm1::ProgramFilesDir, L"ProgramFilesDir"},
                                 Folder{&TForm1::CommonFilesDir, L"CommonFilesDir"}}) {
        const std::wstring kept = (*form).*folder.member;
        (*form).*folder.member = L"";
        form->ActiveXExecute();
        EXPECT_EQ(0u, rowsFor(bare)) << folder.name;
        EXPECT_EQ(0u, rowsFor(gone)) << folder.name;
        form->AddFinding(*form->lvax, MissingServer,
                         {L"Missing Path(Removable)", gone, L"HKCR\\CLSID"});
        form->removeaxExecute();
        EXPECT_TRUE(classExists(gone)) << folder.name;
        (*form).*folder.member = kept;
    }
    form->ActiveXExecute();
    EXPECT_EQ(0u, rowsFor(bare));
    EXPECT_EQ(1u, rowsFor(gone));
}

TEST_F(SerialActiveX, ProgramFilesVariableIsFoundInAnyLetterCase) {
    const std::wstring folderName = scantest::UniqueName(L"TwAxProgram");
    const std::wstring folder = form->ProgramFilesDir + L"\\" + folderName;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    std::ofstream((folder + L"\\x.dll").c_str()) << "x";
    const std::wstring proper = classId(L"%ProgramFiles%\\" + folderName + L"\\x.dll");
    const std::wstring lower = classId(L"%programfiles%\\" + folderName + L"\\x.dll");
    const std::wstring gone = classId(L"%programfiles%\\" + folderName + L"\\gone.dll");
    form->ActiveXExecute();
    std::filesystem::remove_all(folder);
    EXPECT_EQ(0u, rowsFor(proper));
    EXPECT_EQ(0u, rowsFor(lower));
    EXPECT_EQ(1u, rowsFor(gone));
}

TEST_F(SerialActiveX, IgnoringAPathHidesEveryClassWithIt) {
    const std::wstring path = L"C:\\NoSuchFolder\\" + scantest::UniqueName(L"shared") + L".dll";
    const std::wstring first = classId(path);
    const std::wstring second = classId(path);
    form->ActiveXExecute();
    EXPECT_EQ(2u, Rows(*form->lvax, CaptionIs(path)).size());
    form->lvignoredax->addItem({path, {L"HKCR\\CLSID"}, true});
    form->ActiveXExecute();
    EXPECT_EQ(0u, rowsFor(first));
    EXPECT_EQ(0u, rowsFor(second));
}

TEST_F(SerialActiveX, RemovesTheWholeClassKeyOfCheckedRowsOnly) {
    const std::wstring removed = classId(MissingServer);
    const std::wstring kept = classId(MissingServer);
    form->ActiveXExecute();
    regtest::CheckOnly(*form->lvax, DetailIs(removed));
    form->removeaxExecute();
    EXPECT_FALSE(classExists(removed));
    EXPECT_TRUE(classExists(kept));
    EXPECT_EQ(0u, rowsFor(removed));
    const std::vector<tk::ListItem> left = Rows(*form->lvax, DetailIs(kept));
    ASSERT_EQ(1u, left.size());
    EXPECT_FALSE(left[0].checked);
}

TEST_F(SerialActiveX, ClassWhoseServerReturnedIsKept) {
    scantest::TempFolder folder;
    const std::wstring server = folder.file(L"late.dll");
    const std::wstring id = classId(server);
    form->ActiveXExecute();
    ASSERT_EQ(1u, rowsFor(id));
    folder.write(L"late.dll");
    regtest::CheckOnly(*form->lvax, DetailIs(id));
    form->removeaxExecute();
    EXPECT_TRUE(classExists(id));
    EXPECT_EQ(0u, rowsFor(id));
}

TEST_F(SerialActiveX, RowWithoutClassIdentifierDeletesNothing) {
    classId(MissingServer);
    form->lvax->clear();
    form->AddFinding(*form->lvax, MissingServer, {L"Missing Path(Removable)", L"", L"HKCR\\CLSID"});
    form->removeaxExecute();
    EXPECT_TRUE(regtest::KeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
    EXPECT_TRUE(keys.first().exists());
    EXPECT_EQ(1, form->lvax->count());
}

} // namespace
