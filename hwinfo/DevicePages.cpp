#include "hwinfo/DevicePages.h"

#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

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
    const std::wstring systemRoot = registry(
        HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"SystemRoot");
    const std::wstring imagePath = registry(
        HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\" + service, L"ImagePath");
    return LowerText(systemRoot + L"\\" + imagePath);
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
