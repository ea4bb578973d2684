// Times every category scan that can hold many entries against a bare walk of the same
// data, at the sizes given on the command line (default 10,000 and 100,000), and the
// removal of 10,000 checked files and values against a bare delete loop. Each category's
// data is seeded before and removed after its measurements; half of the seeded entries
// are findings. Progress pauses are zero and the category's list is shown while it fills.
//
//   scan_bench.exe [size ...] [category ...]
//
// Under Wine, creating a file reads its whole folder, so a folder of 100,000 files would
// take half an hour to seed; there a shell on the Linux side creates and deletes the
// seeded files.
#include "../cleaner/scan_test_support.h"
#include "cleaner/Unit1.h"
#include "registry/RegHelpers.h"
#include "toolkit/Seams.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Repeats = 3;
constexpr int RemovalEntries = 10000;
const wchar_t BenchName[] = L"TwBench";
const wchar_t ShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
                               L"Folders";

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Something timed, after an untimed preparation.
struct Timed {
    std::function<void()> run;
    std::function<void()> prepare = [] {};
};

// The best times in milliseconds of two runs over a few rounds that alternate between them,
// so that a busy moment of the machine weighs on both alike.
std::pair<double, double> BestOfBoth(const Timed& first, const Timed& second) {
    double best[2] = {1e300, 1e300};
    for (int round = 0; round < Repeats; ++round)
        for (int which = 0; which < 2; ++which) {
            const Timed& timed = which == 0 ? first : second;
            timed.prepare();
            const Clock::time_point start = Clock::now();
            timed.run();
            best[which] = std::min(best[which], MsSince(start));
        }
    return {best[0], best[1]};
}

std::wstring Numbered(const std::wstring& prefix, int i, const std::wstring& suffix = L"") {
    return prefix + std::to_wstring(i) + suffix;
}

std::wstring WithSlash(const std::wstring& folder) {
    return folder.empty() || folder.back() == L'\\' ? folder : folder + L"\\";
}

// ---- Registry --------------------------------------------------------------------

using scantest::OpenKey;
using scantest::PointedValue;

void SetValue(HKEY key, const std::wstring& name, const std::wstring& data) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

bool StartsWith(const wchar_t* name, const std::wstring& prefix) {
    return std::wstring(name).compare(0, prefix.size(), prefix) == 0;
}

// Deletes the subkeys (with their trees) or values of root\path whose names begin with
// the prefix, last first: the registry keeps names sorted, so this moves nothing.
void DeleteNamed(HKEY root, const std::wstring& path, const std::wstring& prefix, bool subkeys) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, subkeys ? &count : nullptr, nullptr, nullptr,
                     subkeys ? nullptr : &count, nullptr, nullptr, nullptr, nullptr);
    std::vector<wchar_t> name(16384);
    for (DWORD index = count; index-- > 0;) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS found = subkeys ? RegEnumKeyExW(key, index, name.data(), &length, nullptr,
                                                      nullptr, nullptr, nullptr)
                                      : RegEnumValueW(key, index, name.data(), &length, nullptr,
                                                      nullptr, nullptr, nullptr);
        if (found != ERROR_SUCCESS || !StartsWith(name.data(), prefix))
            continue;
        if (subkeys)
            RegDeleteTreeW(key, name.data());
        else
            RegDeleteValueW(key, name.data());
    }
    RegCloseKey(key);
}

// Calls visit for every subkey name of the open key.
void ForEachSubkey(HKEY key, const std::function<void(const wchar_t*)>& visit) {
    std::vector<wchar_t> name(256);
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return;
        visit(name.data());
    }
}

// Opens parent\path and hands the key to use; false when it does not open.
bool WithKey(
    HKEY parent, const std::wstring& path, REGSAM access,
    const std::function<void(HKEY)>& use = [](HKEY) {}) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return false;
    use(key);
    RegCloseKey(key);
    return true;
}

// Calls visit(parent, name) for every subkey of root\path, the parent open for reading.
void ForEachSubkeyOf(HKEY root, const std::wstring& path,
                     const std::function<void(HKEY, const wchar_t*)>& visit) {
    WithKey(root, path, KEY_READ, [&visit](HKEY parent) {
        ForEachSubkey(parent, [&](const wchar_t* name) { visit(parent, name); });
    });
}

