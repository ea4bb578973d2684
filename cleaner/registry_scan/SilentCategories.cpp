// Help files, fonts registration and virtual components: their scans read
// nothing and find nothing; they only lay out their lists and run the progress.
#include "cleaner/Unit1.h"
#include "cleaner/registry_scan/KeyFindings.h"

namespace tidewell {

namespace {

const std::vector<TForm1::FindingColumn> SilentColumns = RegistryColumns(180, 210, 210, 220);

void ScanNothing(TForm1& form, tk::ListView& list) {
    form.RunScanFrame(list, SilentColumns, [&form] { form.AdvanceProgress(0, 100); });
}

} // namespace

void TForm1::helpfileExecute() {
    ScanNothing(*this, *lvhelp);
}
void TForm1::fontregExecute() {
    ScanNothing(*this, *lvfont);
}
void TForm1::VirtualDeviceExecute() {
    ScanNothing(*this, *lvvd);
}

} // namespace tidewell
