#pragma once
// Stand-in registry and WMI for the device pages: values set by the test, every read
// remembered.

#include "hwinfo/DevicePages.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// The tests speak of Corvane's own names.
using namespace corvane;

namespace device_fakes {

class FakeRegistry {
  public:
    void Set(const std::wstring& key, const std::wstring& name, const std::wstring& value,
             HKEY root = HKEY_LOCAL_MACHINE) {
        data_->values[{root, key, name}] = value;
    }

    TRegTextSource Source() const {
        auto data = data_;
        return [data](HKEY root, const std::wstring& key, const std::wstring& name) {
            data->readKeys.push_back(key);
            const auto found = data->values.find({root, key, name});
            return found == data->values.end() ? std::wstring() : found->second;
        };
    }

    const std::vector<std::wstring>& ReadKeys() const { return data_->readKeys; }

  private:
    struct Data {
        std::map<std::tuple<HKEY, std::wstring, std::wstring>, std::wstring> values;
        std::vector<std::wstring> readKeys;
    };
    std::shared_ptr<Data> data_ = std::make_shared<Data>();
};

class FakeWmi {
  public:
    void Set(const std::wstring& className, const std::wstring& property,
             const std::wstring& value) {
        (*values_)[{className, property}] = value;
    }

    TWmiSource Source() const {
        auto values = values_;
        return [values](const std::wstring& className, const std::wstring& property) {
            const auto found = values->find({className, property});
            return found == values->end() ? std::wstring() : found->second;
        };
    }

  private:
    using Values = std::map<std::pair<std::wstring, std::wstring>, std::wstring>;
    std::shared_ptr<Values> values_ = std::make_shared<Values>();
};

// Captions and values of rows, for comparing whole runs of rows.
using RowTexts = std::vector<std::pair<std::wstring, std::wstring>>;

// The rows from one index up to (not including) another.
inline RowTexts Shown(const std::vector<TInfoRow>& rows, std::size_t from,
                      std::size_t to = SIZE_MAX) {
    RowTexts shown;
    for (std::size_t i = from; i < rows.size() && i < to; ++i)
        shown.push_back({rows[i].Caption, rows[i].Value});
    return shown;
}

inline const std::wstring EnumKey = L"SYSTEM\\CurrentControlSet\\Enum\\";
inline const std::wstring ServicesKey = L"SYSTEM\\CurrentControlSet\\Services\\";
inline const std::wstring WindowsNtKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
inline const std::wstring ClassKey = L"SYSTEM\\CurrentControlSet\\Control\\Class\\";

} // namespace device_fakes
