#include "cleaner/registry_scan/DeepAnalysis.h"

#include "cleaner/FileSystem.h"
#include "cleaner/Unit1.h"
#include "cleaner/privacy/FolderListing.h"
#include "cleaner/registry_scan/ActiveX.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "cleaner/registry_scan/Startup.h"
#include "registry/RegAccess.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace tidewell {

namespace {

const std::vector<TForm1::FindingColumn> DeepColumns = RegistryColumns(200, 200, 150, 250);

const wchar_t MissingReport[] = L"Missing Path(Removable)";
const wchar_t DefaultValueName[] = L"(Default)";

constexpr int WalkStartProgress = 10;
constexpr int WalkEndProgress = 80;

// The key being walked is shown at most this often: painting the text takes longer than
// reading a key, and no eye follows hundreds of keys a second.
constexpr ULONGLONG KeyShownEveryMs = 40;

std::wstring FirstPiece(const std::wstring& text, wchar_t delimiter) {
    return text.substr(0, text.find(delimiter));
}

std::wstring PathPiece(const std::wstring& text) {
    return FirstPiece(FirstPiece(text, L','), L'/');
}

bool BeginsWith(const std::wstring& text, const std::wstring& prefix) {
    return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

// The prefix first found at the start or after one leading character such as a quote.
bool NearStart(const std::wstring& text, const std::wstring& prefix) {
    return !prefix.empty() && text.find(prefix) <= 1;
}

std::wstring RemoveAll(std::wstring text, std::initializer_list<const wchar_t*> patterns) {
    for (const wchar_t* pattern : patterns)
        text = RemoveText(pattern, text);
    return text;
}

// Strips the options and placeholders of a command and one trailing backslash.
std::wstring CommandCleaned(const std::wstring& text) {
    const std::wstring stripped =
        RemoveAll(text, {L"-nodefault -nologo", L"--one-instance --playlist-enqueue \"%1\"",
                         L"--no-playlist-enqueue \"%1\"", L"\"%1\" %*", L"\"%1\"", L"%1", L";"});
    return RemoveAll(stripped + L"\\\\\\", {L"\\\\\\\\", L"\\\\\\", L"\""});
}

std::wstring MachineLevel3Candidate(const std::wstring& data, const std::wstring& prefix) {
    if (!NearStart(data, prefix))
        return {};
    return FirstPiece(RemoveAll(data, {L"\",0", L"\"", L"@"}), L',');
}

// The text a level's rule reads its path from: without the library list's prefix at level 4
// and the "n;1;" marker at level 5.
std::wstring RuleText(const std::wstring& data, std::size_t level) {
    if (level == 4)
        return RemoveText(L"$(BDS)\\lib;", data);
    if (level == 5)
        return RemoveText(L"n;1;", data);
    return data;
}

std::wstring Level4Candidate(const std::wstring& data, const std::wstring& prefix) {
    const std::wstring text = RuleText(data, 4);
    if (!BeginsWith(text, prefix))
        return {};
    return PathPiece(RemoveText(L"-nodefault -nologo", text));
}

std::wstring Level5Candidate(const std::wstring& data, const std::vector<std::wstring>& keyNames,
                             const std::wstring& prefix) {
    if (keyNames[3] == L"Uninstall")
        return {};
    const std::wstring text = RuleText(data, 5);
    return NearStart(text, prefix) ? PathPiece(CommandCleaned(text)) : std::wstring();
}

// The path without a leading "@" (a resource reference) and without enclosing quotes or
// brackets.
std::wstring Unwrapped(std::wstring path) {
    if (!path.empty() && path.front() == L'@')
        path.erase(0, 1);
    if (path.size() >= 2 && ((path.front() == L'\'' && path.back() == L'\'') ||
                             (path.front() == L'(' && path.back() == L')')))
        path = path.substr(1, path.size() - 2);
    return path;
}

// Another reading of the data keeps the value unless it is no path or is proven to name
// nothing.
bool ReadingNamesSomething(const std::wstring& reading) {
    return CanBePath(reading) && !NamesNothing(reading);
}

// True when the candidate is proven to name nothing, the data taken whole or up to its first
// comma (a path holding a comma, an icon index) names nothing either, and the candidate is
// no command line whose program may exist; one with a mask was judged by its folder.
bool IsMissingPath(const std::wstring& data, const std::wstring& candidate) {
    const std::wstring path = Unwrapped(candidate);
    if (path.empty() || !NamesNothingBeforeLocator(path))
        return false;
    if (data != candidate && ReadingNamesSomething(data))
        return false;
    const std::wstring beforeComma = FirstPiece(data, L',');
    if (beforeComma != candidate && beforeComma != data && ReadingNamesSomething(beforeComma))
        return false;
    return path.find_first_of(L"*?") != std::wstring::npos || ProbeCommandLine(path) == 1;
}

// A list of paths separated by ";" names something unless every part that is not blank is
// proven missing by the same rule as the whole, once trimmed, in every form its environment
// variables stand for; a part the rule gives no path to judge (a relative path, another
// drive, text that is no path) keeps the value.
bool SomePartNamesSomething(const std::wstring& data, const std::vector<std::wstring>& keyNames,
                            DeepRules rules, const std::wstring& drivePrefix) {
    const std::wstring text = RuleText(data, keyNames.size());
    if (text.find(L';') == std::wstring::npos)
        return false;
    std::vector<std::wstring> parts;
    SplitText(text, L';', parts);
    for (const std::wstring& part : ListedNames(std::move(parts))) {
        const std::wstring trimmed = Trimmed(part);
        if (trimmed.empty())
            continue;
        for (const std::wstring& path : ExpandedForms(trimmed))
            if (!IsMissingPath(path, DeepCandidatePath(path, keyNames, rules, drivePrefix)))
                return true;
    }
    return false;
}

std::wstring Joined(const std::vector<std::wstring>& names) {
    std::wstring path;
    for (const std::wstring& name : names)
        path += (path.empty() ? L"" : L"\\") + name;
    return path;
}

// The verdict of the category that judges the value as well (start-up programs for a Run
// value, ActiveX and DLLs for a class's server), so that the two never differ; nothing when
// no other category judges it.
std::optional<bool> OtherCategoryVerdict(const TForm1& form, const DeepBranch& branch,
                                         const std::vector<std::wstring>& keyNames,
                                         const std::wstring& name, const std::wstring& data) {
    const std::wstring key = branch.key + L"\\" + Joined(keyNames);
    if (const std::optional<bool> verdict = StartupVerdict(form, branch.root, key, name, data))
        return verdict;
    return ActiveXVerdict(form, branch.root, key, name, data);
}

// The caption of the finding the value makes, its candidate path, or the empty text when it
// is no finding: a value is one when its candidate and each part of a ";"-separated list
// name nothing that exists, or, for a value another category judges, when that category
// finds it.
std::wstring DeepFindingPath(const TForm1& form, const DeepBranch& branch,
                             const std::vector<std::wstring>& keyNames, const std::wstring& name,
                             const std::wstring& data) {
    const std::wstring& drivePrefix = form.SystemDrivePrefix;
    const std::wstring candidate = DeepCandidatePath(data, keyNames, branch.rules, drivePrefix);
    if (candidate.empty())
        return {};
    if (const std::optional<bool> verdict =
            OtherCategoryVerdict(form, branch, keyNames, name, data))
        return *verdict ? candidate : std::wstring();
    if (!IsMissingPath(data, candidate) ||
        SomePartNamesSomething(data, keyNames, branch.rules, drivePrefix))
        return {};
    return candidate;
}

const std::vector<std::wstring> NoNames;

// The string values of an open key that are not empty, all read before any is judged:
// reading the registry costs more when the file system is asked between two reads.
std::vector<std::pair<std::wstring, std::wstring>> StringValues(HKEY key) {
    std::vector<std::pair<std::wstring, std::wstring>> values;
    ForEachValueText(key, true, [&values](const std::wstring& name, const std::wstring& data) {
        if (!data.empty())
            values.emplace_back(name, data);
    });
    return values;
}

// Depth first through one branch, the values of a key before its subkeys, letting
// pending messages run once per key.
class DeepWalk {
  public:
    DeepWalk(TForm1& form, const DeepBranch& branch) : form_(form), branch_(branch) {}

    void run() {
        TRegAccess top(KEY_READ);
        top.SetRootKey(branch_.root);
        if (!top.OpenKey(L"\\" + branch_.key, false))
            return;
        for (const std::wstring& name : SubkeyNames(top)) {
            walkKey(top.CurrentKey(), {name});
            if (form_.PB->position() < branch_.progressCap)
                form_.PB->setPosition(form_.PB->position() + 1);
        }
        if (!lastKey_.empty())
            form_.labeldeep->setCaption(lastKey_);
    }

  private:
    static std::vector<std::wstring> SubkeyNames(const TRegAccess& key) {
        std::vector<std::wstring> names;
        key.GetKeyNames(names);
        return ListedNames(std::move(names));
    }

    void showKey(const std::wstring& location) {
        const ULONGLONG now = GetTickCount64();
        if (now < nextKeyShown_) {
            lastKey_ = location;
            return;
        }
        form_.labeldeep->setCaption(location);
        lastKey_.clear();
        nextKeyShown_ = now + KeyShownEveryMs;
    }

    // Walks the key named last in keyNames, opened below its parent's open key.
    void walkKey(HKEY parent, const std::vector<std::wstring>& keyNames) {
        tk::app().answerStep();
        const std::wstring location = branch_.location + L"\\" + Joined(keyNames);
        showKey(location);
        TRegAccess key(KEY_READ);
        key.SetRootKey(parent);
        if (!key.OpenKey(keyNames.back(), false))
            return;
        const bool deeper = static_cast<int>(keyNames.size()) < branch_.depth;
        const std::vector<std::wstring> subkeys = deeper ? SubkeyNames(key) : NoNames;
        for (const auto& [name, data] : StringValues(key.CurrentKey()))
            testValue(keyNames, location, name, data);
        for (const std::wstring& subkey : subkeys) {
            std::vector<std::wstring> next = keyNames;
            next.push_back(subkey);
            walkKey(key.CurrentKey(), next);
        }
    }

    void testValue(const std::vector<std::wstring>& keyNames, const std::wstring& location,
                   const std::wstring& name, const std::wstring& data) {
        const std::wstring path = DeepFindingPath(form_, branch_, keyNames, name, data);
        if (!path.empty())
            form_.AddFinding(*form_.LV2, path,
                             {MissingReport, name.empty() ? DefaultValueName : name, location});
    }

    TForm1& form_;
    const DeepBranch& branch_;
    ULONGLONG nextKeyShown_ = 0;
    std::wstring lastKey_; // walked but not shown yet
};

// The branch holding a finding's location, with the key path below the branch key split
// into its names; nullptr for a location outside every branch.
const DeepBranch* BranchOf(const std::vector<DeepBranch>& branches, const std::wstring& location,
                           std::vector<std::wstring>& keyNames) {
    for (const DeepBranch& branch : branches) {
        const std::wstring start = branch.location + L"\\";
        if (!BeginsWith(location, start))
            continue;
        // The added backslash makes a trailing one show as an empty name.
        std::vector<std::wstring> pieces;
        SplitText(location.substr(start.size()) + L"\\", L'\\', pieces);
        keyNames = ListedNames(std::move(pieces));
        for (const std::wstring& name : keyNames)
            if (name.empty())
                return nullptr;
        const int level = static_cast<int>(keyNames.size());
        return level >= 1 && level <= branch.depth ? &branch : nullptr;
    }
    return nullptr;
}

// Deletes the value of a finding that still stands as the scan found it; a default
// value is emptied, never deleted.
TForm1::RemoveOutcome RemoveFinding(const TForm1& form, const std::vector<DeepBranch>& branches,
                                    const tk::ListItem& row) {
    using Outcome = TForm1::RemoveOutcome;
    std::vector<std::wstring> keyNames;
    const DeepBranch* branch = BranchOf(branches, RowSubItem(row, LocationColumn), keyNames);
    if (!branch)
        return Outcome::Survived;
    const std::wstring path = branch->key + L"\\" + Joined(keyNames);
    const std::wstring detail = RowSubItem(row, DetailColumn);
    const std::wstring name = detail == DefaultValueName ? std::wstring() : detail;
    const std::wstring data = ReadRegStringOnly(path, name, branch->root);
    const std::wstring found = DeepFindingPath(form, *branch, keyNames, name, data);
    if (found != row.caption)
        return Outcome::NoLongerFound;
    TRegAccess writer(KEY_SET_VALUE | KEY_QUERY_VALUE);
    writer.SetRootKey(branch->root);
    if (!writer.OpenKey(L"\\" + path, false))
        return Outcome::Survived;
    if (!name.empty())
        return RemoveValueFinding(writer, name);
    try {
        writer.WriteString(name, L"");
    } catch (const ERegAccessError&) {
        return Outcome::Survived;
    }
    return Outcome::Removed;
}

} // namespace

std::vector<DeepBranch> DeepBranches() {
    return {{HKEY_LOCAL_MACHINE, L"SOFTWARE", L"HKLM\\SOFTWARE", 4, DeepRules::Machine, 60},
            {HKEY_CURRENT_USER, L"SOFTWARE", L"HKCU\\SOFTWARE", 5, DeepRules::User, 80}};
}

std::wstring DeepCandidatePath(const std::wstring& data, const std::vector<std::wstring>& keyNames,
                               DeepRules rules, const std::wstring& drivePrefix) {
    switch (keyNames.size()) {
    case 1:
        return BeginsWith(data, drivePrefix) ? data : std::wstring();
    case 2: {
        const std::wstring text = RemoveText(L"file://", data);
        return BeginsWith(text, drivePrefix) ? FirstPiece(text, L',') : std::wstring();
    }
    case 3:
        if (rules == DeepRules::Machine)
            return MachineLevel3Candidate(data, drivePrefix);
        return BeginsWith(data, drivePrefix) ? FirstPiece(data, L',') : std::wstring();
    case 4:
        return Level4Candidate(data, drivePrefix);
    case 5:
        return Level5Candidate(data, keyNames, drivePrefix);
    default:
        return {};
    }
}

void RunDeepAnalysis(TForm1& form, const std::vector<DeepBranch>& branches) {
    const RememberedAnswers remembered;
    form.RunScanFrame(*form.LV2, DeepColumns, [&form, &branches] {
        form.labeldeep->show();
        form.AdvanceProgress(0, WalkStartProgress);
        for (const DeepBranch& branch : branches)
            DeepWalk(form, branch).run();
        form.AdvanceProgress(WalkEndProgress, 100);
        form.labeldeep->hide();
    });
}

void RemoveDeepFindings(TForm1& form, const std::vector<DeepBranch>& branches) {
    form.RunRemoveFrame(*form.LV2, [&form, &branches](const tk::ListItem& row) {
        return RemoveFinding(form, branches, row);
    });
}

void TForm1::DeepExecute() {
    RunDeepAnalysis(*this, DeepBranches());
}

void TForm1::removedaExecute() {
    RemoveDeepFindings(*this, DeepBranches());
}

} // namespace tidewell
