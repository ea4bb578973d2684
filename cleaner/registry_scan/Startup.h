#pragma once
// Start-up programs: judging the commands of the Run and RunOnce keys.

#include <windows.h>

#include <functional>
#include <string>

namespace tidewell {

// 1 when the command line names no program that could be started, otherwise 0. Nothing
// is started: the program is looked up the way CreateProcess would look it up, after the
// environment variables of the text are expanded.
int ProbeCommandLine(const std::wstring& commandLine);

// The whole text of a string value (REG_SZ or REG_EXPAND_SZ) of an open key, cut at its
// first zero character; empty when the value is missing or of another kind.
std::wstring ReadWholeString(HKEY key, const std::wstring& name);

// Calls visit(name, text) for every value of an open key, in enumeration order; text is
// the whole data of a string value and empty for a value of another kind.
void ForEachValue(HKEY key,
                  const std::function<void(const std::wstring&, const std::wstring&)>& visit);

} // namespace tidewell
