#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

const int MemoryImageIndex = 14;
const int GeneralImageIndex = 8;

std::wstring ByteSize(std::uint64_t bytes) {
    return FormatByteSize(std::to_wstring(bytes));
}

// "True"/"False" as "Yes"/"No", and "0"/"1" as "No"/"Yes"; any other text as it is.
std::wstring YesNoText(const std::wstring& text, const wchar_t* yes, const wchar_t* no) {
    if (text == yes)
        return L"Yes";
    if (text == no)
        return L"No";
    return text;
}

// The account name alone when the user belongs to this host.
std::wstring UserOfHost(const std::wstring& userName, const std::wstring& hostName) {
    if (hostName.empty())
        return userName;
    return RemoveText(hostName + L"\\", userName);
}

} // namespace

TMemoryFigures ReadMemoryFigures() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return {};
    return {status.dwMemoryLoad, status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
            status.ullAvailPageFile};
}

std::vector<TInfoRow> MemoryPageRows(const TMemoryFigures& memory, const TWmiSource& wmi) {
    const auto pageFile = [&](const wchar_t* name) { return wmi(L"Win32_PageFile", name); };
    return {
        HeadingRow(L"Memory Info", MemoryImageIndex),
        DataRow(L"Total Physical Memory", ByteSize(memory.TotalPhysical)),
        DataRow(L"Free Physical Memory", ByteSize(memory.AvailablePhysical)),
        DataRow(L"Maximum Page File", ByteSize(memory.TotalPageFile)),
        DataRow(L"Free Page File", ByteSize(memory.AvailablePageFile)),
        DataRow(L"Page File", pageFile(L"Name")),
        DataRow(L"Initial Size", pageFile(L"InitialSize")),
        DataRow(L"Maximum Size", pageFile(L"MaximumSize")),
        DataRow(L"Allocated Memory Load", std::to_wstring(memory.LoadPercent) + L" %"),
    };
}

std::vector<TInfoRow> WindowsInfoPageRows(const TWmiSource& wmi) {
    const auto system = [&](const wchar_t* name) { return wmi(L"Win32_OperatingSystem", name); };
    const auto computer = [&](const wchar_t* name) { return wmi(L"Win32_ComputerSystem", name); };
    const auto protection = [&](const wchar_t* name) {
        return YesNoText(system(name), L"True", L"False");
    };
    const std::wstring windowsSystem =
        system(L"Caption") + L" " + system(L"Version") + L" " + system(L"CSDVersion");
    std::vector<TInfoRow> rows = {
        HeadingRow(L"General Information", GeneralImageIndex),
        DataRow(L"Windows System", windowsSystem),
        DataRow(L"Kernel Type", system(L"BuildType")),
        DataRow(L"Number of Licenced Processors", system(L"NumberOfUsers")),
        DataRow(L"Product ID", system(L"SerialNumber")),
        DataRow(L"Registered Owner", system(L"RegisteredUser")),
        DataRow(L"Registered Organisation", system(L"Organization")),
        BlankRow(),
        HeadingRow(L"Activation Status", -1),
        DataRow(
            L"Activation Required",
            YesNoText(wmi(L"Win32_WindowsProductActivation", L"ActivationRequired"), L"1", L"0")),
        BlankRow(),
        HeadingRow(L"Data Execution Prevention (DEP)", -1),
        DataRow(L"Supported by CPU", protection(L"DataExecutionPrevention_Available")),
        DataRow(L"Applications Protected",
                protection(L"DataExecutionPrevention_32BitApplications")),
        DataRow(L"Drivers Protected", protection(L"DataExecutionPrevention_Drivers")),
        BlankRow(),
        HeadingRow(L"Session Settings", -1),
    };
    const std::wstring hostName = computer(L"Name");
    rows.push_back(DataRow(L"Host Name", hostName));
    rows.push_back(DataRow(L"User", UserOfHost(computer(L"UserName"), hostName)));
    rows.push_back(DataRow(L"Domain", computer(L"Domain")));
    return rows;
}

// The memory figures are those of the moment the button was pressed.
void TForm1::Action18Execute() {
    const TMemoryFigures memory = MemorySources.memory();
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, MemoryPageRows(memory, MemorySources.wmi));
}

void TForm1::windowsinfoExecute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, WindowsInfoPageRows(MemorySources.wmi));
}

} // namespace corvane
