#pragma once
// Registry Optimizer page: a read-only walk of the Windows keys of the user's and the
// machine's hive, shown on labels and two progress bars.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tidewell {

class TForm1;

// What the walk passes: each key (its path below the base, its level from 1, its index
// among its siblings and their count) and then each of its value names.
struct OptimizerVisitor {
    std::function<void(const std::wstring& path, int level, int index, int count)> key;
    std::function<void(const std::wstring& name, int index, int count)> value;
};

// One hive walked by the optimizer.
struct OptimizerHive {
    HKEY root;
    std::wstring base;     // absolute key: "\SOFTWARE\Microsoft\Windows"
    std::wstring prefix;   // shown before a key's path: "HKCU\SOFTWARE\Microsoft\Windows\"
    std::wstring hiveText; // "Current Hives: 1 of 2 - HKEY_CURRENT_USER"
};

// The hives walked on a system of that product name: the user's, then, unless it is
// Windows Vista, the machine's.
std::vector<OptimizerHive> OptimizerHives(const std::wstring& productName);

// Visits the keys below the base four levels deep, depth first, each key's values before
// its subkeys. A key that cannot be opened has no values and no subkeys. Reads only.
void WalkOptimizerHive(HKEY root, const std::wstring& base, const OptimizerVisitor& visitor);

// The visitor that shows the walk on the optimizer page's texts and bars.
OptimizerVisitor OptimizerPageVisitor(TForm1& form, const std::wstring& prefix);

// The whole walk over the hives, with the page's start and end texts.
void RunOptimizer(TForm1& form, const std::vector<OptimizerHive>& hives);

} // namespace tidewell
