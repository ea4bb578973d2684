#include "hwinfo/DevicePages.h"

#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

#include <cwctype>

namespace corvane {

const std::wstring MachineEnumKey = L"SYSTEM\\CurrentControlSet\\Enum\\";

std::wstring RegistryText(HKEY root, const std::wstring& key, const std::wstring& name) {
    return ReadRegString(key, name, root);
}

std::optional<TClusterFigures> ReadClusterFigures(const std::wstring& root) {
    TClusterFigures figures{};
    if (!GetDiskFreeSpaceW(root.c_str(), &figures.SectorsPerCluster, &figures.BytesPerSector,
                           &figures.FreeClusters, &figures.TotalClusters))
        return std::nullopt;
    return figures;
}

namespace {

std::wstring ConvertedCase(std::wstring text, DWORD(WINAPI* convert)(LPWSTR, DWORD)) {
    if (!text.empty())
        convert(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::wstring AsciiLowerCase(std::wstring text) {
    for (wchar_t& ch : text)
        if (ch >= L'A' && ch <= L'Z')
            ch = static_cast<wchar_t>(ch - L'A' + L'a');
    return text;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() &&
           AsciiLowerCase(text.substr(0, prefix.size())) == AsciiLowerCase(prefix);
}

bool IsDrivePath(const std::wstring& path) {
    return path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
}

} // namespace

std::wstring LowerText(const std::wstring& text) {
    return ConvertedCase(text, CharLowerBuffW);
}

std::wstring UpperText(const std::wstring& text) {
    return ConvertedCase(text, CharUpperBuffW);
}

std::wstring ServiceEnumKey(const std::wstring& service) {
    return L"SYSTEM\\CurrentControlSet\\Services\\" + service + L"\\Enum";
}

std::wstring ServiceDriverText(const TRegTextSource& registry, const std::wstring& service) {
    const std::wstring imagePath = registry(
        HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\" + service, L"ImagePath");
    if (imagePath.empty())
        return L"";
    const std::wstring systemRoot = registry(
        HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"SystemRoot");
    return DriverFilePath(imagePath, systemRoot);
}

std::wstring DriverFilePath(const std::wstring& imagePath, const std::wstring& systemRoot) {
    if (imagePath.empty())
        return L"";
    const std::wstring systemRootPrefix = L"\\SystemRoot\\";
    const std::wstring nativePrefix = L"\\??\\";
    std::wstring path;
    if (StartsWithNoCase(imagePath, systemRootPrefix))
        path = systemRoot + L"\\" + imagePath.substr(systemRootPrefix.size());
    else if (imagePath.compare(0, nativePrefix.size(), nativePrefix) == 0)
        path = imagePath.substr(nativePrefix.size());
    else if (IsDrivePath(imagePath))
        path = imagePath;
    else
        path = systemRoot + L"\\" + imagePath;
    return AsciiLowerCase(path);
}

std::wstring ClassInstanceKey(const std::wstring& classGuid, int number) {
    return L"SYSTEM\\CurrentControlSet\\Control\\Class\\" + classGuid + L"\\000" +
           std::to_wstring(number);
}

void ShowPageRows(TForm1& form, tk::ListView& list, tk::ImageList* images,
                  const std::vector<TInfoRow>& rows, TFirstRow firstRow) {
    if (images)
        list.setSmallImages(images);
    list.clear();
    list.beginUpdate();
    for (const TInfoRow& row : rows)
        form.AddInfoRow(list, row);
    list.endUpdate();
    if (list.count() == 0)
        return;
    list.makeVisible(0);
    if (firstRow == TFirstRow::Selected)
        list.setItemIndex(0);
}

} // namespace corvane
