#include "cleaner/registry_scan/Optimizer.h"

#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"
#include "registry/RegHelpers.h"
#include "toolkit/Application.h"

namespace tidewell {

namespace {

constexpr int OptimizerDepth = 4;
// Keys of these levels move the hive bar; deeper ones show only their path.
constexpr int HiveBarLevels = 2;
constexpr int FullBar = 10;

const wchar_t WindowsKey[] = L"\\SOFTWARE\\Microsoft\\Windows";

// Visits the keys, subkeys of parent (a path below the base), each with its values and
// then its own subkeys while the depth allows.
void WalkKeys(HKEY root, const std::wstring& base, const std::wstring& parent,
              const std::vector<std::wstring>& keys, int level, const OptimizerVisitor& visitor) {
    const int keyCount = static_cast<int>(keys.size());
    for (int index = 0; index < keyCount; ++index) {
        const std::wstring path = parent.empty() ? keys[index] : parent + L"\\" + keys[index];
        visitor.key(path, level, index, keyCount);
        const KeyNames names = ReadKeyNames(root, base + L"\\" + path, level < OptimizerDepth);
        const int valueCount = static_cast<int>(names.values.size());
        for (int value = 0; value < valueCount; ++value)
            visitor.value(names.values[value], value, valueCount);
        WalkKeys(root, base, path, names.subkeys, level + 1, visitor);
    }
}

void ShowOnBar(tk::ProgressBar& bar, int max, int position) {
    bar.setMax(max);
    bar.setPosition(position);
}

bool IsVista(const std::wstring& productName) {
    for (const wchar_t* word : {L"Vista", L"VISTA", L"vista"})
        if (productName.find(word) != std::wstring::npos)
            return true;
    return false;
}

void StartHive(TForm1& form, const OptimizerHive& hive) {
    form.PBNodes->setPosition(0);
    form.PBHive->setPosition(0);
    form.Hivetext->setCaption(hive.hiveText);
    form.labeldeep->setCaption(hive.hiveText);
    form.labeldeep->show();
}

void EndWalk(TForm1& form) {
    ShowOnBar(*form.PBHive, FullBar, FullBar);
    ShowOnBar(*form.PBNodes, FullBar, FullBar);
    form.Hivetext->setCaption(L"Optimize Complete: Two Hives Completed");
    form.labelnode->setCaption(L"");
    form.labelvalues->setCaption(L"Scan Complete...");
    form.labeldeep->hide();
}

} // namespace

std::vector<OptimizerHive> OptimizerHives(const std::wstring& productName) {
    std::vector<OptimizerHive> hives{{HKEY_CURRENT_USER, WindowsKey,
                                      L"HKCU\\SOFTWARE\\Microsoft\\Windows\\",
                                      L"Current Hives: 1 of 2 - HKEY_CURRENT_USER"}};
    if (!IsVista(productName))
        hives.push_back({HKEY_LOCAL_MACHINE, WindowsKey, L"HKLM\\SOFTWARE\\Microsoft\\Windows\\",
                         L"Current Hives: 2 of 2 - HKEY_LOCAL_MACHINE"});
    return hives;
}

void WalkOptimizerHive(HKEY root, const std::wstring& base, const OptimizerVisitor& visitor) {
    WalkKeys(root, base, L"", ReadKeyNames(root, base, true).subkeys, 1, visitor);
}

OptimizerVisitor OptimizerPageVisitor(TForm1& form, const std::wstring& prefix) {
    return {[&form, prefix](const std::wstring& path, int level, int index, int count) {
                form.labelnode->setCaption(prefix + path);
                if (level <= HiveBarLevels)
                    ShowOnBar(*form.PBHive, count - 1, index);
                tk::app().keepAnswering();
            },
            [&form](const std::wstring& name, int index, int count) {
                form.labelvalues->setCaption(name);
                ShowOnBar(*form.PBNodes, count - 1, index);
            }};
}

void RunOptimizer(TForm1& form, const std::vector<OptimizerHive>& hives) {
    tk::app().setCursor(tk::Cursor::HourGlass);
    form.labelnode->show();
    form.labelvalues->show();
    for (const OptimizerHive& hive : hives) {
        StartHive(form, hive);
        WalkOptimizerHive(hive.root, hive.base, OptimizerPageVisitor(form, hive.prefix));
    }
    tk::app().setCursor(tk::Cursor::Default);
    EndWalk(form);
}

void TForm1::CB1Categories1Items3Click() {
    HiddenLV();
    Panelabout->show();
    Panel3->hide();
    for (tk::Control* control :
         std::initializer_list<tk::Control*>{Panel4.get(), OBhelp.get(), OBoptimize.get()})
        control->show();
}

void TForm1::OBoptimizeClick() {
    RunFlow([this] {
        statustext->setCaption(L"  Status : Running Optimizer");
        tk::app().answerStep();
        optimizeExecute();
        statustext->setCaption(L"  Status : Optimizing System Complete");
    });
}

void TForm1::optimizeExecute() {
    RunOptimizer(*this, OptimizerHives(ReadRegString(NtCurrentVersionKey, L"ProductName",
                                                     HKEY_LOCAL_MACHINE)));
}

} // namespace tidewell
