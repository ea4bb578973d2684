#pragma once
// Size texts of the file lists, and the file findings that the recent-documents,
// junk-file, cookie and browser categories share.

#include "cleaner/Unit1.h"

#include <string>
#include <vector>

namespace tidewell {

// The size of the first entry matching the path (made full against the current folder),
// in decimal; "-1" when nothing matches.
std::wstring GetFileSizeText(const std::wstring& path);

// A decimal byte count as "1.50 KB", "2.00 MB", "5.00 GB" (binary multiples, two decimals,
// a point whatever the locale) or "1023 bytes". Throws tk::Error for a text that is not a
// whole number.
std::wstring FormatSizeText(const std::wstring& text);

// "Shell Folders" key of the current user, where the user's special folders are named.
extern const wchar_t ShellFoldersKey[];

// Columns of every list of file findings.
extern const std::vector<TForm1::FindingColumn> FileListColumns;

// Appends a checked finding for a listed file: its name, "Remove", the detail text, its
// folder (ending in "\") and the size text of the size its listing gave.
void AddFileFinding(TForm1& form, tk::ListView& list, const ListedFile& file,
                    const std::wstring& detail);

// Deletes the file of every checked row (folder + name); a row stays while its file does.
void RemoveFileFindings(TForm1& form, tk::ListView& list);

} // namespace tidewell
