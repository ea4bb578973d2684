#pragma once
// Facts from a file's version resource.

#include <windows.h>

#include <string>
#include <vector>

namespace corvane {

// What ReadFileVersionInfo finds about one file.
struct TFileVersionRecord {
    std::wstring TypeName; // the shell's type name, such as "Application"
    std::wstring CompanyName;
    std::wstring FileDescription;
    std::wstring FileVersion;
    std::wstring InternalName;
    std::wstring LegalCopyright;
    std::wstring LegalTrademarks;
    std::wstring OriginalFilename;
    std::wstring ProductName;
    std::wstring ProductVersion;
    std::wstring Comments;
    std::wstring SpecialBuildText;
    std::wstring PrivateBuildText;
    std::wstring FileType; // from the fixed information's file type and subtype
    bool Debug = false;
    bool PreRelease = false;
    bool SpecialBuild = false;
    bool PrivateBuild = false;
    bool Patched = false;
    bool InfoInferred = false;
};

// Fills the record for the file. Only executable programs get more than the type name; a
// file without version data keeps empty texts and false flags.
void ReadFileVersionInfo(const std::wstring& path, TFileVersionRecord& record);

// The text of a fixed information's file type and subtype ("Application", "Sound Driver",
// ...); empty for libraries and unknown kinds.
std::wstring FileTypeText(DWORD fileType, DWORD fileSubtype);

// A file's version data, loaded once.
class TVerInfoRes {
  public:
    explicit TVerInfoRes(const std::wstring& fileName);

    // "major.minor.release.build" of the fixed information; empty when not loaded.
    std::wstring FileVersionText() const;
    bool Loaded() const { return loaded_; }
    const std::wstring& FileName() const { return fileName_; }
    // Names of the set flags: "Pre-release", "private build", "Special build", "Debug".
    const std::vector<std::wstring>& Flags() const { return flags_; }

  private:
    std::wstring fileName_;
    std::vector<BYTE> data_;
    const DWORD* translation_ = nullptr;
    const VS_FIXEDFILEINFO* fixedInfo_ = nullptr;
    std::vector<std::wstring> flags_;
    bool loaded_ = false;
};

} // namespace corvane