// Enumerates every value of the open key with its data.
void ReadAllValues(HKEY key) {
    static std::vector<wchar_t> name(16384);
    static std::vector<BYTE> data(65536);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, nullptr, data.data(),
                          &size) != ERROR_SUCCESS)
            return;
    }
}

void ReadAllValues(HKEY root, const std::wstring& path) {
    WithKey(root, path, KEY_READ, [](HKEY key) { ReadAllValues(key); });
}

// ---- Files -----------------------------------------------------------------------

// Numbered empty files prefix + i + suffix, i from 0 to count - 1, in one folder.
struct FileSet {
    std::wstring folder; // with its trailing backslash
    std::wstring prefix;
    std::wstring suffix;
    int count;
};

using UnixNameFunction = char*(CDECL*)(const wchar_t*);

UnixNameFunction WineUnixName() {
    return reinterpret_cast<UnixNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

std::string UnixPath(const std::wstring& path) {
    char* name = WineUnixName()(path.c_str());
    std::string unix = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::wstring BenchRoot() {
    return L"C:\\" + std::wstring(BenchName) + L"\\";
}

// Runs the shell script on the Linux side and waits until it has run to its end.
void RunUnixScript(const std::string& script) {
    const std::wstring scriptPath = BenchRoot() + L"files.sh";
    const std::wstring donePath = BenchRoot() + L"files.done";
    DeleteFileW(donePath.c_str());
    std::ofstream(scriptPath.c_str(), std::ios::binary)
        << "trap " << Quoted(": > " + Quoted(UnixPath(donePath))) << " EXIT\n"
        << script;
    std::wstring command = L"Z:\\bin\\sh " + std::wstring(L"\"") +
                           std::filesystem::path(UnixPath(scriptPath)).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the shell\n");
        std::exit(1);
    }
    // Wine gives no handle for a Linux program: wait for the script's last line.
    while (GetFileAttributesW(donePath.c_str()) == INVALID_FILE_ATTRIBUTES)
        Sleep(20);
    DeleteFileW(donePath.c_str());
}

std::string UnixLoop(const FileSet& set, const char* body) {
    return "i=0; while [ $i -lt " + std::to_string(set.count) + " ]; do " + body + " " +
           Quoted(Utf8Text(set.prefix)) + "$i" + Quoted(Utf8Text(set.suffix)) +
           "; i=$((i+1)); done\n";
}

void CreateFiles(const std::vector<FileSet>& sets) {
    if (WineUnixName()) {
        std::string script;
        for (const FileSet& set : sets)
            script += "cd " + Quoted(UnixPath(set.folder)) + " || exit 1\n" + UnixLoop(set, ": >");
        RunUnixScript(script);
        return;
    }
    for (const FileSet& set : sets) {
        for (int i = 0; i < set.count; ++i)
            CloseHandle(CreateFileW((set.folder + Numbered(set.prefix, i, set.suffix)).c_str(),
                                    GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
}

// Deletes the folder with everything in it.
void RemoveTree(const std::wstring& folder) {
    if (WineUnixName())
        RunUnixScript("rm -rf " + Quoted(UnixPath(folder)) + "\n");
    else
        std::filesystem::remove_all(folder);
}

// Walks folder + mask, reading each entry's attributes and size; with levels above 1 it
// goes on into the sub-folders found.
void WalkFolder(const std::wstring& folder, const std::wstring& mask, int levels = 1) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + mask).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    static volatile ULONGLONG bytes = 0;
    do {
        bytes = bytes + found.nFileSizeLow + found.dwFileAttributes;
        const std::wstring name = found.cFileName;
        if (levels > 1 && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." &&
            name != L"..")
            WalkFolder(folder + name + L"\\", mask, levels - 1);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::wstring SystemRootFolder() {
    return ReadRegString(NtCurrentVersionKey, L"SystemRoot", HKEY_LOCAL_MACHINE);
}

// ---- Categories ------------------------------------------------------------------

struct Category {
    const char* name;
    std::unique_ptr<tk::ListView> TForm1::*list;
    void (TForm1::*scan)();
    // Seeds count entries; the returned function removes them.
    std::function<std::function<void()>(TForm1&, int count)> seed;
    std::function<void(TForm1&)> bareWalk;
};

// A folder of the benchmark's own for one category's files, with its trailing backslash.
std::wstring BenchFolder(const wchar_t* category) {
    return BenchRoot() + category + L"\\";
}

// Creates the files in the category's folder; the returned function deletes the folder with
// everything in it and puts back the value pointed at it.
std::function<void()> SeedTree(const std::wstring& tree, const std::vector<FileSet>& sets,
                               std::shared_ptr<PointedValue> pointed) {
    for (const FileSet& set : sets)
        std::filesystem::create_directories(set.folder);
    CreateFiles(sets);
    return [tree, pointed] { RemoveTree(tree); };
}

const wchar_t* const RunPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const RunOncePath = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const wchar_t* const UninstallPath = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t* const FileExtsPath =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
const wchar_t* const TypedUrlsPath = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

std::wstring Prefixed(const wchar_t* text) {
    return std::wstring(BenchName) + L"_" + text;
}

std::function<void()> SeedStartup(TForm1&, int count) {
    const HKEY key = OpenKey(HKEY_CURRENT_USER, RunPath);
    const std::wstring present = SystemFile(L"notepad.exe") + L" /n ";
    for (int i = 0; i < count; ++i)
        SetValue(key, Numbered(Prefixed(L""), i),
                 i % 2 ? Numbered(L"C:\\Missing\\app_", i, L".exe") : Numbered(present, i));
    RegCloseKey(key);
    return [] { DeleteNamed(HKEY_CURRENT_USER, RunPath, Prefixed(L""), false); };
}

void WalkStartup(TForm1&) {
    ReadAllValues(HKEY_CURRENT_USER, RunPath);
    ReadAllValues(HKEY_CURRENT_USER, RunOncePath);
    ReadAllValues(HKEY_LOCAL_MACHINE, RunPath);
}

std::function<void()> SeedUninstall(TForm1&, int count) {
    const HKEY parent = OpenKey(HKEY_LOCAL_MACHINE, UninstallPath);
    for (int i = 0; i < count; ++i) {
        const HKEY entry = OpenKey(parent, Numbered(Prefixed(L"App"), i));
        SetValue(entry, i % 2 ? L"Comments" : L"DisplayName", Numbered(L"Application ", i));
        RegCloseKey(entry);
    }
    RegCloseKey(parent);
    return [] { DeleteNamed(HKEY_LOCAL_MACHINE, UninstallPath, Prefixed(L""), true); };
}

void WalkUninstall(TForm1&) {
    ForEachSubkeyOf(HKEY_LOCAL_MACHINE, UninstallPath, [](HKEY parent, const wchar_t* name) {
        WithKey(parent, name, KEY_QUERY_VALUE, [](HKEY entry) {
            for (const wchar_t* value : {L"UninstallString", L"InstallSource", L"DisplayName"})
                if (RegQueryValueExW(entry, value, nullptr, nullptr, nullptr, nullptr) ==
                    ERROR_SUCCESS)
                    return;
        });
    });
}

std::function<void()> SeedExtensions(TForm1&, int count) {
    const HKEY parent = OpenKey(HKEY_CURRENT_USER, FileExtsPath);
    for (int i = 0; i < count; ++i) {
        const std::wstring extension = Numbered(L"." + Prefixed(L""), i);
        RegCloseKey(OpenKey(parent, i % 2 ? extension : extension + L"\\OpenWithProgids"));
    }
    RegCloseKey(parent);
    return [] { DeleteNamed(HKEY_CURRENT_USER, FileExtsPath, L"." + Prefixed(L""), true); };
}

void WalkExtensions(TForm1&) {
    ForEachSubkeyOf(HKEY_CURRENT_USER, FileExtsPath, [](HKEY parent, const wchar_t* name) {
        if (!WithKey(parent, std::wstring(name) + L"\\OpenWithProgids", KEY_READ))
            WithKey(HKEY_CLASSES_ROOT, name, KEY_READ);
    });
}

std::wstring ClassId(int i) {
    wchar_t text[64];
    swprintf(text, 64, L"{7B0E0000-7E57-4B1D-9000-%012d}", i);
    return text;
}

std::function<void()> SeedActiveX(TForm1&, int count) {
    const HKEY parent = OpenKey(HKEY_CLASSES_ROOT, L"CLSID");
    const std::wstring present = SystemFile(L"ole32.dll");
    for (int i = 0; i < count; ++i) {
        const HKEY server = OpenKey(parent, ClassId(i) + L"\\InprocServer32");
        SetValue(server, L"",
                 i % 2 ? Numbered(L"C:\\Program Files\\Missing App\\server_", i, L".dll")
                       : present);
        RegCloseKey(server);
    }
    RegCloseKey(parent);
    return [] { DeleteNamed(HKEY_CLASSES_ROOT, L"CLSID", L"{7B0E0000-7E57-4B1D-9000-", true); };
}

void WalkActiveX(TForm1&) {
    ForEachSubkeyOf(HKEY_CLASSES_ROOT, L"CLSID", [](HKEY parent, const wchar_t* name) {
        WithKey(parent, std::wstring(name) + L"\\InprocServer32", KEY_QUERY_VALUE, [](HKEY server) {
            wchar_t data[256];
            DWORD size = sizeof data;
            RegQueryValueExW(server, L"", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        });
    });
}

std::function<void()> SeedObsolete(TForm1&, int count) {
    const HKEY parent = OpenKey(HKEY_CURRENT_USER, L"Software");
    for (int i = 0; i < count; ++i) {
        const HKEY key = OpenKey(parent, Numbered(Prefixed(L"Vendor"), i));
        if (i % 2 == 0)
            SetValue(key, L"Version", L"1.0");
        RegCloseKey(key);
    }
    RegCloseKey(parent);
    return [] { DeleteNamed(HKEY_CURRENT_USER, L"Software", Prefixed(L""), true); };
}

void WalkObsolete(TForm1&) {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        ForEachSubkeyOf(root, L"Software", [](HKEY parent, const wchar_t* name) {
            WithKey(parent, name, KEY_READ, [](HKEY key) {
                DWORD subkeys = 0;
                DWORD values = 0;
                RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                 &values, nullptr, nullptr, nullptr, nullptr);
            });
        });
}

std::function<void()> SeedTypedUrls(TForm1&, int count) {
    const HKEY key = OpenKey(HKEY_CURRENT_USER, TypedUrlsPath);
    for (int i = 0; i < count; ++i)
        SetValue(key, Numbered(Prefixed(L"url"), i), Numbered(L"http://example.com/page", i));
    RegCloseKey(key);
    return [] { DeleteNamed(HKEY_CURRENT_USER, TypedUrlsPath, Prefixed(L""), false); };
}

void WalkTypedUrls(TForm1&) {
    const wchar_t* const places[] = {
        L"Software\\Microsoft\\Internet Explorer\\TypedURLs",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
        L"Software\\Microsoft\\Internet Explorer",
        L"Software\\Microsoft\\Internet Explorer\\Main",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComputerDescriptions",
        L"Software\\Microsoft\\Direct3D\\MostRecentApplication",
    };
    for (const wchar_t* place : places)
        ReadAllValues(HKEY_CURRENT_USER, place);
    ReadAllValues(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Direct3D\\MostRecentApplication");
    ReadAllValues(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\DirectDraw\\MostRecentApplication");
}

// Values below HKCU\SOFTWARE\TwBench, 100 to a key.
constexpr int DeepValuesPerKey = 100;

std::function<void()> SeedDeep(TForm1& form, int count) {
    const std::wstring missing = WithSlash(form.SystemDrivePrefix) + L"Missing Program\\app_";
    const std::wstring present = SystemFile(L"notepad.exe");
    HKEY key = nullptr;
    for (int i = 0; i < count; ++i) {
        if (i % DeepValuesPerKey == 0) {
            RegCloseKey(key);
            key = OpenKey(HKEY_CURRENT_USER, std::wstring(L"SOFTWARE\\") + BenchName +
                                                 Numbered(L"\\Key", i / DeepValuesPerKey));
        }
        SetValue(key, Numbered(L"Path", i),
                 i % 2 ? Numbered(missing, i, L".exe,0") : present + L",0");
    }
    RegCloseKey(key);
    return [] {
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"SOFTWARE\\" + std::wstring(BenchName)).c_str());
    };
}

// The values of parent\name and, levels - 1 deep, of the keys below it.
void WalkTree(HKEY parent, const std::wstring& name, int levels) {
    WithKey(parent, name, KEY_READ, [levels](HKEY key) {
        ReadAllValues(key);
        if (levels > 1)
            ForEachSubkey(
                key, [key, levels](const wchar_t* subkey) { WalkTree(key, subkey, levels - 1); });
    });
}

void WalkDeep(TForm1&) {
    for (const auto& [root, depth] :
         {std::pair{HKEY_LOCAL_MACHINE, 4}, std::pair{HKEY_CURRENT_USER, 5}})
        ForEachSubkeyOf(root, L"SOFTWARE", [depth = depth](HKEY software, const wchar_t* name) {
            WalkTree(software, name, depth);
        });
}

// The junk-file categories search below the system folder, named while their files are
// there as a folder of the benchmark's own.
std::shared_ptr<PointedValue> PointSystemRoot(const std::wstring& tree) {
    return std::make_shared<PointedValue>(HKEY_LOCAL_MACHINE, NtCurrentVersionKey, L"SystemRoot",
                                          tree + L"WINDOWS");
}

std::function<void()> SeedSystemFiles(const wchar_t* category, const wchar_t* folder,
                                      const FileSet& names) {
    const std::wstring tree = BenchFolder(category);
    FileSet files = names;
    files.folder = tree + folder;
    return SeedTree(tree, {files}, PointSystemRoot(tree));
}

std::wstring TempFolder() {
    return SystemRootFolder() + L"\\Temp\\";
}

std::function<void()> SeedTemporary(TForm1&, int count) {
    return SeedSystemFiles(L"temporary", L"WINDOWS\\Temp\\",
                           {L"", Prefixed(L"bench_"), L".tmp", count});
}

void WalkTemporary(TForm1&) {
    WalkFolder(TempFolder(), L"*.tmp");
    const std::wstring local = ReadRegString(ShellFolders, L"Local Settings", HKEY_CURRENT_USER);
    if (!local.empty())
        WalkFolder(local + L"\\Temp\\", L"*.tmp");
}

std::function<void()> SeedDumps(TForm1&, int count) {
    return SeedSystemFiles(L"dumps", L"WINDOWS\\MiniDump\\",
                           {L"", Prefixed(L"crash_"), L".dmp", count});
}

void WalkDumps(TForm1&) {
    WalkFolder(SystemRootFolder() + L"\\", L"memory.dmp");
    WalkFolder(SystemRootFolder() + L"\\MiniDump\\", L"*.dmp");
}

std::function<void()> SeedLogs(TForm1&, int count) {
    return SeedSystemFiles(L"logs", L"WINDOWS\\security\\logs\\",
                           {L"", Prefixed(L"audit_"), L".log", count});
}

void WalkLogs(TForm1&) {
    const std::wstring root = SystemRootFolder();
    const std::pair<const wchar_t*, const wchar_t*> searches[] = {
        {L"\\system32\\wbem\\Logs\\", L"*.log"},
        {L"\\system32\\wbem\\Logs\\", L"*.lo_"},
        {L"\\", L"*.log"},
        {L"\\", L"*log.txt"},
        {L"\\Debug\\", L"*.log"},
        {L"\\Debug\\UserMode\\", L"*.log"},
        {L"\\Debug\\UserMode\\", L"*.bak"},
        {L"\\security\\logs\\", L"*.log"},
        {L"\\security\\logs\\", L"*.old"},
    };
    for (const auto& [folder, mask] : searches)
        WalkFolder(root + folder, mask);
}

// A drive letter that names a folder while the object lives; empty where none is free. Under
// Wine a drive is a link in the prefix's dosdevices folder.
class BenchDrive {
  public:
    explicit BenchDrive(const std::wstring& folder) {
        const DWORD used = GetLogicalDrives();
        for (wchar_t letter = L'T'; letter <= L'Y' && device_.empty(); ++letter)
            if (!(used & (1u << (letter - L'A'))))
                device_ = std::wstring(1, letter) + L":";
        if (device_.empty())
            return;
        if (WineUnixName())
            RunUnixScript("ln -s " + Quoted(UnixPath(folder)) + " " + link() + "\n");
        else if (!DefineDosDeviceW(0, device_.c_str(), folder.c_str()))
            device_.clear();
    }
    ~BenchDrive() {
        if (device_.empty())
            return;
        if (WineUnixName())
            RunUnixScript("rm -f " + link() + "\n");
        else
            DefineDosDeviceW(DDD_REMOVE_DEFINITION, device_.c_str(), nullptr);
    }
    BenchDrive(const BenchDrive&) = delete;
    BenchDrive& operator=(const BenchDrive&) = delete;

    const std::wstring& device() const { return device_; }

  private:
    // The link in the prefix, which the shell knows from the environment it inherits.
    std::string link() const {
        return "\"$WINEPREFIX\"/dosdevices/" +
               std::string(1, static_cast<char>(std::tolower(device_[0]))) + ":";
    }

    std::wstring device_;
};

// The chkdsk search looks in the root of the system folder's drive. The fragments go into a
// folder of the benchmark's own that a drive letter of its own names, and the system folder
// is named on that drive: a drive root that held 100,000 files would keep its grown folder
// and slow every later look-up there.
std::function<void()> SeedChkdsk(TForm1&, int count) {
    const std::wstring tree = BenchFolder(L"chkdsk");
    std::filesystem::create_directories(tree);
    auto drive = std::make_shared<BenchDrive>(tree.substr(0, tree.size() - 1));
    if (drive->device().empty()) {
        std::fprintf(stderr, "no free drive letter for the chkdsk fragments\n");
        std::exit(1);
    }
    const auto pointed = std::make_shared<PointedValue>(
        HKEY_LOCAL_MACHINE, NtCurrentVersionKey, L"SystemRoot", drive->device() + L"\\WINDOWS");
    CreateFiles({{tree, L"File" + Prefixed(L""), L".chk", count}});
    return [tree, drive, pointed] { RemoveTree(tree); };
}

void WalkChkdsk(TForm1&) {
    WalkFolder(DriveRoot(SystemRootFolder()), L"File*.chk");
}

// A category whose folder a Shell Folders value names: the value names a folder of the
// benchmark's own while the files are there.
std::function<void()> SeedShellFolder(const wchar_t* value, const std::vector<FileSet>& sets) {
    const std::wstring tree = BenchFolder(value);
    return SeedTree(tree, sets,
                    std::make_shared<PointedValue>(HKEY_CURRENT_USER, ShellFolders, value,
                                                   tree.substr(0, tree.size() - 1)));
}

std::function<void()> SeedCookies(TForm1&, int count) {
    const std::wstring folder = BenchFolder(L"Cookies");
    return SeedShellFolder(L"Cookies", {{folder, L"user@ads", L".txt", count / 2},
                                        {folder, L"user@site", L".txt", count - count / 2}});
}

void WalkCookies(TForm1&) {
    WalkFolder(BenchFolder(L"Cookies"), L"*.txt");
}

std::function<void()> SeedRecent(TForm1&, int count) {
    return SeedShellFolder(L"Recent", {{BenchFolder(L"Recent"), L"Document ", L".lnk", count}});
}

void WalkRecent(TForm1&) {
    WalkFolder(BenchFolder(L"Recent"), L"*.lnk");
}

constexpr int FilesPerContainer = 1000;

std::vector<FileSet> BrowserFiles(const std::wstring& root, int count) {
    std::vector<FileSet> sets;
    for (int container = 0; container * FilesPerContainer < count; ++container)
        sets.push_back({root + Numbered(L"TWBENCH", container) + L"\\", L"page_", L".url",
                        std::min(FilesPerContainer, count - container * FilesPerContainer)});
    return sets;
}

std::function<void()> SeedBrowser(const wchar_t* value, const wchar_t* walkRoot, int count) {
    return SeedShellFolder(value, BrowserFiles(BenchFolder(value) + walkRoot, count));
}

std::function<void()> SeedHistory(TForm1&, int count) {
    return SeedBrowser(L"History", L"History.IE5\\", count);
}

std::function<void()> SeedCache(TForm1&, int count) {
    return SeedBrowser(L"Cache", L"Content.IE5\\", count);
}

void WalkHistory(TForm1&) {
    WalkFolder(BenchFolder(L"History") + L"History.IE5\\", L"*.*", 3);
}

void WalkCache(TForm1&) {
    WalkFolder(BenchFolder(L"Cache") + L"Content.IE5\\", L"*.*", 3);
}

const Category Categories[] = {
    {"start-up", &TForm1::lvsp, &TForm1::StartupExecute, SeedStartup, WalkStartup},
    {"uninstall", &TForm1::lvue, &TForm1::UninstallExecute, SeedUninstall, WalkUninstall},
    {"extensions", &TForm1::lvfe, &TForm1::FileExtExecute, SeedExtensions, WalkExtensions},
    {"activex", &TForm1::lvax, &TForm1::ActiveXExecute, SeedActiveX, WalkActiveX},
    {"obsolete", &TForm1::lvos, &TForm1::ObsoleteExecute, SeedObsolete, WalkObsolete},
    {"recent", &TForm1::lvpc, &TForm1::PrivacyExecute, SeedRecent, WalkRecent},
    {"temporary", &TForm1::lvdel, &TForm1::temp_filesExecute, SeedTemporary, WalkTemporary},
    {"dumps", &TForm1::lvdump, &TForm1::dumpExecute, SeedDumps, WalkDumps},
    {"chkdsk", &TForm1::lvchk, &TForm1::chkExecute, SeedChkdsk, WalkChkdsk},
    {"logs", &TForm1::lvlog, &TForm1::logExecute, SeedLogs, WalkLogs},
    {"cookies", &TForm1::lvco, &TForm1::CookiesExecute, SeedCookies, WalkCookies},
    {"history", &TForm1::lvhis, &TForm1::historyExecute, SeedHistory, WalkHistory},
    {"temporary-ie", &TForm1::lvtempie, &TForm1::tempieExecute, SeedCache, WalkCache},
    {"advanced", &TForm1::lvadvanced, &TForm1::advancedExecute, SeedTypedUrls, WalkTypedUrls},
    {"deep", &TForm1::LV2, &TForm1::DeepExecute, SeedDeep, WalkDeep},
};

void ShowList(TForm1& form, tk::ListView& list) {
    form.HiddenLV();
    list.show();
}

void PrintLine(const char* name, const char* what, int count, double ms, double bareMs,
               int findings) {
    std::printf("%-12s %-6s %6d entries: %8.1f ms (%6.1f per 1,000), bare %8.1f ms (%6.1f per "
                "1,000), ratio %5.2f, findings %6d",
                name, what, count, ms, ms * 1000 / count, bareMs, bareMs * 1000 / count,
                ms / bareMs, findings);
}

// The scan's and the bare walk's times with nothing seeded, and once the entries are there.
void MeasureScan(TForm1& form, const Category& category, const std::vector<int>& counts) {
    tk::ListView& list = *(form.*category.list);
    ShowList(form, list);
    const Timed scan{[&] { (form.*category.scan)(); }};
    const Timed bare{[&] { category.bareWalk(form); }};
    const auto [emptyScanMs, emptyBareMs] = BestOfBoth(scan, bare);
    for (const int count : counts) {
        const std::function<void()> unseed = category.seed(form, count);
        const auto [scanMs, bareMs] = BestOfBoth(scan, bare);
        const int findings = list.count();
        list.clear();
        unseed();
        PrintLine(category.name, "scan", count, scanMs, bareMs, findings);
        std::printf("; unseeded %6.1f ms, bare %6.1f ms; seeded entries alone: ratio %5.2f\n",
                    emptyScanMs, emptyBareMs, (scanMs - emptyScanMs) / (bareMs - emptyBareMs));
        std::fflush(stdout);
    }
}

// RemovalEntries entries named prefix + number, all findings, deleted by the category's
// remove action or by a bare loop.
struct Removal {
    const char* name;
    std::unique_ptr<tk::ListView> TForm1::*list;
    void (TForm1::*scan)();
    void (TForm1::*remove)();
    // Makes the place for the entries; the returned function clears it away.
    std::function<std::function<void()>()> setUp;
    std::function<void()> seed;
    std::function<void()> bareDelete;
};

const std::wstring RemovedPrefix = Prefixed(L"removed_");

FileSet RemovedFiles() {
    return {TempFolder(), RemovedPrefix, L".tmp", RemovalEntries};
}

void DeleteRemovedValues() {
    const HKEY key = OpenKey(HKEY_CURRENT_USER, RunPath);
    for (int i = 0; i < RemovalEntries; ++i)
        RegDeleteValueW(key, Numbered(RemovedPrefix, i).c_str());
    RegCloseKey(key);
}

const Removal Removals[] = {
    {"temporary", &TForm1::lvdel, &TForm1::temp_filesExecute, &TForm1::removetempExecute,
     [] {
         return SeedSystemFiles(L"removal", L"WINDOWS\\Temp\\", {L"", RemovedPrefix, L".tmp", 0});
     },
     [] { CreateFiles({RemovedFiles()}); },
     [] {
         const FileSet files = RemovedFiles();
         for (int i = 0; i < files.count; ++i)
             DeleteFileW((files.folder + Numbered(files.prefix, i, files.suffix)).c_str());
     }},
    {"start-up", &TForm1::lvsp, &TForm1::StartupExecute, &TForm1::removespExecute,
     [] { return std::function<void()>(DeleteRemovedValues); },
     [] {
         const HKEY key = OpenKey(HKEY_CURRENT_USER, RunPath);
         for (int i = 0; i < RemovalEntries; ++i)
             SetValue(key, Numbered(RemovedPrefix, i), Numbered(L"C:\\Missing\\app_", i, L".exe"));
         RegCloseKey(key);
     },
     DeleteRemovedValues},
};

// Checks the seeded rows only; returns how many there are.
int CheckSeeded(tk::ListView& list) {
    int seeded = 0;
    for (int row = 0; row < list.count(); ++row) {
        const bool ours = StartsWith(list.item(row).caption.c_str(), RemovedPrefix);
        list.setChecked(row, ours);
        seeded += ours;
    }
    return seeded;
}

void MeasureRemoval(TForm1& form, const Removal& removal) {
    tk::ListView& list = *(form.*removal.list);
    ShowList(form, list);
    const std::function<void()> clearAway = removal.setUp();
    int findings = 0;
    const auto [removeMs, bareMs] = BestOfBoth({[&] { (form.*removal.remove)(); },
                                                [&] {
                                                    removal.seed();
                                                    (form.*removal.scan)();
                                                    findings = CheckSeeded(list);
                                                }},
                                               {removal.bareDelete, removal.seed});
    clearAway();
    PrintLine(removal.name, "remove", RemovalEntries, removeMs, bareMs, findings);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        if (std::isdigit(static_cast<unsigned char>(argv[i][0])))
            sizes.push_back(std::atoi(argv[i]));
        else
            names.push_back(argv[i]);
    }
    if (sizes.empty())
        sizes = {10000, 100000};
    const auto wanted = [&names](const char* name) {
        return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
    };

    tk::seams().pause = [](unsigned) {};
    tk::seams().messageBox = [](HWND, const std::wstring&, const std::wstring&, UINT) {
        return IDOK;
    };
    CreateDirectoryW(BenchRoot().c_str(), nullptr);
    TForm1 form;
    form.show();
    for (const Category& category : Categories)
        if (wanted(category.name))
            MeasureScan(form, category, sizes);
    if (wanted("removal"))
        for (const Removal& removal : Removals)
            MeasureRemoval(form, removal);
    std::filesystem::remove_all(BenchRoot());
    return 0;
}
