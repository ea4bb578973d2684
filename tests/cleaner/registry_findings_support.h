#pragma once
// Helpers of the registry category tests: seeded keys that are deleted afterwards, the
// rows of a findings list picked by caption, detail or location, and the pauses of a scan.

#include "cleaner/Unit1.h"
#include "scan_test_support.h"
#include "toolkit/Seams.h"

#include <functional>
#include <memory>

namespace regtest {

// The system folder, where programs that surely exist are found.
inline std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH];
    GetSystemDirectoryW(buffer, MAX_PATH);
    return buffer;
}

inline bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A key created for one test and deleted with everything under it afterwards.
class SeededKey {
  public:
    SeededKey(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {
        RegCloseKey(scantest::OpenKey(root_, path_));
    }
    ~SeededKey() {
        RegDeleteTreeW(root_, path_.c_str());
        RegDeleteKeyW(root_, path_.c_str());
    }
    SeededKey(const SeededKey&) = delete;
    SeededKey& operator=(const SeededKey&) = delete;

    const std::wstring& path() const { return path_; }
    void addSubkey(const std::wstring& name) const {
        RegCloseKey(scantest::OpenKey(root_, path_ + L"\\" + name));
    }
    void setString(const std::wstring& name, const std::wstring& data) const {
        scantest::SetString(root_, path_, name, data);
    }
    bool exists() const { return KeyExists(root_, path_); }

  private:
    HKEY root_;
    std::wstring path_;
};

// Keys seeded by one test, deleted with it.
class SeededKeys {
  public:
    const SeededKey& add(HKEY root, const std::wstring& path) {
        keys_.push_back(std::make_unique<SeededKey>(root, path));
        return *keys_.back();
    }
    const SeededKey& first() const { return *keys_.front(); }

  private:
    std::vector<std::unique_ptr<SeededKey>> keys_;
};

using RowTest = std::function<bool(const tk::ListItem&)>;

inline RowTest CaptionIs(const std::wstring& caption) {
    return [caption](const tk::ListItem& row) { return row.caption == caption; };
}

inline RowTest DetailIs(const std::wstring& detail) {
    return [detail](const tk::ListItem& row) {
        return row.subItems.size() > 1 && row.subItems[1] == detail;
    };
}

inline RowTest CaptionAt(const std::wstring& caption, const std::wstring& location) {
    return [caption, location](const tk::ListItem& row) {
        return row.caption == caption && row.subItems.size() > 2 && row.subItems[2] == location;
    };
}

inline std::vector<tk::ListItem> Rows(const tk::ListView& list, const RowTest& test) {
    std::vector<tk::ListItem> rows;
    for (const tk::ListItem& row : list.items())
        if (test(row))
            rows.push_back(row);
    return rows;
}

// Checks the rows that pass the test and unchecks every other one, so that a removal
// touches nothing but the test's own keys.
inline void CheckOnly(tk::ListView& list, const RowTest& test) {
    for (int row = 0; row < list.count(); ++row)
        list.setChecked(row, test(list.item(row)));
}

// The pauses the action takes, in order; delays are skipped again afterwards.
inline std::vector<unsigned> Pauses(const std::function<void()>& action) {
    std::vector<unsigned> pauses;
    tk::seams().pause = [&pauses](unsigned ms) { pauses.push_back(ms); };
    action();
    tk::seams().pause = [](unsigned) {};
    return pauses;
}

} // namespace regtest
