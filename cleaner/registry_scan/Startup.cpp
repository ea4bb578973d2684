#include "cleaner/registry_scan/Startup.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace tidewell {

namespace {

// The program names CreateProcess would try for the command line, in its order: the
// quoted part, or every blank-separated prefix from the shortest to the whole line.
std::vector<std::wstring> ProgramCandidates(const std::wstring& commandLine) {
    const std::wstring line = Trimmed(commandLine);
    if (line.empty())
        return {};
    if (line.front() == L'"') {
        const std::size_t closing = line.find(L'"', 1);
        return {line.substr(1, closing == std::wstring::npos ? std::wstring::npos : closing - 1)};
    }
    std::vector<std::wstring> candidates;
    for (std::size_t at = 1; at < line.size(); ++at)
        if (IsBlank(line[at]) && !IsBlank(line[at - 1]))
            candidates.push_back(line.substr(0, at));
    candidates.push_back(line);
    return candidates;
}

// A drive-letter, UNC or rooted path: used as it stands, without searching.
bool IsFullPath(const std::wstring& name) {
    return (name.size() >= 2 && name[1] == L':') || (!name.empty() && IsPathSeparator(name[0]));
}

// ".\name" or "..\name": only the current folder applies.
bool IsCurrentFolderRelative(const std::wstring& name) {
    return (name.size() >= 2 && name[0] == L'.' && IsPathSeparator(name[1])) ||
           (name.size() >= 3 && name[0] == L'.' && name[1] == L'.' && IsPathSeparator(name[2]));
}

// A name looked up in the search folders rather than used as it stands.
bool IsSearchedName(const std::wstring& name) {
    return !IsFullPath(name) && !IsCurrentFolderRelative(name);
}

bool ProgramExists(std::wstring name, const std::vector<std::wstring>& searchFolders) {
    if (name.empty())
        return false;
    if (!HasExtension(name))
        name += L".exe";
    if (!IsSearchedName(name))
        return !NamesNoFile(name);
    return MayBeInFolders(name, searchFolders, NamesNoFile);
}

bool NeedsSearch(const std::vector<std::wstring>& candidates) {
    for (const std::wstring& candidate : candidates)
        if (IsSearchedName(candidate))
            return true;
    return false;
}

} // namespace

int ProbeCommandLine(const std::wstring& commandLine) {
    for (const std::wstring& line : ExpandedForms(commandLine)) {
        const std::vector<std::wstring> candidates = ProgramCandidates(line);
        const std::vector<std::wstring> folders =
            NeedsSearch(candidates) ? SearchFolders() : std::vector<std::wstring>();
        for (const std::wstring& candidate : candidates)
            if (ProgramExists(candidate, folders))
                return 0;
    }
    return 1;
}

std::wstring ReadWholeString(HKEY key, const std::wstring& name) {
    std::vector<wchar_t> buffer(512);
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS result = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result == ERROR_MORE_DATA) {
            buffer.resize(size / sizeof(wchar_t) + 1);
            continue;
        }
        return result == ERROR_SUCCESS
                   ? StringValueText(type, reinterpret_cast<const BYTE*>(buffer.data()), size)
                   : std::wstring();
    }
}

void ForEachValue(HKEY key,
                  const std::function<void(const std::wstring&, const std::wstring&)>& visit) {
    ForEachValueData(key, [&](const std::wstring& name, DWORD type, const BYTE* data, DWORD size) {
        visit(name, StringValueText(type, data, size));
    });
}

namespace {

struct RunKey {
    HKEY root;
    const wchar_t* path;
    const wchar_t* location;
};

const RunKey UserRun{HKEY_CURRENT_USER, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
const RunKey UserRunOnce{HKEY_CURRENT_USER,
                         L"\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                         L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"};
const RunKey MachineRun{HKEY_LOCAL_MACHINE, L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                        L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};

const std::vector<TForm1::FindingColumn> StartupColumns = RegistryColumns(200, 200, 250, 250);

const wchar_t* const MissingReport = L"Missing Startup Application(Remove)";

// A command that names no program that could be started; an empty command (an empty or
// unreadable value) is no finding.
bool IsBrokenCommand(const std::wstring& command) {
    return !command.empty() && ProbeCommandLine(command) == 1;
}

void ScanRunKey(TForm1& form, const RunKey& runKey) {
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(runKey.root);
    if (!registry.OpenKey(runKey.path, false))
        return;
    ForEachValue(registry.CurrentKey(), [&](const std::wstring& name, const std::wstring& command) {
        tk::app().keepAnswering();
        if (IsBrokenCommand(command) && !TForm1::IsIgnored(*form.lvignoredsp, name))
            form.AddFinding(*form.lvsp, name, {MissingReport, command, runKey.location});
    });
}

// A Run key as one removal reads and deletes in it; opened on its first row.
struct OpenRunKey {
    TRegAccess reader{KEY_QUERY_VALUE};
    TRegAccess writer{KEY_SET_VALUE};
};

// The Run keys of one removal by their location texts.
class OpenRunKeys {
  public:
    // nullptr for a location that names no key.
    OpenRunKey* find(const std::wstring& location) {
        std::unique_ptr<OpenRunKey>& key = keys_[location];
        if (!key)
            key = open(location);
        return key.get();
    }

  private:
    static std::unique_ptr<OpenRunKey> open(const std::wstring& location) {
        HKEY root = nullptr;
        std::wstring path;
        if (!TForm1::ParseRegistryLocation(location, root, path))
            return nullptr;
        auto key = std::make_unique<OpenRunKey>();
        for (TRegAccess* access : {&key->reader, &key->writer}) {
            access->SetRootKey(root);
            access->OpenKey(L"\\" + path, false);
        }
        return key;
    }

    std::map<std::wstring, std::unique_ptr<OpenRunKey>> keys_;
};

// Deletes the entry while its command still names no program.
TForm1::RemoveOutcome RemoveEntry(OpenRunKeys& keys, const tk::ListItem& row) {
    using Outcome = TForm1::RemoveOutcome;
    OpenRunKey* key = keys.find(RowSubItem(row, LocationColumn));
    if (!key)
        return Outcome::Survived;
    const HKEY reader = key->reader.CurrentKey();
    if (!reader || !IsBrokenCommand(ReadWholeString(reader, row.caption)))
        return Outcome::NoLongerFound;
    return RemoveValueFinding(key->writer, key->reader, row.caption);
}

} // namespace

void TForm1::StartupExecute() {
    RunScanFrame(*lvsp, StartupColumns, [this] {
        AdvanceProgress(0, 30);
        ScanRunKey(*this, UserRun);
        AdvanceProgress(30, 60);
        ScanRunKey(*this, UserRunOnce);
        AdvanceProgress(60, 80);
        ScanRunKey(*this, MachineRun);
        AdvanceProgress(80, 100);
    });
}

void TForm1::removespExecute() {
    OpenRunKeys keys;
    RunRemoveFrame(*lvsp, [&keys](const tk::ListItem& row) { return RemoveEntry(keys, row); });
}

} // namespace tidewell
