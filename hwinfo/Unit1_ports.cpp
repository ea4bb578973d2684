#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int PortsImageIndex = 17;
const int UsbPortsImageIndex = 16;

struct TSerialFact {
    const wchar_t* Caption;
    const wchar_t* Property; // of Win32_SerialPortConfiguration
};

const TSerialFact SerialFacts[] = {
    {L"Baud Rate", L"BaudRate"},
    {L"Bits Per Byte", L"BitsPerByte"},
    {L"Stop Bits", L"StopBits"},
    {L"XOff Character", L"XOffCharacter"},
    {L"XOff XMit Threshold", L"XOffXMitThreshold"},
    {L"XOn Character", L"XOnCharacter"},
    {L"XOn XMit Threshold", L"XOnXMitThreshold"},
    {L"Abort Read Write On Error", L"AbortReadWriteOnError"},
    {L"Binary Mode Enabled", L"BinaryModeEnabled"},
    {L"Continue XMit On XOff", L"ContinueXMitOnXOff"},
    {L"CTS Outflow Control", L"CTSOutflowControl"},
    {L"Discard NULL Bytes", L"DiscardNULLBytes"},
    {L"DSR Outflow Control", L"DSROutflowControl"},
    {L"DSR Sensitivity", L"DSRSensitivity"},
    {L"Error Replacement Enabled", L"ErrorReplacementEnabled"},
    {L"Parity", L"Parity"},
    {L"Parity Check Enabled", L"ParityCheckEnabled"},
    {L"RTS Flow Control Type", L"RTSFlowControlType"},
    {L"XOn XOff Input Flow Control", L"XOnXOffInFlowControl"},
    {L"XOn XOff Output Flow Control", L"XOnXOffOutFlowControl"},
};

void AddSerialRows(std::vector<TInfoRow>& rows, const TPortsPageSources& sources) {
    const auto configuration = [&](const wchar_t* property) {
        return sources.Wmi(L"Win32_SerialPortConfiguration", property);
    };
    rows.push_back(HeadingRow(L"Serial Ports", PortsImageIndex));
    rows.push_back(DataRow(L"Model", configuration(L"Name")));
    rows.push_back(DataRow(L"Type", sources.Wmi(L"Win32_SerialPort", L"Description")));
    for (const TSerialFact& fact : SerialFacts)
        rows.push_back(DataRow(fact.Caption, configuration(fact.Property)));
    rows.push_back(BlankRow());
}

void AddParallelRows(std::vector<TInfoRow>& rows, const TPortsPageSources& sources) {
    const std::wstring model = sources.Wmi(L"Win32_ParallelPort", L"Name");
    const std::wstring deviceId = sources.Wmi(L"Win32_ParallelPort", L"PNPDeviceID");
    const std::wstring description =
        sources.Registry(HKEY_LOCAL_MACHINE, MachineEnumKey + deviceId, L"DeviceDesc");
    rows.push_back(HeadingRow(L"Parallel Ports", PortsImageIndex));
    rows.push_back(DataRow(L"Model", model));
    rows.push_back(DataRow(L"PNP Device ID", deviceId));
    rows.push_back(DataRow(L"Device Description",
                           RemoveText(L"@msports.inf,%*pnp0401.devicedesc%;", description)));
    rows.push_back(DataRow(
        L"Driver", model.empty() ? L"\\" : ServiceDriverText(sources.Registry, L"Parport")));
    rows.push_back(BlankRow());
}

} // namespace

std::vector<TInfoRow> PortsPageRows(const TPortsPageSources& sources) {
    std::vector<TInfoRow> rows;
    AddSerialRows(rows, sources);
    AddParallelRows(rows, sources);
    rows.push_back(HeadingRow(L"USB Ports", UsbPortsImageIndex));
    const std::vector<TInfoRow> devices = UsbDeviceRows(sources.Registry, TUsbListing::PortsPage);
    rows.insert(rows.end(), devices.begin(), devices.end());
    return rows;
}

void TForm1::portsinfoExecute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, PortsPageRows(PortsSources));
}

} // namespace corvane
