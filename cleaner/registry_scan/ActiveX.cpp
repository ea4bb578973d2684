// ActiveX and DLLs: class identifiers whose in-process server file exists under none
// of the places the stored path may stand for, and whose program server is gone as well.
#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "cleaner/registry_scan/Startup.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <optional>

namespace tidewell {

namespace {

const std::wstring ClassesPath = L"\\CLSID";
const wchar_t* const ClassesLocation = L"HKCR\\CLSID";

const std::vector<TForm1::FindingColumn> ActiveXColumns = RegistryColumns(200, 150, 200, 150);

const wchar_t* const MissingReport = L"Missing Path(Removable)";

// Folders the stored paths may be relative to, and those the loader searches for a name
// without a folder.
struct ServerFolders {
    std::wstring programFiles;
    std::wstring systemRoot;
    std::wstring commonFiles;
    std::vector<std::wstring> searchFolders;
};

std::wstring ServerKeyPath(const std::wstring& classId, const wchar_t* serverKind) {
    return ClassesPath + L"\\" + classId + L"\\" + serverKind;
}

// A place the stored path may stand for; none when it is built from a folder value that
// is empty.
std::optional<std::wstring> Within(const std::wstring& folder, const std::wstring& rest) {
    if (folder.empty())
        return std::nullopt;
    return folder + rest;
}

// No file stands at any form the path stands for once expanded, nor, for a form without an
// extension, at that form with the ".dll" the loader adds. A form that no path can hold
// proves nothing either way.
bool NamesNoServerFile(const std::wstring& path) {
    for (const std::wstring& form : ExpandedForms(path))
        if (CanBePath(form) &&
            !(NamesNoFile(form) && (HasExtension(form) || NamesNoFile(form + L".dll"))))
            return false;
    return true;
}

// A name without a folder names no file in any folder the loader searches.
bool MissingFromSearchPath(const std::wstring& name, const std::vector<std::wstring>& folders) {
    return name.find_first_of(L"\\/:") != std::wstring::npos ||
           !MayBeInFolders(name, folders, NamesNoServerFile);
}

// Missing only when every form the stored path may stand for was looked at and none
// exists: a form that cannot be built leaves the server unjudged.
bool ServerIsMissing(const std::wstring& server, const ServerFolders& folders) {
    const std::wstring unquoted = RemoveText(L"\"", server);
    const std::optional<std::wstring> candidates[] = {
        unquoted,
        Within(folders.programFiles, RemoveText(L"%ProgramFiles%", server)),
        Within(folders.systemRoot, RemoveText(L"%SystemRoot%", server)),
        Within(folders.systemRoot, RemoveText(L"%systemroot%", server)),
        server,
        Within(folders.systemRoot, L"\\system32\\" + server),
        Within(folders.systemRoot, RemoveText(L"%windir%", server)),
        Within(folders.systemRoot, RemoveText(L"%Systemroot%", server)),
        Within(folders.systemRoot, RemoveText(L"%Windir%", server)),
        Within(folders.programFiles, RemoveText(L"%programFiles%", server)),
        Within(folders.commonFiles, RemoveText(L"%CommonProgramFiles%", server)),
    };
    bool judged = true;
    // A place already looked at is not looked at again.
    for (auto candidate = std::begin(candidates); candidate != std::end(candidates); ++candidate) {
        if (!*candidate)
            judged = false;
        else if (std::find(std::begin(candidates), candidate, *candidate) == candidate &&
                 !NamesNoServerFile(**candidate))
            return false;
    }
    return judged && MissingFromSearchPath(unquoted, folders.searchFolders);
}

// The stored server path of a class identifier whose key opens; empty when there is
// none to judge, data that is no string included.
std::wstring ServerPath(const std::wstring& classId) {
    TRegAccess server;
    server.SetRootKey(HKEY_CLASSES_ROOT);
    if (!server.OpenKey(ServerKeyPath(classId, L"InprocServer32"), false))
        return {};
    return ReadKeyStringOnly(server.CurrentKey(), L"");
}

// The class still works through its program server when that program exists, judged as a
// start-up command is.
bool HasLocalServer(const std::wstring& classId) {
    TRegAccess server(KEY_READ);
    server.SetRootKey(HKEY_CLASSES_ROOT);
    return server.OpenKey(ServerKeyPath(classId, L"LocalServer32"), false) &&
           ProbeCommandLine(ReadWholeString(server.CurrentKey(), L"")) == 0;
}

bool HasMissingServer(const std::wstring& classId, const ServerFolders& folders,
                      std::wstring& server) {
    server = ServerPath(classId);
    return !server.empty() && ServerIsMissing(server, folders) && !HasLocalServer(classId);
}

} // namespace

void TForm1::ActiveXExecute() {
    const ServerFolders folders{ProgramFilesDir, SystemRoot, CommonFilesDir, SearchFolders()};
    RunScanFrame(*lvax, ActiveXColumns, [this, &folders] {
        AdvanceProgress(0, 30);
        ListSubkeys(HKEY_CLASSES_ROOT, ClassesPath, Memo1);
        std::wstring server;
        for (const std::wstring& entry : Memo1) {
            tk::app().keepAnswering();
            const std::wstring classId = entry.substr(1);
            if (!HasMissingServer(classId, folders, server) || IsIgnored(*lvignoredax, server))
                continue;
            AddFinding(*lvax, server, {MissingReport, classId, ClassesLocation});
            StepPerFinding(*this);
        }
        AdvanceProgress(70, 100);
    });
}

void TForm1::removeaxExecute() {
    const ServerFolders folders{ProgramFilesDir, SystemRoot, CommonFilesDir, SearchFolders()};
    RunRemoveFrame(*lvax, [&folders](const tk::ListItem& row) {
        return RemoveKeyFinding(HKEY_CLASSES_ROOT, ClassesPath, row, RowSubItem(row, DetailColumn),
                                [&folders](const std::wstring& classId) {
                                    std::wstring server;
                                    return HasMissingServer(classId, folders, server);
                                });
    });
}

} // namespace tidewell
