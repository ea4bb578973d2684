#pragma once
// ActiveX and DLLs: class identifiers whose in-process server file is gone.

#include <windows.h>

#include <optional>
#include <string>

namespace tidewell {

class TForm1;

// Whether a registry value is a finding of the ActiveX category, for the default value of
// a class's in-process server key below a root's software key, given without a leading
// backslash ("SOFTWARE\Classes\CLSID\{id}\InprocServer32"); nothing for any other value.
std::optional<bool> ActiveXVerdict(const TForm1& form, HKEY root, const std::wstring& key,
                                   const std::wstring& name, const std::wstring& server);

} // namespace tidewell
