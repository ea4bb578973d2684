#pragma once
// Progressive deep analysis: string values of the software keys that name a path on the
// system drive that exists neither as a file nor as a folder.

#include <windows.h>

#include <string>
#include <vector>

namespace tidewell {

class TForm1;

// The machine's and the user's software keys clean their values by different rules at
// levels 3 and 5.
enum class DeepRules { Machine, User };

// One branch of the registry walked by the analysis.
struct DeepBranch {
    HKEY root;
    std::wstring key;      // below the root, without a leading backslash: "SOFTWARE"
    std::wstring location; // the key as findings show it: "HKLM\SOFTWARE"
    int depth;             // key levels walked below the branch key
    DeepRules rules;
    int progressCap; // the progress bar moves one step per level-1 key up to here
};

// The branches the program walks: the machine's software keys four levels deep, then the
// user's five levels deep.
std::vector<DeepBranch> DeepBranches();

// The path that a value's data names by the rules of its key (the key names from level 1
// down), or the empty text when the value is not tested.
std::wstring DeepCandidatePath(const std::wstring& data, const std::vector<std::wstring>& keyNames,
                               DeepRules rules, const std::wstring& drivePrefix);

// The scan into LV2 over the given branches, and the removal of LV2's checked findings
// that lie in them.
void RunDeepAnalysis(TForm1& form, const std::vector<DeepBranch>& branches);
void RemoveDeepFindings(TForm1& form, const std::vector<DeepBranch>& branches);

} // namespace tidewell
