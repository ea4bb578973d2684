#pragma once
// Start-up programs: judging the commands of the Run and RunOnce keys.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace tidewell {

class TForm1;

// Whether a registry value is a finding of the start-up programs, for a value of a key that
// the category scans (the key given below its root, without a leading backslash); nothing
// for a value of any other key.
std::optional<bool> StartupVerdict(const TForm1& form, HKEY root, const std::wstring& key,
                                   const std::wstring& name, const std::wstring& command);

// The whole text of a string value (REG_SZ or REG_EXPAND_SZ) of an open key, cut at its
// first zero character; empty when the value is missing or of another kind.
std::wstring ReadWholeString(HKEY key, const std::wstring& name);

// Calls visit(name, text) for every value of an open key, in enumeration order; text is
// the whole data of a string value and empty for a value of another kind.
void ForEachValue(HKEY key,
                  const std::function<void(const std::wstring&, const std::wstring&)>& visit);

} // namespace tidewell
