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

// A broken command that the user has not put on the category's ignore list.
bool IsStartupFinding(const TForm1& form, const std::wstring& name, const std::wstring& command) {
    return !TForm1::IsIgnored(*form.lvignoredsp, name) && IsBrokenCommand(command);
}

// The name and command of every value of the key, read before any is judged.
std::vector<std::pair<std::wstring, std::wstring>> ReadEntries(const RunKey& runKey) {
    std::vector<std::pair<std::wstring, std::wstring>> entries;
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(runKey.root);
    if (registry.OpenKey(runKey.path, false))
        ForEachValue(registry.CurrentKey(),
                     [&entries](const std::wstring& name, const std::wstring& command) {
                         entries.emplace_back(name, command);
                     });
    return entries;
}

void ScanRunKey(TForm1& form, const RunKey& runKey) {
    for (const auto& [name, command] : ReadEntries(runKey)) {
        tk::app().keepAnswering();
        if (IsStartupFinding(form, name, command))
            form.AddFinding(*form.lvsp, name, {MissingReport, command, runKey.location});
    }
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

std::optional<bool> StartupVerdict(const TForm1& form, HKEY root, const std::wstring& key,
                                   const std::wstring& name, const std::wstring& command) {
    for (const RunKey* runKey : {&UserRun, &UserRunOnce, &MachineRun})
        if (runKey->root == root && SameKeyPath(runKey->path + 1, key))
            return IsStartupFinding(form, name, command);
    return std::nullopt;
}

void TForm1::StartupExecute() {
    const RememberedAnswers remembered;
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
