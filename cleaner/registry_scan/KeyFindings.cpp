#include "cleaner/registry_scan/KeyFindings.h"

#include "registry/RegAccess.h"
#include "toolkit/Seams.h"

namespace {

constexpr int StepLimit = 70;
constexpr unsigned StepPauseMs = 30;

} // namespace

void ListSubkeys(HKEY root, const std::wstring& path, std::vector<std::wstring>& names) {
    names.clear();
    TRegAccess key;
    key.SetRootKey(root);
    if (key.OpenKey(path, false))
        key.GetKeyNames(names);
}

void StepPerFinding(TForm1& form) {
    const int position = form.PB->position();
    if (position < StepLimit)
        form.PB->setPosition(position + 1);
    tk::seams().sleep(StepPauseMs);
}

bool IsPlainKeyName(const std::wstring& name) {
    return !name.empty() && name.find(L'\\') == std::wstring::npos;
}

TForm1::RemoveOutcome RemoveKeyFinding(HKEY root, const std::wstring& parentPath,
                                       const std::wstring& name,
                                       const std::function<bool(const std::wstring&)>& stillFound) {
    using Outcome = TForm1::RemoveOutcome;
    if (!IsPlainKeyName(name))
        return Outcome::Survived;
    TRegAccess parent;
    parent.SetRootKey(root);
    if (!parent.OpenKey(parentPath, false))
        return Outcome::Survived;
    if (!parent.KeyExists(name) || !stillFound(name))
        return Outcome::NoLongerFound;
    parent.DeleteKey(name);
    return parent.KeyExists(name) ? Outcome::Survived : Outcome::Removed;
}

std::wstring RowSubItem(const tk::ListItem& row, std::size_t index) {
    return index < row.subItems.size() ? row.subItems[index] : std::wstring();
}
