// ActiveX and DLLs: class identifiers whose in-process server file exists under none
// of the places the stored path may stand for, and whose program server is gone as well.
#include "cleaner/registry_scan/ActiveX.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "cleaner/registry_scan/Startup.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <vector>

namespace tidewell {

namespace {

const std::wstring ClassesPath = L"CLSID";
const wchar_t* const ClassesLocation = L"HKCR\\CLSID";
const std::wstring ServerKeyName = L"InprocServer32";

const std::vector<TForm1::FindingColumn> ActiveXColumns = RegistryColumns(200, 150, 200, 150);

const wchar_t* const MissingReport = L"Missing Path(Removable)";

// One class's stored server path.
struct ClassServer {
    std::wstring classId;
    std::wstring server;
};

ServerFolders FoldersOf(const TForm1& form) {
    return {form.ProgramFilesDir, form.SystemRoot, form.CommonFilesDir};
}

// The stored server path of a class whose server key opens; empty when there is none to
// judge, data that is no string included.
std::wstring ServerPath(HKEY root, const std::wstring& classKey) {
    TRegAccess server;
    server.SetRootKey(root);
    if (!server.OpenKey(L"\\" + classKey + L"\\" + ServerKeyName, false))
        return {};
    return ReadKeyStringOnly(server.CurrentKey(), L"");
}

// The command of the class's program server; empty when it has none.
std::wstring ProgramServerCommand(HKEY root, const std::wstring& classKey) {
    TRegAccess server(KEY_READ);
    server.SetRootKey(root);
    if (!server.OpenKey(L"\\" + classKey + L"\\LocalServer32", false))
        return {};
    return ReadWholeString(server.CurrentKey(), L"");
}

// A stored server that names no file and that the user has not put on the ignore list.
bool IsGoneServer(const TForm1& form, const ServerFolders& folders, const std::wstring& server) {
    return !server.empty() && !TForm1::IsIgnored(*form.lvignoredax, server) &&
           ServerIsMissing(server, folders);
}

// The class no longer works through a program server either, judged as a start-up
// command is.
bool HasNoProgramServer(const std::wstring& command) {
    return ProbeCommandLine(command) == 1;
}

bool IsActiveXFinding(const TForm1& form, HKEY root, const std::wstring& classKey,
                      const std::wstring& server) {
    return IsGoneServer(form, FoldersOf(form), server) &&
           HasNoProgramServer(ProgramServerCommand(root, classKey));
}

std::wstring ClassKey(const std::wstring& classId) {
    return ClassesPath + L"\\" + classId;
}

// The server paths of the listed classes, all read before any is judged.
std::vector<ClassServer> ReadServers(const std::vector<std::wstring>& entries) {
    std::vector<ClassServer> servers;
    for (const std::wstring& entry : entries) {
        tk::app().keepAnswering();
        const std::wstring classId = entry.substr(1);
        std::wstring server = ServerPath(HKEY_CLASSES_ROOT, ClassKey(classId));
        if (!server.empty())
            servers.push_back({classId, std::move(server)});
    }
    return servers;
}

// The classes of the list that are findings, in list order: their server files are judged
// first, then the program servers of those whose file is gone are read and judged.
std::vector<ClassServer> FindingsAmong(const TForm1& form,
                                       const std::vector<ClassServer>& servers) {
    const ServerFolders folders = FoldersOf(form);
    std::vector<ClassServer> gone;
    for (const ClassServer& server : servers) {
        tk::app().keepAnswering();
        if (IsGoneServer(form, folders, server.server))
            gone.push_back(server);
    }
    std::vector<std::wstring> commands;
    for (const ClassServer& server : gone)
        commands.push_back(ProgramServerCommand(HKEY_CLASSES_ROOT, ClassKey(server.classId)));
    std::vector<ClassServer> findings;
    for (std::size_t index = 0; index < gone.size(); ++index) {
        tk::app().keepAnswering();
        if (HasNoProgramServer(commands[index]))
            findings.push_back(gone[index]);
    }
    return findings;
}

// The class key of an in-process server key below a root's software key: "SOFTWARE\Classes
// \CLSID\{id}", or the same with "Wow6432Node" after "Classes", where 64-bit Windows keeps
// the 32-bit classes; empty for any other key.
std::wstring ClassKeyOfServerKey(const std::wstring& key) {
    std::vector<std::wstring> names;
    SplitText(key, L'\\', names);
    names = ListedNames(std::move(names));
    if (names.size() == 6 && SameKeyPath(names[2], L"Wow6432Node"))
        names.erase(names.begin() + 2);
    if (names.size() != 5 || !SameKeyPath(names[0], L"SOFTWARE") ||
        !SameKeyPath(names[1], L"Classes") || !SameKeyPath(names[2], ClassesPath) ||
        !SameKeyPath(names[4], ServerKeyName))
        return {};
    return key.substr(0, key.size() - ServerKeyName.size() - 1);
}

} // namespace

std::optional<bool> ActiveXVerdict(const TForm1& form, HKEY root, const std::wstring& key,
                                   const std::wstring& name, const std::wstring& server) {
    if (!name.empty())
        return std::nullopt;
    const std::wstring classKey = ClassKeyOfServerKey(key);
    if (classKey.empty())
        return std::nullopt;
    return IsActiveXFinding(form, root, classKey, server);
}

void TForm1::ActiveXExecute() {
    const RememberedAnswers remembered;
    RunScanFrame(*lvax, ActiveXColumns, [this] {
        AdvanceProgress(0, 30);
        ListSubkeys(HKEY_CLASSES_ROOT, L"\\" + ClassesPath, Memo1);
        for (const ClassServer& found : FindingsAmong(*this, ReadServers(Memo1))) {
            AddFinding(*lvax, found.server, {MissingReport, found.classId, ClassesLocation});
            StepPerFinding(*this);
        }
        AdvanceProgress(70, 100);
    });
}

void TForm1::removeaxExecute() {
    RunRemoveFrame(*lvax, [this](const tk::ListItem& row) {
        return RemoveKeyFinding(HKEY_CLASSES_ROOT, L"\\" + ClassesPath, row,
                                RowSubItem(row, DetailColumn), [this](const std::wstring& classId) {
                                    const std::wstring classKey = ClassKey(classId);
                                    return IsActiveXFinding(
                                        *this, HKEY_CLASSES_ROOT, classKey,
                                        ServerPath(HKEY_CLASSES_ROOT, classKey));
                                });
    });
}

} // namespace tidewell
