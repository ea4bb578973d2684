#include "hwinfo/Unit1.h"

#include "hwinfo/VerInfoRes.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int HeadingPicture = 18;
const int DevicePicture = 20;

} // namespace

void TForm1::mci_deviceExecute() {
    TPageFill fill(*this, TInfoTab::System);
    LV2->clear();
    LV2->setSmallImages(&ImageList3);
    AddInfoRow(*LV2, HeadingRow(L"MCI Device Information", HeadingPicture));
    Memotemp.clear();
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(MciSource.root);
    if (registry.OpenKey(L"\\" + MciSource.keyPath, false))
        registry.GetValueNames(Memotemp);
    for (const std::wstring& line : Memotemp) {
        const std::wstring device = line.substr(1);
        TInfoRow nameRow = DataRow(L"Device Name", device);
        nameRow.ImageIndex = DevicePicture;
        AddInfoRow(*LV2, nameRow);
        const std::wstring driver = ReadRegString(MciSource.keyPath, device, MciSource.root);
        AddInfoRow(*LV2, DataRow(L"Driver", driver));
        const std::wstring driverPath = GetSystemDir() + L"\\" + driver;
        AddInfoRow(*LV2, DataRow(L"Version", TVerInfoRes(driverPath).FileVersionText()));
        AddInfoRow(*LV2, DataRow(L"Path", driverPath));
        AddInfoRow(*LV2, BlankRow());
        LV2->repaint();
    }
}

} // namespace corvane
