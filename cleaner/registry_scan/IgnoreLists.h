#pragma once
// Ignore-list files: one line per ignored finding, its caption, "=" and its location,
// in 8-bit text with CR LF line ends.

#include "toolkit/ListView.h"

#include <string>
#include <vector>

namespace tidewell {

class TForm1;
struct Category;

// The file that keeps the category's ignored items, in the program-files folder "Tidecrest".
std::wstring IgnoreFilePath(const TForm1& form, const Category& category);

// Fills the list with the entries of the file (at most 51 lines, up to the first empty
// line), each row checked; scratch holds the fields of the last line. A missing file adds
// nothing; a file that cannot be read throws tk::Error.
void LoadIgnoreList(const std::wstring& path, tk::ListView& list,
                    std::vector<std::wstring>& scratch);

// Appends one entry to the file, creating the file, and its folder but no folder above
// it, when they do not exist. Line breaks inside the texts are stored as blanks so that
// the entry stays one line. Throws tk::Error when the file cannot be opened or written.
void AppendIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location);

// Takes out of the file the first line that reads back as the entry; the other lines
// stay as they are. A CR, an LF or CR LF ends a line. False when the file holds no such line.
// Throws tk::Error when the file cannot be read or written.
bool RemoveIgnoreEntry(const std::wstring& path, const std::wstring& caption,
                       const std::wstring& location);

} // namespace tidewell
